#include "common/cli_modules.h"

namespace mx::cli {

// Not built yet: the tool reports the module as unavailable.
Module slabCliModule() { return Module{"slab", {}, {}, {}, {}}; }

}  // namespace mx::cli
