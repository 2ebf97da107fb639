#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>

#include "common/page.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using namespace mx;
using namespace mx::ui;

TEST(Registry, OneWindowPerNameAndFreshAfterClose) {
    int created = 0;
    WindowRegistry::instance().add("probe", [&] {
        ++created;
        auto* w = new QWidget;
        makeField(w, "Text1", "default");
        return w;
    });
    QWidget* a = showWindow("probe");
    ASSERT_NE(a, nullptr);
    a->findChild<QLineEdit*>("Text1")->setText("typed");
    QWidget* b = showWindow("probe");
    EXPECT_EQ(a, b);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(b->findChild<QLineEdit*>("Text1")->text(), "typed");
    a->close();
    QWidget* c = showWindow("probe");  // before the deferred delete has even run
    EXPECT_EQ(created, 2);
    EXPECT_EQ(c->findChild<QLineEdit*>("Text1")->text(), "default");
    EXPECT_EQ(showWindow("nothing"), nullptr);
    c->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Prompter, RecorderLogsAndAnswersInOrder) {
    RecordingPrompter rec;
    rec.answers = {false, true};
    prompter().show(Message{"1.a", "T", Icon::Critical});
    EXPECT_FALSE(prompter().ask(Message{"q1", "T", Icon::Question}));
    EXPECT_TRUE(prompter().ask(Message{"q2", "T", Icon::Question}));
    ASSERT_EQ(rec.log.size(), 3u);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"1.a", "q1", "q2"}));
    EXPECT_TRUE(rec.log[1].question);
}

TEST(Fields, ReadByObjectName) {
    QWidget w;
    makeField(&w, "Text1", "12");
    makeField(&w, "Text2", "?");
    const FieldSet f = readFields(&w, {"Text2", "Text1", "Text9"});
    EXPECT_EQ(f.get("Text1"), "12");
    EXPECT_DOUBLE_EQ(f.num("Text2"), 0);
    EXPECT_EQ(f.entries()[0].first, "Text2");
}

TEST(Printing, CancelledQuestionPrintsNothing) {
    RecordingPrompter rec;
    rec.answers = {false};
    QTemporaryDir dir;
    PdfFileTarget target(dir.filePath("sheet.pdf"));
    PageModel p;
    p.text(1200, 400, "โครงการ ทดสอบ");
    EXPECT_FALSE(printSheet(p, Message{"พิมพ์?", "พิมพ์", Icon::Question}, nullptr));
    EXPECT_EQ(target.count, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("sheet.pdf")));
}

TEST(Printing, ConfirmedSheetBecomesAOnePagePdf) {
    RecordingPrompter rec;
    QTemporaryDir dir;
    PdfFileTarget target(dir.filePath("sheet.pdf"));
    PageModel p;
    p.text(1200, 400, "โครงการ ทดสอบ");
    p.lineWidth(2);
    p.line(1200, 1000, 6000, 1000);
    p.circle(3000, 3000, 200);
    EXPECT_TRUE(printSheet(p, Message{"พิมพ์?", "พิมพ์", Icon::Question}, nullptr));
    QFile f(dir.filePath("sheet.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 1);
}

TEST(Printing, CordiaFallsBackToAScaledThaiFont) {
    const QFont f = pageFont("CordiaUPC", 14);
    if (!QFontDatabase::families().contains("CordiaUPC", Qt::CaseInsensitive)) {
        EXPECT_EQ(f.family(), "Umpush");
        EXPECT_NEAR(f.pointSizeF(), 9.1, 1e-9);
    }
    EXPECT_EQ(pageFont("Arial", 12).pointSizeF(), 12);
}

TEST(Printing, LongThaiLineFitsTheA4TextColumn) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1440);
    setUpSheetPrinter(printer);
    const PageText t{1200, 0, "2.เข็มที่อยู่ในระดับดินลึกเกินกว่า 7.00 เมตร ใช้หน่วยแรงฝืดของดิน = 800 + 200 L  กก. / ตรม.", 14};
    const double width = textWidthTwips(t, "CordiaUPC", &printer);
    EXPECT_GT(width, 1000);
    EXPECT_LT(1200 + width, printer.pageLayout().paintRectPoints().width() * 20.0);
}

TEST(Printing, AFailedPrintIsReportedNotTakenForSuccess) {
    RecordingPrompter rec;
    PdfFileTarget target("/nonexistent-directory/sheet.pdf");
    PageModel p;
    p.text(1200, 400, "x");
    EXPECT_FALSE(printSheet(p, Message{"พิมพ์?", "พิมพ์", Icon::Question}, nullptr));
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[1].message.icon, Icon::Exclamation);
    // A file that cannot be written is named and said to be unsaved; the printer is
    // not blamed for it.
    const std::string& text = rec.log[1].message.text;
    EXPECT_NE(text.find("/nonexistent-directory/sheet.pdf"), std::string::npos) << text;
    EXPECT_NE(text.find("บันทึก"), std::string::npos) << text;
    EXPECT_EQ(text.find("เครื่องพิมพ์"), std::string::npos) << text;
}

// The print preview asks for a whole A4 page; on a smaller screen it takes what the
// screen has, title bar included, and stands wholly on it.
TEST(Printing, ThePreviewFitsTheScreen) {
    QWidget parent;
    QWidget dialog(nullptr, Qt::Dialog);
    const QRect screen = parent.screen()->availableGeometry();
    fitOnScreen(&dialog, QSize(900, 1000), &parent);
    EXPECT_LE(dialog.height() + 32, screen.height());
    EXPECT_TRUE(screen.contains(dialog.geometry())) << dialog.geometry().top();
    fitOnScreen(&dialog, QSize(200, 150), &parent);
    EXPECT_EQ(dialog.size(), QSize(200, 150)) << "a dialog smaller than the screen keeps its size";
}
