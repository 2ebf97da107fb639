#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "beam/beam_design.h"
#include "beam/beam_form.h"

using namespace mx;
using namespace mx::beam;

namespace {

using Overrides = std::vector<std::pair<std::string, std::string>>;

BeamDesignOutcome design(int type, const Overrides& fields) {
    FieldSet f = beamDefaultFields();
    for (const auto& [name, text] : fields) f.set(name, text);
    return calculateBeam(readBeamInput(f, type));
}

// The leading number of each message ("14", "22") or the whole text when it has none.
std::vector<std::string> numbers(const BeamDesignOutcome& o) {
    std::vector<std::string> out;
    for (const Message& m : o.diagnostics.messages()) {
        const auto dot = m.text.find('.');
        const std::string head = dot == std::string::npos ? m.text : m.text.substr(0, dot);
        const bool numeric = !head.empty() && head.find_first_not_of("0123456789") == std::string::npos;
        out.push_back(numeric ? head : m.text == beamClosingMessage().text ? "end" : m.text);
    }
    return out;
}

bool has(const std::vector<std::string>& v, const std::string& s) {
    for (const auto& x : v)
        if (x == s) return true;
    return false;
}

}  // namespace

TEST(BeamDesign, DefaultsWithFourMetreSimpleBeam) {
    const BeamDesignOutcome o = design(kSimple, {{"Text1", "4"}});
    const BeamDesignResult& r = o.result;
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(r.status, DesignStatus::Usable);
    EXPECT_EQ(o.verdict, "คานที่คุณออกแบบใช้ได้ OK.");
    EXPECT_TRUE(o.diagnostics.empty());
    EXPECT_TRUE(o.reachedResults);
    const std::vector<std::pair<const char*, std::pair<Fixed, const char*>>> fixedValues{
        {"designLoad", {r.designLoad, "626.4"}},       {"deadLoad", {r.deadLoad, "326.4"}},
        {"momentPos", {r.momentPos, "1252.8"}},        {"momentMax", {r.momentMax, "1252.8"}},
        {"momentNeg", {r.momentNeg, "0"}},             {"n", {r.n, "10.2425"}},
        {"k", {r.k, "0.3568"}},                        {"j", {r.j, "0.8811"}},
        {"r", {r.r, "10.2172"}},                       {"Mc", {r.momentConcrete, "2503.2227"}},
        {"Ms", {r.momentSteel, "-1250.4227"}},         {"As1", {r.steelAreaConcrete, "6.7643"}},
        {"As2", {r.steelAreaSteel, "0"}},              {"As", {r.steelArea, "6.7643"}},
        {"barArea", {r.bottomBarArea, "1.1314"}},      {"ratio", {r.bottomBarRatio, "5.9787"}},
        {"layers", {r.bottomLayers, "2"}},             {"vc", {r.concreteShearStress, "3.5518"}},
        {"Vc", {r.concreteShear, "2486.26"}},          {"R1", {r.reaction1, "1252.8"}},
        {"R2", {r.reaction2, "1252.8"}},               {"Vs1", {r.stirrupShear, "-1233.46"}},
        {"Av1", {r.stirrupArea, "0.5657"}},            {"spacing", {r.stirrupSpacing, "18"}},
        {"alpha", {r.narrowFactor, "1"}},              {"As'", {r.compressionArea, "0"}},
    };
    for (const auto& [name, v] : fixedValues) EXPECT_EQ(v.first.text(), v.second) << name;
    const std::vector<std::pair<const char*, std::pair<int, int>>> ints{
        {"requiredDepth", {r.requiredDepth, 25}}, {"cover", {r.cover, 5}},
        {"d", {r.effectiveDepth, 35}},            {"recommendedDepth", {r.recommendedDepth, 30}},
        {"depthMargin", {r.depthMargin, 5}},      {"tolerance", {r.depthTolerance, 20}},
        {"bottomBarCount", {r.bottomBarCount, 6}}, {"perLayer", {r.bottomBarsPerLayer, 4}},
        {"topBarCount", {r.topBarCount, 2}},      {"maxSpacing", {r.maxStirrupSpacing, 18}},
    };
    for (const auto& [name, v] : ints) EXPECT_EQ(v.first, v.second) << name;
}

