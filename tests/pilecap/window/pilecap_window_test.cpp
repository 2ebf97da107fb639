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
#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_module.h"
#include "pilecap/window/pilecapwindow.h"
#include "support/tool_run.h"
#include "support/window_fixture.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

using namespace mx;
using namespace mx::pilecap;
using mx::ui::ss;

namespace {

struct PileCapWindowTest : mxtest::WindowFixture<PileCapWindow> {};

TEST_F(PileCapWindowTest, FieldRulesRunOnEveryEditWithTheirWriteBacksInOrder) {
    struct Case {
        const char* field;
        const char* typed;
        std::vector<std::string> messagePrefixes;
        std::string seenAtMessage;  // the field's text while its message shows
        std::vector<std::pair<const char*, const char*>> after;
    };
    const Case cases[] = {
        {"Text1", "1500000", {"นน.ที่ลงบนฐานรากมากผิดปรกติ"}, "1500000", {{"Text1", "1000000"}}},
        // Unlike the spread footing, a heavy load leaves the mesh size alone.
        {"Text1", "150000", {}, "", {{"Text2", "25"}, {"Text1", "150000"}}},
        {"Text2", "45", {"3.ขนาดเหล็กตะแกรง"}, "45", {{"Text2", "25"}}},
        {"Text3", "501", {"เสาเข็มที่คุณกำหนด"}, "501", {{"Text3", "36"}}},
        {"Text3", "500", {}, "", {{"Text3", "500"}}},
        // A cleared pile size reads 0: 15 is written before the warning.
        {"Text4", "", {"คุณยังไม่ได้กำหนดขนาด"}, "15", {{"Text4", "15"}}},
        {"Text4", "-3", {"คุณยังไม่ได้กำหนดขนาด"}, "15", {{"Text4", "15"}}},
        {"Text5", "200", {"หน่วยแรงอัดประลัย"}, "200", {{"Text5", "200"}}},
        {"Text6", "70", {"พรบ.ควบคุมอาคาร"}, "65", {{"Text6", "65"}}},
        {"Text7", "1701", {"ค่าหน่วยแรงดึง"}, "1200", {{"Text7", "1200"}}},
        {"Text14", "0", {}, "", {{"Text14", "0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.typed);
        w = std::make_unique<PileCapWindow>();
        rec.clear();
        rec.seen.clear();
        const char* name = c.field;
        rec.watch = [this, name] { return text(name); };
        field(c.field)->setText(QString::fromUtf8(c.typed));
        rec.watch = nullptr;
        ASSERT_EQ(rec.log.size(), c.messagePrefixes.size());
        for (std::size_t i = 0; i < rec.log.size(); ++i) {
            EXPECT_EQ(rec.log[i].message.text.rfind(c.messagePrefixes[i], 0), 0u) << rec.log[i].message.text;
            EXPECT_EQ(rec.seen[i], c.seenAtMessage);
        }
        for (const auto& [n, value] : c.after) EXPECT_EQ(text(n), value) << n;
    }
}

TEST_F(PileCapWindowTest, PilePickersFillTheSafeLoadAndTheSize) {
    // The pile types open from the help button or the caption, each with its list.
    for (const char* b : {"Command17", "Command18", "Command19", "Command20"}) EXPECT_FALSE(shown(b)) << b;
    click("Command22");
    for (const char* b : {"Command17", "Command18", "Command19", "Command20"}) EXPECT_TRUE(shown(b)) << b;
    struct Case {
        const char* button;
        const char* tooltip;
        const char* list;
        int rows;
        int row;
        const char* Ps;
        const char* q;
    };
    const Case cases[] = {
        {"Command17", "เสาเข็มไม้", "List1", 4, 3, "0.89", "15"},
        {"Command17", "เสาเข็มไม้", "List1", 4, 2, "0.93", "12.5"},
        {"Command18", "เสาเข็มเจาะ", "List2", 14, 13, "131", "120"},
        {"Command19", "เสาเข็มคอนกรีตกลวง", "List3", 13, 2, "73", "52.5"},
        {"Command20", "เสาเข็มคอนกรีตตัวไอ+สี่เหลี่ยม", "List4", 12, 2, "44", "26"},
    };
    const char* lists[] = {"List1", "List2", "List3", "List4"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " row " + std::to_string(c.row));
        EXPECT_EQ(ss(button(c.button)->toolTip()), c.tooltip);
        click(c.button);
        for (const char* l : lists) EXPECT_EQ(shown(l), std::string_view(l) == c.list) << l;
        ASSERT_EQ(list(c.list)->count(), c.rows);
        pick(c.list, c.row);
        EXPECT_EQ(text("Text3"), c.Ps);
        EXPECT_EQ(text("Text4"), c.q);
        EXPECT_TRUE(shown(c.list)) << "the list stays open";
    }
    EXPECT_EQ(ss(list("List4")->item(2)->text()), "เสาเข็มตัวไอ 0.26 x 0.26 ม. x 21.00 ม.");
    EXPECT_EQ(ss(list("List2")->item(0)->text()), "เสาเข็มเจาะ 0.20 ม. x 21.00 ม.");
    EXPECT_TRUE(rec.log.empty());

    // A double-click on the caption closes the types and their lists; a click reopens.
    QTest::mouseClick(clickLabel("Label2"), Qt::LeftButton);
    EXPECT_EQ(clickLabel("Label2")->frameShape(), QFrame::Box);
    QTest::mouseDClick(clickLabel("Label2"), Qt::LeftButton);
    EXPECT_EQ(clickLabel("Label2")->frameShape(), QFrame::NoFrame);
    for (const char* b : {"Command17", "Command20", "List1", "List4"}) EXPECT_FALSE(shown(b)) << b;
    QTest::mouseClick(clickLabel("Label2"), Qt::LeftButton);
    EXPECT_TRUE(shown("Command18"));
    click("Command18");
    click("Command7");
    for (const char* b : {"Command17", "Command18", "List2"}) EXPECT_FALSE(shown(b)) << b;

    click("Command21");
    EXPECT_TRUE(shown("List5"));
    pick("List5", 4);
    EXPECT_EQ(text("Text2"), "16");
    EXPECT_FALSE(shown("List5"));
}

TEST_F(PileCapWindowTest, PanelHeightsGradesAndSwitching) {
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4335);
    EXPECT_FALSE(field("Text7")->isVisibleTo(w.get()));
    QTest::mouseClick(clickLabel("Label5"), Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 6375);
    EXPECT_TRUE(field("Text7")->isVisibleTo(w.get()));
    QTest::mouseDClick(clickLabel("Label5"), Qt::LeftButton);
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4335);
    click("Command23");
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 6375);
    click("Command2");
    EXPECT_EQ(w->panelHeightTwips("Frame2"), 4335);

