#pragma once
// The stair drawn from its last design: a schematic longitudinal section of three
// steps with the waist slab (or the folded plates), the bars in red with dots where
// bars cross the section, the tread, riser and thickness dimensions, and labels with
// the current values. The figure is fixed in shape; only its labels follow the design.
// One builder serves the window and the printed sheet: it fits the figure into the box
// it is given.
#include "common/page.h"
#include "stair/stair_design.h"

namespace mx::stair {

// The figure scaled (never enlarged) and placed at the top-left of `area`, twips, so
// that every line, dot and label lies inside it. Bars the design has not reached (no
// bar count yet) are not drawn; their labels print the values held, zero when none.
PageModel stairDrawing(const StairDesignResult& r, const PageBox& area);

// The on-screen drawing area the window offers beside its panels, twips.
inline constexpr PageBox kStairScreenArea{0, 0, 9000, 7500};

}  // namespace mx::stair
