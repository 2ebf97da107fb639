#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_sheet.h"
#include "ui/printing.h"

using namespace mx;
using namespace mx::spreadfooting;

namespace {

// The worked example: the defaults with a bearing of 8 t/m2.
SpreadFootingOutcome workedExample() {
    FieldSet f = defaultFields();
    f.set("Text3", "8");
    return calculateSpreadFooting(readInput(f));
}

}  // namespace

TEST(SpreadFootingSheetPdf, OneA4PortraitPageWithEveryLineInside) {
    const SpreadFootingOutcome out = workedExample();
    ASSERT_EQ(out.status, DesignStatus::Usable);
    const PageModel page = spreadFootingSheet(out.result, true, {"โครงการทดสอบ", "F1", "วิศวกร", "วย.1", "1/1"});
    QTemporaryDir dir;
    const QString path = dir.filePath("foot.pdf");
    ASSERT_TRUE(ui::writeSheetPdf(page, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";

    // Every word as painted stays inside the printable width (A4 less the 14 pt margin).
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {"-bbox", path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString boxes = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression xMax(QStringLiteral("xMax=\"([0-9.]+)\""));
    int words = 0;
    for (const QRegularExpressionMatch& m : xMax.globalMatch(boxes)) {
        ++words;
        EXPECT_LE(m.captured(1).toDouble(), 581.5);
    }
    EXPECT_GT(words, 50);
}
