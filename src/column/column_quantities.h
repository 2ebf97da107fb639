#pragma once
// The column's takeoff: concrete and side forms over its height, the main bars with
// their splice to the next lift, and the ties, from the column it designed.
#include <string>

#include "column/column_design.h"
#include "common/module.h"

namespace mx::column {

Quantities columnQuantities(const ColumnDesignResult& r, const std::string& grade);
// The quantities of a run of the column module (none unless its design is usable).
Quantities columnRunQuantities(const ModuleRun& run, const FormState& state);

}  // namespace mx::column
