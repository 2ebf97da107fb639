#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include "shell/coverpages.h"
#include "shell/window/licence.h"
#include "shell/window/pagemaker.h"
#include "shell/window/shellwindows.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using mx::shell::PageMakerWindow;

namespace {

QString text(const QWidget& w, const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }

void click(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

}  // namespace

TEST(PageMaker, WindowsShowTheirDefaultsAndCaptions) {
    struct Case {
        PageMakerWindow::Kind kind;
        const char* name;
        const char* caption;
        mx::FieldSet defaults;
        const char* print;
        const char* about;
    };
    const Case cases[] = {
        {PageMakerWindow::Kind::Cover, "cover01", "ออกแบบปก-Page Maker", mx::shell::coverDefaults(), "พิมพ์ปก", "Command5"},
        {PageMakerWindow::Kind::Criteria, "cover02", "ข้อกำหนด-Design Criteria", mx::shell::criteriaDefaults(),
         "พิมพ์ข้อกำหนด", "Command6"},
    };
    for (const auto& c : cases) {
        PageMakerWindow w(c.kind);
        EXPECT_EQ(w.objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(c.caption));
        for (const auto& [name, value] : c.defaults.entries())
            EXPECT_EQ(text(w, name.c_str()).toStdString(), value) << name;
        EXPECT_EQ(w.fields().entries(), c.defaults.entries());
        EXPECT_EQ(w.findChild<QPushButton*>("Command1")->text(), QString::fromUtf8(c.print));
        EXPECT_EQ(w.findChild<QPushButton*>(c.about)->text(), QStringLiteral("ABOUT"));
        EXPECT_EQ(w.findChild<QPushButton*>("Command2")->text(), QStringLiteral("ลบข้อความ"));
        EXPECT_EQ(w.findChild<QPushButton*>("Command3")->text(), QStringLiteral("ออก"));
        EXPECT_EQ(w.findChild<QPushButton*>("Command4")->text(), QStringLiteral("แนะนำ"));
    }
}

TEST(PageMaker, ClearEmptiesOnlyItsFieldsAndThePageFollows) {
    struct Case {
        PageMakerWindow::Kind kind;
        std::vector<const char*> emptied;
        std::vector<const char*> kept;
    };
    const Case cases[] = {
        {PageMakerWindow::Kind::Cover, {"Text1", "Text3", "Text4", "Text5", "Text6"}, {"Text2"}},
        {PageMakerWindow::Kind::Criteria,
         {"Text8", "Text10", "Text12", "Text3", "Text4"},
         {"Text2", "Text14", "Text1", "Text9", "Text5", "Text11", "Text6", "Text13"}},
    };
    for (const auto& c : cases) {
        PageMakerWindow w(c.kind);
        const auto before = w.page().texts().size();
        click(w, "Command2");
        for (const char* n : c.emptied) EXPECT_TRUE(text(w, n).isEmpty()) << n;
        for (const char* n : c.kept) EXPECT_FALSE(text(w, n).isEmpty()) << n;
        const auto after = w.page().texts();
        EXPECT_LT(after.size(), before);
        for (const auto& t : after) EXPECT_LT(t.y, 13500);  // engineer and registration gone
    }
}

TEST(PageMaker, InstructionsAppearOnlyOnRequest) {
    for (auto kind : {PageMakerWindow::Kind::Cover, PageMakerWindow::Kind::Criteria}) {
        PageMakerWindow w(kind);
        w.show();
        auto* box = w.findChild<QPlainTextEdit*>("Text7");
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isVisible());
        EXPECT_TRUE(box->isReadOnly());
        click(w, "Command4");
        EXPECT_TRUE(box->isVisible());
        const std::string expected =
            kind == PageMakerWindow::Kind::Cover ? mx::shell::coverInstructions() : mx::shell::criteriaInstructions();
        EXPECT_EQ(box->toPlainText().toStdString(), expected);
    }
}

TEST(PageMaker, PrintsAtOnceWithoutAQuestion) {
    QTemporaryDir dir;
    for (auto kind : {PageMakerWindow::Kind::Cover, PageMakerWindow::Kind::Criteria}) {
        mx::ui::RecordingPrompter prompter;
        const QString path = dir.filePath(kind == PageMakerWindow::Kind::Cover ? "cover.pdf" : "criteria.pdf");
        mx::ui::PdfFileTarget target(path);
        PageMakerWindow w(kind);
        w.findChild<QLineEdit*>("Text4")->setText(QStringLiteral("วย.12345"));
        click(w, "Command1");
        EXPECT_EQ(target.count, 1);
        EXPECT_TRUE(prompter.log.empty());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.read(5).startsWith("%PDF"));
        bool found = false;
        for (const auto& t : w.page().texts()) found = found || (t.text == "วย.12345" && t.y == 14000);
        EXPECT_TRUE(found);
    }
}