TEST(BeamDesign, InputChecksStopContinueOrCorrect) {
    struct Case {
        const char* what;
        int type;
        Overrides fields;
        std::vector<std::string> messages;
        std::vector<Correction> corrections;
        DesignStatus status;
    };
    const Overrides span{{"Text1", "4"}};
    auto with = [&](Overrides extra) {
        Overrides o = span;
        o.insert(o.end(), extra.begin(), extra.end());
        return o;
    };
    const std::vector<Case> cases{
        {"no type", 0, span, {"1", "end"}, {}, DesignStatus::NotUsable},
        {"type 6", 6, span, {"1", "end"}, {}, DesignStatus::NotUsable},
        {"no span", 1, {}, {"2", "end"}, {{"Text1", "0"}}, DesignStatus::NotUsable},
        {"negative span", 1, {{"Text1", "-3"}}, {"2", "end"}, {{"Text1", "0"}}, DesignStatus::NotUsable},
        {"no load", 1, with({{"Text2", "?"}}), {"3", "end"}, {}, DesignStatus::NotUsable},
        {"load 17001", 1, with({{"Text2", "17001"}}), {"4", "end"}, {}, DesignStatus::NotUsable},
        {"no width", 1, with({{"Text3", "0.4"}}), {"4", "end"}, {}, DesignStatus::NotUsable},
        {"no depth", 1, with({{"Text4", ""}}), {"5", "end"}, {}, DesignStatus::NotUsable},
        {"top bar 8", 1, with({{"Text6", "8"}}), {"6", "end"}, {{"Text6", "15"}}, DesignStatus::NotUsable},
        {"bottom bar 8.4", 1, with({{"Text7", "8.4"}}), {"7", "end"}, {{"Text7", "15"}}, DesignStatus::NotUsable},
        {"stirrup 5", 1, with({{"Text8", "5"}}), {"8", "end"}, {}, DesignStatus::NotUsable},
        {"fc' 90", 1, with({{"Text12", "90"}}), {"3"}, {{"Text12", "150"}}, DesignStatus::Usable},
        {"fc' 100", 1, with({{"Text12", "100"}}), {}, {}, DesignStatus::Usable},
        {"fc' 1200", 1, with({{"Text12", "1200"}}), {"คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.", "end"},
         {{"Text12", "150"}}, DesignStatus::NotUsable},
        {"fc 30", 1, with({{"Text13", "30"}}), {"10"}, {{"Text13", "45"}}, DesignStatus::Usable},
        {"fs 800", 1, with({{"Text14", "800"}}), {"11"}, {{"Text14", "1200"}}, DesignStatus::Usable},
        // fs 801 is accepted; so little steel stress needs three layers of bars.
        {"fs 801", 1, with({{"Text14", "801"}}), {"25", "end"}, {}, DesignStatus::NotUsable},
        {"fs 1701", 1, with({{"Text14", "1701"}}), {"12", "end"}, {}, DesignStatus::NotUsable},
        {"no stirrup sets", 1, with({{"Text10", "?"}}), {"13"}, {}, DesignStatus::Usable},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(c.type, c.fields);
        EXPECT_EQ(numbers(o), c.messages) << c.what;
        EXPECT_EQ(o.diagnostics.corrections(), c.corrections) << c.what;
        EXPECT_EQ(o.status, c.status) << c.what;
        // A stop ends before the result panel: its message is the one before the closing one.
        const bool stopped = c.messages.size() == 2 && c.messages.back() == "end" && c.messages.front() != "25";
        EXPECT_EQ(o.reachedResults, !stopped) << c.what;
    }
}

