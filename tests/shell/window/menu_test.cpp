#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "shell/window/calculatorwindow.h"
#include "shell/window/identity.h"
#include "shell/window/licence.h"
#include "shell/window/mainmenu.h"
#include "shell/window/shellwindows.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using mx::shell::IdentityWindow;
using mx::shell::MainMenu;
using mx::ui::WindowRegistry;

namespace {

// A stand-in module window with one field holding its default.
QWidget* dummyModule(const QString& name) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(name);
    auto* field = new QLineEdit(QStringLiteral("150"), w);
    field->setObjectName(QStringLiteral("Text1"));
    return w;
}

void registerDummies() {
    for (const char* n : {"Beam01", "slab", "pile"}) {
        const QString name = QString::fromLatin1(n);
        WindowRegistry::instance().add(name, [name] { return dummyModule(name); });
    }
}

QImage shown(const QLabel* l) { return l->pixmap().toImage(); }

QToolButton* button(const QWidget& w, const char* name) {
    return w.findChild<QToolButton*>(QString::fromLatin1(name));
}

}  // namespace

TEST(MainMenu, CaptionAndTwelveButtonsWithIconsAboveCaptions) {
    mx::ui::RecordingPrompter prompter;
    MainMenu menu;
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("TALVEN - MX7100  V. 2.00"));
    const auto buttons = menu.findChildren<QToolButton*>();
    EXPECT_EQ(buttons.size(), 12);
    for (const auto* b : buttons) {
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << b->objectName().toStdString();
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
        EXPECT_FALSE(b->text().isEmpty());
    }
    struct Case {
        const char* button;
        const char* caption;
        const char* window;
    };
    const Case cases[] = {
        {"Command1", "ออกแบบคาน", "Beam01"},          {"Command5", "ออกแบบเสา", "column"},
        {"Command9", "ออกแบบพื้น", "slab"},           {"Command10", "ออกแบบบันได คสล.", "ST01"},
        {"Command6", "ออกแบบฐานรากแผ่", "foot00"},    {"Command7", "ออกแบบฐานรากมีเข็ม", "foot01"},
        {"Command8", "คำนวณเกี่ยวกับเสาเข็ม", "pile"}, {"Command4", "BLOW COUNT", "blow"},
        {"Command3", "เครื่องคิดเลข", "fcal"},         {"Command11", "ทำปกนอก", "cover01"},
        {"Command12", "ทำปกใน", "cover02"},           {"Command2", "ออกจากโปรแกรม", ""},
    };
    for (const auto& c : cases) {
        auto* b = button(menu, c.button);
        ASSERT_NE(b, nullptr) << c.button;
        EXPECT_EQ(b->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(MainMenu::windowFor(QString::fromLatin1(c.button)), QString::fromLatin1(c.window));
    }
    EXPECT_NE(menu.findChild<QLabel*>("Image1"), nullptr);
    EXPECT_EQ(menu.findChild<QLabel*>("Image1")->pixmap().size(), QSize(512, 400));
    EXPECT_EQ(menu.findChild<QTimer*>("Timer1")->interval(), 100);
    EXPECT_TRUE(menu.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_EQ(menu.pictureClip().strip().size(), QSize(600, 300));
    EXPECT_EQ(menu.pictureClip().cellSize(), QSize(100, 100));
}

TEST(MainMenu, ButtonsOfModulesNotBuiltAreDisabledWithAThaiTip) {
    mx::ui::RecordingPrompter prompter;
    registerDummies();
    MainMenu menu;
    // "column" and "ST01" are never registered in this test program.
    for (const char* n : {"Command5", "Command10"}) {
        auto* b = button(menu, n);
        EXPECT_FALSE(b->isEnabled()) << n;
        EXPECT_EQ(b->toolTip(), QStringLiteral("ส่วนนี้ยังไม่พร้อมใช้งานในรุ่นนี้"));
    }
    for (const char* n : {"Command1", "Command9", "Command8", "Command2"}) {
        auto* b = button(menu, n);
        EXPECT_TRUE(b->isEnabled()) << n;
        EXPECT_NE(b->toolTip(), QStringLiteral("ส่วนนี้ยังไม่พร้อมใช้งานในรุ่นนี้"));
    }
}

TEST(MainMenu, FaceRunsFromCellTwoThroughSeventeenAndBackToZero) {
    mx::ui::RecordingPrompter prompter;
    MainMenu menu;
    menu.findChild<QTimer*>("Timer1")->stop();  // ticks are driven by hand here
    auto* picture = menu.findChild<QLabel*>("Picture1");
    EXPECT_EQ(menu.animation().frameIndex(), 2);
    EXPECT_EQ(shown(picture), menu.pictureClip().cell(2).toImage());
    const int expected[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 1, 2};
    for (int e : expected) {
        menu.tick();
        ASSERT_EQ(menu.animation().frameIndex(), e);
        ASSERT_EQ(shown(picture), menu.pictureClip().cell(e).toImage());
    }
    // Neighbouring cells differ: the face really moves.
    EXPECT_NE(menu.pictureClip().cell(4).toImage(), menu.pictureClip().cell(5).toImage());
}

TEST(MainMenu, ClickFreezesTheFaceAndDoubleClickResumes) {
    mx::ui::RecordingPrompter prompter;
    MainMenu menu;
    menu.findChild<QTimer*>("Timer1")->stop();
    auto* picture = menu.findChild<QLabel*>("Picture1");
    menu.tick();
    menu.tick();  // cell 4
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(menu.animation().animating(), 0);
    for (int i = 0; i < 5; ++i) menu.tick();
    EXPECT_EQ(menu.animation().frameIndex(), 4);
    EXPECT_EQ(shown(picture), menu.pictureClip().cell(4).toImage());
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_EQ(menu.animation().animating(), 1);
    menu.tick();
    EXPECT_EQ(menu.animation().frameIndex(), 5);
}

TEST(MainMenu, HoverOverTheStairButtonShowsTheContactLineForGood) {
    mx::ui::RecordingPrompter prompter;
    MainMenu menu;
    auto* label = menu.findChild<QLabel*>("Label1");
    const QString credit = label->text();
    // The credit line states the licence of the LICENSE file, which allows selling copies.
    EXPECT_TRUE(credit.contains(QString::fromUtf8(mx::shell::kLicenceLine))) << credit.toStdString();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button(menu, "Command1"), &enter);
    EXPECT_EQ(label->text(), credit);
    QApplication::sendEvent(button(menu, "Command10"), &enter);
    const QString contact = QStringLiteral("หากท่านมีข้อสงสัยหรือแนะนำอย่างไร โปรดติดต่อเจ้าของลิขสิทธิ์");
    EXPECT_EQ(label->text(), contact);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button(menu, "Command10"), &leave);
    EXPECT_EQ(label->text(), contact);
}

