#pragma once
// The column's field table (object name, short name, caption, unit, default), its
// shape buttons, and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::column {

const FieldTable& columnFieldTable();
std::vector<TypeInfo> columnTypes();
std::vector<Message> typeColumnField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::column
