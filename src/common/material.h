#pragma once
// Material values of a module: each a field text with its default, and the four
// steel-grade buttons. The fs each grade writes differs between modules (the column
// design uses lower values), so a module passes its own table.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mx {

struct MaterialSet {
    std::string fcPrime = "150";  // ultimate concrete strength, ksc
    std::string fc = "65";        // allowable concrete stress, ksc (building-control limit)
    std::string fs = "1200";      // allowable steel stress, ksc
};

enum class SteelGrade { SR24 = 0, SD30 = 1, SD35 = 2, SD40 = 3 };

// The grades as the tool and the project file name them, in button order.
inline constexpr std::array<std::string_view, 4> kSteelGradeNames{"SR24", "SD30", "SD35", "SD40"};
inline std::string_view steelGradeName(SteelGrade g) { return kSteelGradeNames[static_cast<std::size_t>(g)]; }

// A grade named exactly as kSteelGradeNames spells it: a name read another way
// ("sd30", "SD.30") is refused rather than guessed, so every accepted name is one the
// help lists.
std::optional<SteelGrade> parseSteelGrade(std::string_view key);

// fs written by the grade buttons of most modules: 1200, 1500, 1600, 1700.
inline constexpr std::array<int, 4> kStandardGradeFs{1200, 1500, 1600, 1700};
// The column module's own values, 0.4 fy of each grade and at most 1600: SR24 (fy 2400)
// 960, SD30 1200, SD35 1400, SD40 1600.
inline constexpr std::array<int, 4> kColumnGradeFs{960, 1200, 1400, 1600};

inline int gradeFs(SteelGrade g, const std::array<int, 4>& table = kStandardGradeFs) {
    return table[static_cast<std::size_t>(g)];
}

}  // namespace mx
