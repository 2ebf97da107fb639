#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "common/cli.h"
#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_module.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;
using namespace mx::pilecap;

namespace {

using mxtest::ToolRun;

ToolRun calc(const std::vector<std::string>& args) { return mxtest::runTool(pilecap::description(), args); }

std::string value(const Report& r, const std::string& name) { return mxtest::resultOf(r, name); }

std::vector<int> numbers(const Report& rep) {
    std::vector<int> out;
    for (const Message& m : rep.messages) out.push_back(std::atoi(m.text.c_str()));
    return out;
}

}  // namespace

TEST(PileCapTool, DefaultsInWindowOrder) {
    const ModuleDescription m = pilecap::description();
    EXPECT_EQ(m.name, "pilecap");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Text1", "80000"}, {"Text3", "36"},   {"Text4", "22"},   {"Text2", "25"},
        {"Text5", "150"},   {"Text6", "65"},   {"Text7", "1200"}, {"Text14", "17"},
        {"Text9", ""},      {"Text10", ""},    {"Text11", ""},    {"Text12", ""},  {"Text13", ""},
    };
    EXPECT_EQ(m.defaults.entries(), expected);
    EXPECT_FALSE(m.pressType);
    Invocation inv;
    EXPECT_TRUE(parseSettings(m, {"type=1"}, inv).has_value());
}

// The defaults' round 25 mm bars cannot be anchored in the cap: the panel is filled,
// then message 17 and the closing message.
TEST(PileCapTool, DefaultsDesignAndResultPanel) {
    const ToolRun r = calc({});
    EXPECT_EQ(r.report.status, 1);
    EXPECT_EQ(r.report.verdict, "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!");
    EXPECT_EQ(numbers(r.report), (std::vector<int>{17, 16}));
    EXPECT_EQ(r.report.messages.front().title, "ระยะฝังยึดเหล็กตะแกรงไม่พอ");
    EXPECT_FALSE(r.report.sheet.has_value());
    const std::vector<std::pair<std::string, std::string>> labels{
        {"Label10", "80000"},   {"Label11", "13600"},  {"Label12", "93600"},  {"Label13", "36"},
        {"Label14", "3"},       {"Label15", "31200"},  {"Label16", "132"},    {"Label17", "123"},
        {"Label18", "49"},      {"Label19", "40"},     {"Label20", "5648.7967"}, {"Label21", "13.3564"},
        {"Label22", "2.7199"},  {"Label23", "14.2848"}, {"Label24", "25"},    {"Label25", "15"},
        {"Label26", "15"},      {"Label27", "8.2"},    {"Label28", "8.8"},
        {"Label36", "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!"},
    };
    EXPECT_EQ(r.report.labels.entries(), labels);
    // Each kind as JSON: double, 16-bit, fixed point, single, and a flag as 1 or 0.
    const std::pair<const char*, const char*> values[] = {
        {"pf", "1.7"}, {"Bw", "132"}, {"Wact", "1909.3537"}, {"nb", "14.2848"}, {"s", "8.714286"},
        {"sL", "8.2"}, {"status", "1"}, {"stubY", "71"}, {"punchingInside", "1"}, {"b0Pile", "128"},
        {"u", "7.8874"}, {"ld", "95.0884"}, {"hooks", "1"}, {"anchored", "0"}, {"rho", "0.0025"},
    };
    for (const auto& [name, v] : values) EXPECT_EQ(value(r.report, name), v) << name;
}

TEST(PileCapTool, GradeButtonsWriteSteelStress) {
    const std::pair<const char*, const char*> grades[] = {
        {"SR24", "1200"}, {"SD30", "1500"}, {"SD35", "1600"}, {"SD40", "1700"}};
    for (const auto& [g, fs] : grades) {
        const ToolRun r = calc({std::string("grade=") + g});
        EXPECT_EQ(r.fields().get("Text7"), fs) << g;
        EXPECT_EQ(value(r.report, "fs"), fs) << g;
    }
    FieldSet f = pileCapDefaults();
    EXPECT_EQ(pressGradeButton(f, SteelGrade::SD40), "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40");
    EXPECT_EQ(pressGradeButton(f, SteelGrade::SR24), "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24");
    EXPECT_EQ(f.get("Text7"), "1200");
}

