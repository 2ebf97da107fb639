#include "common/cli_modules.h"

namespace mx::cli {

// Not built yet: the tool reports the module as unavailable.
Module pileCliModule() { return Module{"pile", {}, {}, {}, {}}; }

}  // namespace mx::cli
