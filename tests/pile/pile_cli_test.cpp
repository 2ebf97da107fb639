#include <gtest/gtest.h>

#include "common/cli.h"
#include "pile/pile_module.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;

namespace {

using mxtest::ToolRun;
using mxtest::resultOf;

ToolRun runPile(const std::vector<std::string>& args) { return mxtest::runTool(pile::pileDescription(), args); }

}  // namespace

TEST(PileTool, DefaultsCoverEveryInputField) {
    const ModuleDescription m = pile::pileDescription();
    ASSERT_TRUE(m.run);
    EXPECT_EQ(m.defaults.get("Text1"), "?");
    EXPECT_EQ(m.defaults.get("Text2"), "21");
    for (const char* f : {"Text3", "Text4", "Text5", "Text6", "Text7"}) EXPECT_TRUE(m.defaults.has(f)) << f;
}

TEST(PileTool, WorkedExamples) {
    struct Case {
        std::vector<std::string> args;
        const char *P, *Pw, *label7;
    };
    const Case cases[] = {
        {{"type=2", "Text1=126"}, "44.1", "34.398", "44.1"},
        {{"type=1", "Text1=8", "Text2=10"}, "4.7895", "3.7358", "4.7895"},
        {{"type=3", "Text1=0.6", "Text2=25"}, "96.1707", "75.0131", "96.1707"},
        {{"type=2", "Text1=126", "Text2=7.5"}, "5.8275", "4.5454", "5.8275"},
        {{"type=4", "Text1=126", "Text2=7"}, "5.292", "4.1278", "5.292"},
    };
    for (const Case& c : cases) {
        const ToolRun r = runPile(c.args);
        EXPECT_EQ(resultOf(r.report, "P"), c.P);
        EXPECT_EQ(resultOf(r.report, "Pw"), c.Pw);
        EXPECT_EQ(r.report.labels.get("Label7"), c.label7);
        EXPECT_TRUE(r.report.messages.empty());
        EXPECT_EQ(r.report.status, 2);
    }
}

TEST(PileTool, ReportsEveryResultValue) {
    const ToolRun r = runPile({"type=2", "Text1=126"});
    std::vector<std::string> names;
    for (const auto& [k, v] : r.report.result.entries()) names.push_back(k);
    EXPECT_EQ(names, (std::vector<std::string>{"code", "size", "L", "L1", "L2", "p", "pF", "P1", "f2", "P2", "P", "Pw"}));
    EXPECT_EQ(resultOf(r.report, "P1"), "5.292");
    EXPECT_EQ(resultOf(r.report, "f2"), "3600");
    EXPECT_EQ(resultOf(r.report, "L2"), "14");
    EXPECT_NE(r.json.find("\"labels\": {\"Label7\": \"44.1\", \"Label8\": \"34.398\", \"Label9\": \"...\"}"),
              std::string::npos)
        << r.json;
}

TEST(PileTool, NoTypeAndBadLength) {
    const ToolRun r = runPile({"Text1=126", "Text2=-3"});
    ASSERT_EQ(r.report.messages.size(), 2u);
    EXPECT_EQ(r.report.messages[0].text, "1.คุณยังไม่ได้เลือกชนิดของเสาเข็ม?");
    EXPECT_EQ(r.report.messages[1].text, "2.คุณยังไม่ได้กำหนดความยาวของเสาเข็มหรือกำหนดผิดพลาด!!!");
    EXPECT_EQ(r.report.labels.get("Label7"), "0");
    EXPECT_EQ(r.report.labels.get("Label8"), "0");
    EXPECT_EQ(resultOf(r.report, "L"), "0");
    EXPECT_EQ(r.report.status, 1);
    // The tool sets fields without their change checks, as documented.
    EXPECT_EQ(r.inv.state.fields.get("Text2"), "-3");
}

TEST(PileTool, ImpossibleNumbersEndAsNotUsable) {
    const ToolRun r = runPile({"type=1", "Text1=100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"});
    EXPECT_EQ(r.report.status, 1);
    EXPECT_EQ(r.report.labels.get("Label7"), "?");
    EXPECT_EQ(r.json.find("nan"), std::string::npos);
    EXPECT_EQ(r.json.find("inf"), std::string::npos);
}

TEST(PileTool, RejectsUnknownTypesAndFields) {
    const ModuleDescription m = pile::pileDescription();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"type=0"}, {"type=5"}, {"Text9=1"}, {"grade=SD40"}, {"junk"}}) {
        Invocation inv;
        EXPECT_TRUE(parseSettings(m, args, inv)) << args[0];
    }
}
