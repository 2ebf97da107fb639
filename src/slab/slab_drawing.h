#pragma once
// The slab drawn from its last design: a schematic section across the short span
// with its reinforcement and the design values as labels. A cantilever slab is drawn
// as a projection from its supporting beam with the main bars at the top; a two-way
// panel between its two beams with the bottom mesh, the bent-up and extra top bars
// over a continuous edge and, for an end panel, the extra top bars at the outer edge.
// The same builder serves the window and the printed sheet: it fits the figure into
// the box it is given.
#include "common/page.h"
#include "slab/slab_design.h"

namespace mx::slab {

// The window's drawing surface beside its panels, twips.
inline constexpr PageBox kSlabScreenArea{0, 0, 9000, 7500};

// Every item of the figure lies inside area (text by an estimate of its printed
// width). The outline and labels are always drawn, zeros before any Calculate; a bar
// set whose spacing was never computed is not drawn.
PageModel slabDrawing(const SlabDesignResult& r, const PageBox& area = kSlabScreenArea);

// Whether the design sized the slab the drawing shows: its kind, its short side and its
// thickness. Without them only an outline with zeros remains.
bool slabHasFigure(const SlabDesignResult& r);

// Estimated printed width of a drawing or sheet text, twips; generous, so that a
// text kept inside a box by this estimate stays inside it on paper.
double slabTextWidthEstimate(const PageText& t);
// Height of a text line, twips.
double slabTextHeight(double sizePt);

}  // namespace mx::slab
