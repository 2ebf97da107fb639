#pragma once
// What a pile passes on (its safe load, from skin friction or from its blow count) and what the blow count's design safe load may be linked to.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::pile {

std::vector<PortInfo> pilePorts();
std::vector<std::string> pileTargets();
std::vector<PortInfo> blowPorts();
std::vector<std::string> blowTargets();

}  // namespace mx::pile