TEST(BeamDesign, CorrectionsComeAtTheirMessages) {
    // fs corrected before its message, fc' after its own: each correction sits next
    // to the message that raised it so the window writes it at that moment.
    const BeamDesignOutcome o = design(kSimple, {{"Text1", "4"}, {"Text12", "50"}, {"Text14", "700"}});
    const auto& ev = o.diagnostics.events();
    ASSERT_EQ(ev.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<Message>(ev[0]));
    EXPECT_EQ(std::get<Correction>(ev[1]), (Correction{"Text12", "150"}));
    EXPECT_EQ(std::get<Correction>(ev[2]), (Correction{"Text14", "1200"}));
    EXPECT_EQ(std::get<Message>(ev[3]).text.substr(0, 3), "11.");
    EXPECT_EQ(o.result.fcPrime, 150);
    EXPECT_EQ(o.result.fs, 1200);
}

TEST(BeamDesign, MaterialBoundaries) {
    struct Case {
        const char* field;
        const char* text;
        double fcPrime, fc;
        int fs;
    };
    const std::vector<Case> cases{
        {"Text12", "1000", 1000, 65, 1200}, {"Text12", "99.9", 150, 65, 1200}, {"Text13", "30.01", 150, 30.01, 1200},
        {"Text14", "1700", 150, 65, 1700},  {"Text14", "800.4", 150, 65, 1200}, {"Text14", "800.6", 150, 65, 801},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, {{"Text1", "4"}, {c.field, c.text}});
        EXPECT_TRUE(o.reachedResults) << c.text;
        EXPECT_EQ(o.result.fcPrime, c.fcPrime) << c.text;
        EXPECT_EQ(o.result.fc, c.fc) << c.text;
        EXPECT_EQ(o.result.fs, c.fs) << c.text;
    }
    EXPECT_EQ(design(kSimple, {{"Text1", "4"}, {"Text10", "0"}}).result.stirrupSets, 1);
}

TEST(BeamDesign, SlendernessLimits) {
    struct Case {
        const char* span;
        bool info14, stop15, final21;
        const char* alpha;
    };
    // b = 20 and D = 60 so that only the width governs.
    const std::vector<Case> cases{
        {"6", false, false, false, "1"},
        {"6.02", true, false, true, "0.9975"},
        {"10", true, false, true, "0.5"},
        {"10.02", true, true, false, "0.4975"},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, {{"Text1", c.span}, {"Text4", "60"}, {"Text2", "10"}});
        const auto m = numbers(o);
        EXPECT_EQ(has(m, "14"), c.info14) << c.span;
        EXPECT_EQ(has(m, "15"), c.stop15) << c.span;
        EXPECT_EQ(has(m, "21"), c.final21) << c.span;
        EXPECT_EQ(o.result.narrowFactor.text(), c.alpha) << c.span;
        if (c.info14 || c.stop15) {
            EXPECT_EQ(o.status, DesignStatus::NotUsable) << c.span;
        }
        EXPECT_EQ(o.reachedResults, !c.stop15) << c.span;
    }
    const auto o = design(kSimple, {{"Text1", "6.02"}, {"Text4", "60"}});
    ASSERT_FALSE(o.diagnostics.messages().empty());
    EXPECT_EQ(o.diagnostics.messages()[0].icon, Icon::Information);
}

TEST(BeamDesign, DepthRaisedForTheCalculationOnly) {
    struct Case {
        Overrides fields;
        bool msg16, msg17;
        int depth;
    };
    const std::vector<Case> cases{
        {{{"Text1", "8"}}, false, false, 40},                     // 100 L / D = 20 exactly
        {{{"Text1", "9"}}, true, false, 45},                      // 22.5: D = nearest(45)
        {{{"Text1", "4"}, {"Text3", "30"}, {"Text4", "25"}}, false, true, 30},
        {{{"Text1", "6"}, {"Text3", "30"}, {"Text4", "20"}}, true, false, 30},  // raised to 30 = b
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, c.fields);
        const auto m = numbers(o);
        EXPECT_EQ(has(m, "16"), c.msg16) << c.depth;
        EXPECT_EQ(has(m, "17"), c.msg17) << c.depth;
        EXPECT_EQ(o.result.depth, c.depth);
        for (const Correction& corr : o.diagnostics.corrections()) EXPECT_NE(corr.field, "Text4");
    }
}

