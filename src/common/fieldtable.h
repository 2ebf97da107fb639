#pragma once
// One table per module of every input field it reads: the object name the window
// gives it, a short English name by meaning for scripts, the caption the window shows
// beside it, its unit, its default text and its tooltip. The module's defaults, the
// window's caption-and-field rows and title block, and the headless tool's names and
// help all come from this one table.
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/titleblock.h"

namespace mx {

struct FieldInfo {
    const char* object;       // "Text3"
    const char* name;         // "width"
    const char* caption;      // as the window shows it (a tooltip where the field has no caption)
    const char* unit;         // "cm", "kg/m", ...; "" for a text or a plain count
    const char* defaultText;  // the window's design-time text
    // The tooltip of a field that has a caption too; a field placed without its
    // caption shows the caption as its tooltip instead.
    const char* tooltip = nullptr;
};
using FieldTable = std::vector<FieldInfo>;

// Every field with its default text, in table order.
FieldSet defaultsOf(const FieldTable& table);

// The field named by its object name or its short name (object names match exactly,
// short names in any letter case); nullptr when there is none.
const FieldInfo* findField(const FieldTable& table, std::string_view key);

// The known name closest to key by edit distance (letter case ignored), for a "did you
// mean" hint; "" when the list is empty.
std::string closestName(std::string_view key, const std::vector<std::string>& names);

// The title block as typed into the fields the table names project, member, engineer,
// registration and page.
ProjectTitleBlock titleBlockOf(const FieldTable& table, const FieldSet& fields);

// The standard five fields of a sheet's title block, the member caption varying.
// Appends project, member, engineer, registration and page in that order.
void addTitleBlockFields(FieldTable& table, const char* const (&objects)[5], const char* memberCaption,
                         const char* pageCaption = "หน้า / แผ่นที่");
// The input rows with the title-block fields after them.
FieldTable withTitleBlock(FieldTable rows, const char* const (&objects)[5], const char* memberCaption,
                          const char* pageCaption = "หน้า / แผ่นที่");

}  // namespace mx
