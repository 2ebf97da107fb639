#pragma once
// The beam's field table (object name, short name, caption, unit, default), its type
// buttons, and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::beam {

const FieldTable& beamFieldTable();
std::vector<TypeInfo> beamTypes();

// The change rule of one field as the window runs it: the limit check of the field,
// and for the span its own check followed by the sizes the span suggests.
Diagnostics beamFieldRule(std::string_view field, const FieldSet& fields, int beamType);
std::vector<Message> typeBeamField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::beam
