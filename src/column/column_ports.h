#pragma once
// What a column passes on at its base, and the load another member may be linked into.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::column {

std::vector<PortInfo> columnPorts();
std::vector<std::string> columnTargets();

}  // namespace mx::column
