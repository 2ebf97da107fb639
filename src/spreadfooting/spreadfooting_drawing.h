#pragma once
// The spread footing drawn from its last calculation: the plan of the square pad with
// the column stub, and the section through pad and stub with the bottom mesh, each
// dimensioned, with the notes of the soil, the stub and the mesh. One builder serves
// the window and the printed sheet; each passes the box the figure must stay inside.
#include <optional>

#include "common/figure.h"
#include "common/page.h"
#include "spreadfooting/spreadfooting.h"

namespace mx::spreadfooting {

// Twips per centimetre of footing, chosen from the footing length B.
double spreadFootingScale(int lengthCm);

// Where the printed sheet stands the plan's top-left corner.
struct PlanOrigin {
    double x, y;
};

// The figure, at the scale of spreadFootingScale() or smaller only where that would
// leave `area`: with the plan's top-left corner at `origin` where one is given (and
// the figure fits there at some scale), otherwise from the top-left of `area`. Every
// item lies inside `area` when the area is at least large enough for the labels.
// Values the calculation did not reach (0) draw nothing but their notes.
PageModel spreadFootingDrawing(const SpreadFootingResult& r, const PageBox& area,
                               DrawingMedium medium = DrawingMedium::Screen,
                               std::optional<PlanOrigin> origin = std::nullopt);

// The size the window's drawing surface offers the figure.
inline constexpr PageBox kScreenDrawingArea{0, 0, 9000, 7500};

}  // namespace mx::spreadfooting
