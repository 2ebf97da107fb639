#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "beam/beam_form.h"
#include "beam/beam_module.h"
#include "beam/beam_module.h"
#include "common/checked.h"
#include "common/numtext.h"

using namespace mx;
using namespace mx::beam;

TEST(BeamForm, FieldLimits) {
    struct Case {
        const char* field;
        const char* text;
        bool fires;
        const char* correction;  // nullptr: nothing written
        Icon icon;
    };
    const std::vector<Case> cases{
        {"Text2", "17000", false, nullptr, Icon::Critical},   {"Text2", "17000.5", true, nullptr, Icon::Critical},
        {"Text3", "120", false, nullptr, Icon::Critical},     {"Text3", "120.4", false, nullptr, Icon::Critical},
        {"Text3", "120.6", true, "20", Icon::Critical},       {"Text4", "281", true, "40", Icon::Critical},
        {"Text4", "280", false, nullptr, Icon::Critical},     {"Text5", "5.1", true, nullptr, Icon::Exclamation},
        {"Text6", "41", true, "25", Icon::Critical},          {"Text7", "40", false, nullptr, Icon::Critical},
        {"Text7", "41", true, "25", Icon::Critical},          {"Text8", "16", true, "15", Icon::Critical},
        {"Text10", "4", true, "1", Icon::None},               {"Text10", "3.4", false, nullptr, Icon::None},
        {"Text12", "151", true, nullptr, Icon::Information},  {"Text13", "70", true, "45", Icon::Critical},
        {"Text13", "65", false, nullptr, Icon::Critical},     {"Text14", "1701", true, "1200", Icon::Critical},
        {"Text31", "0.9", true, "1", Icon::Critical},         {"Text31", "", true, "1", Icon::Critical},
        {"Text32", "1", false, nullptr, Icon::Critical},      {"Text17", "21", true, "0", Icon::None},
        {"Text18", "20", false, nullptr, Icon::None},         {"Text21", "25", true, "0", Icon::None},
        {"Text22", "11", true, "0", Icon::None},              {"Text19", "1001", true, "0", Icon::None},
        {"Text23", "501", true, "0", Icon::None},             {"Text1", "999", false, nullptr, Icon::None},
        // Beyond the 16-bit range counts as above the limit, never as a failure.
        {"Text3", "99999", true, "20", Icon::Critical},       {"Text14", "1000000000", true, "1200", Icon::Critical},
        {"Text10", "-99999", false, nullptr, Icon::None},
    };
    for (const Case& c : cases) {
        const auto check = checkBeamField(c.field, c.text);
        ASSERT_EQ(check.has_value(), c.fires) << c.field << "=" << c.text;
        if (!check) continue;
        EXPECT_EQ(check->message.icon, c.icon) << c.field;
        EXPECT_EQ(check->correction.has_value(), c.correction != nullptr) << c.field;
        if (c.correction) {
            EXPECT_EQ(*check->correction, c.correction) << c.field;
            // The corrected text passes its own check again.
            EXPECT_FALSE(checkBeamField(c.field, *check->correction)) << c.field;
        }
    }
    EXPECT_TRUE(checkBeamField("Text31", "0")->correctionAfterMessage);
    EXPECT_FALSE(checkBeamField("Text3", "200")->correctionAfterMessage);
    EXPECT_EQ(checkBeamField("Text10", "9")->message.title, kProgramTitle);
    EXPECT_EQ(checkBeamField("Text13", "70")->message.title, "ค่าหน่วยแรงของคอนกรีต");
}

