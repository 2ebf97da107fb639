#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cli.h"
#include "stair/stair_module.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;

namespace {

using CalcRun = mxtest::ToolRun;
using mxtest::resultOf;

CalcRun calc(const std::vector<std::string>& args) { return mxtest::runTool(stair::description(), args); }

}  // namespace

TEST(StairCli, DefaultStairOfEachType) {
    const struct {
        const char* type;
        const char* Wstep;
        const char* Wslab;
        const char* sTemp;
    } rows[] = {{"type=1", "216", "236.5889", "0.125"}, {"type=2", "216", "236.5889", "0.125"}, {"type=3", "130.56", "199.68", "0.15"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        const CalcRun r = calc({row.type});
        EXPECT_EQ(r.report.status, 2);
        EXPECT_EQ(r.report.verdict, "บันไดที่ออกแบบใช้ได้ OK.");
        EXPECT_TRUE(r.report.messages.empty());
        EXPECT_EQ(r.report.labels.get("Label11"), row.Wstep);
        EXPECT_EQ(r.report.labels.get("Label12"), row.Wslab);
        EXPECT_EQ(r.report.labels.get("Label34"), row.sTemp);
        EXPECT_EQ(r.report.labels.get("Label29"), "บันไดที่ออกแบบใช้ได้ OK.");
        EXPECT_EQ(resultOf(r.report, "Wslab"), row.Wslab);
        EXPECT_FALSE(r.report.sheet.has_value());
    }
    // Every value of the result record is reported, in record order.
    const CalcRun r = calc({"type=2"});
    std::string names;
    for (const auto& [k, v] : r.report.result.entries()) names += k + " ";
    EXPECT_EQ(names,
              "stairType L LL T Rs mainBar tempBar t fcPrime fc fs fD fL n k j R stepsPerMetre Wstep Wslab D fDxD "
              "fLxLL w M d dReq As aMain Nmain countMain sMain AsT aTemp countTemp sTemp V Vd v vc perimeter "
              "sumPerimeter u status ");
    EXPECT_NE(r.json.find("\"countMain\": 7"), std::string::npos);
    EXPECT_EQ(r.json.find("nan"), std::string::npos);
    EXPECT_EQ(r.json.find("inf"), std::string::npos);
}

TEST(StairCli, ButtonsAndBadSettings) {
    const ModuleDescription m = stair::description();
    for (const char* bad : {"type=0", "type=4", "Text8=1", "Text17=x"}) {
        Invocation inv;
        EXPECT_TRUE(parseSettings(m, {bad}, inv).has_value()) << bad;
    }
    const CalcRun r = calc({"type=2", "grade=SD40"});
    EXPECT_EQ(r.inv.state.fields.get("Text11"), "1700");
    EXPECT_EQ(resultOf(r.report, "fs"), "1700");
    EXPECT_EQ(r.inv.state.grade, SteelGrade::SD40);
}

TEST(StairCli, CorrectionsAndFailuresReachTheFields) {
    // An empty length: message 1, the field reads "0", the design then divides by a
    // zero bar count and ends with the closing message; only the verdict is written.
    CalcRun r = calc({"type=2", "Text1="});
    ASSERT_EQ(r.report.messages.size(), 2u);
    EXPECT_EQ(r.report.messages[0].text, "1.คุณยังไม่ได้กำหนดความกว้างหรือช่วงคานของบันได?");
    EXPECT_EQ(r.report.messages[1].text, "บันไดที่คุณออกแบบยังใช้ไม่ได้");
    EXPECT_EQ(r.report.messages[1].title, "โปรกแก้ไขข้อมูลใหม่?");
    EXPECT_EQ(r.report.status, 1);
    EXPECT_EQ(r.inv.state.fields.get("Text1"), "0");
    EXPECT_EQ(r.report.labels.entries().size(), 1u);
    EXPECT_EQ(r.report.labels.get("Label29"), "บันไดที่ออกแบบยังใช้ไม่ได้!?!");
    EXPECT_EQ(resultOf(r.report, "Wslab"), "236.5889");

    // fc of 20: message 7, the field and the design take 65.
    r = calc({"type=1", "Text10=20"});
    ASSERT_EQ(r.report.messages.size(), 1u);
    EXPECT_EQ(r.report.messages[0].title, "ค่า fc น้อยเกินไป");
    EXPECT_EQ(r.inv.state.fields.get("Text10"), "65");
    EXPECT_EQ(resultOf(r.report, "fc"), "65");
    EXPECT_EQ(r.report.status, 2);

    // fc' beyond 1000 stops before the design; fc' is reset to 150.
    r = calc({"type=3", "Text9=1200"});
    ASSERT_EQ(r.report.messages.size(), 2u);
    EXPECT_EQ(r.report.messages[0].title, "ค่าหน่วยแรงอัด fc' มากเกินไป");
    EXPECT_EQ(r.inv.state.fields.get("Text9"), "150");
    EXPECT_EQ(r.report.status, 1);
    EXPECT_EQ(resultOf(r.report, "n"), "0");

    // No type chosen: message 8, the design runs and the panel is still filled.
    r = calc({});
    ASSERT_EQ(r.report.messages.size(), 2u);
    EXPECT_EQ(r.report.messages[0].text, "8.คุณยังไม่ได้เลือกลักษณะของบันได!?!");
    EXPECT_EQ(r.report.labels.get("Label12"), "236.5889");
    EXPECT_EQ(r.report.labels.get("Label29"), "บันไดที่ออกแบบยังใช้ไม่ได้!?!");
}