TEST(BeamDesign, CoverAndToleranceByDepth) {
    struct Case {
        int depth, cover, tolerance;
    };
    const std::vector<Case> cases{{35, 3, 15},  {36, 5, 20},  {60, 5, 20},  {61, 7, 30},  {90, 7, 30},
                                  {91, 7, 50},  {120, 7, 50}, {121, 7, 70}, {150, 7, 70}, {151, 7, 80},
                                  {180, 7, 80}, {181, 7, 90}, {280, 7, 90}};
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, {{"Text1", "1"}, {"Text4", std::to_string(c.depth)}});
        EXPECT_TRUE(o.reachedResults) << c.depth;
        EXPECT_EQ(o.result.cover, c.cover) << c.depth;
        EXPECT_EQ(o.result.depthTolerance, c.tolerance) << c.depth;
        EXPECT_EQ(o.result.effectiveDepth, c.depth - c.cover) << c.depth;
    }
    // A deep beam with a small moment is judged wasteful, a shallow one short.
    EXPECT_TRUE(has(numbers(design(kSimple, {{"Text1", "1"}, {"Text4", "80"}})), "23"));
    EXPECT_TRUE(has(numbers(design(kSimple, {{"Text1", "4"}, {"Text2", "4000"}})), "24"));
}

TEST(BeamDesign, MomentsAndReactionsOfEachType) {
    struct Case {
        int type;
        const char *mNeg, *mPos, *mMax, *r1, *r2, *maxShear;
    };
    // wu = 626.4 kg/m, L = 4 m, overhang left at "?" (taken as 1 m).
    const std::vector<Case> cases{
        {kSimple, "0", "1252.8", "1252.8", "1252.8", "1252.8", "1252.8"},
        {kEndSpan, "1252.8", "704.7", "1252.8", "939.6", "1566", "1566"},
        {kContinuous, "835.2", "417.6", "835.2", "1252.8", "1252.8", "1252.8"},
        {kOverhang, "313.2", "1101.0938", "1101.0938", "1174.5", "1957.5", "1957.5"},
        {kCantilever, "5011.2", "0", "5011.2", "0", "2505.6", "2505.6"},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(c.type, {{"Text1", "4"}});
        const BeamDesignResult& r = o.result;
        EXPECT_EQ(r.momentNeg.text(), c.mNeg) << c.type;
        EXPECT_EQ(r.momentPos.text(), c.mPos) << c.type;
        EXPECT_EQ(r.momentMax.text(), c.mMax) << c.type;
        EXPECT_EQ(r.reaction1.text(), c.r1) << c.type;
        EXPECT_EQ(r.reaction2.text(), c.r2) << c.type;
        EXPECT_EQ(r.maxShear.text(), c.maxShear) << c.type;
        EXPECT_GE(r.bottomBarCount, 2) << c.type;
        EXPECT_GE(r.topBarCount, 2) << c.type;
    }
    // The overhang length given is used: a = 2 m.
    const BeamDesignResult r = design(kOverhang, {{"Text1", "4"}, {"Text5", "2"}}).result;
    EXPECT_EQ(r.overhangLength, 2);
    EXPECT_EQ(r.momentNeg.text(), "1252.8");
    EXPECT_EQ(r.reaction2.text(), "2818.8");  // 626.4 x 36 / 8
}

TEST(BeamDesign, BarsPerLayerAndLayers) {
    struct Case {
        const char* width;
        const char* depth;
        int perLayer;
        const char* layers;
        bool msg25;
    };
    // 12 mm bars, L = 1 m: x = (b - 7.5) / 3.7; the concrete moment sets the bars.
    const std::vector<Case> cases{
        {"10", "40", 1, "3", true},   // x = 0.68, integer part 0: nearest(x) = 1 bar a layer
        {"11", "40", 1, "4", true},   // x = 0.95
        {"12", "40", 2, "2", false},  // x = 1.22: 1 + 1; 4 bars make 2 layers
        {"12", "20", 2, "1", false},  // 2 bars, 1 layer
        {"20", "20", 4, "1", false},  // 3 bars fit one layer of 4
        {"20", "40", 4, "2", false},  // 6 bars: 1.5 layers count as 2
        {"12", "60", 2, "3", true},   // 6 bars in 3 layers
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, {{"Text1", "1"}, {"Text3", c.width}, {"Text4", c.depth}});
        EXPECT_TRUE(o.reachedResults) << c.width << " " << c.depth;
        EXPECT_EQ(o.result.bottomBarsPerLayer, c.perLayer) << c.width << " " << c.depth;
        EXPECT_EQ(o.result.bottomLayers.text(), c.layers) << c.width << " " << c.depth;
        EXPECT_EQ(has(numbers(o), "25"), c.msg25) << c.width << " " << c.depth;
    }
}

