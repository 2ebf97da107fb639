#pragma once
// The stair's one-page A4 calculation sheet: title block, every formula of the last
// design with its numbers written in, the checks with the true relation of the numbers
// they compare, and the printed stair section below the text.
#include "common/fieldset.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "stair/stair_design.h"

namespace mx::stair {

inline constexpr const char* kStairSheetHeading = "แสดงรายการคำนวณบันได ";

// Where the printed drawing stands: below the engineer line (y 9900), left of the page
// text at (10000, 15000), down to the foot of the printable area.
inline constexpr PageBox kStairSheetDrawingBox{1200, 10350, 9700, 16100};

// The print question and its box.
Message stairPrintQuestion();

// The title block as typed in the window's Frame5 (Text12 to Text16).
ProjectTitleBlock stairTitleBlock(const FieldSet& fields);

// The sheet of the last Calculate. `usable` is whether that Calculate ended usable
// (false when there was none: the window passes a default result); otherwise every
// passed-check word gives way to "not usable yet".
PageModel stairSheet(const StairDesignResult& r, bool usable, const ProjectTitleBlock& tb);

}  // namespace mx::stair
