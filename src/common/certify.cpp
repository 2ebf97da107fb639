#include "common/certify.h"

#include <array>
#include <string_view>
#include <variant>

#include "common/figure.h"

namespace mx {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string uncertified(const std::string& text) {
    // "O.K." first, so that its tail "K." is not taken for part of an "OK.".
    constexpr std::array<std::string_view, 2> marks{"O.K.", "OK."};
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        for (std::string_view m : marks) {
            // A mark is a word of its own: "BLOCK." is not an "OK.".
            if (text.compare(i, m.size(), m) == 0 && (i == 0 || !isAsciiLetter(text[i - 1]))) {
                out += kNotYetUsable;
                i += m.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

void certifySheet(PageModel& page, bool usable) {
    if (usable) return;
    page = edited(page, [](PageItem& item) {
        if (auto* t = std::get_if<PageText>(&item)) t->text = uncertified(t->text);
    });
}

// Unordered values (a NaN) are neither equal nor either side of each other.
const char* relation(double a, double b) { return a < b ? "<" : a > b ? ">" : a == b ? "=" : "?"; }

}  // namespace mx
