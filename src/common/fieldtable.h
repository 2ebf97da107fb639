#pragma once
// One table per module of every input field it reads: the object name the window
// gives it, a short English name by meaning for scripts, the caption the window shows
// beside it, its unit, its default text and its tooltip. The module's defaults, the
// window's caption-and-field rows and title block, and the headless tool's names and
// help all come from this one table.
#include <string>
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/message.h"
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

// What Calculate says first about a field whose text reads as no number ("abc"): the
// calculation reads it as 0 and may stop on it with no more than its closing message,
// so the field is named by its caption (without its closing "=") and its text.
Message unreadableMessage(std::string_view caption, std::string_view text);
// Those messages for every field of the table read as a number (the title block's free
// texts are not), in table order.
std::vector<Message> unreadableInputs(const FieldTable& table, const FieldSet& fields);
// The title block as typed into the fields the table names project, member, engineer,
// registration and page.
ProjectTitleBlock titleBlockOf(const FieldTable& table, const FieldSet& fields);

// A field table as its data file writes it, one field a line, the columns separated by
// tabs: object name, short name, caption, unit, default and, where the field has one,
// tooltip (a column may be empty; the default "" is an empty text). A line starting
// with '#' is a comment; a blank line is passed over. The line
//     title<TAB>OBJ OBJ OBJ OBJ OBJ<TAB>member caption[<TAB>page caption]
// appends the standard title block (project, member, engineer, registration, page).
// `problems` names every line that cannot be read, by its number; those lines are
// left out of the table.
struct ParsedFieldTable {
    FieldTable table;
    std::vector<std::string> problems;
};
ParsedFieldTable parseFieldTable(std::string_view text);
// A module's table from its data file. A line that cannot be read is left out, never a
// crash: its problem joins dataTableProblems(), which a test of every module holds empty.
FieldTable loadFieldTable(std::string_view source, std::string_view text);

// The rows of another of a module's data tables (the rows of a pick list), read the
// same way: `columns` cells a line separated by tabs, comment and blank lines passed
// over. A line of another count is left out, its problem joining dataTableProblems().
// The texts live as long as the program.
std::vector<std::vector<const char*>> loadRows(std::string_view source, std::string_view text, std::size_t columns);
// A cell of such a table as a number, read the same in every locale; a cell that is no
// number reads as 0 and its problem joins dataTableProblems().
double cellNumber(std::string_view source, const char* cell);

// A module's message boxes from its data table, numbered from 1 in line order: a line
// each, the icon (critical, information, exclamation, question), the title and the
// text, separated by tabs. A line of another count is left out and an icon of another
// name reads as critical, either problem joining dataTableProblems().
std::vector<Message> loadMessages(std::string_view source, std::string_view text);
// The box of a number from 1, the last for a number past the end and the first for one
// before the start; an empty box for a table that has none.
const Message& numberedMessage(const std::vector<Message>& table, int number);

// Every problem of every data table read so far, each with its file and line.
std::vector<std::string> dataTableProblems();

// The standard five fields of a sheet's title block, the member caption varying.
// Appends project, member, engineer, registration and page in that order.
void addTitleBlockFields(FieldTable& table, const char* const (&objects)[5], const char* memberCaption,
                         const char* pageCaption = "หน้า / แผ่นที่");
// The input rows with the title-block fields after them.
FieldTable withTitleBlock(FieldTable rows, const char* const (&objects)[5], const char* memberCaption,
                          const char* pageCaption = "หน้า / แผ่นที่");

}  // namespace mx
