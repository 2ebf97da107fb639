#pragma once
// The slab module's Calculate as its description runs it, for the window and the tool.
#include "common/cli.h"
#include "slab/slab_design.h"

namespace mx::cli {
// Every value of the result record under its record name.
void addSlabResult(ResultList& out, const slab::SlabDesignResult& r);
}  // namespace mx::cli

namespace mx::slab {

// Calculate on a state (type code: the slab kind), its corrections written into the
// fields; the minimum steel ratio is the grade last pressed.
cli::ModuleRun runSlab(cli::FormState& state);
// The sheet and the figure of an outcome, kept with the run (a window keeps a canopy's
// record reset after its sheet is printed).
void addSlabPages(cli::ModuleRun& run, SlabDesignOutcome outcome);

}  // namespace mx::slab
