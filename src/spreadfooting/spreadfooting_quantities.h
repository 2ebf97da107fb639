#pragma once
// The spread footing's takeoff: the pad's concrete, the forms of its four sides (it is
// cast on the ground), its mesh both ways and the bar tied round it, from the footing
// it designed. The column stub above the pad belongs to the column.
#include <string>

#include "common/module.h"
#include "spreadfooting/spreadfooting.h"

namespace mx::spreadfooting {

Quantities spreadFootingQuantities(const SpreadFootingResult& r, const std::string& grade);

}  // namespace mx::spreadfooting