TEST(PileCapTool, EdgeCasesThroughTheTool) {
    struct Case {
        std::vector<std::string> args;
        std::vector<int> messages;
        int status;
        const char* np;
        const char* Bw;
        std::vector<std::pair<std::string, std::string>> fields;  // after the corrections
    };
    const Case cases[] = {
        {{"Text1=20000", "Text3=30", "Text4=40"}, {}, 2, "1", "120", {}},
        {{"Text1=100000", "Text14=20", "Text3=6"}, {}, 2, "20", "264", {}},
        {{"Text1=100000", "Text14=20", "Text3=5.99"}, {9, 16}, 1, "21", "0", {}},
        {{"Text3=0"}, {16}, 1, "0", "0", {{"Text3", "0"}}},
        {{"Text3="}, {16}, 1, "0", "0", {{"Text3", ""}}},
        {{"Text3=-2"}, {9, 16}, 1, "188", "0", {{"Text3", "0.5"}}},
        {{"Text3=0.0001"}, {9, 16}, 1, "936000", "0", {}},
        {{"Text4=?"}, {16}, 1, "3", "60", {{"Text4", "10"}}},
        {{"Text4=999"}, {8, 10, 16}, 1, "3", "1200", {{"Text4", "200"}}},
        {{"Text14=abc", "Text1=12"}, {1, 2, 10, 16}, 1, "1", "66", {{"Text14", "0.1"}, {"Text1", "1000"}}},
        // The corrected RB25 cannot be anchored in the defaults' cap.
        {{"Text2=", "Text5=", "Text6=", "Text7="}, {3, 4, 6, 7, 17, 16}, 1, "3", "132",
         {{"Text2", "25"}, {"Text5", "150"}, {"Text6", "65"}, {"Text7", "1200"}}},
        {{"Text5=1001"}, {5, 16}, 1, "0", "0", {{"Text5", "150"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const ToolRun r = calc(c.args);
        EXPECT_EQ(numbers(r.report), c.messages);
        EXPECT_EQ(r.report.status, c.status);
        EXPECT_EQ(value(r.report, "np"), c.np);
        EXPECT_EQ(value(r.report, "Bw"), c.Bw);
        EXPECT_EQ(r.report.labels.get("Label36"),
                  c.status == 2 ? "ฐานรากที่คุณออกแบบใช้ได้ OK." : "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!");
        for (const auto& [field, text] : c.fields) EXPECT_EQ(r.fields().get(field), text) << field;
        for (const auto& [name, json] : r.report.result.entries()) {
            EXPECT_EQ(json.find_first_of("naif"), std::string::npos) << name << " " << json;  // no nan/inf
        }
    }
}

TEST(PileCapTool, LabelsStayUntilThePanelIsWritten) {
    // A design that stops before the mesh leaves the panel as a fresh window shows it.
    const ToolRun r = calc({"Text14=1"});
    EXPECT_EQ(numbers(r.report), (std::vector<int>{10, 16}));
    EXPECT_EQ(r.report.labels.get("Label10"), "");
    EXPECT_EQ(r.report.labels.get("Label27"), "ระยะปลอก");
    EXPECT_EQ(r.report.labels.get("Label28"), "ระยะปลอก");
    // A pitch failure is judged after the panel is filled.
    const ToolRun wide = calc({"Text1=1000", "Text3=1", "Text4=10", "Text2=16"});
    EXPECT_EQ(numbers(wide.report), (std::vector<int>{11, 16}));
    EXPECT_EQ(wide.report.labels.get("Label27"), "30");
    EXPECT_EQ(wide.report.labels.get("Label25"), "2");
}

TEST(PileCapForm, ReadsTheNumberAtTheStartOfEachField) {
    FieldSet f = pileCapDefaults();
    f.set("Text1", "  120000 kg");
    f.set("Text3", "?");
    f.set("Text4", "22.5cm");
    f.set("Text14", "-3");
    const PileCapInput in = readPileCapInput(f);
    EXPECT_EQ(in.P, 120000);
    EXPECT_EQ(in.Ps, 0);
    EXPECT_EQ(in.q, 22.5);
    EXPECT_EQ(in.db, 25);
    EXPECT_EQ(in.fcPrime, 150);
    EXPECT_EQ(in.fc, 65);
    EXPECT_EQ(in.fs, 1200);
    EXPECT_EQ(in.p, -3);
}

TEST(PileCapForm, PickersAndFixedTexts) {
    struct Pick {
        std::size_t list, row;
        const char* text;
        const char* Ps;
        const char* q;
    };
    const Pick picks[] = {
        {3, 2, "เสาเข็มตัวไอ 0.26 x 0.26 ม. x 21.00 ม.", "44", "26"},
        {0, 3, "เสาเข็มไม้  6 นิ้ว x 6.00 เมตร", "0.89", "15"},
        {2, 2, "เสาเข็มสี่เหลี่ยมกลวง 0.525 x 0.525 ม. x 21.00 ม.", "73", "52.5"},
    };
    for (const Pick& p : picks) {
        const PileList& list = StandardPileTable[p.list];
        ASSERT_LT(p.row, list.count);
        const StandardPile& pile = list.rows[p.row];
        EXPECT_EQ(std::string(pile.text), p.text);
        FieldSet f = pileCapDefaults();
        pickStandardPile(f, pile);
        EXPECT_EQ(f.get("Text3"), p.Ps) << p.text;
        EXPECT_EQ(f.get("Text4"), p.q) << p.text;
    }
    EXPECT_EQ(StandardPileTable[0].count, 4u);
    EXPECT_EQ(StandardPileTable[1].count, 14u);
    EXPECT_EQ(StandardPileTable[2].count, 13u);
    EXPECT_EQ(StandardPileTable[3].count, 12u);
    EXPECT_EQ(kBarSizes.front().db, 9);
    EXPECT_EQ(kBarSizes.back().db, 40);

    const std::string summary = summaryText();
    EXPECT_EQ(summary.rfind("สรุปผลการคำนวณ\n", 0), 0u);
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 17);
    EXPECT_EQ(initialResultLabels().get("Label36"), "สรุปผลฐานรากที่คุณออกแบบ ?");
}

TEST(PileCapForm, ChangeChecks) {
    struct Case {
        const char* field;
        const char* text;
        Icon icon;               // Icon::None: no message
        const char* correction;  // "" when the text stays
        bool correctionFirst;
    };
    const Case cases[] = {
        {"Text1", "1000001", Icon::Critical, "1000000", false},
        {"Text1", "1000000", Icon::None, "", false},
        {"Text2", "45", Icon::Exclamation, "25", false},
        {"Text2", "40", Icon::None, "", false},
        {"Text3", "501", Icon::Critical, "36", false},
        {"Text3", "500", Icon::None, "", false},
        {"Text4", "", Icon::Critical, "15", true},
        {"Text4", "-1", Icon::Critical, "15", true},
        {"Text4", "0.1", Icon::None, "", false},
        {"Text5", "151", Icon::Information, "", false},
        {"Text6", "66", Icon::Critical, "65", true},
        {"Text7", "1701", Icon::Critical, "1200", true},
        {"Text7", "1700", Icon::None, "", false},
        {"Text14", "-5", Icon::None, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.text);
        FieldSet f = pileCapDefaults();
        f.set(c.field, c.text);
        const Diagnostics d = changeCheck(c.field, f);
        const auto messages = d.messages();
        ASSERT_EQ(messages.size(), c.icon == Icon::None ? 0u : 1u);
        if (!messages.empty()) {
            EXPECT_EQ(messages[0].icon, c.icon);
        }
        const auto corrections = d.corrections();
        if (*c.correction == '\0') {
            EXPECT_TRUE(corrections.empty());
            continue;
        }
        ASSERT_EQ(corrections.size(), 1u);
        EXPECT_EQ(corrections[0], (Correction{c.field, c.correction}));
        EXPECT_EQ(std::holds_alternative<Correction>(d.events().front()), c.correctionFirst);
        f.apply(d);
        EXPECT_TRUE(changeCheck(c.field, f).empty());  // the text written back passes
    }
}
