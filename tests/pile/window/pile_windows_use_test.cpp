// The two pile windows as a new user meets them: tabbing through them, reading their
// lists, opening their panels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <map>
#include <memory>

#include "pile/window/blowwindow.h"
#include "pile/window/pilewindow.h"
#include "ui/prompter.h"

using namespace mx;
using namespace mx::pile;

namespace {

std::map<QString, QString> fieldTexts(QWidget* w) {
    std::map<QString, QString> out;
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) out[e->objectName()] = e->text();
    return out;
}

// Presses Tab round the whole window from its first field; returns the lists the
// focus passed through.
std::vector<QListWidget*> tabRound(QWidget* w, const char* firstField) {
    QApplication::setActiveWindow(w);
    w->findChild<QLineEdit*>(firstField)->setFocus();
    std::vector<QListWidget*> visited;
    for (int i = 0; i < 60; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (!f) break;
        if (auto* l = qobject_cast<QListWidget*>(f)) visited.push_back(l);
        QTest::keyClick(f, Qt::Key_Tab);
    }
    return visited;
}

template <typename W>
std::unique_ptr<W> open() {
    auto w = std::make_unique<W>();
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
}

// Each row's text fits the list's visible width: nothing is cut at its edge.
void expectRowsWhole(QListWidget* list) {
    ASSERT_TRUE(list->isVisible()) << list->objectName().toStdString();
    const int room = list->viewport()->width();
    for (int i = 0; i < list->count(); ++i) {
        const int need = list->fontMetrics().horizontalAdvance(list->item(i)->text()) + 6;
        EXPECT_LE(need, room) << list->objectName().toStdString() << " row " << i;
    }
    // And the list itself lies wholly inside its panel, over none of its controls.
    EXPECT_LE(list->geometry().right(), list->parentWidget()->contentsRect().right())
        << list->objectName().toStdString();
    // Nor does the input panel, which cuts off what lies past its edge, cut it.
    const QWidget* panel = list->window()->findChild<QWidget*>("Frame2");
    EXPECT_LE(list->mapTo(panel, QPoint(list->width(), 0)).x(), panel->contentsRect().right() + 1)
        << list->objectName().toStdString();
    for (QWidget* other : list->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other == list || !other->isVisible() || qobject_cast<QListWidget*>(other)) continue;
        EXPECT_FALSE(list->geometry().intersects(other->geometry()))
            << list->objectName().toStdString() << " over " << other->objectName().toStdString();
    }
}

}  // namespace

TEST(PileWindowsUse, FocusMovingIntoAListChangesNoField) {
    ui::RecordingPrompter rec;
    auto pile = open<PileWindow>();
    pile->findChild<QPushButton*>("Command3")->click();  // prestressed: List1 shows
    pile->findChild<QLineEdit*>("Text1")->setText("77");
    pile->findChild<QLineEdit*>("Text2")->setText("15");
    const auto before = fieldTexts(pile.get());
    const auto visited = tabRound(pile.get(), "Text1");
    ASSERT_FALSE(visited.empty());
    EXPECT_EQ(fieldTexts(pile.get()), before);

    // Moving through the rows chooses nothing; Enter or Space on a row chooses it.
    QListWidget* l = pile->findChild<QListWidget*>("List1");
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Down);
    QTest::keyClick(l, Qt::Key_Down);
    EXPECT_EQ(fieldTexts(pile.get()), before);
    l->setCurrentRow(2);
    QTest::keyClick(l, Qt::Key_Return);
    EXPECT_EQ(pile->findChild<QLineEdit*>("Text1")->text(), "126");
    l->setCurrentRow(12);
    QTest::keyClick(l, Qt::Key_Space);
    EXPECT_EQ(pile->findChild<QLineEdit*>("Text1")->text(), "160");

    auto blow = open<BlowWindow>();
    blow->findChild<QLineEdit*>("Text1")->setText("300");
    blow->findChild<QLineEdit*>("Text3")->setText("12");
    const auto blowBefore = fieldTexts(blow.get());
    EXPECT_FALSE(tabRound(blow.get(), "Text1").empty());
    EXPECT_EQ(fieldTexts(blow.get()), blowBefore);
    EXPECT_TRUE(rec.log.empty());
}

TEST(PileWindowsUse, EveryListRowShowsWhole) {
    auto pile = open<PileWindow>();
    for (const char* type : {"Command3", "Command4"}) {
        pile->findChild<QPushButton*>(type)->click();
        for (QListWidget* l : pile->findChildren<QListWidget*>())
            if (l->isVisible()) expectRowsWhole(l);
    }
    auto blow = open<BlowWindow>();
    for (const char* type : {"Command3", "Command4", "Command5"}) {
        blow->findChild<QPushButton*>(type)->click();
        for (QListWidget* l : blow->findChildren<QListWidget*>())
            if (l->isVisible()) expectRowsWhole(l);
    }
}

TEST(PileWindowsUse, PanelsOpenWithoutChangingTheWindowsSize) {
    ui::RecordingPrompter rec;
    for (QWidget* w : {static_cast<QWidget*>(new PileWindow), static_cast<QWidget*>(new BlowWindow)}) {
        std::unique_ptr<QWidget> owner(w);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        const QSize size = w->size();
        // It fits a 1366 x 768 screen with room for a title bar.
        EXPECT_LE(size.width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(size.height() + 40, 768) << w->objectName().toStdString();
        const QWidget* toolbar = w->findChild<QWidget*>("Frame1");
        const int buttonWidth = w->findChild<QPushButton*>("Command7")->width();
        // Title block (both buttons), cancel, inputs, results, calculate.
        const char* cancel = w->objectName() == "pile" ? "Command22" : "Command21";
        for (const char* b : {"Command8", "Command15", "Command9", "Command7", "Command2", cancel, "Command13"}) {
            w->findChild<QPushButton*>(b)->click();
            QApplication::processEvents();
            EXPECT_EQ(w->size(), size) << w->objectName().toStdString() << " after " << b;
            EXPECT_EQ(w->findChild<QPushButton*>("Command7")->width(), buttonWidth) << b;
            EXPECT_EQ(toolbar->width(), size.width() - toolbar->x() * 2) << b;
        }
    }
}
