#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "column/column_design.h"
#include "column/column_form.h"
#include "common/cli.h"
#include "common/cli_modules.h"

using namespace mx;
using namespace mx::cli;

namespace {

struct ToolRun {
    Invocation inv;
    Report report;
};

ToolRun run(const std::vector<std::string>& args) {
    const Module m = columnCliModule();
    ToolRun r;
    const auto err = parseSettings(m, args, r.inv);
    EXPECT_FALSE(err) << *err;
    r.report = m.run(r.inv.state, false);
    return r;
}

std::string result(const Report& rep, const std::string& name) {
    for (const auto& [n, v] : rep.result.entries())
        if (n == name) return v;
    ADD_FAILURE() << "no result " << name;
    return {};
}

}  // namespace

TEST(ColumnTool, DefaultsAreTheWindowFieldsInOrder) {
    const Module m = columnCliModule();
    EXPECT_EQ(m.defaults.entries(), (std::vector<std::pair<std::string, std::string>>{
                                        {"Text1", "8000"}, {"Text2", "15"}, {"Text3", "15"}, {"Text5", "3"},
                                        {"Text6", "12"}, {"Text7", "6"}, {"Text9", "150"}, {"Text10", "1200"},
                                        {"Text23", "1.7"}, {"Text11", "?"}}));
}

TEST(ColumnTool, WorkedExamplesThroughTheTool) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::pair<std::string, std::string>> labels;
        std::vector<std::pair<std::string, std::string>> results;
    } cases[] = {
        {{"type=1"},
         {{"Label8", column::kLongColumnText}, {"Label27", "33.3333"}, {"Label20", "0.8033"}, {"Label17", "275.4"},
          {"Label19", "8275.4"}, {"Label16", "10302.0455"}, {"Label13", "225"}, {"Label14", "7171.875"},
          {"Label15", "3130.1705"}, {"Label21", "3.0688"}, {"Label12", "1.3639"}, {"Label22", "1.1314"},
          {"Label24", "4"}, {"Label48", "19.2"}, {"Label49", "28.8"}, {"Label26", "15"}, {"Label50", "15"},
          {"Label9", "15"}, {"Label10", "15"}, {"Label11", "3"}, {"Label18", "8000"}, {"Label23", "12"},
          {"Label25", "6"}, {"Label65", column::kVerdictUsable}},
         {{"ht", "20"}, {"m", "1.2449"}, {"N", "10302.0455"}, {"x", "2.7124"}, {"nb", "4"}, {"status", "2"}}},
        {{"type=1", "Text1=20000", "Text2=20", "Text3=20", "Text6=16"},
         {{"Label12", "2.6472"}, {"Label24", "6"}, {"Label26", "20"}, {"Label48", "25.6"}},
         {{"ht", "15"}, {"hr", "25"}, {"R", "0.87"}, {"m", "1.1494"}, {"W", "489.6"}, {"N", "23550.7462"},
          {"Ps", "10800.7462"}, {"As", "10.589"}, {"pg", "2.6472"}, {"Ab", "2.0114"}, {"x", "5.2645"},
          {"nb", "6"}, {"s", "20"}}},
    };
    for (const auto& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.report.status, 2);
        EXPECT_EQ(r.report.verdict, column::kVerdictUsable);
        EXPECT_TRUE(r.report.messages.empty());
        for (const auto& [name, text] : c.labels) EXPECT_EQ(r.report.labels.get(name), text) << name;
        for (const auto& [name, text] : c.results) EXPECT_EQ(result(r.report, name), text) << name;
    }
}

TEST(ColumnTool, GradeButtonsWriteTheColumnSteelStress) {
    const struct {
        const char* grade;
        const char* fs;
        const char* label7;
        const char* label55;
    } cases[] = {
        {"SR24", "1200", "เหล็กเส้นกลม SR.24", "เหล็กเส้นกลม SR.24"},
        {"SD30", "1200", "เหล็กข้ออ้อย SD.30", "เหล็กเส้นข้ออ้อย SD.30"},
        {"SD35", "1400", "เหล็กข้ออ้อย SD.35", "เหล็กเส้นข้ออ้อย SD.35"},
        {"SD40", "1600", "เหล็กข้ออ้อย SD.40", "เหล็กเส้นข้ออ้อย SD.40"},
    };
    for (const auto& c : cases) {
        const ToolRun r = run({"type=1", "Text10=900", std::string("grade=") + c.grade});
        EXPECT_EQ(r.inv.state.fields.get("Text10"), c.fs);
        EXPECT_EQ(result(r.report, "fs"), c.fs);
        EXPECT_EQ(r.report.labels.get("Label7"), c.label7);
        EXPECT_EQ(r.report.labels.get("Label55"), c.label55);
    }
}