TEST(MainMenu, AModuleOpensOnceKeepsItsInputsAndReopensWithDefaults) {
    mx::ui::RecordingPrompter prompter;
    registerDummies();
    MainMenu menu;
    menu.show();
    button(menu, "Command1")->click();
    QPointer<QWidget> first = WindowRegistry::instance().find("Beam01");
    ASSERT_FALSE(first.isNull());
    first->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("275"));

    button(menu, "Command1")->click();
    EXPECT_EQ(WindowRegistry::instance().find("Beam01"), first.data());
    EXPECT_EQ(first->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("275"));
    EXPECT_TRUE(menu.isVisible());  // the menu is never hidden

    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    button(menu, "Command1")->click();
    QWidget* again = WindowRegistry::instance().find("Beam01");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("150"));
    again->close();
}

TEST(MainMenu, ExitEndsTheProgramAtOnceClosingEveryWindowWithoutAQuestion) {
    mx::ui::RecordingPrompter prompter;
    registerDummies();
    MainMenu menu;
    menu.show();
    button(menu, "Command1")->click();
    button(menu, "Command8")->click();
    QPointer<QWidget> beam = WindowRegistry::instance().find("Beam01");
    QPointer<QWidget> pile = WindowRegistry::instance().find("pile");
    ASSERT_TRUE(beam && pile);

    // The press runs inside the event loop; exec() returning proves the program ends.
    QTimer::singleShot(0, &menu, [&] { button(menu, "Command2")->click(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
    guard.start(20000);
    const int code = QApplication::exec();
    guard.stop();
    EXPECT_EQ(code, 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(beam.isNull());
    EXPECT_TRUE(pile.isNull());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(prompter.log.empty());
}

TEST(IdentityWindow, TypesTheNameWithTheIconInStepAndPictureCentred) {
    IdentityWindow w;
    w.findChild<QTimer*>("Timer1")->stop();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("โปรแกรมนี้เป็นเพียงส่วนหนึ่งของ"));
    EXPECT_EQ(w.findChild<QTimer*>("Timer1")->interval(), 150);
    EXPECT_EQ(w.pictureClip().strip().size(), QSize(750, 150));
    EXPECT_EQ(w.pictureClip().cellSize(), QSize(125, 50));
    ASSERT_EQ(w.icons().size(), 18u);

    auto* container = w.findChild<QWidget*>("Picture6");
    auto* picture = container->findChild<QLabel*>("Picture1");
    ASSERT_NE(picture, nullptr);
    const QRect inner = container->contentsRect();
    EXPECT_EQ(picture->x() - inner.left(), (inner.width() - picture->width()) / 2);
    EXPECT_EQ(picture->y() - inner.top(), (inner.height() - picture->height()) / 2);

    EXPECT_EQ(w.animation().frameIndex(), 2);
    EXPECT_EQ(shown(picture), w.pictureClip().cell(2).toImage());
    for (int step = 0; step < 20; ++step) {
        w.tick();
        const int i = w.animation().frameIndex();
        ASSERT_EQ(i, (3 + step) % 18);
        ASSERT_EQ(shown(picture), w.pictureClip().cell(i).toImage());
        ASSERT_EQ(w.windowIcon().pixmap(32).toImage(), w.icons()[static_cast<std::size_t>(i)].pixmap(32).toImage());
    }
    // The typing shows: the first and the last cells differ.
    EXPECT_NE(w.pictureClip().cell(0).toImage(), w.pictureClip().cell(15).toImage());
}

TEST(IdentityWindow, OpensOnceByItsName) {
    mx::shell::registerWindows();
    QWidget* a = mx::ui::showWindow("t01");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(dynamic_cast<IdentityWindow*>(a), nullptr);
    EXPECT_EQ(mx::ui::showWindow("t01"), a);
    a->close();
}

TEST(PictureClip, CellsOutsideTheStripAreEmpty) {
    const mx::shell::PictureClip clip(mx::shell::faceStrip(), 3, 6);
    EXPECT_EQ(clip.count(), 18);
    EXPECT_TRUE(clip.cell(-1).isNull());
    EXPECT_TRUE(clip.cell(18).isNull());
    EXPECT_EQ(clip.cell(17).size(), QSize(100, 100));
    // Cell 7 is the second cell of the second row.
    EXPECT_EQ(clip.cell(7).toImage(), clip.strip().copy(100, 100, 100, 100).toImage());
}

TEST(ShellWindows, MenuAndCalculatorFitASmallScreen) {
    // 1366 x 768 with room for a title bar.
    mx::ui::RecordingPrompter prompter;
    MainMenu menu;
    menu.show();
    mx::shell::CalculatorWindow calc;
    calc.show();
    for (const QWidget* w : {static_cast<const QWidget*>(&menu), static_cast<const QWidget*>(&calc)}) {
        EXPECT_LE(w->width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(w->height() + 40, 768) << w->objectName().toStdString();
    }
}
