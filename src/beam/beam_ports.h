#pragma once
// What a beam passes on (its end reactions) and the fields another member's load may
// be linked into.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::beam {

std::vector<PortInfo> beamPorts();
std::vector<std::string> beamTargets();

}  // namespace mx::beam
