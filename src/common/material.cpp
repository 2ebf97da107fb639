#include "common/material.h"

namespace mx {

std::optional<SteelGrade> parseSteelGrade(std::string_view key) {
    for (std::size_t g = 0; g < kSteelGradeNames.size(); ++g)
        if (key == kSteelGradeNames[g]) return static_cast<SteelGrade>(g);
    return std::nullopt;
}

}  // namespace mx
