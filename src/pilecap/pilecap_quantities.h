#pragma once
// The pile cap's takeoff: the cap's concrete, the forms of its sides, and its mesh both
// ways, from the cap it designed. The piles are bought precast and driven: the pile
// module measures none.
#include <string>

#include "common/module.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

Quantities pileCapQuantities(const PileCapResult& r, const std::string& grade);

}  // namespace mx::pilecap
