#pragma once
// The pile cap's one-page A4 calculation sheet: title block, the design written out
// step by step with the numbers of the last Calculate, the mesh in large type, the
// engineer's line and the printed plan of the cap with its piles.
#include "common/fieldset.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

inline constexpr const char* kPileCapSheetHeading = "แสดงรายการคำนวณฐานราก ";
// The whole sheet when the last Calculate found more piles than any arrangement holds.
inline constexpr const char* kNothingToPrint = "NO CALCULATE & DESIGN!!!";
// The listing starts at y 1200 with the footings' row pitch; its rows: 17 above the
// shear check, the shear check's kShearRows (punching round the stub, one-way shear and
// punching round the governing pile, two rows each), 10 of the mesh, the two rows in
// large type and the cap's size.
inline constexpr double kListingTop = 1200;
inline constexpr int kShearRows = 6;
inline constexpr double kSizeRowY =
    kListingTop + (17 + kShearRows + 10) * kFootingRowStep + 2 * kFootingResultStep;
// The engineer's line, right of the listing's last line.
inline constexpr double kEngineerX = 7000;
inline constexpr double kEngineerY = kSizeRowY + kFootingRowStep;
// The box below the listing that the printed drawing keeps to: down to the foot of the
// printable area, and left of the page number at (10000, 15000).
inline constexpr PageBox kSheetDrawingBox{1200, kEngineerY + 450, 9800, 16000};

// The pile cap's calculation and pages, as its window and the tool reach them.
const FootingCalculation<PileCapOutcome>& pileCapCalculation();

// The sheet of a result record. `r` is the record of the last Calculate alone (a
// default record before any), and `usable` whether that Calculate ended usable: only
// then does the sheet certify its checks.
PageModel pileCapSheet(const PileCapResult& r, bool usable, const ProjectTitleBlock& tb);

// The title block as typed in the window's Frame4 (Text9 to Text13).
ProjectTitleBlock pileCapTitleBlock(const FieldSet& fields);

}  // namespace mx::pilecap
