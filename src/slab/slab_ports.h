#pragma once
// What a slab passes on to the beams along its edges. It takes no link.
#include <string>
#include <vector>

#include "common/module.h"

namespace mx::slab {

std::vector<PortInfo> slabPorts();

}  // namespace mx::slab
