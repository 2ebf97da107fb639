#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "common/numtext.h"
#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"
#include "spreadfooting/window/spreadfootingwindow.h"
#include "support/tool_run.h"
#include "support/window_fixture.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

using namespace mx;
using namespace mx::spreadfooting;
using mx::ui::ss;

namespace {

struct SpreadFootingWindowTest : mxtest::WindowFixture<SpreadFootingWindow> {};

TEST_F(SpreadFootingWindowTest, FieldRulesRunOnEveryEditWithTheirWriteBacksInOrder) {
    struct Case {
        const char* field;
        const char* typed;
        std::vector<std::string> messagePrefixes;
        Icon icon;
        std::string seenAtMessage;  // the field's text while its message shows
        std::vector<std::pair<const char*, const char*>> after;
    };
    const Case cases[] = {
        {"Text1", "1500000", {"1.ค่านน."}, Icon::Critical, "1500000", {{"Text1", "1000000"}, {"Text2", "25"}}},
        {"Text1", "150000", {}, Icon::None, "", {{"Text1", "150000"}, {"Text2", "25"}}},
        {"Text1", "100000", {}, Icon::None, "", {{"Text2", "12"}}},
        {"Text2", "45", {"3.ขนาดเหล็กตะแกรง"}, Icon::Exclamation, "45", {{"Text2", "25"}}},
        {"Text2", "40", {}, Icon::None, "", {{"Text2", "40"}}},
        {"Text3", "101", {"คุณกำหนด นน.บรรทุกของดิน"}, Icon::Critical, "101", {{"Text3", "8"}}},
        {"Text3", "100", {}, Icon::None, "", {{"Text3", "100"}}},
        {"Text4", "200", {"หน่วยแรงอัดประลัย"}, Icon::Information, "200", {{"Text4", "200"}}},
        // fc and fs are put back before their message shows.
        {"Text5", "70", {"พรบ.ควบคุมอาคาร"}, Icon::Critical, "65", {{"Text5", "65"}}},
        {"Text6", "1701", {"ค่าหน่วยแรงดึง"}, Icon::Critical, "1200", {{"Text6", "1200"}}},
        {"Text6", "1700", {}, Icon::None, "", {{"Text6", "1700"}}},
        {"Text13", "0", {}, Icon::None, "", {{"Text13", "0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.typed);
        w = std::make_unique<SpreadFootingWindow>();
        rec.clear();
        rec.seen.clear();
        const char* name = c.field;
        rec.watch = [this, name] { return text(name); };
        field(c.field)->setText(QString::fromUtf8(c.typed));
        rec.watch = nullptr;
        ASSERT_EQ(rec.log.size(), c.messagePrefixes.size());
        for (std::size_t i = 0; i < rec.log.size(); ++i) {
            EXPECT_EQ(rec.log[i].message.text.rfind(c.messagePrefixes[i], 0), 0u) << rec.log[i].message.text;
            EXPECT_EQ(rec.log[i].message.icon, c.icon);
            EXPECT_EQ(rec.seen[i], c.seenAtMessage);
        }
        for (const auto& [n, value] : c.after) EXPECT_EQ(text(n), value) << n;
    }
}

TEST_F(SpreadFootingWindowTest, GradeButtonsWriteFsAndTheirSentenceAndUncoverTheMaterials) {
    struct Case {
        const char* button;
        const char* tooltip;
        const char* fs;
        const char* sentence;
    };
    const Case cases[] = {
        {"Command4", "เหล็กข้ออ้อย", "1500", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30"},
        {"Command5", "เหล็กข้ออ้อย", "1600", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35"},
        {"Command6", "เหล็กข้ออ้อย", "1700", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40"},
        {"Command3", "เหล็กเส้นกลม", "1200", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24"},
    };
    EXPECT_EQ(label("Label8"), "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(ss(button(c.button)->toolTip()), c.tooltip);
        click(c.button);
        EXPECT_EQ(text("Text6"), c.fs);
        EXPECT_EQ(label("Label8"), c.sentence);
        EXPECT_EQ(w->panelHeightTwips("Frame2"), 5055);
        EXPECT_TRUE(field("Text6")->isVisibleTo(w.get()));
        click("Command2");
        EXPECT_EQ(w->panelHeightTwips("Frame2"), 3375);
    }
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(SpreadFootingWindowTest, PanelHeightsAndToolbarSwitching) {
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 3375);
    EXPECT_FALSE(field("Text4")->isVisibleTo(w.get()));
    QTest::mouseClick(clickLabel("Label4"), Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 5055);
    EXPECT_TRUE(field("Text4")->isVisibleTo(w.get()));
    EXPECT_EQ(clickLabel("Label4")->frameShape(), QFrame::Box);
    QTest::mouseDClick(clickLabel("Label4"), Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 3375);
    EXPECT_FALSE(field("Text4")->isVisibleTo(w.get()));
    click("Command19");
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 5055);

    struct Case {
        const char* button;
        std::vector<const char*> visible, hidden;
    };
    const Case cases[] = {
        {"Command9", {"Frame3"}, {"Frame2"}},
        {"Command7", {"Frame2"}, {"Frame3"}},
        {"Command8", {"Frame4"}, {"Frame3"}},
        {"Command20", {}, {"Frame4"}},
        {"Command15", {"Frame4"}, {}},
        {"Command9", {"Frame3"}, {"Frame2", "Frame4"}},
        {"Command2", {"Frame2"}, {"Frame3", "List1"}},
    };
    click("Command18");
    EXPECT_TRUE(shown("List1"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        for (const char* p : c.visible) EXPECT_TRUE(shown(p)) << p;
        for (const char* p : c.hidden) EXPECT_FALSE(shown(p)) << p;
    }
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 3375);
    // The allowance: the small value from the panel, the usual one from the toolbar.
    click("Command23");
    EXPECT_EQ(text("Text13"), "10");
    click("Command21");
    EXPECT_EQ(text("Text13"), "17");
}

TEST_F(SpreadFootingWindowTest, ListsWriteTheirValuesAndClose) {
    // The soil list opens from its caption (with a border) and from its button.
    QTest::mouseClick(clickLabel("Label2"), Qt::LeftButton);
    EXPECT_TRUE(shown("List1"));
    EXPECT_EQ(clickLabel("Label2")->frameShape(), QFrame::Box);
    QTest::mouseDClick(clickLabel("Label2"), Qt::LeftButton);
    EXPECT_FALSE(shown("List1"));
    EXPECT_EQ(clickLabel("Label2")->frameShape(), QFrame::NoFrame);
    ASSERT_EQ(list("List1")->count(), 9);
    EXPECT_EQ(ss(list("List1")->item(8)->text()), "ต่างจังหวัด 8 ตัน / ตร.ม.");
    click("Command18");
    pick("List1", 8);
    EXPECT_EQ(text("Text3"), "8");
    EXPECT_FALSE(shown("List1"));
    click("Command18");
    pick("List1", 6);
    EXPECT_EQ(text("Text3"), "100");

    click("Command17");
    EXPECT_TRUE(shown("List2"));
    ASSERT_EQ(list("List2")->count(), 12);
    pick("List2", 11);
    EXPECT_EQ(text("Text2"), "40");
    EXPECT_FALSE(shown("List2"));
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(SpreadFootingWindowTest, CalculateShowsWhatTheToolShowsWithTheResultsAtTheirMoment) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> typed;
        std::vector<std::string> messagePrefixes;
    };
    const Case cases[] = {
        {"bearing left empty", {}, {"3.", "16."}},
        {"worked example", {{"Text3", "8"}}, {}},
        {"load too small", {{"Text3", "8"}, {"Text1", "999"}}, {"2.", "16."}},
        {"no allowance", {{"Text3", "8"}, {"Text13", "0"}}, {"1.", "9.", "16."}},
        {"fc' beyond 1000", {{"Text3", "8"}, {"Text4", "1200"}}, {"6.", "16."}},
        {"thin bar", {{"Text3", "8"}, {"Text2", "6"}}, {"4."}},
        {"mesh too sparse", {{"Text3", "8"}, {"Text2", "36"}, {"Text6", "1700"}}, {"12.", "16."}},
        // Round 40 mm bars cannot be anchored past the stub, not even with hooks.
        {"bars not anchored", {{"Text3", "8"}, {"Text2", "40"}}, {"17.", "16."}},
        // A pad narrower than its stub, whose bars then have nowhere to be anchored.
        {"pad narrower than stub", {{"Text3", "100"}, {"Text1", "1000"}}, {"11.", "17.", "16."}},
        {"heavy load", {{"Text3", "20"}, {"Text1", "300000"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w = std::make_unique<SpreadFootingWindow>();
        for (const auto& [name, value] : c.typed) field(name)->setText(QString::fromUtf8(value));
        const FieldSet typed = w->fields();
        std::vector<std::string> args;
        for (const auto& [name, value] : typed.entries()) args.push_back(name + "=" + value);
        const mxtest::ToolRun tool = mxtest::runTool(spreadfooting::description(), args);
        const SpreadFootingOutcome expected = calculateSpreadFooting(readInput(w->fields()));

        rec.clear();
        rec.seen.clear();
        rec.watch = [this] { return text("Text3") + "|" + label("Label15"); };
        click("Command13");
        rec.watch = nullptr;

        expectShowsTool(tool.report, tool.fields());
        for (std::size_t i = 0; i < c.messagePrefixes.size() && i < rec.log.size(); ++i)
            EXPECT_EQ(rec.log[i].message.text.rfind(c.messagePrefixes[i], 0), 0u) << rec.log[i].message.text;
        if (expected.panelWritten) {
            // Messages before the mark see the panel empty; those after see it filled.
            const std::size_t at = *expected.diagnostics.resultsAt();
            std::size_t before = 0;
            for (std::size_t i = 0; i < at; ++i)
                if (std::holds_alternative<Message>(expected.diagnostics.events()[i])) ++before;
            for (std::size_t i = 0; i < rec.seen.size(); ++i) {
                const std::string panel = rec.seen[i].substr(rec.seen[i].find('|') + 1);
                EXPECT_EQ(panel, i < before ? "" : numText(expected.result.L)) << i;
            }
            EXPECT_TRUE(shown("Frame3"));
        } else {
            EXPECT_EQ(label("Label15"), "");
        }
    }
}

TEST_F(SpreadFootingWindowTest, EmptyBearingIsSetTo8BeforeItsMessageThenTheDesignIsNotUsable) {
    rec.watch = [this] { return text("Text3") + "|" + label("Label33"); };
    click("Command13");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.text, "3.คุณกำหนดหน่วยแรงต้านทานของดินน้อยเกินไป?");
    EXPECT_EQ(rec.log[1].message.text, "16.ฐานรากที่คุณออกแบบยังใช้ไม่ได้? โปรดแก้ไขข้อมูลใหม่");
    EXPECT_EQ(rec.seen[0], "8|สรุปผลการคำนวณ?");
    EXPECT_EQ(rec.seen[1], "8|สรุปผลการคำนวณ?") << "the verdict follows the closing message";
    EXPECT_EQ(label("Label33"), "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข!?!");
    // Calculate again with the corrected bearing: the worked example.
    rec.watch = nullptr;
    rec.clear();
    click("Command13");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(label("Label33"), "ฐานรากที่คุณออกแบบใช้ได้ OK.");
    EXPECT_EQ(label("Label11"), "22380");
    EXPECT_EQ(label("Label15"), "168");
    EXPECT_EQ(label("Label17"), "34");
    EXPECT_EQ(label("Label24"), "14");
    EXPECT_EQ(label("Label25"), "14");
}

TEST_F(SpreadFootingWindowTest, DrawFitsTheSurfaceAndEraseClearsIt) {
    click("Command11");  // before any Calculate: nothing reached, nothing fails
    field("Text3")->setText("8");
    click("Command13");
    click("Command11");
    const PageModel& page = w->drawingSurface()->page();
    ASSERT_FALSE(page.empty());
    const PageBox area = w->drawingArea();
    const auto [x, y] = page.extent();
    EXPECT_LE(x, area.x2);
    EXPECT_LE(y, area.y2);
    EXPECT_FALSE(shown("Frame3")) << "the figure takes the result panel's place";
    click("Command12");
    EXPECT_TRUE(w->drawingSurface()->page().empty());
}

TEST_F(SpreadFootingWindowTest, PrintAsksThenPrintsAndHidesTheTitleBlock) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("foot.pdf"));
    field("Text3")->setText("8");
    click("Command13");
    click("Command8");
    field("Text9")->setText("F1");
    rec.answers = {false};
    click("Command22");
    EXPECT_EQ(target.count, 0) << "cancel prints nothing";
    EXPECT_TRUE(shown("Frame4"));
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.text, "คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?");
    click("Command22");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(shown("Frame4"));
    click("Command15");
    click("Command20");
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_EQ(target.count, 1);
}

TEST_F(SpreadFootingWindowTest, ExitAsksAndOnlyOkCloses) {
    const Message question = exitAsksAndOnlyOkCloses();
    EXPECT_EQ(question.text, "คุณแน่ใจหรือว่าจะเลิกจากการออกแบบฐานราก?");
    EXPECT_EQ(question.title, "เลิกการออกแบบฐานราก ค.ส.ล.");
}

}  // namespace
