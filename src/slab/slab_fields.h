#pragma once
// The slab's field table (object name, short name, caption, unit, default), its kind
// buttons, and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::slab {

const FieldTable& slabFieldTable();
std::vector<TypeInfo> slabTypes();
std::vector<Message> typeSlabField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::slab
