#pragma once
// What a stair passes on to the beams or landings that carry it. It takes no link.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::stair {

std::vector<PortInfo> stairPorts();

}  // namespace mx::stair
