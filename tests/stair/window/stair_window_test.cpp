#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "stair/stair_form.h"
#include "stair/stair_module.h"
#include "stair/stair_sheet.h"
#include "stair/window/stairwindow.h"
#include "support/sheet_pdf.h"
#include "support/window_fixture.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

using namespace mx;
using namespace mx::stair;
using mx::ui::ss;

namespace {

struct StairWindowTest : mxtest::WindowFixture<StairWindow> {};

TEST_F(StairWindowTest, FieldRulesRunOnEveryEditAsTheToolRunsThem) {
    struct Case {
        const char* field;
        const char* typed;
        std::size_t messages;
        const char* after;
    };
    const Case cases[] = {
        {"Text1", "9", 1, "3"},
        {"Text1", "8", 0, "8"},
        {"Text1", "99999999999999999999", 1, "3"},
        {"Text2", "801", 1, "400"},
        {"Text3", "51", 1, "25"},
        {"Text4", "21", 1, "18"},
        {"Text4", "20", 0, "20"},
        {"Text7", "51", 1, "10"},
        {"Text9", "200", 1, "200"},  // a note: the value stays
        {"Text10", "70", 1, "65"},
        {"Text18", "0.9", 1, "1"},
        {"Text19", "0.9", 1, "1"},
        {"Text19", "1", 0, "1"},
        // A number no 16-bit field can hold is kept as typed and raises nothing here;
        // Calculate's own reading ends the design.
        {"Text5", "40000", 0, "40000"},
        {"Text6", "40000", 0, "40000"},
        {"Text11", "40000", 0, "40000"},
        {"Text2", "40000", 1, "400"},
        {"Text7", "40000", 1, "10"},
        {"Text7", "-40000", 0, "-40000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.typed);
        w = std::make_unique<StairWindow>();
        rec.clear();
        type(c.field, c.typed);
        EXPECT_EQ(text(c.field), c.after);
        FieldSet tool = stairDefaultFields();
        const std::vector<Message> expected = typeField(tool, c.field, c.typed, checkStairField);
        ASSERT_EQ(rec.log.size(), c.messages);
        ASSERT_EQ(expected.size(), c.messages);
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(rec.log[i].message, expected[i]);
        EXPECT_EQ(tool.get(c.field), c.after);
    }
}

TEST_F(StairWindowTest, ToolbarButtonsShowAndHideThePanels) {
    struct Case {
        const char* button;
        std::vector<const char*> visible, hidden;
    };
    const Case cases[] = {
        {"Command9", {"Frame4"}, {"Frame2", "Frame5"}},
        {"Command10", {"Frame5"}, {"Frame4"}},
        {"Command25", {}, {"Frame5"}},
        {"Command7", {"Frame2"}, {"Frame4", "Frame5"}},
        {"Command15", {"Frame5"}, {"Frame4"}},
        {"Command11", {"Frame2"}, {"Frame4", "Frame5"}},
        {"Command12", {"Frame2"}, {"Frame4", "Frame5"}},  // erasing opens nothing
        {"Command2", {"Frame2", "Frame3"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        for (const char* p : c.visible) EXPECT_TRUE(shown(p)) << p;
        for (const char* p : c.hidden) EXPECT_FALSE(shown(p)) << p;
    }
}

TEST_F(StairWindowTest, TypeButtonsSetCaptionsAndTheFoldedPlateHidesTheTemperatureBar) {
    EXPECT_EQ(w->stairType(), 0);
    EXPECT_EQ(label("Label1"), kNoTypeCaption);
    EXPECT_TRUE(shown("Frame3"));
    type("Text6", "12");
    for (const StairTypeInfo& t : {kStairTypes[2], kStairTypes[0], kStairTypes[2], kStairTypes[1]}) {
        SCOPED_TRACE(t.code);
        click("Command2");
        ASSERT_TRUE(shown("Frame3"));
        click(t.button);
        EXPECT_EQ(w->stairType(), t.code);
        EXPECT_EQ(label("Label1"), t.typeCaption);
        EXPECT_EQ(label("Label2"), t.spanCaption);
        EXPECT_FALSE(shown("Frame3"));
        // Whatever height the panel takes, the row follows the type only.
        const std::vector<std::function<void()>> heights = {
            [&] { QTest::mouseClick(widget("Label8"), Qt::LeftButton); },
            [&] { QTest::mouseDClick(widget("Label8"), Qt::LeftButton); },
            [&] { click("Command3"); },
            [&] { click("Command7"); },
            [&] { click("Command24"); },
        };
        for (const auto& press : heights) {
            press();
            for (const char* name : {"Text6", "Label7", "Command23"})
                EXPECT_EQ(visible(name), t.showsTempBar) << name << " at " << w->panelHeightTwips("Frame2");
        }
        EXPECT_EQ(text("Text6"), "12") << "the field keeps its last value";
    }
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(StairWindowTest, PanelHeightsUncoverTheMaterials) {
    struct Case {
        std::function<void(StairWindowTest&)> press;
        int height;
        const char* steel;  // Text11 after, or nullptr when unchanged
        const char* caption;
    };
    const Case cases[] = {
        {[](StairWindowTest& t) { t.click("Command4"); }, 6735, "1500", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.30"},
        {[](StairWindowTest& t) { t.click("Command7"); }, 5000, nullptr, nullptr},
        {[](StairWindowTest& t) { t.click("Command6"); }, 6735, "1700", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.40"},
        {[](StairWindowTest& t) { QTest::mouseDClick(t.widget("Label8"), Qt::LeftButton); }, 5000, nullptr, nullptr},
        {[](StairWindowTest& t) { t.click("Command5"); }, 6735, "1600", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.35"},
        {[](StairWindowTest& t) { t.click("Command7"); }, 5000, nullptr, nullptr},
        {[](StairWindowTest& t) { t.click("Command3"); }, 6735, "1200", "เหล็กที่ใช้เป็นเหล็กเส้นกลม SR.24"},
    };
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 5000);
    EXPECT_FALSE(visible("Text9"));
    for (const Case& c : cases) {
        c.press(*this);
        EXPECT_EQ(w->panelHeightTwips("Frame2"), c.height);
        EXPECT_EQ(visible("Text11"), c.height == 6735);
        if (c.steel) {
            EXPECT_EQ(text("Text11"), c.steel);
            EXPECT_EQ(label("Label22"), c.caption);
        }
    }
    auto* l8 = w->findChild<ui::ClickLabel*>(QStringLiteral("Label8"));
    QTest::mouseClick(l8, Qt::LeftButton);
    EXPECT_EQ(l8->frameShape(), QFrame::Box);
    QTest::mouseDClick(l8, Qt::LeftButton);
    EXPECT_EQ(l8->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(StairWindowTest, LoadFactorButtonsAndListsWriteThroughTheRules) {
    click("Command21");
    click("Command28");
    EXPECT_EQ(text("Text18"), "1");
    EXPECT_EQ(text("Text19"), "1");
    click("Command17");
    EXPECT_EQ(text("Text18"), "1.7");
    EXPECT_EQ(text("Text19"), "2");
    struct Case {
        const char* button;
        const char* list;
        int row;
        const char* field;
        const char* value;
    };
    const Case cases[] = {
        {"Command27", "List3", 2, "Text2", "400"},
        {"Command27", "List3", 0, "Text2", "150"},
        {"Command22", "List1", 3, "Text5", "12"},
        {"Command23", "List2", 0, "Text6", "6"},
        {"Command23", "List2", 5, "Text6", "16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        click(c.button);
        EXPECT_FALSE(list(c.list)->isHidden());
        pick(c.list, c.row);
        EXPECT_EQ(text(c.field), c.value);
        EXPECT_TRUE(list(c.list)->isHidden());
    }
    EXPECT_TRUE(rec.log.empty());
    // Only a click or Enter chooses: moving into the list changes nothing.
    click("Command22");
    QListWidget* l1 = list("List1");
    l1->setFocus();
    QTest::keyClick(l1, Qt::Key_Down);
    EXPECT_EQ(text("Text5"), "12");
}

TEST_F(StairWindowTest, CalculateShowsWhatTheToolShowsWithTheResultsAtTheirMoment) {
    struct Case {
        int type;
        std::vector<std::pair<const char*, const char*>> typed;
    };
    const Case cases[] = {
        {kFlatAlong, {}},
        {kFoldedPlate, {}},
        {kFlatAcross, {{"Text1", "2"}}},  // too thin: the results, then the closing message
        {0, {}},                          // no type chosen
        {kFlatAlong, {{"Text1", ""}}},    // no span: a division by zero ends it
        {kFlatAlong, {{"Text10", "20"}}},
        {kFlatAlong, {{"Text9", "1200"}}},
        {kFlatAlong, {{"Text5", "40000"}}},  // no bar that size: the failure path only
        {kFlatAlong, {{"Text11", "40000"}}},
        {kFlatAlong, {{"Text6", "25"}}},     // temperature bars too far apart: stops
        {kFoldedPlate, {{"Text6", "40000"}}},  // hidden, fixed steel: no effect
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " " << (c.typed.empty() ? "" : c.typed[0].first));
        w = std::make_unique<StairWindow>();
        if (c.type) w->chooseType(c.type);
        for (const auto& [name, value] : c.typed) type(name, value);
        rec.clear();
        FormState state{w->fields(), c.type, std::nullopt};
        const cli::Report tool = cli::runModule(stair::description(), state, false);
        rec.seen.clear();
        rec.watch = [this] { return label("Label11"); };
        click("Command13");
        rec.watch = nullptr;
        ASSERT_EQ(rec.log.size(), tool.messages.size());
        for (std::size_t i = 0; i < tool.messages.size(); ++i) EXPECT_EQ(rec.log[i].message, tool.messages[i]);
        for (const auto& [name, value] : state.fields.entries()) EXPECT_EQ(text(name.c_str()), value) << name;
        for (const auto& [name, value] : tool.labels.entries()) EXPECT_EQ(label(name.c_str()), value) << name;
        const StairOutcome& out = *w->lastOutcome();
        EXPECT_EQ(static_cast<int>(out.status), tool.status);
        EXPECT_EQ(shown("Frame4"), out.panelWritten);
        if (out.panelWritten) {
            // The closing message of a marked design comes after the panel is filled.
            const std::string wstep = stairResultLabels(out.result).get("Label11");
            if (out.status == DesignStatus::NotUsable) {
                EXPECT_EQ(rec.log.back().message.text, kClosingText);
                EXPECT_EQ(rec.seen.back(), wstep);
                EXPECT_EQ(rec.seen.front(), "") << "the earlier messages came before the panel";
            }
        } else {
            for (const std::string& s : rec.seen) EXPECT_EQ(s, "");
            EXPECT_EQ(label("Label11"), "");
        }
    }
}

TEST_F(StairWindowTest, AStoppedDesignKeepsThePanelOfTheLastFullOne) {
    w->chooseType(kFlatAlong);
    click("Command13");
    const FieldSet panel = stairResultLabels(w->lastOutcome()->result);
    type("Text6", "25");
    click("Command13");
    EXPECT_EQ(rec.log.back().message.text, kClosingText);
    for (const auto& [name, value] : panel.entries()) EXPECT_EQ(label(name.c_str()), value) << name;
    EXPECT_EQ(label("Label29"), kVerdictNotUsable);
}

TEST_F(StairWindowTest, TheResultPanelCaptionsNameTheUnitsShown) {
    int metres = 0;
    for (QLabel* l : w->findChild<QWidget*>(QStringLiteral("Frame4"))->findChildren<QLabel*>()) {
        const std::string t = ss(l->text());
        if (t == "ระยะห่าง @ / ม. =") ++metres;
        EXPECT_EQ(t.find("ระยะห่าง @ / ซม."), std::string::npos) << t;
    }
    EXPECT_EQ(metres, 2);
    EXPECT_EQ(ss(widget("Label32")->toolTip()), kRecommendedThicknessTip);
    w->chooseType(kFlatAlong);
    click("Command13");
    EXPECT_EQ(label("Label31"), "0.1429");  // the spacing in metres, 7 bars to the metre
}

TEST_F(StairWindowTest, DrawFitsTheSurfaceAndEraseClearsIt) {
    for (int t : {0, 1, 2, 3}) {
        SCOPED_TRACE(t);
        if (t) w->chooseType(t);
        click("Command13");
        click("Command11");
        const PageModel& page = w->drawingSurface()->page();
        ASSERT_FALSE(page.empty());
        const PageBox area = w->drawingArea();
        const auto [x, y] = page.extent();
        EXPECT_LE(x, area.x2);
        EXPECT_LE(y, area.y2);
        EXPECT_TRUE(shown("Frame2")) << "the inputs stand beside the figure";
        EXPECT_FALSE(shown("Frame4")) << "the figure takes the result panel's place";
    }
    click("Command12");
    EXPECT_TRUE(w->drawingSurface()->page().empty());
}

TEST_F(StairWindowTest, PrintAsksThenPrintsOnePageAndCancelPrintsNothing) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("stair.pdf"));
    w->chooseType(kFoldedPlate);
    click("Command13");
    click("Command10");
    rec.clear();
    rec.answers = {false};
    click("Command26");
    EXPECT_EQ(target.count, 0) << "cancel prints nothing";
    EXPECT_TRUE(shown("Frame5"));
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message, stairPrintQuestion());
    click("Command26");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(shown("Frame5"));
    click("Command15");
    click("Command25");
    EXPECT_FALSE(shown("Frame5"));
    EXPECT_EQ(target.count, 1);
}

TEST_F(StairWindowTest, TheSheetOfEachTypeIsOneA4PageInside) {
    for (int t : {kFlatAcross, kFlatAlong, kFoldedPlate}) {
        SCOPED_TRACE(t);
        w->chooseType(t);
        click("Command13");
        mxtest::expectOneA4PageInside(stairSheet(w->lastOutcome()->result, true,
                                                 {"โครงการทดสอบ", "บันได ST1", "วิศวกร", "วย.1", "1/1"}));
    }
}

TEST_F(StairWindowTest, ExitAsksAndOnlyOkCloses) {
    const Message question = exitAsksAndOnlyOkCloses();
    EXPECT_EQ(question.title, "ออกจากโปรแกรมออกแบบบันได");
    EXPECT_EQ(question.text, "คุณแน่ใจหรือว่าจะออกจากการออกแบบบันได?");
}

}  // namespace
