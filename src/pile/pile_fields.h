#pragma once
// The field tables (object name, short name, caption, unit, default) of the pile and
// blow-count windows, their type buttons, and an edit of a field as each window makes
// it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::pile {

const FieldTable& pileFieldTable();
std::vector<TypeInfo> pileTypeList();
std::vector<Message> typePileField(FormState& state, std::string_view field, const std::string& text);

const FieldTable& blowFieldTable();
std::vector<TypeInfo> blowTypeList();
std::vector<Message> typeBlowField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::pile
