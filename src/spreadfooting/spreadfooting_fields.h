#pragma once
// The spread footing's field table (object name, short name, caption, unit, default)
// and an edit of a field as the window makes it, for the headless tool.
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldtable.h"

namespace mx::spreadfooting {

inline constexpr const char* kWindowCaption = "ฐานรากแผ่ (ไม่มีเข็ม ) FOOT -00 MX.7100";

const FieldTable& spreadFootingFieldTable();
std::vector<Message> typeSpreadFootingField(FormState& state, std::string_view field, const std::string& text);

}  // namespace mx::spreadfooting
