#pragma once
// The beam's one-page A4 calculation sheet: title block, every formula with the
// numbers of the last design, the chosen reinforcement in large type and the printed
// cross-section.
#include "beam/beam_design.h"
#include "common/fieldset.h"
#include "common/page.h"
#include "common/titleblock.h"

namespace mx::beam {

inline constexpr const char* kBeamSheetHeading = "แสดงรายการคำนวณคาน ";
// The print question and its box.
Message beamPrintQuestion();

// usable: whether the last Calculate ended usable (false when there was none); the
// sheet certifies nothing ("O.K.") otherwise.
PageModel beamSheet(const BeamDesignResult& r, const ProjectTitleBlock& tb, bool usable);

// The title block as typed in the window's Frame6 (Text20, Text30, Text24, Text28, Text29).
ProjectTitleBlock beamTitleBlock(const FieldSet& fields);

}  // namespace mx::beam
