#include "common/figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <variant>

#include "common/utf8.h"

namespace mx {

std::size_t penAdvances(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (i + len > s.size()) len = s.size() - i;
        // Only the three-byte code points of the Thai block can be marks.
        const char32_t cp = len == 3 ? decodeUtf8(s.substr(i, 3)) : c;
        const bool mark = cp == 0x0E31 || (cp >= 0x0E34 && cp <= 0x0E3A) || (cp >= 0x0E47 && cp <= 0x0E4E);
        if (!mark) ++n;
        i += len;
    }
    return n;
}

double TextMeasure::width(std::string_view s, double sizePt) const {
    return static_cast<double>(penAdvances(s)) * charTwips * sizePt / atPt;
}

PageBox figureBounds(const PageModel& figure, const TextMeasure& measure) {
    constexpr double kNone = std::numeric_limits<double>::max();
    PageBox b{kNone, kNone, -kNone, -kNone};
    auto reach = [&b](double x, double y) {
        b.x1 = std::min(b.x1, x);
        b.y1 = std::min(b.y1, y);
        b.x2 = std::max(b.x2, x);
        b.y2 = std::max(b.y2, y);
    };
    for (const auto& item : figure.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            reach(t->x, t->y);
            reach(t->x + measure.width(t->text, t->sizePt), t->y + measure.height(t->sizePt));
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            reach(l->x1, l->y1);
            reach(l->x2, l->y2);
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            reach(c->x - c->radius, c->y - c->radius);
            reach(c->x + c->radius, c->y + c->radius);
        }
    }
    return b.x1 <= b.x2 ? b : PageBox{};
}

PageModel edited(const PageModel& page, const std::function<void(PageItem&)>& edit,
                 const std::function<void(PageBox&)>& editBox) {
    PageModel out;
    out.fontFamily = page.fontFamily;
    for (PageItem item : page.items()) {
        edit(item);
        std::visit(
            [&out](const auto& i) {
                using T = std::decay_t<decltype(i)>;
                if constexpr (std::is_same_v<T, PageText>)
                    out.text(i.x, i.y, i.text, i.sizePt, i.bold, i.color);
                else if constexpr (std::is_same_v<T, PageLine>)
                    out.line(i.x1, i.y1, i.x2, i.y2, i.color);
                else if constexpr (std::is_same_v<T, PageCircle>)
                    out.circle(i.x, i.y, i.radius, i.color, i.filled);
                else if constexpr (std::is_same_v<T, PageLineWidth>)
                    out.lineWidth(i.width);
                else
                    static_assert(sizeof(T) == 0, "a page item kind without its copy");
            },
            item);
    }
    for (PageBox b : page.clearBoxes()) {
        if (editBox) editBox(b);
        out.keepClear(b.x1, b.y1, b.x2, b.y2);
    }
    return out;
}

PageModel transformed(const PageModel& figure, double s, double dx, double dy) {
    auto move = [s, dx, dy](double& x, double& y) {
        x = dx + s * x;
        y = dy + s * y;
    };
    const auto editItem = [s, &move](PageItem& item) {
        std::visit(
            [s, &move](auto& i) {
                using T = std::decay_t<decltype(i)>;
                if constexpr (std::is_same_v<T, PageText>) {
                    move(i.x, i.y);
                    i.sizePt *= s;
                } else if constexpr (std::is_same_v<T, PageLine>) {
                    move(i.x1, i.y1);
                    move(i.x2, i.y2);
                } else if constexpr (std::is_same_v<T, PageCircle>) {
                    move(i.x, i.y);
                    i.radius *= s;
                }
            },
            item);
    };
    return edited(figure, editItem, [&move](PageBox& b) {
        move(b.x1, b.y1);
        move(b.x2, b.y2);
    });
}

PageModel fitFigure(const PageModel& figure, const PageBox& bounds, const PageBox& area, Across across) {
    const double w = std::max(area.x2 - area.x1, 0.0), h = std::max(area.y2 - area.y1, 0.0);
    const double bw = bounds.x2 - bounds.x1, bh = bounds.y2 - bounds.y1;
    double s = 1.0;
    if (bw > w) s = std::min(s, w / bw);
    if (bh > h) s = std::min(s, h / bh);
    const double left = across == Across::Centre ? (w - s * bw) / 2 : 0;
    return transformed(figure, s, area.x1 + left - s * bounds.x1, area.y1 - s * bounds.y1);
}

double largestFittingScale(double scale, const std::function<bool(double)>& fits) {
    if (!(scale > 0) || !std::isfinite(scale)) return 0;
    if (fits(scale)) return scale;
    double lo = 0, hi = scale;
    // Forty halvings leave the scale within a millionth of a millionth of the table's.
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (fits(mid) ? lo : hi) = mid;
    }
    return lo;
}

}  // namespace mx