TEST(ColumnTool, ShapeButtons) {
    Invocation inv;
    EXPECT_TRUE(parseSettings(columnCliModule(), {"type=0"}, inv));
    EXPECT_TRUE(parseSettings(columnCliModule(), {"type=3"}, inv));

    const ToolRun square = run({"type=1", "Text11=30"});
    EXPECT_EQ(square.inv.state.fields.get("Text2"), "15");  // the diameter is for round columns only
    EXPECT_EQ(square.report.labels.get("Label1"), "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม");

    const ToolRun round = run({"type=2", "Text11=30"});
    EXPECT_EQ(round.inv.state.fields.get("Text2"), "26.58");
    EXPECT_EQ(round.inv.state.fields.get("Text3"), "26.58");
    EXPECT_EQ(result(round.report, "t"), "26.58");
    EXPECT_EQ(result(round.report, "nb"), "6");
    EXPECT_EQ(round.report.labels.get("Label1"), "เสาที่คุณเลือกออกแบบเป็นเสากลม");

    const ToolRun noDiameter = run({"type=2", "Text2=20", "Text3=20"});
    EXPECT_EQ(noDiameter.inv.state.fields.get("Text2"), "20");
    EXPECT_EQ(result(noDiameter.report, "t"), "20");
}

TEST(ColumnTool, CorrectionsLandInTheFields) {
    const ToolRun r = run({"type=1", "Text9=50", "Text10=700", "Text6=10", "Text7=4", "Text23=0", "Text5=0"});
    const FieldSet& f = r.inv.state.fields;
    EXPECT_EQ(f.get("Text9"), "150");
    EXPECT_EQ(f.get("Text10"), "1200");
    EXPECT_EQ(f.get("Text6"), "12");
    EXPECT_EQ(f.get("Text7"), "6");
    // 0.1 written back is below the field's own limit of 1, whose check then writes 1;
    // this calculation still used 0.1.
    EXPECT_EQ(f.get("Text23"), "1");
    EXPECT_EQ(result(r.report, "k"), "0.1");
    EXPECT_EQ(f.get("Text5"), "0");  // the height is replaced for the calculation only
    EXPECT_EQ(result(r.report, "H"), "1");
    ASSERT_GE(r.report.messages.size(), 6u);
    EXPECT_EQ(r.report.messages[0].title, "กำหนดค่า DEAD LOAD ผิด");
    EXPECT_EQ(r.report.messages[1].text.substr(0, 2), "3.");
    EXPECT_EQ(r.report.messages[5].text.substr(0, 2), "7.");
}

TEST(ColumnTool, EarlyEndTouchesOnlyTheVerdict) {
    const ToolRun narrow = run({"type=1", "Text2=9"});
    EXPECT_EQ(narrow.report.status, 1);
    EXPECT_EQ(narrow.report.labels.entries(),
              (std::vector<std::pair<std::string, std::string>>{{"Label1", "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม"},
                                                                 {"Label65", column::kVerdictNotUsable}}));
    ASSERT_EQ(narrow.report.messages.size(), 2u);
    EXPECT_EQ(narrow.report.messages[0], column::msg::kWidthTooSmall);
    EXPECT_EQ(narrow.report.messages[1], column::msg::kClosing);

    const ToolRun noShape = run({});
    EXPECT_EQ(noShape.report.status, 1);
    EXPECT_EQ(noShape.report.labels.entries(),
              (std::vector<std::pair<std::string, std::string>>{{"Label8", column::kLongColumnText},
                                                                 {"Label65", column::kVerdictNotUsable}}));
}

// Odd texts never crash and never put a non-number into the report.
TEST(ColumnTool, OddInputsStayFinite) {
    const std::vector<std::vector<std::string>> cases = {
        {"type=1", "Text1=1e308"},           {"type=1", "Text5=1e308"},
        {"type=1", "Text2=1e308"},           {"type=1", "Text1=-1e308"},
        {"type=1", "Text1=0"},               {"type=1", "Text1=-5000"},
        {"type=1", "Text2=abc", "Text3=?"},  {"type=1", "Text5=-"},
        {"type=1", "Text23=1e308"},          {"type=2", "Text11=1e308"},
        {"type=2", "Text11=-30"},            {"type=1", "Text6=1e308", "Text7=1e308"},
        {"type=1", "Text5=8.025", "Text2=10", "Text3=10"},
    };
    for (const auto& args : cases) {
        ToolRun r = run(args);
        for (const auto& [name, v] : r.report.result.entries()) {
            if (v.front() == '"' || v == "true" || v == "false") continue;
            char* end = nullptr;
            const double x = std::strtod(v.c_str(), &end);
            EXPECT_TRUE(*end == '\0' && std::isfinite(x)) << name << " = " << v;
        }
        for (const auto& [name, v] : r.report.labels.entries())
            for (const char* bad : {"nan", "inf"}) EXPECT_EQ(v.find(bad), std::string::npos) << name << " = " << v;
        ASSERT_TRUE(r.report.status);
        EXPECT_TRUE(*r.report.status == 1 || *r.report.status == 2);
    }
}