TEST(PageMaker, OpenOnceAboutAndExit) {
    mx::shell::registerWindows();
    for (const char* name : {"cover01", "cover02"}) {
        QPointer<QWidget> w = mx::ui::showWindow(name);
        ASSERT_NE(w.data(), nullptr);
        w->findChild<QLineEdit*>("Text3")->setText(QStringLiteral("นายทดสอบ"));
        EXPECT_EQ(mx::ui::showWindow(name), w.data());
        EXPECT_EQ(text(*w, "Text3"), QStringLiteral("นายทดสอบ"));
        click(*w, name == std::string("cover01") ? "Command5" : "Command6");
        QWidget* about = mx::ui::WindowRegistry::instance().find("about");
        ASSERT_NE(about, nullptr);
        // The licence as the main menu's credit line states it.
        EXPECT_TRUE(about->findChild<QLabel*>("licence")->text().startsWith(QString::fromUtf8(mx::shell::kLicenceLine)));
        about->close();
        click(*w, "Command3");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
        QWidget* again = mx::ui::showWindow(name);
        EXPECT_EQ(text(*again, "Text3"), QStringLiteral("นายวิศวกร โยธา"));
        again->close();
    }
}

TEST(PageMaker, FieldsOnScreenTakeThePrintedWeightAndOrder) {
    // A field printed on its own line shows in the window at its printed weight, and a
    // larger printed size is never shown smaller than a lesser one.
    struct Case {
        PageMakerWindow::Kind kind;
        std::vector<const char*> alone;  // fields printed by themselves, in page order
    };
    const Case cases[] = {
        {PageMakerWindow::Kind::Cover, {"Text2", "Text1", "Text5", "Text6", "Text3", "Text4"}},
        {PageMakerWindow::Kind::Criteria, {"Text2", "Text14", "Text3", "Text4"}},
    };
    for (const auto& c : cases) {
        PageMakerWindow w(c.kind);
        const auto texts = w.page().texts();
        for (const char* n : c.alone) {
            SCOPED_TRACE(n);
            const std::string value = w.fields().get(n);
            const auto it = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == value; });
            ASSERT_NE(it, texts.end());
            const QFont f = w.findChild<QLineEdit*>(QString::fromLatin1(n))->font();
            EXPECT_EQ(f.bold(), it->bold);
            for (const char* m : c.alone) {
                const auto other = std::find_if(texts.begin(), texts.end(),
                                                [&](const auto& t) { return t.text == w.fields().get(m); });
                if (other->sizePt < it->sizePt) {
                    EXPECT_GE(f.pixelSize(), w.findChild<QLineEdit*>(QString::fromLatin1(m))->font().pixelSize()) << m;
                }
            }
        }
    }
}

TEST(PageMaker, InstructionBoxStandsWhollyInsideItsPanel) {
    for (auto kind : {PageMakerWindow::Kind::Cover, PageMakerWindow::Kind::Criteria}) {
        PageMakerWindow w(kind);
        w.show();
        click(w, "Command4");
        QApplication::processEvents();
        auto* box = w.findChild<QPlainTextEdit*>("Text7");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->parentWidget()->rect().contains(box->geometry()));
        for (auto* b : w.findChildren<QPushButton*>())
            EXPECT_TRUE(b->parentWidget()->rect().contains(b->geometry())) << b->objectName().toStdString();
    }
}

TEST(PageMaker, FieldsStayInsideTheDrawnFrameAndTheWindowFitsTheScreen) {
    for (auto kind : {PageMakerWindow::Kind::Cover, PageMakerWindow::Kind::Criteria}) {
        PageMakerWindow w(kind);
        w.show();
        const QRect frame = mx::shell::pageFrameRect();
        for (auto* e : w.findChildren<QLineEdit*>())
            EXPECT_TRUE(frame.adjusted(1, 1, -1, -1).contains(e->geometry())) << e->objectName().toStdString();
        EXPECT_LE(w.width(), 1366);
        EXPECT_LE(w.height() + 40, 768);
        // The instructions open inside the window as it stands.
        const QSize size = w.size();
        click(w, "Command4");
        QApplication::processEvents();
        EXPECT_EQ(w.size(), size);
    }
}
