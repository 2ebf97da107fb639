// The beam window as a new user meets it: the panels its buttons open, its lists, its
// drawing and its size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>

#include "beam/window/beamwindow.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

using namespace mx;
using namespace mx::beam;

namespace {

struct Use : ::testing::Test {
    ui::RecordingPrompter rec;
    std::unique_ptr<BeamWindow> w = std::make_unique<BeamWindow>();
    void SetUp() override {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    QLineEdit* field(const char* name) { return w->findChild<QLineEdit*>(name); }
    QWidget* widget(const char* name) { return w->findChild<QWidget*>(name); }
    QListWidget* list(const char* name) { return w->findChild<QListWidget*>(name); }
    void click(const char* name) { w->findChild<QAbstractButton*>(name)->click(); }
    // A panel is seen when it shows and nothing lies over its middle.
    bool seen(const char* name) {
        QWidget* p = widget(name);
        if (!p->isVisible()) return false;
        QWidget* top = w->childAt(p->mapTo(w.get(), p->rect().center()));
        return top == p || p->isAncestorOf(top);
    }
    void design(const char* span, const char* width, const char* depth, const char* type = "Command17") {
        click(type);
        field("Text1")->setText(span);
        field("Text3")->setText(width);
        field("Text4")->setText(depth);
        click("Command15");
        rec.clear();
    }
};

}  // namespace

TEST_F(Use, ThePanelAButtonOpensIsSeen) {
    struct Step {
        const char* opensTitleBlock;
        const char* button;
        const char* panel;
    };
    // After the title block, the input panel, the type chooser and Calculate's inputs show on top.
    const Step steps[] = {{"Command5", "Command3", "Frame3"}, {"Command9", "Command4", "Frame2"},
                          {"Command5", "Command15", "Frame3"}, {"Command5", "Command4", "Frame3"}};
    for (const Step& s : steps) {
        click(s.opensTitleBlock);
        EXPECT_TRUE(seen("Frame6")) << s.opensTitleBlock;
        click(s.button);
        EXPECT_TRUE(seen(s.panel)) << s.button << " " << s.panel;
        EXPECT_FALSE(widget("Frame6")->isVisible()) << s.button;
    }
    // A print that fails leaves the title block open to try again; the input panel
    // still comes to the front when asked for.
    ui::PdfFileTarget target("/nonexistent-directory/beam.pdf");
    click("Command5");
    click("Command27");
    EXPECT_TRUE(seen("Frame6"));
    click("Command3");
    EXPECT_TRUE(seen("Frame3"));
}

TEST_F(Use, MovingThroughAListChoosesNothing) {
    struct Case {
        const char* opens;  // the button that shows the list
        const char* list;
        const char* field;
        int row;
        const char* chosen;
    };
    const Case cases[] = {{"Command22", "List3", "Text6", 3, "12"},
                          {"Command24", "List5", "Text8", 1, "9"},
                          {"Command32", "List1", "Text19", 2, "150"},
                          {"Command33", "List2", "Text23", 1, "360"}};
    QApplication::setActiveWindow(w.get());
    click("Command3");
    click("Command25");  // the live-load calculator, where List1 and List2 open
    for (const Case& c : cases) {
        for (Qt::Key choose : {Qt::Key_Return, Qt::Key_Space}) {
            field(c.field)->setText("7");
            rec.clear();
            click(c.opens);
            QListWidget* l = list(c.list);
            ASSERT_TRUE(l->isVisible()) << c.list;
            l->setFocus();
            QTest::keyClick(l, Qt::Key_Down);
            QTest::keyClick(l, Qt::Key_Down);
            EXPECT_EQ(field(c.field)->text(), "7") << c.list;
            l->setCurrentRow(c.row);
            QTest::keyClick(l, choose);
            EXPECT_EQ(field(c.field)->text(), c.chosen) << c.list;
        }
    }
}

TEST_F(Use, EveryListRowShowsWhole) {
    click("Command3");
    click("Command25");
    for (const char* opens : {"Command32", "Command33", "Command22", "Command23", "Command24"}) {
        click(opens);
        for (QListWidget* l : w->findChildren<QListWidget*>()) {
            if (!l->isVisible()) continue;
            for (int i = 0; i < l->count(); ++i)
                EXPECT_LE(l->fontMetrics().horizontalAdvance(l->item(i)->text()) + 6, l->viewport()->width())
                    << l->objectName().toStdString() << " row " << i;
        }
    }
}

TEST_F(Use, TheDrawingNeverPrintsTextOverText) {
    auto* surface = w->findChild<ui::DrawingSurface*>("Picture1");
    auto overprints = [&] {
        const double u = 1.0 / 15.0 * surface->logicalDpiX() / 96.0;
        const auto placed = ui::placeTexts(surface->page(), u, surface);
        int n = 0;
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QRectF a(placed[i].text.x, placed[i].text.y, placed[i].width, placed[i].height * 0.8);
                const QRectF b(placed[j].text.x, placed[j].text.y, placed[j].width, placed[j].height * 0.8);
                if (a.intersects(b)) {
                    ADD_FAILURE() << placed[i].text.text << " | " << placed[j].text.text;
                    ++n;
                }
            }
        return n;
    };
    click("Command10");  // before any Calculate: nothing to show
    EXPECT_TRUE(surface->page().empty());
    struct Case {
        const char* span;
        const char* width;
        const char* depth;
        const char* type;
    };
    for (const Case& c : {Case{"4", "20", "40", "Command17"}, Case{"3", "60", "280", "Command17"},
                          Case{"6", "40", "180", "Command19"}, Case{"4", "25", "60", "Command21"},
                          Case{"5", "30", "70", "Command20"}}) {
        design(c.span, c.width, c.depth, c.type);
        click("Command10");
        ASSERT_FALSE(surface->page().empty()) << c.depth;
        EXPECT_EQ(overprints(), 0) << "D = " << c.depth;
    }
}

TEST_F(Use, TheWindowKeepsItsSizeAndFitsTheScreen) {
    const QSize size = w->size();
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height() + 40, 768);  // with a title bar
    for (const char* b : {"Command5", "Command3", "Command4", "Command7", "Command25", "Command34", "Command15", "Command10"}) {
        click(b);
        EXPECT_EQ(w->size(), size) << b;
    }
}

TEST_F(Use, TheDrawingStaysOnTheSurface) {
    // Wide, deep and long beams alike: every note, measured as the surface sets it,
    // ends on the surface beside the input column without being condensed.
    auto* surface = w->findChild<ui::DrawingSurface*>("Picture1");
    const double u = 1.0 / 15.0 * surface->logicalDpiX() / 96.0;
    struct Case {
        const char* span;
        const char* width;
        const char* depth;
        const char* type;
    };
    for (const Case& c : {Case{"4", "120", "40", "Command17"}, Case{"20", "60", "100", "Command17"},
                          Case{"3", "60", "280", "Command17"}, Case{"6.5", "120", "60", "Command21"}}) {
        design(c.span, c.width, c.depth, c.type);
        click("Command10");
        for (const ui::PlacedText& t : ui::placeTexts(surface->page(), u, surface)) {
            EXPECT_LE((t.text.x + t.naturalWidth) * u, surface->width()) << t.text.text << " (b = " << c.width << ")";
            EXPECT_LE((t.text.y + t.height) * u, surface->height()) << t.text.text;
        }
    }
}
