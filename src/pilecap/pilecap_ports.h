#pragma once
// What a pile cap passes on (the load on each pile) and its links: its load and the pile's safe load.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::pilecap {

std::vector<PortInfo> pileCapPorts();
std::vector<std::string> pileCapTargets();

}  // namespace mx::pilecap
