#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slab/slab_module.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::cli;

namespace {

using mxtest::ToolRun;

ToolRun run(const std::vector<std::string>& args) { return mxtest::runTool(slab::description(), args); }

std::string result(const Report& r, const std::string& name) { return mxtest::resultOf(r, name); }

std::vector<std::string> heads(const Report& r) {
    std::vector<std::string> out;
    for (const auto& m : r.messages) out.push_back(m.text.substr(0, m.text.find('.')));
    return out;
}

const std::string kClosing = "พื้น คสล";

}  // namespace

TEST(SlabCli, EdgeCasesThroughTheTool) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::vector<std::string> messages;
        std::vector<std::pair<std::string, std::string>> values;  // result or label: value
    };
    const std::vector<Case> cases = {
        {"default interior panel", {"type=2"}, 2, {},
         {{"hMin", "3.6111"}, {"H", "1.125"}, {"Label24", "337.1143"}, {"Label19", "พื้นเสริมเหล็กทางเดียว(ONE WAY SLAB)"}}},
        {"square panel", {"type=2", "Text3=2"}, 2, {},
         {{"ratio", "1"}, {"H", "0.5"}, {"Label19", "พื้นเสริมเหล็กสองทาง(TWO WAY SLAB)"}}},
        {"sides swapped", {"type=2", "Text2=4.5", "Text3=2"}, 2, {}, {{"S", "2"}, {"ratio", "2.25"}, {"s1", "8"}}},
        {"ratio 3", {"type=2", "Text3=6"}, 2, {}, {{"H", "1.5"}, {"Mpos", "449.4857"}}},
        {"ratio 4", {"type=2", "Text2=1.5", "Text3=6"}, 2, {}, {{"H", "1"}}},
        {"no grade", {"type=2"}, 2, {}, {{"minSteelRatio", "0.0025"}, {"AsMin", "2.175"}}},
        {"deformed bar", {"type=2", "grade=SD30"}, 2, {}, {{"minSteelRatio", "0.002"}, {"AsMin", "1.74"}, {"fs", "1500"}}},
        {"N1 rounds to 0", {"type=2", "Text2=0.5", "Text3=0.5"}, 1, {kClosing}, {{"N1", "0"}, {"s1", "0"}}},
        {"fc' 50", {"type=2", "Text7=50"}, 2, {"3"}, {{"fcPrime", "150"}, {"Text7", "150"}}},
        {"fc' 1200", {"type=2", "Text7=1200"}, 1, {"คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc", kClosing},
         {{"Text7", "150"}}},
        // The 30 written back is still above 20: the thickness rule warns first.
        {"t 31", {"type=2", "Text4=31"}, 1, {"3", "4", kClosing}, {{"Text4", "30"}}},
        {"t 7", {"type=2", "Text4=7"}, 1, {"5", kClosing}, {{"Text4", "8"}}},
        {"cantilever", {"type=1"}, 1, {"14", kClosing},
         {{"hMin", "16.6667"}, {"dReq", "14.3283"}, {"Label26", "2097.6"}, {"Mneg1", "2097.6"}}},
        {"no kind", {}, 1, {"1", kClosing}, {{"status", "1"}}},
        {"mesh copied", {"type=2", "Text5=20"}, 1, {"2", "15", kClosing},
         {{"Text5", "15"}, {"Text10", "15"}, {"Text13", "15"}, {"barSize2", "15"}}},
        {"negative fc", {"type=2", "Text8=-65"}, 1, {kClosing}, {{"k", "0"}, {"AsPos", "0"}}},
        {"negative fs", {"type=2", "Text9=-100"}, 1, {kClosing}, {{"k", "0"}, {"s1", "0"}}},
        {"negative live load", {"type=2", "Text1=-300"}, 1, {kClosing}, {{"w", "0"}}},
        {"negative factor", {"type=2", "Text24=-2"}, 1, {kClosing}, {{"w", "0"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.report.status, c.status);
        EXPECT_EQ(r.report.verdict, c.status == 2 ? "พื้นที่คุณออกแบบใช้ได้ OK." : "พื้นที่คุณออกแบบยังต้องแก้ไข !?!");
        EXPECT_EQ(r.report.labels.get("Label48"), *r.report.verdict);
        EXPECT_EQ(heads(r.report), c.messages);
        for (const auto& [name, value] : c.values) {
            const std::string got = name.rfind("Label", 0) == 0  ? r.report.labels.get(name)
                                    : name.rfind("Text", 0) == 0 ? r.fields().get(name)
                                                                 : result(r.report, name);
            EXPECT_EQ(got, value) << name;
        }
    }
}

TEST(SlabCli, ButtonsAndSettings) {
    const ModuleDescription m = slab::description();
    Invocation inv;
    EXPECT_TRUE(parseSettings(m, {"type=3"}, inv).has_value());
    EXPECT_TRUE(parseSettings(m, {"type=0"}, inv).has_value());
    EXPECT_TRUE(parseSettings(m, {"Text14=1"}, inv).has_value());
    Invocation ok;
    ASSERT_FALSE(parseSettings(m, {"type=1", "grade=SD40"}, ok).has_value());
    EXPECT_EQ(ok.state.typeCode, 1);
    EXPECT_EQ(ok.state.fields.get("Text9"), "1700");
    EXPECT_EQ(m.defaults.entries().size(), 20u);
}

TEST(SlabCli, ResultHoldsEveryValueAndNoLabelWhenStoppedEarly) {
    const ToolRun full = run({"type=2"});
    for (const char* name : {"S", "ratio", "hMin", "H", "n", "k", "j", "R", "ws", "w", "Mpos", "Mneg1", "Mneg2", "M14",
                             "Mcant", "d", "dReq", "tReq", "a0", "a1", "a2", "a3", "a4", "AsPos", "AsNeg1", "AsNeg2",
                             "AsMin", "N1", "N2", "N3", "N4", "s1", "s2", "s3", "s4", "cutOff", "status"})
        EXPECT_NE(result(full.report, name), "<missing>") << name;
    EXPECT_EQ(full.report.labels.entries().size(), 24u);
    const ToolRun stopped = run({"type=2", "Text4=40"});
    EXPECT_EQ(stopped.report.labels.entries().size(), 1u);
}

// Whatever is typed, the outcome is a status and finite numbers.
TEST(SlabCli, OddFieldTextsNeverLeakNonFiniteNumbers) {
    const char* fields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                            "Text9", "Text10", "Text11", "Text12", "Text13", "Text23", "Text24"};
    const char* texts[] = {"", "?", "0", "-1", "1e308", "-1e308", "1e-300", "99999", "1e400", "0.0001", "32767.5"};
    for (const char* type : {"type=1", "type=2"}) {
        for (const char* field : fields) {
            for (const char* text : texts) {
                const ToolRun r = run({type, std::string(field) + "=" + text});
                std::string numbers;
                for (const auto& e : r.report.result.entries()) numbers += e.second + " ";
                for (const auto& e : r.report.labels.entries()) numbers += e.second + " ";
                const bool clean = numbers.find("nan") == std::string::npos && numbers.find("inf") == std::string::npos;
                EXPECT_TRUE(clean) << type << " " << field << "=" << text << ": " << numbers;
                EXPECT_TRUE(r.report.status == 1 || r.report.status == 2);
            }
        }
    }
}