TEST(BeamForm, SpanCheckAndSuggestions) {
    const SpanCheck over = checkSpan("25");
    EXPECT_TRUE(over.resetToOne);
    EXPECT_EQ(over.span, 1);
    ASSERT_TRUE(over.message);
    EXPECT_EQ(over.message->title, "ความยาวคานมากเกินไป");
    const SpanCheck empty = checkSpan("");
    EXPECT_FALSE(empty.resetToOne);
    EXPECT_EQ(empty.span, 1);
    ASSERT_TRUE(empty.message);
    EXPECT_EQ(empty.message->text, "3.คุณยังไม่ได้กำหนดความยาวของคาน?");
    EXPECT_FALSE(checkSpan("20").message);
    EXPECT_EQ(checkSpan("4.5").span, 4.5);

    using W = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        double span;
        int type;
        W writes;
    };
    const std::vector<Case> cases{
        {1, 1, {{"Text2", "400"}, {"Text3", "5"}, {"Text4", "10"}, {"Text17", "1"}, {"Text18", "1"}, {"Text21", "1"}}},
        {5, 1, {{"Text2", "2000"}, {"Text3", "25"}, {"Text4", "50"}, {"Text17", "5"}, {"Text18", "5"}, {"Text21", "5"},
                {"Text6", "15"}, {"Text7", "15"}, {"Text6", "19"}, {"Text7", "19"}}},
        {5, 5, {{"Text2", "2000"}, {"Text3", "25"}, {"Text4", "50"}, {"Text17", "5"}, {"Text18", "5"}, {"Text21", "5"},
                {"Text6", "15"}, {"Text7", "15"}, {"Text6", "19"}, {"Text7", "19"}, {"Text3", "50"}, {"Text4", "100"}}},
        {0.3, 1, {{"Text2", "120"}, {"Text3", "1.5"}, {"Text4", "3"}, {"Text17", "0.3"}, {"Text18", "0.3"}, {"Text21", "0.3"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(spanSuggestions(c.span, c.type), c.writes) << c.span;
    const auto seven = spanSuggestions(7, 1);
    EXPECT_EQ(seven.back(), (std::pair<std::string, std::string>{"Text8", "9"}));
}

TEST(BeamForm, LiveLoadCalculator) {
    FieldSet f = beamDefaultFields();
    f.set("Text1", "4");
    f.set("Text18", "2.5");
    f.set("Text21", "4");
    f.set("Text25", "100");
    f.set("Text27", "50");
    const LiveLoadEstimate e = estimateLiveLoad(f, kSimple);
    EXPECT_EQ(e.floor, 3000);  // 4 x 2.5 x 300
    EXPECT_EQ(e.wall, 2160);   // 4 x 3 x 180
    EXPECT_EQ(e.points, 150);
    EXPECT_EQ(e.pointEquivalent, 300);  // k = 2 for a simple beam
    EXPECT_EQ(e.total, 5460);
    EXPECT_EQ(e.perMetre, 1365);
    EXPECT_FALSE(e.message);
    f.set("Text1", "");
    const LiveLoadEstimate noSpan = estimateLiveLoad(f, kSimple);
    EXPECT_EQ(noSpan.perMetre, 5460);
    ASSERT_TRUE(noSpan.message);
    EXPECT_EQ(noSpan.message->title, "BEAM-01");
    f.set("Text25", "100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000");
    f.set("Text26", "100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000");
    EXPECT_THROW(estimateLiveLoad(f, kSimple), ArithmeticError);
}

// A point load P = 2000 kg at its worst place, worked by hand, against the type's own
// coefficients under the equivalent uniform load k P / L: the moment of the same sign
// and the larger end shear are never less than the point load's.
TEST(BeamForm, PointLoadsAsTheirEquivalentUniformLoad) {
    const struct {
        const char* name;
        int type;
        const char *span, *overhang;
        double k, perMetre;
        bool negative;    // the moment compared is M- (else M+)
        double moment;    // the point load's largest moment of that sign, kg-m
        double shear;     // its largest end shear, kg
    } cases[] = {
        {"simple, P at midspan: P L / 4", kSimple, "4", "?", 2, 1000, false, 2000, 2000},
        {"end span, P at 0.366 L from the pin: 0.1741 P L", kEndSpan, "4", "?", 2.5, 1250, false, 1392.5, 2000},
        {"end span, P at L / sqrt 3: 0.1925 P L at the fixed end", kEndSpan, "4", "?", 2.5, 1250, true, 1539.6, 2000},
        {"continuous, P at midspan: P L / 8", kContinuous, "4", "?", 3, 1500, false, 1000, 2000},
        {"continuous, P at L / 3: 4 P L / 27 at the end", kContinuous, "4", "?", 3, 1500, true, 1185.2, 2000},
        {"overhang 1 m, P at the tip: P a", kOverhang, "4", "1", 8, 4000, true, 2000, 2500},
        {"overhang not given is 1 m", kOverhang, "4", "?", 8, 4000, true, 2000, 2500},
        {"overhang 3 m, P at midspan: P L / 4", kOverhang, "4", "3", 10.45, 5225, false, 2000, 3500},
        {"cantilever, P at the tip: P L", kCantilever, "2", "?", 2, 2000, true, 4000, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FieldSet f = beamDefaultFields();
        f.set("Text1", c.span);
        f.set("Text5", c.overhang);
        f.set("Text25", "2000");
        const LiveLoadEstimate e = estimateLiveLoad(f, c.type);
        ASSERT_TRUE(e.pointFactor);
        EXPECT_EQ(*e.pointFactor, c.k);
        EXPECT_DOUBLE_EQ(e.perMetre, c.perMetre);
        const double L = num(c.span), a = num(c.overhang) > 0 ? num(c.overhang) : 1;
        const UniformLoadMoments m = uniformLoadMoments(c.type, e.perMetre, L, a);
        EXPECT_GE(c.negative ? m.negative : m.positive, c.moment);
        const UniformLoadShears v = uniformLoadShears(c.type, e.perMetre, L, a);
        EXPECT_GE(std::max(v.r1, v.r2), c.shear);
    }
    // Point loads with no factor to take them by are refused; without point loads the
    // estimate goes on.
    FieldSet f = beamDefaultFields();
    f.set("Text1", "3");
    f.set("Text5", "3");
    EXPECT_FALSE(estimateLiveLoad(f, kOverhang).refusal);
    f.set("Text26", "500");
    for (int type : {0, int{kOverhang}}) {
        const LiveLoadEstimate e = estimateLiveLoad(f, type);
        ASSERT_TRUE(e.refusal);
        EXPECT_EQ(e.refusal->text.substr(0, 2), type == 0 ? "2." : "3.");
    }
}

TEST(BeamForm, TablesAndButtons) {
    EXPECT_EQ(floorLoadTable().size(), 40u);
    EXPECT_EQ(wallWeightTable().size(), 9u);
    for (const auto* table : {&floorLoadTable(), &wallWeightTable()})
        for (const LoadEntry& e : *table) {
            const std::string t = e.text;
            EXPECT_EQ(t.substr(t.size() - std::to_string(e.load).size()), std::to_string(e.load)) << t;
        }
    EXPECT_EQ(mainBarSizes().size(), 13u);
    EXPECT_EQ(stirrupBarSizes().back(), 15);
    EXPECT_EQ(barSizeText(12), "12 มม.");
    EXPECT_EQ(beamTypeButton(0), nullptr);
    EXPECT_EQ(beamTypeButton(6), nullptr);
    EXPECT_STREQ(beamTypeButton(4)->caption, "4.คานที่ออกแบบมีปลายเป็นคานยื่น");
    EXPECT_STREQ(barHeadings(kCantilever).label40, "เหล็กนอนบน");
    EXPECT_STREQ(barHeadings(kSimple).label40, "เหล็กนอนล่าง");
    EXPECT_STREQ(gradeButton(SteelGrade::SD35).fs, "1600");
}

namespace {
cli::Report runCli(const std::vector<std::string>& args, cli::Invocation& inv) {
    const ModuleDescription m = beam::description();
    EXPECT_FALSE(cli::parseSettings(m, args, inv));
    return cli::runModule(m, inv.state, false);
}
}  // namespace

TEST(BeamCli, DefaultsExample) {
    cli::Invocation inv;
    const cli::Report r = runCli({"type=1", "Text1=4"}, inv);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.verdict, std::string(kVerdictUsable));
    EXPECT_TRUE(r.messages.empty());
    const std::vector<std::pair<const char*, const char*>> labels{
        {"Label14", "30"},   {"Label15", "1252.8"}, {"Label16", "0"},          {"Label17", "1252.8"},
        {"Label18", "2503.2227"}, {"Label19", "-1250.4227"}, {"Label20", "6.7643"}, {"Label21", "0"},
        {"Label22", "6.7643"}, {"Label23", "12"},  {"Label24", "6"},          {"Label25", "0"},
        {"Label26", "12"},   {"Label27", "2"},      {"Label28", "3.5518"},     {"Label29", "2486.26"},
        {"Label30", "1252.8"}, {"Label31", "1252.8"}, {"Label32", "-1233.46"}, {"Label33", "0.5657"},
        {"Label34", "6"},    {"Label35", "1"},      {"Label36", "18"},         {"Label49", kVerdictUsable},
    };
    for (const auto& [name, text] : labels) EXPECT_EQ(r.labels.get(name), text) << name;
    std::map<std::string, std::string> result(r.result.entries().begin(), r.result.entries().end());
    EXPECT_EQ(result["requiredDepth"], "25");
    EXPECT_EQ(result["bottomBarsPerLayer"], "4");
    EXPECT_EQ(result["stirrupSpacing"], "18");
    EXPECT_EQ(result["DesignStatus"], "2");
    EXPECT_EQ(r.result.entries().size(), 60u);
}

TEST(BeamCli, ButtonsCorrectionsAndStops) {
    cli::Invocation inv;
    cli::Report r = runCli({"type=2", "grade=SD40", "Text1=4", "Text13=20"}, inv);
    EXPECT_EQ(inv.state.typeCode, 2);
    EXPECT_EQ(inv.state.fields.get("Text14"), "1700");
    EXPECT_EQ(inv.state.fields.get("Text13"), "45");  // corrected by the run
    ASSERT_FALSE(r.messages.empty());
    EXPECT_EQ(r.messages.front().text.substr(0, 3), "10.");

    cli::Invocation stop;
    r = runCli({"type=1"}, stop);  // no span
    EXPECT_EQ(stop.state.fields.get("Text1"), "0");
    EXPECT_EQ(stop.state.fields.get("Text2"), "150");  // nothing else changes
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.labels.get("Label15"), "");
    EXPECT_EQ(r.labels.get("Label49"), kVerdictNotUsable);
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[1], beamClosingMessage());

    cli::Invocation bad;
    EXPECT_TRUE(cli::parseSettings(beam::description(), {"type=6"}, bad).has_value());
    EXPECT_TRUE(cli::parseSettings(beam::description(), {"type=0"}, bad).has_value());
}

TEST(BeamCli, ToolBinary) {
    // The tool lives in the same build tree: <build>/src/cli beside <build>/tests/beam.
    // The span is set as it stands (--raw): typed, it would bring the span's suggestions.
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto toolPath = self.parent_path().parent_path().parent_path() / "src" / "cli" / "mx7100-calc";
    if (ec || !std::filesystem::exists(toolPath)) GTEST_SKIP() << "mx7100-calc not built";
    const std::string tool = toolPath.string();
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen((tool + " beam --raw type=1 Text1=4").c_str(), "r"), pclose);
    ASSERT_TRUE(p);
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p.get())) out.append(buf, n);
    EXPECT_NE(out.find("\"status\": 2"), std::string::npos);
    EXPECT_NE(out.find("\"momentConcrete\": 2503.2227"), std::string::npos);
}
