#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "column/column_form.h"
#include "column/column_sheet.h"
#include "column/window/columnwindow.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "support/window_fixture.h"

using namespace mx;
using namespace mx::column;
using mx::ui::ss;

namespace {

// The window with its printed page in reach.
class Window : public ColumnWindow {
public:
    using ColumnWindow::sheet;
};

using Typed = std::vector<std::pair<const char*, const char*>>;

struct ColumnWindowTest : mxtest::WindowFixture<Window> {};

// Typed into a fresh window of a shape: the messages (by their start) and the fields
// after the whole cascade, which must also be what the headless tool's rules leave.
TEST_F(ColumnWindowTest, FieldRulesRunOnEveryEditAndNestedCorrectionsContinue) {
    struct Case {
        int shape;
        const char* field;
        const char* typed;
        std::vector<std::string> messagePrefixes;
        Typed after;
    };
    const Case cases[] = {
        {kShapeSquare, "Text1", "20000", {}, {{"Text6", "25"}, {"Text2", "17"}, {"Text3", "17"}, {"Text7", "6"}}},
        // The reset load proposes its own section.
        {kShapeSquare, "Text1", "0", {"3."}, {{"Text1", "8000"}, {"Text2", "11"}, {"Text3", "11"}}},
        {kShapeSquare, "Text1", "2500000", {"4."}, {{"Text1", "2000000"}, {"Text6", "25"}, {"Text2", "173"}, {"Text7", "9"}}},
        // A round column takes the bar but not a square section.
        {kShapeRound, "Text1", "20000", {}, {{"Text6", "25"}, {"Text2", "15"}, {"Text3", "15"}}},
        {kShapeSquare, "Text2", "61", {}, {{"Text7", "9"}}},
        // The tie follows the width, the reset width sets it back.
        {kShapeSquare, "Text2", "201", {"1."}, {{"Text2", "15"}, {"Text7", "6"}}},
        {kShapeSquare, "Text3", "201", {"2."}, {{"Text3", "15"}}},
        {kShapeSquare, "Text5", "12.5", {"7."}, {{"Text5", "3"}}},
        {kShapeSquare, "Text9", "200", {"หน่วยแรงอัดประลัย"}, {{"Text9", "200"}}},
        {kShapeSquare, "Text10", "1601", {"9."}, {{"Text10", "1200"}}},
        {kShapeSquare, "Text10", "1600", {}, {{"Text10", "1600"}}},
        {kShapeSquare, "Text23", "0.5", {"คุณกำหนด SAFTY"}, {{"Text23", "1"}}},
        {kShapeSquare, "Text13", "21", {"คุณกำหนดความกว้าง"}, {{"Text13", "21"}}},
        {kShapeSquare, "Text16", "91", {"คุณกำหนดจำนวนชั้น"}, {{"Text16", "91"}}},
        {kShapeSquare, "Text17", "900001", {"คุณกำหนดนน.POINT"}, {{"Text17", "900001"}}},
        {kShapeSquare, "Text6", "9", {}, {{"Text6", "9"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.typed);
        fresh();
        w->chooseShape(c.shape);
        type(c.field, c.typed);
        const auto texts = rec.texts();
        ASSERT_EQ(texts.size(), c.messagePrefixes.size());
        for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].rfind(c.messagePrefixes[i], 0), 0u) << texts[i];
        for (const auto& [name, value] : c.after) EXPECT_EQ(text(name), value) << name;

        FieldSet tool = columnDefaultFields();
        std::vector<Message> shown;
        setColumnField(tool, c.shape, c.field, c.typed, shown);
        EXPECT_EQ(texts.size(), shown.size());
        for (const auto& [name, value] : tool.entries()) EXPECT_EQ(text(name.c_str()), value) << name;
    }
}

TEST_F(ColumnWindowTest, TheRoundColumnIsSizedByItsDiameter) {
    click("Command18");
    EXPECT_EQ(w->shape(), kShapeRound);
    EXPECT_TRUE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_FALSE(shown("Text2"));
    EXPECT_FALSE(shown("Text3"));
    EXPECT_EQ(label("Label1"), "เสาที่คุณเลือกออกแบบเป็นเสากลม");
    type("Text11", "30");
    click("Command19");
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_EQ(text("Text2"), "26.58");
    EXPECT_EQ(text("Text3"), "26.58");
    // A later load proposes its bar but leaves the diameter's section alone.
    type("Text1", "40000");
    EXPECT_EQ(text("Text6"), "25");
    EXPECT_EQ(text("Text2"), "26.58");
    EXPECT_TRUE(rec.log.empty());

    click("Command2");
    EXPECT_TRUE(shown("Frame3"));
    click("Command17");
    EXPECT_EQ(w->shape(), kShapeSquare);
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_TRUE(shown("Text2"));
    EXPECT_EQ(label("Label1"), "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม");
}

TEST_F(ColumnWindowTest, ARoundColumnIsDesignedWithItsDiameterWhateverTheHiddenWidthsHold) {
    // Widths typed for a square, then the round shape with a 20 cm diameter and no OK.
    type("Text1", "40000");
    type("Text2", "24");
    type("Text3", "24");
    type("Text6", "25");
    click("Command18");
    type("Text11", "20");
    rec.clear();
    click("Command13");
    ASSERT_TRUE(w->lastOutcome());
    const ColumnDesignResult& r = w->lastOutcome()->result;
    EXPECT_DOUBLE_EQ(r.t1, 17.72);
    EXPECT_DOUBLE_EQ(r.t2, 17.72);
    EXPECT_DOUBLE_EQ(r.D, 20);
    EXPECT_GT(r.pg, Fixed::fromInt(8));
    EXPECT_EQ(label("Label65"), kVerdictNotUsable);
    EXPECT_EQ(label("Label9"), "17.72");
}

TEST_F(ColumnWindowTest, TheLoadEstimatorWritesItsTotalsAndTheLoadThroughItsRule) {
    const std::string huge(400, '9');
    struct Case {
        Typed typed;
        std::vector<std::string> messagePrefixes;
        Typed labels, after;
    };
    const Case cases[] = {
        {{{"Text16", "3"}}, {}, {{"Label56", "14400"}, {"Label57", "14400"}},
         {{"Text1", "14400"}, {"Text6", "19"}, {"Text2", "15"}, {"Text3", "15"}}},
        {{{"Text17", "2000"}}, {}, {{"Label56", "4800"}, {"Label57", "6800"}},
         {{"Text1", "6800"}, {"Text6", "12"}, {"Text2", "10"}}},
        // Both totals too large: both messages, then the load's own limit.
        {{{"Text13", "20"}, {"Text14", "20"}, {"Text15", "1000"}, {"Text16", "90"}}, {"1.", "2.", "4."},
         {{"Label56", "36000000"}, {"Label57", "36000000"}}, {{"Text1", "2000000"}}},
        // A floor load past any number: the estimator says so and writes nothing.
        {{{"Text13", huge.c_str()}, {"Text14", huge.c_str()}}, {"ข้อมูลผิดพลาดโปรดตรวจสอบใหม่"},
         {{"Label56", ""}, {"Label57", ""}}, {{"Text1", "8000"}, {"Text2", "15"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.front().first);
        fresh();
        w->chooseShape(kShapeSquare);
        for (const auto& [name, value] : c.typed) type(name, value);
        rec.clear();
        QTest::mouseClick(w->findChild<ui::ClickLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
        ASSERT_TRUE(shown("Frame6"));
        click("Command21");
        const auto texts = rec.texts();
        ASSERT_EQ(texts.size(), c.messagePrefixes.size());
        for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].rfind(c.messagePrefixes[i], 0), 0u) << texts[i];
        for (const auto& [name, value] : c.labels) EXPECT_EQ(label(name), value) << name;
        for (const auto& [name, value] : c.after) EXPECT_EQ(text(name), value) << name;
        click("Command20");
        EXPECT_FALSE(shown("Frame6"));
    }
    // OK before any estimate keeps the typed load.
    fresh();
    type("Text1", "9000");
    click("Command24");
    click("Command20");
    EXPECT_EQ(text("Text1"), "9000");
}

// OK writes the total of the estimator's fields as they stand, never an earlier one.
TEST_F(ColumnWindowTest, TheEstimatorsOkWritesTheTotalOfTheFiguresShown) {
    struct Case {
        Typed afterRun;  // typed after the estimator ran, before OK
        const char* load;
    };
    const Case cases[] = {
        {{{"Text1", "20000"}}, "14400"},                    // OK takes the estimate shown
        {{{"Text1", "20000"}, {"Text16", "2"}}, "9600"},    // worked out again from the new area
        {{{"Text17", "1000"}}, "15400"},
    };
    for (const Case& c : cases) {
        fresh();
        w->chooseShape(kShapeSquare);
        type("Text16", "3");
        click("Command21");
        for (const auto& [name, value] : c.afterRun) type(name, value);
        click("Command20");
        EXPECT_EQ(text("Text1"), c.load) << c.afterRun.back().first;
        EXPECT_EQ(label("Label57"), c.load);
    }
}

TEST_F(ColumnWindowTest, ToolbarButtonsShowAndHideThePanels) {
    struct Case {
        const char* button;
        std::vector<const char*> visible, hidden;
        int inputHeight;  // 0: not looked at
    };
    const Case cases[] = {
        {"Command26", {"Frame2"}, {}, 6735},
        {"Command9", {"Frame5"}, {"Frame2", "Frame6", "Frame7"}, 0},
        {"Command7", {"Frame2"}, {"Frame5", "Frame6", "Frame7"}, 4575},
        {"Command24", {"Frame6"}, {"Frame5"}, 0},
        {"Command8", {"Frame7"}, {"Frame6"}, 0},
        {"Command27", {}, {"Frame7"}, 0},
        {"Command15", {"Frame7"}, {"Frame6"}, 0},
        {"Command9", {"Frame5"}, {"Frame2", "Frame7"}, 0},
        {"Command2", {"Frame2", "Frame3"}, {"Frame5"}, 4575},
        {"Command17", {}, {"Frame3", "Frame4"}, 0},
        {"Command9", {"Frame5"}, {"Frame2"}, 0},
        {"Command25", {"Frame2", "Frame3"}, {"Frame5"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        for (const char* p : c.visible) EXPECT_TRUE(shown(p)) << p;
        for (const char* p : c.hidden) EXPECT_FALSE(shown(p)) << p;
        if (c.inputHeight) {
            EXPECT_EQ(w->panelHeightTwips("Frame2"), c.inputHeight);
        }
    }
    auto* l6 = w->findChild<ui::ClickLabel*>(QStringLiteral("Label6"));
    QTest::mouseClick(l6, Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 6735);
    EXPECT_TRUE(field("Text10")->isVisibleTo(w.get()));
    QTest::mouseDClick(l6, Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4575);
    EXPECT_FALSE(field("Text10")->isVisibleTo(w.get()));
}

TEST_F(ColumnWindowTest, GradeButtonsListsAndFactorButtonsWriteThroughTheFieldRules) {
    struct Grade {
        const char* button;
        const char* fs;
        const char* label7;
        const char* label55;
    };
    const Grade grades[] = {
        {"Command4", "1200", "เหล็กข้ออ้อย SD.30", "เหล็กเส้นข้ออ้อย SD.30"},
        {"Command5", "1400", "เหล็กข้ออ้อย SD.35", "เหล็กเส้นข้ออ้อย SD.35"},
        {"Command6", "1600", "เหล็กข้ออ้อย SD.40", "เหล็กเส้นข้ออ้อย SD.40"},
        {"Command3", "960", "เหล็กเส้นกลม SR.24", "เหล็กเส้นกลม SR.24"},
    };
    for (const Grade& g : grades) {
        SCOPED_TRACE(g.button);
        w->setFocus();
        click("Command7");
        click(g.button);
        EXPECT_EQ(text("Text10"), g.fs);
        EXPECT_EQ(label("Label7"), g.label7);
        EXPECT_EQ(label("Label55"), g.label55);
        EXPECT_EQ(w->panelHeightTwips("Frame2"), 6735);
    }
    click("Command22");
    EXPECT_TRUE(shown("List2"));
    EXPECT_FALSE(shown("List3"));
    pick("List2", 5);
    EXPECT_EQ(text("Text6"), "25");
    EXPECT_FALSE(shown("List2"));
    click("Command23");
    EXPECT_TRUE(shown("List3"));
    pick("List3", 1);
    EXPECT_EQ(text("Text7"), "9");
    EXPECT_FALSE(shown("List3"));
    ASSERT_EQ(list("List1")->count(), 31);
    pick("List1", 7);
    EXPECT_EQ(text("Text15"), "250");
    click("Command30");
    EXPECT_EQ(text("Text23"), "1");
    click("Command28");
    EXPECT_EQ(text("Text23"), "1.7");
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(ColumnWindowTest, CalculateShowsWhatTheToolShowsWithTheResultsAtTheirMoment) {
    struct Case {
        int shape;
        Typed typed;
    };
    const Case cases[] = {
        {kShapeSquare, {}},
        {kShapeNone, {}},
        {kShapeRound, {{"Text11", "20"}, {"Text1", "40000"}, {"Text6", "25"}}},
        {kShapeSquare, {{"Text5", "12"}, {"Text2", "10"}, {"Text3", "10"}}},  // too slender: 8, results, 12
        {kShapeSquare, {{"Text9", "50"}, {"Text10", "500"}, {"Text6", "10"}, {"Text7", "4"}, {"Text5", "0"}}},
        {kShapeSquare, {{"Text9", "1500"}}},
        {kShapeSquare, {{"Text2", "8"}}},                    // ends before the results
        {kShapeSquare, {{"Text2", "60"}, {"Text3", "60"}}},  // pg below 1: advice only
        {kShapeSquare, {{"Text1", "-5"}, {"Text1", "0.0001"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        fresh();
        w->chooseShape(c.shape);
        for (const auto& [name, value] : c.typed) type(name, value);
        FieldSet expectedFields = w->fields();
        const ColumnOutcome expected = calculateColumn(readColumnInput(expectedFields, c.shape));
        std::vector<Message> expectedMessages;
        applyCorrections(expected.diagnostics, expectedFields, c.shape, expectedMessages);
        rec.clear();
        rec.seen.clear();
        rec.watch = [this] { return label("Label24"); };
        click("Command13");
        rec.watch = nullptr;
        ASSERT_EQ(rec.log.size(), expectedMessages.size());
        for (std::size_t i = 0; i < expectedMessages.size(); ++i) EXPECT_EQ(rec.log[i].message, expectedMessages[i]);
        for (const auto& [name, value] : expectedFields.entries())
            if (field(name.c_str())) {
                EXPECT_EQ(text(name.c_str()), value) << name;
            }
        FieldSet labels;
        writeColumnLabels(expected, labels);
        for (const auto& [name, value] : labels.entries()) EXPECT_EQ(label(name.c_str()), value) << name;
        EXPECT_EQ(shown("Frame5"), expected.resultsReached);
        if (expected.resultsReached) {
            // Messages before the mark see the panel empty; those after see it filled.
            const std::size_t at = *expected.diagnostics.resultsAt();
            std::size_t before = 0;
            for (std::size_t i = 0; i < at; ++i)
                if (std::holds_alternative<Message>(expected.diagnostics.events()[i])) ++before;
            for (std::size_t i = 0; i < rec.seen.size(); ++i)
                EXPECT_EQ(rec.seen[i], i < before ? "" : expected.result.nb.text()) << i;
        } else {
            EXPECT_EQ(label("Label24"), "");
        }
    }
}

TEST_F(ColumnWindowTest, DrawFitsTheSurfaceAndEraseClearsIt) {
    for (int shape : {kShapeSquare, kShapeRound}) {
        SCOPED_TRACE(shape);
        w->chooseShape(shape);
        type("Text11", "40");
        click("Command13");
        ASSERT_TRUE(shown("Frame5"));
        click("Command11");
        const PageModel& page = w->drawingSurface()->page();
        ASSERT_FALSE(page.empty());
        const PageBox area = w->drawingArea();
        const auto [x, y] = page.extent();
        EXPECT_LE(x, area.x2);
        EXPECT_LE(y, area.y2);
        EXPECT_FALSE(shown("Frame5")) << "the figure takes the result panel's place";
        click("Command12");
        EXPECT_TRUE(w->drawingSurface()->page().empty());
    }
}

TEST_F(ColumnWindowTest, PrintAsksAndPrintsTheLastCalculationsRecord) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("column.pdf"));
    w->chooseShape(kShapeSquare);
    click("Command13");
    const auto loadLine = [this] {
        for (const PageText& t : w->sheet().texts())
            if (t.text.rfind("กำหนด นน. ที่กระทำลงบนเสา =", 0) == 0) return t.text;
        return std::string();
    };
    // The estimator's load replaces the typed one after Calculate: the sheet of that
    // Calculate is never printed under it.
    click("Command24");
    click("Command21");
    click("Command20");
    ASSERT_NE(text("Text1"), "8000");
    EXPECT_NE(loadLine().find(" 8000 "), std::string::npos) << loadLine();
    click("Command8");
    rec.clear();
    rec.answers = {false};
    click("Command29");
    EXPECT_EQ(target.count, 0) << "cancel prints nothing";
    EXPECT_TRUE(shown("Frame7"));
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message, ui::kRecalculateBeforePrinting);
    // OK calculates again, then asks the print question of the new sheet.
    rec.clear();
    rec.answers = {true, true};
    click("Command29");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(w->resultsOutOfDate());
    EXPECT_NE(loadLine().find(" " + text("Text1") + " "), std::string::npos) << loadLine();
    ASSERT_GE(rec.log.size(), 2u);
    EXPECT_EQ(rec.log.back().message.text, columnPrintQuestion().text);
    EXPECT_FALSE(shown("Frame7"));
    click("Command8");
    click("Command27");
    EXPECT_FALSE(shown("Frame7"));
    EXPECT_EQ(target.count, 1);
}

TEST_F(ColumnWindowTest, ExitAsksAndOnlyOkCloses) {
    const Message question = exitAsksAndOnlyOkCloses();
    EXPECT_EQ(question.title, "ต้องการเลิกออกแบบเสา");
    EXPECT_EQ(question.text, "คุณแน่ใจหรือว่าจะเลิกการทำงาน?");
}

}  // namespace
