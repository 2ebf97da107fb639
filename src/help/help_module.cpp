#include "help/help_module.h"

namespace mx::help {

std::vector<ModuleDescription> descriptions() { return {}; }

}  // namespace mx::help
