#include <gtest/gtest.h>

#include "common/cli.h"
#include "pile/pile_module.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;

namespace {

using BlowRun = mxtest::ToolRun;
using mxtest::runTool;

std::string value(const Report& rep, const std::string& name) { return mxtest::resultOf(rep, name); }

std::vector<std::string> numbers(const Report& rep) {
    std::vector<std::string> out;
    for (const auto& m : rep.messages) out.push_back(m.text.substr(0, m.text.find('.')));
    return out;
}

}  // namespace

TEST(BlowTool, Defaults) {
    const ModuleDescription m = pile::blowDescription();
    ASSERT_TRUE(m.run);
    std::vector<std::string> names;
    for (const auto& [k, v] : m.defaults.entries()) names.push_back(k + "=" + v);
    EXPECT_EQ(names, (std::vector<std::string>{"Text1=?", "Text3=?", "Text2=21", "Text9=3", "Text10=30", "Text11=50",
                                               "Text4=", "Text5=", "Text6=", "Text7=", "Text8="}));
}

TEST(BlowTool, WorkedExamplesAndEdges) {
    struct Case {
        std::vector<std::string> args;
        const char *Rn, *Ra;
        std::vector<std::string> messages;
        int status;  // 2 only when the set is within 1 cm and Ra reaches R
    };
    const Case cases[] = {
        {{"type=1", "Text1=480", "Text3=25"}, "42.6372", "21.3186", {"10"}, 1},
        {{"Text1=660", "Text3=30"}, "41.8416", "20.9208", {"10"}, 1},
        {{"Text1=480", "Text3=15", "Text11=30"}, "32.4404", "16.2202", {}, 2},  // S = 1: no advice
        {{"Text1=480", "Text3=25", "Text9=4.8384"}, "66.6771", "33.3386", {}, 2},
        {{"Text1=480", "Text3=25", "Text9=1.6934"}, nullptr, nullptr, {"10"}, 1},
        {{"Text1=480", "Text3=25", "Text11=29"}, nullptr, nullptr, {"7", "10"}, 1},
        {{"Text1=480", "Text3=25", "Text11=20", "Text9=5"}, nullptr, nullptr, {"7", "8", "10"}, 1},
    };
    const ModuleDescription m = pile::blowDescription();
    for (const Case& c : cases) {
        const BlowRun r = runTool(m, c.args);
        EXPECT_EQ(numbers(r.report), c.messages) << r.json;
        EXPECT_EQ(r.report.status, c.status) << r.json;
        if (c.Rn) {
            EXPECT_EQ(value(r.report, "Rn"), c.Rn);
            EXPECT_EQ(value(r.report, "Ra"), c.Ra);
            EXPECT_EQ(r.report.labels.get("Label11"), c.Rn);
            EXPECT_EQ(r.report.labels.get("Label12"), c.Ra);
        }
    }
}

TEST(BlowTool, StopReportsNotUsableAndNoResults) {
    const BlowRun r = runTool(pile::blowDescription(), {"Text3=25"});  // empty area
    EXPECT_EQ(numbers(r.report), std::vector<std::string>{"6"});
    EXPECT_EQ(r.report.status, 1);
    EXPECT_EQ(r.report.labels.get("Label11"), "?");
    EXPECT_EQ(value(r.report, "A"), "1");
    EXPECT_EQ(r.inv.state.fields.get("Text1"), "?");
}

TEST(BlowTool, ReportsEveryResultValue) {
    const BlowRun r = runTool(pile::blowDescription(), {"Text1=480", "Text3=25"});
    std::vector<std::string> names;
    for (const auto& [k, v] : r.report.result.entries()) names.push_back(k);
    EXPECT_EQ(names, (std::vector<std::string>{"L1", "W", "h", "B", "R", "A", "P", "S", "C1", "C2", "C3", "C", "N",
                                               "K", "c", "Rn", "Ra", "Wmin", "Wmax", "Sreq", "Breq"}));
    EXPECT_EQ(value(r.report, "S"), "0.6");
    EXPECT_EQ(value(r.report, "C"), "0.7639");
}

TEST(BlowTool, TypesOnlyOneToThree) {
    const ModuleDescription m = pile::blowDescription();
    for (const char* bad : {"type=0", "type=4", "grade=SR24"}) {
        Invocation inv;
        EXPECT_TRUE(parseSettings(m, {bad}, inv)) << bad;
    }
}

TEST(PileSheetsThroughTheTool, SheetIsBuiltWhenAsked) {
    const BlowRun blow = runTool(pile::blowDescription(), {"Text1=480", "Text3=25", "Text5=P1", "--sheet", "x.pdf"});
    ASSERT_TRUE(blow.report.sheet);
    EXPECT_EQ(blow.report.sheet->texts()[1].text, "แสดงรายการคำนวณ P1");
    const BlowRun plain = runTool(pile::blowDescription(), {"Text1=480", "Text3=25"});
    EXPECT_FALSE(plain.report.sheet);

    const BlowRun pile = runTool(pile::pileDescription(), {"Text1=126", "Text4=P7", "--sheet", "x.pdf"});
    ASSERT_TRUE(pile.report.sheet);
    EXPECT_EQ(pile.report.sheet->texts()[1].text, "คำนวณหาการรับ นน. ของเสาเข็ม P7");
    // No type: the calculation says so, and the sheet adds no message of its own.
    const BlowRun noSheet = runTool(pile::pileDescription(), {"Text1=126", "Text4=P7"});
    EXPECT_EQ(pile.report.messages, noSheet.report.messages);
    ASSERT_EQ(pile.report.messages.size(), 1u);
    EXPECT_EQ(pile.report.messages[0].text, "1.คุณยังไม่ได้เลือกชนิดของเสาเข็ม?");
}
