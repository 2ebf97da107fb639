#pragma once
// The beam's one-page A4 calculation sheet: title block, every formula with the
// numbers of the last design, the chosen reinforcement in large type and the printed
// cross-section.
#include "beam/beam_design.h"
#include "common/page.h"
#include "common/titleblock.h"

namespace mx::beam {

inline constexpr const char* kBeamSheetHeading = "แสดงรายการคำนวณคาน ";
// The print question and its box.
Message beamPrintQuestion();

PageModel beamSheet(const BeamDesignResult& r, const ProjectTitleBlock& tb);

}  // namespace mx::beam
