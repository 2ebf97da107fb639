#pragma once
// The spread footing's one-page A4 calculation sheet: title block, every step of the
// design with its numbers, the mesh in large type, the footer and the printed plan and
// section of the pad.
#include "common/fieldset.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "spreadfooting/spreadfooting.h"
#include "spreadfooting/spreadfooting_drawing.h"

namespace mx::spreadfooting {

inline constexpr const char* kSpreadFootingSheetHeading = "แสดงรายการคำนวณฐานราก ";

// The spread footing's calculation and pages, as its window and the tool reach them.
const FootingCalculation<SpreadFootingOutcome>& spreadFootingCalculation();

// The title block as typed in the window's print panel (Text8 project, Text9 footing,
// Text10 engineer, Text11 registration, Text12 page).
ProjectTitleBlock spreadFootingTitleBlock(const FieldSet& fields);

// The listing starts at y 1200 with the footings' row pitch: 30 rows, the two rows in
// large type and the pad's size; the engineer's line follows.
inline constexpr double kListingTop = 1200;
inline constexpr double kFooterY = kListingTop + 31 * kFootingRowStep + 2 * kFootingResultStep;

// Where the printed drawing goes: below the text column, clear of the engineer line
// (which starts at x 6000, right of anything the figure puts beside it) and of the
// page text at (10000, 15000); the plan's corner stands 850 twips below the box's top.
inline constexpr PageBox kSheetDrawingBox{600, kFooterY + 50, 9900, 16200};
inline constexpr PlanOrigin kSheetPlanOrigin{2500, kFooterY + 900};

// The sheet of the last calculation. `usable` is whether that Calculate ended usable
// (false before any Calculate); otherwise no check is printed as passed.
PageModel spreadFootingSheet(const SpreadFootingResult& r, bool usable, const ProjectTitleBlock& tb);

}  // namespace mx::spreadfooting
