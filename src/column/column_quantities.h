#pragma once
// The column's takeoff: concrete and side forms over its height, the main bars with
// their splice to the next lift, and the ties, from the column it designed.
#include <string>

#include "column/column_design.h"
#include "common/module.h"

namespace mx::column {

Quantities columnQuantities(const ColumnDesignResult& r, const std::string& grade);

}  // namespace mx::column
