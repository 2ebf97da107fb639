#pragma once
// A spread footing passes nothing on; its load may be linked to the column it carries.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::spreadfooting {

std::vector<std::string> spreadFootingTargets();

}  // namespace mx::spreadfooting
