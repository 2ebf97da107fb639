#pragma once
// The printed calculation sheets of the two pile windows: the skin-friction sheet and
// the Hiley sheet. Each repeats the last calculation with its numbers written in, on
// one A4 page, from the held results and the title block; nothing is recalculated.
#include <optional>

#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "pile/blow_calc.h"
#include "pile/pile_calc.h"

namespace mx::pile {

// The print question of both windows.
Message sheetQuestion();

struct PileSheet {
    PageModel page;
    // Shown before printing when no pile type was chosen; printing goes on.
    std::optional<Message> warning;
};

// usable: whether the last Calculate ended usable (false when there was none); the
// sheets certify nothing ("O.K.", "OK.") otherwise.
PileSheet buildPileSheet(const PileResult& r, const ProjectTitleBlock& tb, bool usable);
PageModel buildBlowSheet(const BlowResult& r, const ProjectTitleBlock& tb, bool usable);

}  // namespace mx::pile
