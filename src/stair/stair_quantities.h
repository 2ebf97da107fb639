#pragma once
// The stair's takeoff: the waist slab and its steps (or the folded plate), their forms,
// the main and temperature bars, from the stair it designed. The stair is designed as
// a strip one metre wide, so its quantities are of one metre of it.
#include <string>

#include "common/module.h"
#include "stair/stair_design.h"

namespace mx::stair {

Quantities stairQuantities(const StairDesignResult& r, const std::string& grade);

}  // namespace mx::stair
