#include "common/material.h"

#include <cctype>

namespace mx {

std::optional<SteelGrade> parseSteelGrade(std::string_view key) {
    std::string k;
    for (char c : key)
        if (std::isalnum(static_cast<unsigned char>(c))) k += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (k == "SR24") return SteelGrade::SR24;
    if (k == "SD30") return SteelGrade::SD30;
    if (k == "SD35") return SteelGrade::SD35;
    if (k == "SD40") return SteelGrade::SD40;
    return std::nullopt;
}

}  // namespace mx
