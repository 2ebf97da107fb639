#pragma once
// The column's one-page A4 calculation sheet: title block, every formula with the
// numbers of the last design, the short/long verdict, the chosen bars and ties, and
// the section drawn below the text.
#include "column/column_design.h"
#include "common/fieldset.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"

namespace mx::column {

inline constexpr const char* kColumnSheetHeading = "แสดงรายการคำนวณเสา ";

// The print question and its box.
Message columnPrintQuestion();

// The box below the sheet's text that the printed section occupies: under the engineer
// line, above the page text.
inline constexpr PageBox kColumnSheetDrawingBox{1200, 11600, 11000, 14850};

// The sheet of the last design; `usable` is whether its Calculate ended usable (false
// when there was none). Before any Calculate a default record prints zeros.
PageModel columnSheet(const ColumnDesignResult& r, bool usable, const ProjectTitleBlock& tb);

// The title block as typed in the window's Frame7 (Text18 to Text22).
ProjectTitleBlock columnTitleBlock(const FieldSet& fields);

}  // namespace mx::column
