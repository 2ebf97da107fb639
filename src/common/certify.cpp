#include "common/certify.h"

#include <array>
#include <string_view>
#include <variant>

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
    PageModel out;
    out.fontFamily = page.fontFamily;
    for (const auto& item : page.items()) {
        if (const auto* t = std::get_if<PageText>(&item))
            out.text(t->x, t->y, uncertified(t->text), t->sizePt, t->bold, t->color);
        else if (const auto* l = std::get_if<PageLine>(&item))
            out.line(l->x1, l->y1, l->x2, l->y2, l->color);
        else if (const auto* c = std::get_if<PageCircle>(&item))
            out.circle(c->x, c->y, c->radius, c->color, c->filled);
        else
            out.lineWidth(std::get<PageLineWidth>(item).width);
    }
    for (const PageBox& b : page.clearBoxes()) out.keepClear(b.x1, b.y1, b.x2, b.y2);
    page = std::move(out);
}

const char* relation(double a, double b) { return a < b ? "<" : a > b ? ">" : "="; }

}  // namespace mx
