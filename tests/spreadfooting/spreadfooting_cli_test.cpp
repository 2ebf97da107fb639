#include <gtest/gtest.h>

#include <sstream>

#include "common/cli_modules.h"
#include "spreadfooting/spreadfooting_form.h"

using namespace mx;
using namespace mx::cli;

namespace {

struct ToolRun {
    Invocation inv;
    Report report;
};

ToolRun runWith(const std::vector<std::string>& args) {
    ToolRun r;
    const Module m = spreadFootingCliModule();
    const auto err = parseSettings(m, args, r.inv);
    EXPECT_FALSE(err.has_value()) << *err;
    r.report = m.run(r.inv.state, false);
    return r;
}

std::string resultValue(const Report& rep, const std::string& name) {
    for (const auto& [k, v] : rep.result.entries())
        if (k == name) return v;
    return "<missing>";
}

std::vector<std::string> messageTexts(const Report& rep) {
    std::vector<std::string> out;
    for (const auto& m : rep.messages) out.push_back(m.text.substr(0, m.text.find('.') + 1));
    return out;
}

}  // namespace

TEST(SpreadFootingForm, DefaultsInWindowOrder) {
    const Module m = spreadFootingCliModule();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Text1", "20000"}, {"Text3", ""}, {"Text2", "12"}, {"Text4", "150"},
        {"Text5", "65"},    {"Text6", "1200"}, {"Text13", "17"}};
    EXPECT_EQ(m.defaults.entries(), expected);
    EXPECT_FALSE(m.pressType);
}

TEST(SpreadFootingForm, FieldsReadAsTheirLeadingNumber) {
    FieldSet f = spreadfooting::defaultFields();
    f.set("Text1", "  25000 kg");
    f.set("Text3", "8 t/m2");
    f.set("Text2", "?");
    f.set("Text13", "-3");
    const auto in = spreadfooting::readInput(f);
    EXPECT_EQ(in.P, 25000);
    EXPECT_EQ(in.q, 8);
    EXPECT_EQ(in.db, 0);
    EXPECT_EQ(in.fcPrime, 150);
    EXPECT_EQ(in.fc, 65);
    EXPECT_EQ(in.fs, 1200);
    EXPECT_EQ(in.p, -3);
}

