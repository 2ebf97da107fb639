#include "common/cli_modules.h"

namespace mx::cli {

// Not built yet: the tool reports the module as unavailable.
Module columnCliModule() { return Module{"column", {}, {}, {}, {}}; }

}  // namespace mx::cli
