#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "column/column_design.h"
#include "column/column_module.h"
#include "common/cli.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

using mxtest::ToolRun;

ToolRun run(const std::vector<std::string>& args) { return mxtest::runTool(column::description(), args); }

}  // namespace

TEST(ColumnTool, DefaultsAreTheWindowFieldsInOrder) {
    EXPECT_EQ(column::description().defaults.entries(),
              (Pairs{{"Text1", "8000"}, {"Text2", "15"}, {"Text3", "15"}, {"Text5", "3"}, {"Text6", "12"},
                     {"Text7", "6"}, {"Text9", "150"}, {"Text10", "1200"}, {"Text23", "1.7"}, {"Text11", "?"},
                     {"Text13", "4"}, {"Text14", "4"}, {"Text15", "300"}, {"Text16", "1"}, {"Text17", "?"},
                     {"Text18", ""}, {"Text19", ""}, {"Text20", ""}, {"Text21", ""}, {"Text22", ""}}));
}

TEST(ColumnTool, WorkedExamples) {
    const ToolRun first = run({"type=1"});
    EXPECT_EQ(first.report.status, 2);
    EXPECT_TRUE(first.report.messages.empty());
    EXPECT_EQ(first.report.labels.entries(),
              (Pairs{{"Label1", "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม"}, {"Label8", column::kLongColumnText},
                     {"Label9", "15"}, {"Label10", "15"}, {"Label11", "3"}, {"Label18", "8000"}, {"Label23", "12"},
                     {"Label25", "6"}, {"Label50", "15"}, {"Label27", "33.3333"}, {"Label20", "0.8033"},
                     {"Label17", "275.4"}, {"Label19", "8275.4"}, {"Label16", "10302.0455"}, {"Label13", "225"},
                     {"Label14", "7171.875"}, {"Label15", "3130.1705"}, {"Label21", "3.0688"}, {"Label12", "1.3639"},
                     {"Label22", "1.1314"}, {"Label24", "4"}, {"Label48", "19.2"}, {"Label49", "28.8"},
                     {"Label26", "15"}, {"Label65", column::kVerdictUsable}}));
    EXPECT_EQ(first.result("m"), "1.2449");

    const ToolRun second = run({"type=1", "Text1=20000", "Text2=20", "Text3=20", "Text6=16"});
    EXPECT_EQ(second.report.status, 2);
    EXPECT_EQ(second.result("pg"), "2.6472");
    EXPECT_EQ(second.result("N"), "23550.7462");
    EXPECT_EQ(second.result("nb"), "6");
    EXPECT_EQ(second.report.labels.get("Label26"), "20");
}

TEST(ColumnTool, GradeButtonsWriteTheColumnSteelStress) {
    const struct {
        const char *grade, *fs, *label7;
    } cases[] = {{"SR24", "960", "เหล็กเส้นกลม SR.24"},
                 {"SD30", "1200", "เหล็กข้ออ้อย SD.30"},
                 {"SD35", "1400", "เหล็กข้ออ้อย SD.35"},
                 {"SD40", "1600", "เหล็กข้ออ้อย SD.40"}};
    for (const auto& c : cases) {
        const ToolRun r = run({"type=1", "Text10=900", std::string("grade=") + c.grade});
        EXPECT_EQ(r.fields().get("Text10"), c.fs);
        EXPECT_EQ(r.result("fs"), c.fs);
        EXPECT_EQ(r.report.labels.get("Label7"), c.label7);
    }
}

TEST(ColumnTool, ShapesAndTheRoundDiameter) {
    Invocation inv;
    EXPECT_TRUE(parseSettings(column::description(), {"type=3"}, inv));
    const struct {
        std::vector<std::string> args;
        const char *width, *t, *nb;
    } cases[] = {
        {{"type=2", "Text11=30"}, "26.58", "26.58", "6"},
        {{"type=2", "Text2=20", "Text3=20"}, "20", "0", "0"},  // no diameter: message 9, nothing designed
        {{"type=1", "Text11=30"}, "15", "15", "4"},             // the diameter is for round columns only
    };
    for (const auto& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.fields().get("Text2"), c.width);
        EXPECT_EQ(r.fields().get("Text3"), c.width);
        EXPECT_EQ(r.result("t"), c.t);
        EXPECT_EQ(r.result("nb"), c.nb);
        EXPECT_EQ(r.report.status, std::string(c.t) == "0" ? 1 : 2);
    }
}

TEST(ColumnTool, CorrectionsLandInTheFields) {
    const ToolRun r = run({"type=1", "Text9=50", "Text10=700", "Text6=10", "Text7=4", "Text23=0", "Text5=0"});
    // 0.1 written back is below the multiplier field's own limit of 1, whose check then
    // writes 1; this calculation still used 0.1. The height is replaced for the calculation only.
    EXPECT_EQ(r.fields().entries(),
              (Pairs{{"Text1", "8000"}, {"Text2", "15"}, {"Text3", "15"}, {"Text5", "0"}, {"Text6", "12"},
                     {"Text7", "6"}, {"Text9", "150"}, {"Text10", "1200"}, {"Text23", "1"}, {"Text11", "?"},
                     {"Text13", "4"}, {"Text14", "4"}, {"Text15", "300"}, {"Text16", "1"}, {"Text17", "?"},
                     {"Text18", ""}, {"Text19", ""}, {"Text20", ""}, {"Text21", ""}, {"Text22", ""}}));
    EXPECT_EQ(r.result("k"), "0.1");
    EXPECT_EQ(r.result("H"), "1");
    ASSERT_GE(r.report.messages.size(), 6u);
    EXPECT_EQ(r.report.messages[0].title, "กำหนดค่า DEAD LOAD ผิด");
    EXPECT_EQ(r.report.messages[1], column::msg::kConcreteTooWeak);
    EXPECT_EQ(r.report.messages[5], column::msg::kNoHeight);
}

TEST(ColumnTool, EarlyEndTouchesOnlyTheVerdict) {
    const ToolRun narrow = run({"type=1", "Text2=9"});
    EXPECT_EQ(narrow.report.status, 1);
    EXPECT_EQ(narrow.report.verdict, column::kVerdictNotUsable);
    EXPECT_EQ(narrow.report.labels.entries(),
              (Pairs{{"Label1", "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม"}, {"Label65", column::kVerdictNotUsable}}));
    EXPECT_EQ(narrow.report.messages, (std::vector<Message>{column::msg::kWidthTooSmall, column::msg::kClosing}));
}

// Odd texts never crash and never put a non-number into the report.
TEST(ColumnTool, OddInputsStayFinite) {
    const std::vector<std::vector<std::string>> cases = {
        {"type=1", "Text1=1e308"}, {"type=1", "Text5=1e308"},  {"type=1", "Text2=1e308"},
        {"type=1", "Text1=-1e308"}, {"type=1", "Text1=0"},     {"type=1", "Text2=abc", "Text3=?"},
        {"type=1", "Text5=-"},     {"type=1", "Text23=1e308"}, {"type=2", "Text11=1e308"},
        {"type=2", "Text11=-30"},  {"type=1", "Text6=1e308", "Text7=1e308"},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        for (const auto& [name, v] : r.report.result.entries()) {
            if (v.front() == '"' || v == "true" || v == "false") continue;
            char* end = nullptr;
            const double x = std::strtod(v.c_str(), &end);
            EXPECT_TRUE(*end == '\0' && std::isfinite(x)) << name << " = " << v;
        }
        EXPECT_TRUE(r.report.status == 1 || r.report.status == 2);
    }
}