TEST(SpreadFootingForm, GradeButtonsWriteFs) {
    struct Case {
        const char* grade;
        const char* fs;
        const char* caption;
    } cases[] = {
        {"SR24", "1200", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24"},
        {"SD30", "1500", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30"},
        {"SD35", "1600", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35"},
        {"SD40", "1700", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40"},
    };
    for (const auto& c : cases) {
        Invocation inv;
        ASSERT_FALSE(parseSettings(spreadFootingCliModule(), {"Text6=900", std::string("grade=") + c.grade}, inv));
        EXPECT_EQ(inv.state.fields.get("Text6"), c.fs) << c.grade;
        ASSERT_TRUE(inv.state.grade.has_value());
        EXPECT_STREQ(spreadfooting::gradeButton(*inv.state.grade).caption, c.caption);
    }
    EXPECT_STREQ(spreadfooting::kInitialGradeCaption, cases[0].caption);
}

TEST(SpreadFootingTool, EmptyBearingIsSetAndTheSecondCalculateDesigns) {
    const Module m = spreadFootingCliModule();
    Invocation inv;
    ASSERT_FALSE(parseSettings(m, {}, inv));

    const Report first = m.run(inv.state, false);
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(messageTexts(first), (std::vector<std::string>{"3.", "16."}));
    EXPECT_EQ(inv.state.fields.get("Text3"), "8");
    EXPECT_EQ(first.verdict, "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข!?!");
    // Nothing was designed, so the panel labels are left alone; only the verdict is set.
    ASSERT_EQ(first.labels.entries().size(), 1u);
    EXPECT_EQ(first.labels.get("Label33"), *first.verdict);

    const Report second = m.run(inv.state, false);
    EXPECT_EQ(second.status, 2);
    EXPECT_TRUE(second.messages.empty());
    EXPECT_EQ(second.verdict, "ฐานรากที่คุณออกแบบใช้ได้ OK.");
    const std::vector<std::pair<std::string, std::string>> labels{
        {"Label9", "20000"},     {"Label10", "2380"},   {"Label11", "22380"},     {"Label12", "8"},
        {"Label13", "2.8224"},   {"Label14", "7929.4218"}, {"Label15", "168"},    {"Label16", "168"},
        {"Label17", "30"},       {"Label18", "20"},     {"Label19", "2171.0757"}, {"Label20", "8.2135"},
        {"Label21", "12.1961"},  {"Label22", "11.9742"}, {"Label23", "12"},       {"Label24", "13"},
        {"Label25", "13"},       {"Label33", "ฐานรากที่คุณออกแบบใช้ได้ OK."}};
    EXPECT_EQ(second.labels.entries(), labels);
    EXPECT_EQ(resultValue(second, "nb"), "11.9742");
    EXPECT_EQ(resultValue(second, "Wact"), "2032.1279");
    EXPECT_EQ(resultValue(second, "inc"), "5");
    EXPECT_EQ(resultValue(second, "t"), "30");
    EXPECT_EQ(resultValue(second, "s"), "13.166667");
    EXPECT_EQ(resultValue(second, "status"), "2");
}

TEST(SpreadFootingTool, CorrectionsLandInTheFieldsInOrder) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> messages;
        std::vector<std::pair<std::string, std::string>> fields;
        int status;
    } cases[] = {
        {{"Text3=8", "Text13=0"}, {"1.", "9.", "16."}, {{"Text13", "0.1"}}, 1},
        {{"Text3=8", "Text1=999"}, {"2.", "16."}, {{"Text1", "1000"}}, 1},
        {{"Text3=8", "Text1=1000"}, {}, {{"Text1", "1000"}}, 2},
        {{"Text3=1.5"}, {"3.", "16."}, {{"Text3", "8"}}, 1},
        {{"Text3=8", "Text2=abc"}, {"4."}, {{"Text2", "25"}}, 2},
        {{"Text3=8", "Text4=99"}, {"5."}, {{"Text4", "150"}}, 2},
        {{"Text3=8", "Text4=1200"}, {"6.", "16."}, {{"Text4", "150"}}, 1},
        {{"Text3=8", "Text5=30"}, {"7."}, {{"Text5", "65"}}, 2},
        {{"Text3=8", "Text6=800"}, {"8."}, {{"Text6", "1200"}}, 2},
        {{"Text3=8", "Text2=40"}, {"12.", "16."}, {{"Text2", "40"}}, 1},
        {{"Text3=8", "Text1=50000"}, {}, {{"Text1", "50000"}}, 2},
    };
    for (const auto& c : cases) {
        const ToolRun r = runWith(c.args);
        EXPECT_EQ(messageTexts(r.report), c.messages) << c.args.back();
        for (const auto& [field, text] : c.fields) EXPECT_EQ(r.inv.state.fields.get(field), text) << c.args.back();
        EXPECT_EQ(r.report.status, c.status) << c.args.back();
        EXPECT_EQ(r.report.labels.get("Label33"), c.status == 2 ? spreadfooting::kVerdictUsable
                                                                 : spreadfooting::kVerdictNotUsable);
    }
}

TEST(SpreadFootingTool, WideFootingCountsBarsOverItsWidth) {
    const ToolRun r = runWith({"Text3=8", "Text1=50000"});
    EXPECT_EQ(r.report.labels.get("Label15"), "271");
    EXPECT_EQ(r.report.labels.get("Label21"), "33.5926");
    EXPECT_EQ(r.report.labels.get("Label24"), "35");
    EXPECT_EQ(r.report.labels.get("Label25"), "35");
}

TEST(SpreadFootingTool, OddInputsGiveCleanJson) {
    const std::vector<std::vector<std::string>> runs{
        {"Text3=1000"},                 // a single bar: the spacing cannot be formed
        {"Text3=8", "Text1=1e300"},     // far beyond any footing
        {"Text3=8", "Text6=1e12"},      // no lever arm left
        {"Text3=8", "Text2=1e20"},
        {"Text1=-5", "Text3=-1", "Text2=-1", "Text4=-1", "Text5=-1", "Text6=-1", "Text13=-1"},
    };
    const Module m = spreadFootingCliModule();
    for (const auto& args : runs) {
        const ToolRun r = runWith(args);
        EXPECT_EQ(r.report.status, 1) << args.back();
        const std::string json = toJson(m, r.inv.state, r.report);
        for (const char* bad : {"nan", "inf", "NaN", "Inf"}) EXPECT_EQ(json.find(bad), std::string::npos) << json;
        EXPECT_EQ(r.report.result.entries().size(), 49u);
    }
    // The single-bar failure shows only the closing message.
    EXPECT_EQ(messageTexts(runWith({"Text3=1000"}).report), std::vector<std::string>{"16."});
}

TEST(SpreadFootingForm, SummaryTextIsRightAligned) {
    const std::string text = spreadfooting::summaryText();
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "สรุปผลการคำนวณฐานรากแผ่");
    int flush = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string body = spreadfooting::summaryLines()[i - 1].text;
        ASSERT_GE(lines[i].size(), body.size());
        EXPECT_EQ(lines[i].substr(lines[i].size() - body.size()), body);
        EXPECT_EQ(lines[i].find_first_not_of(' '), lines[i].size() - body.size());
        if (lines[i].size() == body.size()) ++flush;
    }
    EXPECT_GE(flush, 1);  // the longest line sets the width
}