    const std::pair<const char*, const char*> grades[] = {
        {"Command6", "1700"}, {"Command5", "1600"}, {"Command4", "1500"}, {"Command3", "1200"}};
    for (const auto& [b, fs] : grades) {
        click("Command2");
        click(b);
        EXPECT_EQ(text("Text7"), fs) << b;
        EXPECT_EQ(w->panelHeightTwips("Frame2"), 6375) << b;
    }
    EXPECT_EQ(label("Label9"), "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24");

    struct Case {
        const char* button;
        std::vector<const char*> visible, hidden;
    };
    const Case cases[] = {
        {"Command9", {"Frame3"}, {"Frame2"}},
        {"Command8", {"Frame4"}, {"Frame3"}},
        {"Command9", {"Frame3"}, {"Frame4"}},
        {"Command15", {"Frame4"}, {}},
        {"Command24", {}, {"Frame4"}},
        {"Command7", {"Frame2"}, {"Frame3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        for (const char* p : c.visible) EXPECT_TRUE(shown(p)) << p;
        for (const char* p : c.hidden) EXPECT_FALSE(shown(p)) << p;
    }
    click("Command27");
    EXPECT_EQ(text("Text14"), "10");
    click("Command25");
    EXPECT_EQ(text("Text14"), "17");
    EXPECT_EQ(label("Label27"), "ระยะปลอก");
    EXPECT_EQ(label("Label36"), "สรุปผลฐานรากที่คุณออกแบบ ?");
}

TEST_F(PileCapWindowTest, CalculateShowsWhatTheToolShowsWithTheResultsAtTheirMoment) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> typed;
        std::vector<std::string> messagePrefixes;
    };
    const Case cases[] = {
        {"defaults", {}, {}},
        {"load raised to 1000", {{"Text1", "500"}}, {"2."}},
        {"no allowance", {{"Text14", "0"}}, {"1."}},
        {"too many piles", {{"Text3", "1"}}, {"9.", "16."}},
        {"safe load 0", {{"Text3", "0"}}, {"16."}},
        {"negative safe load", {{"Text3", "-2"}}, {"9.", "16."}},
        {"pile size raised to 10", {{"Text4", "4"}}, {}},
        {"huge pile", {{"Text4", "250"}}, {"8."}},
        {"fc' beyond 1000", {{"Text5", "1200"}}, {"5.", "16."}},
        {"one pile", {{"Text1", "20000"}, {"Text3", "50"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w = std::make_unique<PileCapWindow>();
        for (const auto& [name, value] : c.typed) field(name)->setText(QString::fromUtf8(value));
        const FieldSet typed = w->fields();
        std::vector<std::string> args;
        for (const auto& [name, value] : typed.entries()) args.push_back(name + "=" + value);
        const mxtest::ToolRun tool = mxtest::runTool(pilecap::description(), args);
        const PileCapOutcome expected = calculatePileCap(readPileCapInput(w->fields()));

        rec.clear();
        rec.seen.clear();
        rec.watch = [this] { return label("Label14") + "|" + label("Label36"); };
        click("Command13");
        rec.watch = nullptr;

        expectShowsTool(tool.report, tool.fields());
        for (std::size_t i = 0; i < c.messagePrefixes.size() && i < rec.log.size(); ++i)
            EXPECT_EQ(rec.log[i].message.text.rfind(c.messagePrefixes[i], 0), 0u) << rec.log[i].message.text;
        std::size_t before = rec.log.size();
        if (expected.panelWritten) {
            before = 0;
            for (std::size_t i = 0; i < *expected.diagnostics.resultsAt(); ++i)
                if (std::holds_alternative<Message>(expected.diagnostics.events()[i])) ++before;
        }
        for (std::size_t i = 0; i < rec.seen.size(); ++i) {
            // The pile count shows from the mark on; the verdict only after the last box.
            EXPECT_EQ(rec.seen[i], (i < before ? std::string() : numText(expected.result.np)) + "|" +
                                       kVerdictBeforeCalculation)
                << i;
        }
    }
}

// The defaults design three piles, then their round 25 mm bars cannot be anchored
// past the stub: message 17, the closing message and the not-usable verdict.
TEST_F(PileCapWindowTest, TheDefaultsDesignThreePilesWhoseBarsCannotBeAnchored) {
    click("Command13");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.text.rfind("17.", 0), 0u);
    EXPECT_EQ(rec.log[1].message.text.rfind("16.", 0), 0u);
    EXPECT_EQ(label("Label36"), "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!");
    EXPECT_EQ(label("Label14"), "3");
    EXPECT_EQ(label("Label16"), "132");
    EXPECT_EQ(label("Label17"), "123");
    EXPECT_EQ(label("Label18"), "49");  // d 40 for the corner piles, 7.5 cm of cover and half a bar
    EXPECT_EQ(label("Label25"), "15");  // bond asks for 14.3 bars
    EXPECT_EQ(label("Label26"), "15");
    EXPECT_TRUE(shown("Frame3"));
    // With RB16 the cap is usable, its bars ending in hooks.
    field("Text2")->setText("16");
    rec.clear();
    click("Command13");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(label("Label36"), "ฐานรากที่คุณออกแบบใช้ได้ OK.");
    EXPECT_EQ(label("Label25"), "17");
}

TEST_F(PileCapWindowTest, DrawEraseAndPrint) {
    click("Command11");  // before any Calculate: an empty cap, nothing fails
    field("Text2")->setText("16");  // a usable cap: Calculate says nothing
    click("Command13");
    click("Command11");
    const PageModel& page = w->drawingSurface()->page();
    ASSERT_FALSE(page.empty());
    const auto [x, y] = page.extent();
    EXPECT_LE(x, w->drawingArea().x2);
    EXPECT_LE(y, w->drawingArea().y2);
    click("Command12");
    EXPECT_TRUE(w->drawingSurface()->page().empty());

    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("cap.pdf"));
    click("Command8");
    rec.answers = {false};
    click("Command26");
    EXPECT_EQ(target.count, 0) << "cancel prints nothing";
    EXPECT_TRUE(shown("Frame4"));
    click("Command26");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(shown("Frame4")) << "the title block closes after printing";
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[1].message.title, "พิมพ์รายการคำนวน");
}

TEST_F(PileCapWindowTest, ExitAsksAndOnlyOkCloses) {
    const Message question = exitAsksAndOnlyOkCloses();
    EXPECT_EQ(question.title, "เลิกการออกแบบฐานราก ค.ส.ล.");
}

}  // namespace
