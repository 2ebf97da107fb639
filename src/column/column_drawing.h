#pragma once
// The column section drawn from its last design, on the window and on the printed
// sheet alike: a square section to scale with its dimensions, tie and main bars, or
// the round section as a fixed schematic with its bars on an inner circle; then the
// bar, tie and height captions. Both are page models in twips.
#include "column/column_design.h"
#include "common/page.h"

namespace mx::column {

// Twips per cm for a section whose least dimension is t cm: 15 above 150, 20 above
// 120, 25 above 90, 35 above 60, 50 above 30, else 80.
int columnSectionScale(double t);

// The drawing, placed inside `area`. A section too large for the area at its band's
// scale is drawn at the largest scale that fits, still to scale. Values the design did
// not reach (0) are not drawn, and no more bars are drawn than fit side by side.
PageModel columnDrawing(const ColumnDesignResult& r, const PageBox& area);

// Whether the design sized the section the drawing shows: both widths of a square
// column, the diameter of a round one. Without them only captions of zeros remain.
bool columnHasSection(const ColumnDesignResult& r);

// Where each of nb main bars of a square section goes: a row along the top face and
// one along the bottom face (the top row takes the odd bar), the rest, once those rows
// are full, along the two side faces. `perRow` and `perSide` are how many fit side by
// side in a row and between the rows; the counts never exceed them.
struct SquareBarLayout {
    int top = 0, bottom = 0, left = 0, right = 0;
    int total() const { return top + bottom + left + right; }
};
SquareBarLayout squareBarLayout(std::int64_t nb, int perRow, int perSide);

}  // namespace mx::column
