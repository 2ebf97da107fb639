#pragma once
// The slab's takeoff: the panel's concrete, its soffit forms (and a canopy's edges),
// the bottom mesh both ways and the top bars at its edges, from the slab it designed.
#include <string>

#include "common/module.h"
#include "slab/slab_design.h"

namespace mx::slab {

Quantities slabQuantities(const SlabDesignResult& r, const std::string& grade);

}  // namespace mx::slab
