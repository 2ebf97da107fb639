#pragma once
// The slab module's description: its fields, types, grades and run.
#include "common/module.h"
#include "slab/slab_design.h"

namespace mx::slab {

ModuleDescription description();

// Calculate on a state (type code: the slab kind), its corrections written into the
// fields; the minimum steel ratio is the grade last pressed.
ModuleRun runSlab(FormState& state);
// The sheet and the figure of an outcome, kept with the run (a window keeps a canopy's
// record reset after its sheet is printed).
void addSlabPages(ModuleRun& run, SlabDesignOutcome outcome);

}  // namespace mx::slab
