#pragma once
// The pile-cap footing's field table (object name, short name, caption, unit,
// default) and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::pilecap {

const FieldTable& pileCapFieldTable();
std::vector<Message> typePileCapField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::pilecap
