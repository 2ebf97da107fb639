#include "common/page.h"

namespace mx {

void PageModel::box(double x1, double y1, double x2, double y2, std::uint32_t color) {
    line(x1, y1, x2, y1, color);
    line(x2, y1, x2, y2, color);
    line(x2, y2, x1, y2, color);
    line(x1, y2, x1, y1, color);
}

std::vector<PageText> PageModel::texts() const {
    std::vector<PageText> out;
    for (const auto& item : items_)
        if (const auto* t = std::get_if<PageText>(&item)) out.push_back(*t);
    return out;
}

std::vector<std::string> PageModel::lines() const {
    std::vector<std::string> out;
    for (const auto& t : texts()) out.push_back(t.text);
    return out;
}

}  // namespace mx
