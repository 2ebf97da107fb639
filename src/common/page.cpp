#include "common/page.h"

#include <algorithm>

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

std::pair<double, double> PageModel::extent() const {
    double x = 0, y = 0;
    auto reach = [&](double px, double py) {
        x = std::max(x, px);
        y = std::max(y, py);
    };
    for (const auto& item : items_) {
        if (const auto* t = std::get_if<PageText>(&item)) reach(t->x, t->y);
        else if (const auto* l = std::get_if<PageLine>(&item)) {
            reach(l->x1, l->y1);
            reach(l->x2, l->y2);
        } else if (const auto* c = std::get_if<PageCircle>(&item))
            reach(c->x + c->radius, c->y + c->radius);
    }
    return {x, y};
}

std::vector<std::string> PageModel::lines() const {
    std::vector<std::string> out;
    for (const auto& t : texts()) out.push_back(t.text);
    return out;
}

}  // namespace mx
