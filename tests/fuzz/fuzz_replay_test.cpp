#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/invariants.h"

namespace fs = std::filesystem;

namespace {

// Every kept input of a target: its seed corpus and the inputs of fixed findings.
std::vector<fs::path> keptInputs(const std::string& target) {
    std::vector<fs::path> out;
    for (const char* dir : {"corpus", "regressions"}) {
        const fs::path d = fs::path(MX_FUZZ_DIR) / dir / target;
        if (!fs::is_directory(d)) continue;
        for (const auto& e : fs::directory_iterator(d))
            if (e.is_regular_file()) out.push_back(e.path());
    }
    return out;
}

class FuzzReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzReplay, EveryKeptInputHoldsTheInvariants) {
    const std::vector<fs::path> inputs = keptInputs(GetParam());
    EXPECT_FALSE(inputs.empty()) << "no seed corpus for " << GetParam();
    for (const fs::path& p : inputs) {
        std::ifstream in(p, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        try {
            mx::fuzz::runTarget(GetParam(), reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        } catch (const std::exception& e) {
            ADD_FAILURE() << p.string() << ": " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(mx::fuzz::targetNames()),
                         [](const auto& info) { return info.param; });

// The checks themselves: what counts as nonsense on a label, and what as outside.
TEST(FuzzChecks, TextFaults) {
    const std::pair<const char*, bool> cases[] = {
        {"1e+20", true},  {"2.5E-07", true}, {"x 3e5", true}, {"inf", true},        {"-nan", true},
        {"NaN ", true},   {" 1200 ", false}, {"12.5", false}, {"Reinforcement", false}, {"SD40 e", false},
        {"fc' = 65", false}, {"e5", false},  {"nano", false}, {"", false},
    };
    for (const auto& [text, faulty] : cases) EXPECT_EQ(!mx::fuzz::textFault(text).empty(), faulty) << text;
}

TEST(FuzzChecks, PageFaults) {
    mx::PageModel inside;
    inside.text(0, 0, "x");
    inside.line(10, 10, 11340, 16000);
    inside.circle(100, 100, 100);
    EXPECT_EQ(mx::fuzz::pageFault(inside, mx::fuzz::kSheetBounds), "");
    mx::PageModel past;
    past.circle(11300, 500, 50);
    EXPECT_NE(mx::fuzz::pageFault(past, mx::fuzz::kSheetBounds), "");
    mx::PageModel many;
    for (int i = 0; i < 30; ++i) many.line(0, 0, 1, 1);
    EXPECT_NE(mx::fuzz::pageFault(many, mx::fuzz::kSheetBounds, 20), "");
}

}  // namespace
