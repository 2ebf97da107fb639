#pragma once
// The stair's field table (object name, short name, caption, unit, default), its type
// buttons, and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::stair {

const FieldTable& stairFieldTable();
std::vector<TypeInfo> stairTypes();
std::vector<Message> typeStairField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::stair
