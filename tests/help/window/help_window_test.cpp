#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "help/window/helpwindow.h"

using namespace mx::help;

TEST(HelpWindow, EachHasItsTextAndOneButtonThatClosesIt) {
    int windows = 0;
    for (const HelpText& t : allHelpTexts()) {
        if (t.text.empty()) continue;  // module not built yet
        ++windows;
        HelpWindow w(t);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w)) << t.name;
        EXPECT_EQ(w.objectName().toStdString(), t.name);
        EXPECT_TRUE(w.findChild<QPlainTextEdit*>("Text1")->isReadOnly()) << t.name;
        const auto buttons = w.findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1) << t.name;
        EXPECT_TRUE(buttons[0]->isVisible()) << t.name;
        // The window fits a 1366 x 768 screen with its title bar.
        EXPECT_LE(w.width(), 1366) << t.name;
        EXPECT_LE(w.height() + 40, 768) << t.name;
        buttons[0]->click();
        EXPECT_FALSE(w.isVisible()) << t.name;
    }
    EXPECT_GE(windows, 2);  // at least the beam's and the pile windows'
}
