#pragma once
// The slab's one-page A4 calculation sheet: title block, the loads, the working-
// stress constants, the moments and every steel area with the numbers of the last
// design, the chosen bars, and the slab drawing below the text.
#include "common/fieldset.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "slab/slab_design.h"

namespace mx::slab {

inline constexpr const char* kSlabSheetHeading = "แสดงรายการคำนวณพื้น ";

// The box below the text where the sheet prints the drawing, twips.
inline constexpr PageBox kSlabSheetDrawingArea{1200, 9200, 11000, 14800};

// The print question and its box.
Message slabPrintQuestion();

// The sheet of a result record: usable is whether the last Calculate ended usable
// (false before any Calculate, with a default-constructed record).
PageModel slabSheet(const SlabDesignResult& r, bool usable, const ProjectTitleBlock& tb);

// The title block as typed in the window's Frame6 (Text18 to Text22).
ProjectTitleBlock slabTitleBlock(const FieldSet& fields);

// After a cantilever's sheet is printed the window starts a new design as a two-way
// slab: continuity case 0, the span moment, its steel and spacing cleared, the kind
// set to two-way. Returns whether the record was a cantilever's (and so was reset);
// the window then shows the two-way kind on its kind caption and button.
bool resetAfterCantileverPrint(SlabDesignResult& r);

}  // namespace mx::slab