TEST(BeamDesign, StirrupSpacing) {
    // Concrete carries all the shear: the spacing is nearest(d / 2).
    EXPECT_EQ(design(kSimple, {{"Text1", "4"}, {"Text4", "41"}}).result.stirrupSpacing.text(), "18");  // d = 36
    // A little shear for the stirrups gives a wide spacing, capped at nearest(d / 2).
    const BeamDesignResult c = design(kCantilever, {{"Text1", "4"}}).result;
    EXPECT_GT(c.stirrupShear, Fixed());
    EXPECT_EQ(c.stirrupSpacing.text(), "18");
    // Heavy shear: Av1 x 1200 x d / Vs1 below 5 cm.
    const BeamDesignOutcome heavy = design(kSimple, {{"Text1", "4"}, {"Text2", "4000"}});
    EXPECT_EQ(heavy.result.stirrupSpacing.text(), "1.6771");
    EXPECT_TRUE(has(numbers(heavy), "27"));
    // Double stirrups have four legs.
    EXPECT_EQ(design(kSimple, {{"Text1", "4"}, {"Text10", "2"}}).result.stirrupArea.text(), "1.1314");
}

TEST(BeamDesign, FinalChecksEachMarkTheBeamUnusable) {
    struct Case {
        const char* what;
        Overrides fields;
        std::vector<std::string> messages;
        const char* topLayers;
    };
    // Every final check runs and each that holds adds its message in order.
    const std::vector<Case> cases{
        {"defaults", {{"Text1", "4"}}, {}, "1"},
        // As1 balances the whole concrete moment, so a deep section also asks for
        // more bottom bars than two layers hold.
        {"deep beam, light load", {{"Text1", "1"}, {"Text4", "80"}}, {"23", "25", "end"}, "1"},
        // Small top bars under heavy compression steel need ten layers; the count
        // of layers above two keeps its fraction. Compression steel stays below the
        // tension steel, so only the layers, the depth and the stirrups fail.
        {"top bars in more than two layers",
         {{"Text1", "4"}, {"Text2", "2500"}, {"Text4", "35"}, {"Text6", "9"}, {"Text7", "32"}},
         {"24", "26", "27", "end"},
         "9.8"},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, c.fields);
        EXPECT_TRUE(o.reachedResults) << c.what;
        EXPECT_EQ(numbers(o), c.messages) << c.what;
        EXPECT_EQ(o.status, c.messages.empty() ? DesignStatus::Usable : DesignStatus::NotUsable) << c.what;
        EXPECT_EQ(o.result.topLayers.text(), c.topLayers) << c.what;
        // The final checks come after the result panel is filled.
        EXPECT_EQ(o.resultEventIndex, 0u) << c.what;
    }
}

TEST(BeamDesign, CompressionSteelAboveTensionSteel) {
    const BeamDesignOutcome o = design(kSimple, {{"Text1", "2.6"}, {"Text2", "5000"}, {"Text3", "13"}, {"Text4", "13"}});
    EXPECT_GT(o.result.compressionArea, o.result.steelArea);
    const auto m = numbers(o);
    EXPECT_TRUE(has(m, "18"));
    EXPECT_TRUE(has(m, "22"));
    EXPECT_EQ(o.status, DesignStatus::NotUsable);
    // 18 comes during the run, before the result panel; 22 after it.
    const auto& ev = o.diagnostics.events();
    ASSERT_GT(o.resultEventIndex, 0u);
    EXPECT_EQ(std::get<Message>(ev[o.resultEventIndex - 1]).text.substr(0, 3), "18.");
    EXPECT_EQ(std::get<Message>(ev[o.resultEventIndex]).text.substr(0, 3), "22.");
}

