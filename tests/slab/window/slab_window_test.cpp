#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "slab/slab_form.h"
#include "slab/window/slabwindow.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "support/window_fixture.h"

using namespace mx;
using namespace mx::slab;
using mx::ui::qs;
using mx::ui::ss;

namespace {

struct SlabWindowTest : mxtest::WindowFixture<SlabWindow> {};

TEST_F(SlabWindowTest, FieldRulesRunOnEveryEditAndTheirResetsRunThemAgain) {
    struct Case {
        const char* field;
        const char* typed;
        std::vector<std::string> messagePrefixes;
        std::vector<std::pair<const char*, const char*>> after;
    };
    const Case cases[] = {
        {"Text2", "7", {"1."}, {{"Text2", "4"}}},
        {"Text3", "6.5", {"2."}, {{"Text3", "4"}}},
        {"Text4", "25", {"3."}, {{"Text4", "25"}}},
        // Both messages, the 20 cm warning first; the written 20 is within both limits.
        {"Text4", "35", {"3.", "4."}, {{"Text4", "20"}}},
        {"Text5", "12", {}, {{"Text10", "12"}, {"Text11", "12"}, {"Text12", "12"}, {"Text13", "12"}}},
        {"Text5", "20", {"5."}, {{"Text5", "12"}, {"Text13", "12"}}},
        {"Text11", "19", {"ขนาดเหล็กเสริม"}, {{"Text11", "12"}}},
        {"Text9", "1800", {"ค่าหน่วยแรงดึง"}, {{"Text9", "1200"}}},
        {"Text23", "5", {}, {{"Text23", "5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.typed);
        w = std::make_unique<SlabWindow>();
        rec.clear();
        field(c.field)->setText(QString::fromUtf8(c.typed));
        const auto texts = rec.texts();
        ASSERT_EQ(texts.size(), c.messagePrefixes.size());
        for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].rfind(c.messagePrefixes[i], 0), 0u) << texts[i];
        for (const auto& [name, value] : c.after) EXPECT_EQ(text(name), value) << name;
    }
}

TEST_F(SlabWindowTest, ToolbarButtonsShowAndHideThePanels) {
    struct Case {
        const char* button;
        std::vector<const char*> visible, hidden;
    };
    const Case cases[] = {
        {"Command9", {"Frame5"}, {"Frame2", "Frame4", "Frame6"}},
        {"Command7", {"Frame2"}, {"Frame5", "Frame6"}},
        {"Command10", {"Frame4"}, {"Frame5"}},
        {"Command8", {"Frame6"}, {"Frame4", "Frame5"}},
        {"Command15", {"Frame6"}, {"Frame4", "Frame5"}},
        {"Command2", {"Frame2"}, {"Frame5", "Frame6"}},
        {"Command27", {"Frame3"}, {}},
        {"Command22", {}, {"Frame3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        for (const char* p : c.visible) EXPECT_TRUE(shown(p)) << p;
        for (const char* p : c.hidden) EXPECT_FALSE(shown(p)) << p;
    }
    // Changing the bar sizes starts from the usual load factors.
    field("Text23")->setText("1");
    click("Command10");
    EXPECT_EQ(text("Text23"), "1.7");
    EXPECT_EQ(text("Text24"), "2");
}

TEST_F(SlabWindowTest, TheMaterialCaptionUncoversAndCoversTheMaterialFields) {
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4335);
    EXPECT_FALSE(field("Text9")->isVisibleTo(w.get()));
    auto* l7 = w->findChild<ui::ClickLabel*>(QStringLiteral("Label7"));
    QTest::mouseClick(l7, Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 6735);
    EXPECT_TRUE(field("Text9")->isVisibleTo(w.get()));
    EXPECT_EQ(l7->frameShape(), QFrame::Box);
    QTest::mouseDClick(l7, Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4335);
    EXPECT_FALSE(field("Text9")->isVisibleTo(w.get()));
}

TEST_F(SlabWindowTest, ButtonsWriteTheirValuesThroughTheFieldRules) {
    click("Command18");
    EXPECT_EQ(w->slabKind(), kCantilever);
    EXPECT_EQ(label("Label11"), slabKindCaption(kCantilever));
    click("Command20");
    EXPECT_EQ(text("Text6"), "2");
    EXPECT_EQ(label("Label5"), "พื้นเป็นแบบพื้นช่วงริมนอก");
    click("Command4");
    EXPECT_EQ(text("Text9"), "1500");
    EXPECT_EQ(label("Label17"), "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30");
    EXPECT_DOUBLE_EQ(w->minSteelRatio(), slabMinSteelRatio(SteelGrade::SD30));
    click("Command35");
    click("Command36");
    EXPECT_EQ(text("Text23"), "1");
    EXPECT_EQ(text("Text24"), "1");
    // A 16 mm bar from the list is within the rule; the mesh list hides itself.
    list("List3")->setCurrentRow(5);
    emit list("List3")->itemClicked(list("List3")->item(5));
    EXPECT_EQ(text("Text10"), "16");
    click("Command26");
    EXPECT_FALSE(list("List2")->isHidden());
    emit list("List2")->itemClicked(list("List2")->item(3));
    EXPECT_EQ(text("Text5"), "12");
    EXPECT_TRUE(list("List2")->isHidden());
    EXPECT_TRUE(rec.log.empty());
}

// "เท่ากันหมด" gives all four bars the size chosen, also when the mesh size holds it
// already, and its list leaves the load-factor buttons below it uncovered.
TEST_F(SlabWindowTest, EqualBarsCopiesTheSizeChosenEvenWhenTheMeshHoldsItAlready) {
    w->resize(1000, 560);
    w->show();
    click("Command26");
    const auto at = [this](const QWidget* x) { return QRect(x->mapTo(w.get(), QPoint(0, 0)), x->size()); };
    for (const char* b : {"Command35", "Command36"})
        EXPECT_FALSE(at(list("List2")).intersects(at(widget(b)))) << b;
    type("Text5", "12");
    type("Text10", "16");
    pick("List2", 3);  // 12 mm, the mesh size already
    EXPECT_EQ(text("Text10"), "12");
}

// A slab stored with continuity 2 opens with the end-span caption, as its field says.
TEST_F(SlabWindowTest, TheContinuityCaptionFollowsTheStoredContinuity) {
    project::Member m = w->member();
    for (const char* c : {"2", "1", "3"}) {
        m.state.fields.set("Text6", c);
        w->loadMember(m);
        FieldSet scratch;
        EXPECT_EQ(label("Label5"), pressSlabContinuity(scratch, std::stoi(c))) << c;
    }
    type("Text6", "1");
    EXPECT_EQ(label("Label5"), "พื้นเป็นแบบพื้นช่วงเดี่ยว");
}

TEST_F(SlabWindowTest, MovingIntoAListChangesNoField) {
    click("Command27");
    QListWidget* l1 = list("List1");
    l1->setFocus();
    QTest::keyClick(l1, Qt::Key_Down);
    EXPECT_EQ(text("Text1"), "300");
    QTest::keyClick(l1, Qt::Key_Return);
    EXPECT_EQ(text("Text1"), ss(l1->currentItem()->data(Qt::UserRole).toString()));
}

TEST_F(SlabWindowTest, CalculateShowsWhatTheToolShowsWithTheResultsAtTheirMoment) {
    struct Case {
        int kind;
        std::vector<std::pair<const char*, const char*>> typed;
    };
    const Case cases[] = {
        {kTwoWay, {}},
        {kCantilever, {{"Text1", "100"}, {"Text2", "1"}, {"Text4", "12"}}},
        {kTwoWay, {{"Text4", "6"}}},      // too thin: the results, then the checks
        {kTwoWay, {{"Text6", "2"}, {"Text5", "9"}}},
        {0, {}},                          // no kind chosen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        w = std::make_unique<SlabWindow>();
        if (c.kind) w->chooseKind(c.kind);
        for (const auto& [name, value] : c.typed) field(name)->setText(QString::fromUtf8(value));
        FieldSet expectedFields = w->fields();
        const SlabDesignOutcome expected = calculateSlab(readSlabInput(expectedFields, c.kind, 0));
        const auto expectedMessages = replaySlabDiagnostics(expectedFields, expected.diagnostics);
        rec.clear();
        rec.seen.clear();
        rec.watch = [this] { return label("Label24"); };
        click("Command13");
        rec.watch = nullptr;
        ASSERT_EQ(rec.log.size(), expectedMessages.size());
        for (std::size_t i = 0; i < expectedMessages.size(); ++i) EXPECT_EQ(rec.log[i].message, expectedMessages[i]);
        for (const auto& [name, value] : expectedFields.entries()) {
            if (field(name.c_str())) {
                EXPECT_EQ(text(name.c_str()), value) << name;
            }
        }
        EXPECT_EQ(label("Label48"), expected.verdict);
        if (expected.resultsShown) {
            const FieldSet panel = slabResultPanel(expected.result);
            for (const auto& [name, value] : panel.entries())
                EXPECT_EQ(label(name.c_str()), value) << name;
            // Messages before the mark see the panel as it was; those after see it filled.
            const std::size_t at = *expected.diagnostics.resultsAt();
            std::size_t before = 0;
            for (std::size_t i = 0; i < at; ++i)
                if (std::holds_alternative<Message>(expected.diagnostics.events()[i])) ++before;
            for (std::size_t i = before; i < rec.seen.size(); ++i) EXPECT_EQ(rec.seen[i], expected.result.Mpos.text());
        }
    }
}

TEST_F(SlabWindowTest, DrawFitsTheSurfaceAndEraseClearsIt) {
    for (int kind : {kCantilever, kTwoWay}) {
        w->chooseKind(kind);
        click("Command13");
        click("Command11");
        const PageModel& page = w->drawingSurface()->page();
        ASSERT_FALSE(page.empty());
        const PageBox area = w->drawingArea();
        const auto [x, y] = page.extent();
        EXPECT_LE(x, area.x2);
        EXPECT_LE(y, area.y2);
        EXPECT_FALSE(shown("Frame5")) << "the figure takes the result panel's place";
    }
    click("Command12");
    EXPECT_TRUE(w->drawingSurface()->page().empty());
}

TEST_F(SlabWindowTest, PrintingACantileverLeavesAWindowThatSaysWhatItWillDesign) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("slab.pdf"));
    w->chooseKind(kCantilever);
    click("Command13");
    click("Command8");
    rec.answers = {false};
    click("Command24");
    EXPECT_EQ(target.count, 0) << "cancel prints nothing";
    EXPECT_EQ(w->slabKind(), kCantilever);
    EXPECT_TRUE(shown("Frame6"));
    click("Command24");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(shown("Frame6"));
    EXPECT_EQ(w->slabKind(), kTwoWay);
    EXPECT_EQ(label("Label11"), slabKindCaption(kTwoWay));
    // The continuity shown is the one the next Calculate designs.
    EXPECT_EQ(text("Text6"), "1");
    EXPECT_EQ(label("Label5"), "พื้นเป็นแบบพื้นช่วงเดี่ยว");
    click("Command13");
    ASSERT_TRUE(w->lastOutcome());
    EXPECT_EQ(w->lastOutcome()->result.continuityCase, kSingleSpan);
}

TEST_F(SlabWindowTest, ExitAsksAndOnlyOkCloses) {
    const Message question = exitAsksAndOnlyOkCloses();
    EXPECT_EQ(question.title, "ออกจากการออกแบบพื้น");
}

}  // namespace
