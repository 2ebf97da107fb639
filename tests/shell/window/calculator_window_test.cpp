#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "shell/window/calculatorwindow.h"
#include "shell/window/shellwindows.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using mx::shell::CalculatorWindow;

namespace {

QString readout(const CalculatorWindow& w) { return w.findChild<QLabel*>("Readout")->text(); }

void click(CalculatorWindow& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

}  // namespace

TEST(CalculatorWindow, ControlsAndInitialDisplay) {
    CalculatorWindow w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("เครื่องคิดเลข"));
    EXPECT_EQ(readout(w), QStringLiteral("0."));
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("Number%1").arg(d))->text(), QString::number(d));
    const char* ops[] = {"+", "-", "X", "/", "="};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("Operator%1").arg(i))->text(), QString::fromLatin1(ops[i]));
    struct Named {
        const char* name;
        const char* caption;
    };
    for (const Named n : {Named{"Decimal", "."}, Named{"Percent", "%"}, Named{"CancelEntry", "CE"}, Named{"Cancel", "C"},
                          Named{"Command1", "เก็บเครื่องคิดเลข"}})
        EXPECT_EQ(w.findChild<QPushButton*>(n.name)->text(), QString::fromUtf8(n.caption));
}

TEST(CalculatorWindow, ButtonsDriveTheDisplayAndTheZeroDivisorMessageGoesThroughThePrompter) {
    mx::ui::RecordingPrompter prompter;
    CalculatorWindow w;
    struct Case {
        std::vector<const char*> buttons;
        const char* display;
        int boxes;
    };
    const Case cases[] = {
        {{"Number1", "Number2", "Operator0", "Number3", "Operator4"}, "15", 0},
        {{"Operator1", "Number5", "Operator2", "Number2", "Operator4"}, "-10", 0},
        {{"Number2", "Number0", "Percent"}, "0.2", 0},
        {{"Number8", "Operator3", "Number0", "Operator4"}, "8", 1},
        {{"Number7", "Operator0", "Number9", "CancelEntry", "Number1", "Operator4"}, "8", 0},
        {{"Number3", "Decimal", "Number5"}, "3.5", 0},
    };
    for (const auto& c : cases) {
        click(w, "Cancel");
        prompter.clear();
        for (const char* b : c.buttons) click(w, b);
        EXPECT_EQ(readout(w), QString::fromLatin1(c.display));
        ASSERT_EQ(static_cast<int>(prompter.log.size()), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(prompter.log[0].message.text, "Can't divide by zero");
            EXPECT_EQ(prompter.log[0].message.title, "Calculator");
            EXPECT_EQ(prompter.log[0].message.icon, mx::Icon::Exclamation);
            EXPECT_FALSE(prompter.log[0].question);
        }
    }
}

TEST(CalculatorWindow, KeyboardEntry) {
    mx::ui::RecordingPrompter prompter;
    CalculatorWindow w;
    struct Case {
        std::vector<std::pair<Qt::Key, QString>> keys;
        const char* display;
    };
    const Case cases[] = {
        {{{Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_Plus, "+"}, {Qt::Key_3, "3"}, {Qt::Key_Return, "\r"}}, "15"},
        {{{Qt::Key_6, "6"}, {Qt::Key_Asterisk, "*"}, {Qt::Key_7, "7"}, {Qt::Key_Enter, "\r"}}, "42"},
        {{{Qt::Key_9, "9"}, {Qt::Key_Slash, "/"}, {Qt::Key_2, "2"}, {Qt::Key_Equal, "="}}, "4.5"},
        {{{Qt::Key_Minus, "-"}, {Qt::Key_Period, "."}, {Qt::Key_5, "5"}}, "-0.5"},
        {{{Qt::Key_5, "5"}, {Qt::Key_0, "0"}, {Qt::Key_Percent, "%"}}, "0.5"},
        {{{Qt::Key_7, "7"}, {Qt::Key_Plus, "+"}, {Qt::Key_9, "9"}, {Qt::Key_Backspace, ""}, {Qt::Key_1, "1"},
          {Qt::Key_Return, "\r"}},
         "8"},
        {{{Qt::Key_4, "4"}, {Qt::Key_Plus, "+"}, {Qt::Key_Escape, ""}}, "0."},
    };
    for (const auto& c : cases) {
        QTest::keyClick(&w, Qt::Key_Escape);
        for (const auto& [key, text] : c.keys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(&w, &press);
        }
        EXPECT_EQ(readout(w), QString::fromLatin1(c.display));
    }
    EXPECT_TRUE(prompter.log.empty());
}

TEST(CalculatorWindow, OpensOnceAndPuttingItAwayStartsAfresh) {
    mx::shell::registerWindows();
    QPointer<QWidget> first = mx::ui::showWindow("fcal");
    ASSERT_NE(dynamic_cast<CalculatorWindow*>(first.data()), nullptr);
    auto* calc = static_cast<CalculatorWindow*>(first.data());
    click(*calc, "Number7");
    EXPECT_EQ(mx::ui::showWindow("fcal"), first.data());
    EXPECT_EQ(readout(*calc), QStringLiteral("7."));
    click(*calc, "Command1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    auto* again = dynamic_cast<CalculatorWindow*>(mx::ui::showWindow("fcal"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(readout(*again), QStringLiteral("0."));
    again->close();
}

TEST(CalculatorWindow, ALongResultShowsItsLeadingDigits) {
    // 26 sevens times 26 threes: a product of 52 digits, 2.59259... x 10^51, wider
    // than the display.
    CalculatorWindow w;
    w.show();
    for (int i = 0; i < 26; ++i) click(w, "Number7");
    click(w, "Operator2");
    for (int i = 0; i < 26; ++i) click(w, "Number3");
    click(w, "Operator4");
    auto* label = w.findChild<QLabel*>("Readout");
    const QString shown = label->text();
    const QString tip = label->toolTip();
    ASSERT_FALSE(tip.isEmpty());
    QString whole = tip;
    whole.remove(QLatin1Char('\n'));
    EXPECT_EQ(whole.size(), 52);
    EXPECT_TRUE(whole.startsWith("25925925925925")) << whole.toStdString();
    // The display drops trailing digits, never leading ones.
    ASSERT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_GE(shown.size(), 8);
    EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << shown.toStdString();
    // Every line of the tooltip fits a 1366-pixel screen.
    const QFontMetrics tipMetrics(QToolTip::font());
    for (const QString& line : tip.split(QLatin1Char('\n'))) EXPECT_LT(tipMetrics.horizontalAdvance(line), 1000);
}