TEST(BeamDesign, NegativeCompressionSteelIsUnsuitable) {
    const BeamDesignOutcome o = design(
        kSimple, {{"Text1", "1"}, {"Text2", "1000"}, {"Text3", "15"}, {"Text4", "17"}, {"Text13", "45"}, {"Text14", "1700"}});
    EXPECT_EQ(o.result.compressionArea.text(), "-234.7513");  // kept for the sheet
    EXPECT_EQ(o.result.topBarCount, 2);
    EXPECT_EQ(numbers(o), (std::vector<std::string>{"18", "22", "end"}));
    EXPECT_EQ(o.status, DesignStatus::NotUsable);
    EXPECT_EQ(o.verdict, "คานที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข?");
}

TEST(BeamDesign, ArithmeticErrorsEndThroughTheFailurePath) {
    struct Case {
        const char* what;
        Overrides fields;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"b = 8 with 12 mm bars: no bar fits a layer", {{"Text1", "1"}, {"Text3", "8"}}, {"end"}},
        {"b = 7: negative room for the bars", {{"Text1", "1"}, {"Text3", "7"}}, {"end"}},
        {"b x D above 32767", {{"Text1", "4"}, {"Text3", "200"}, {"Text4", "200"}}, {"end"}},
        {"width beyond 16 bits", {{"Text1", "4"}, {"Text3", "40000"}}, {"end"}},
        {"fs beyond 16 bits", {{"Text1", "4"}, {"Text14", "99999"}}, {"end"}},
        {"enormous span", {{"Text1", "100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"}}, {"end"}},
        {"message before the failure stays", {{"Text1", "4"}, {"Text3", "8"}}, {"14", "end"}},
    };
    for (const Case& c : cases) {
        const BeamDesignOutcome o = design(kSimple, c.fields);
        EXPECT_TRUE(o.arithmeticFailure) << c.what;
        EXPECT_EQ(o.status, DesignStatus::NotUsable) << c.what;
        EXPECT_FALSE(o.reachedResults) << c.what;
        EXPECT_EQ(numbers(o), c.messages) << c.what;
        EXPECT_EQ(o.verdict, kVerdictNotUsable) << c.what;
    }
    // Values computed before the failure remain.
    const BeamDesignResult r = design(kSimple, {{"Text1", "1"}, {"Text3", "8"}}).result;
    EXPECT_EQ(r.bottomBarsPerLayer, 0);
    EXPECT_EQ(r.designLoad.text(), "430.56");  // 300 + 1.7 x 0.24 x 8 x 40
    EXPECT_GT(r.bottomBarCount, 0);
    // k - cover / d exactly 0 while compression steel is needed: k = 0.25 (fc 40,
    // fs 1229) and cover / d = 3 / 12.
    const BeamDesignOutcome z = design(kSimple, {{"Text1", "2"}, {"Text2", "5000"}, {"Text3", "15"}, {"Text4", "15"},
                                                 {"Text13", "40"}, {"Text14", "1229"}});
    EXPECT_EQ(z.result.k.text(), "0.25");
    EXPECT_EQ(z.result.effectiveDepth, 12);
    EXPECT_GT(z.result.steelAreaSteel, Fixed());
    EXPECT_TRUE(z.arithmeticFailure);
    EXPECT_EQ(numbers(z), std::vector<std::string>{"end"});
}

TEST(BeamDesign, MessagesCarryTitlesAndIcons) {
    EXPECT_EQ(beamMessage("1").title, "เตือนให้เลือกลักษณะคาน");
    EXPECT_EQ(beamMessage("14").icon, Icon::Information);
    EXPECT_EQ(beamMessage("27").title, "ระยะปลอกยังไม่เหมาะสม");
    EXPECT_EQ(beamMessage("9a").title, "ค่าหน่วยแรงอัด fc' มากเกินไป");
    EXPECT_TRUE(beamMessage("19").text.empty());
    const Message end = beamClosingMessage();
    EXPECT_EQ(end.title, "คานที่ออกแบบยังมีข้อผิดพลาด");
    EXPECT_EQ(end.icon, Icon::Critical);
}
