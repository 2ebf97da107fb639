#pragma once
// Measures shared by every member figure: how much room a line of Thai text takes,
// the box a figure covers, and a figure fitted into the area it is drawn in.
#include <cstddef>
#include <functional>
#include <string_view>

#include "common/page.h"

namespace mx {

// The window and the printed sheet word some of a figure's notes differently.
enum class DrawingMedium { Screen, Paper };

// Characters of a text that advance the pen. Thai vowel and tone marks are written
// above or below their consonant and take no width of their own.
std::size_t penAdvances(std::string_view s);

// How a figure's texts are measured: the twips one character advances and the height
// of a line, at a given point size; other sizes in proportion.
struct TextMeasure {
    double charTwips;
    double lineTwips;
    double atPt = 14;
    double width(std::string_view s, double sizePt) const;
    double width(std::string_view s) const { return width(s, atPt); }
    double height(double sizePt) const { return lineTwips * sizePt / atPt; }
};

// The box every item of a figure covers, texts as the measure gives them. An empty
// figure covers nothing: its box is empty at the origin.
PageBox figureBounds(const PageModel& figure, const TextMeasure& measure);

// A copy of the page with every item passed through edit first, whatever its kind,
// and every area kept clear of text through editBox where one is given.
PageModel edited(const PageModel& page, const std::function<void(PageItem&)>& edit,
                 const std::function<void(PageBox&)>& editBox = {});

// The figure scaled by s about the origin (texts and circles with it), then moved.
PageModel transformed(const PageModel& figure, double s, double dx, double dy);

// Places a figure covering `bounds` in `area`: never enlarged, shrunk only where the
// area is smaller, its top at the area's top and its left at the area's left or
// centred across it.
enum class Across { Left, Centre };
PageModel fitFigure(const PageModel& figure, const PageBox& bounds, const PageBox& area, Across across);

// The largest scale, no larger than `scale`, at which a figure built anew at that
// scale (its texts keep their size) fits: `scale` itself where it fits, otherwise
// found by halving; 0 where none does.
double largestFittingScale(double scale, const std::function<bool(double)>& fits);

}  // namespace mx
