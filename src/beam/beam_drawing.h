#pragma once
// The beam drawn from its last design: on the window an elevation with supports,
// reactions and dimensions plus the dimensioned cross-section with its stirrup and
// bars; on the printed sheet the cross-section alone. Both are page models in twips.
#include "beam/beam_design.h"
#include "common/page.h"

namespace mx::beam {

// Twips per cm of span in the elevation: 3 above 13 m, 4 above 10 m, 5 above 6.5 m, else 7.
int beamLengthScale(double spanMetres);
// Twips per cm in the cross-section, chosen from the depth. The printer bands differ
// from the screen's between 106 and 140 cm (25 from 116 on paper, from 121 on screen).
int beamSectionScale(int depthCm, bool printer);

// Splits a face's bars into up to three rows: the first row takes the bars per layer,
// a lone bar in a later row is made a pair (the row before gives one up), and a second
// row longer than the first spills into a third.
struct BarRows {
    int row1 = 0, row2 = 0, row3 = 0;
};
BarRows splitBarRows(int barsPerLayer, int barCount);

// The surface the screen drawing was laid out for: 1040 x 636 pixels at 15 twips.
inline constexpr PageBox kBeamScreenArea{0, 0, 1040 * 15, 636 * 15};

// The screen drawing (elevation and section) on a surface whose right and lower edges
// are the area's; never fails, zeros draw nothing visible. The elevation and section
// keep their places and scale bands, and are drawn smaller only where they would not
// fit the area.
PageModel beamDrawing(const BeamDesignResult& r, const PageBox& area = kBeamScreenArea);
// Whether the screen drawing shows any of the beam: a depth, with a span for the
// elevation or a width for the section. A design that stopped before them has none.
bool beamHasFigure(const BeamDesignResult& r);
// The printed variant: the cross-section at (9000, 8500) with the printer scale.
PageModel beamPrintedSection(const BeamDesignResult& r);

}  // namespace mx::beam
