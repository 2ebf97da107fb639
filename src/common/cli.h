#pragma once
// What each design module offers the headless tool mx7100-calc: its input fields with
// their window defaults, its type and grade buttons, and a run that does what the
// window's Calculate does and reports the outcome. The tool itself only parses the
// command line, calls these and writes JSON (or a sheet).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fieldedit.h"
#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/fixed.h"
#include "common/material.h"
#include "common/message.h"
#include "common/page.h"

namespace mx::cli {

// The window as the tool sets it up: field texts, the type code last pressed and the
// steel grade last pressed (empty when none).
struct FormState {
    FieldSet fields;
    int typeCode = 0;
    std::optional<SteelGrade> grade;
};

// Named result values, written as JSON numbers (or strings, or null) in order.
class ResultList {
public:
    void add(std::string name, double v);
    void add(std::string name, Fixed v);
    void add(std::string name, std::int64_t v);
    void add(std::string name, int v) { add(std::move(name), static_cast<std::int64_t>(v)); }
    void add(std::string name, std::int16_t v) { add(std::move(name), static_cast<std::int64_t>(v)); }
    void add(std::string name, bool v);
    void addText(std::string name, const std::string& v);
    void addNull(std::string name);
    // Name and JSON text of each value.
    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

struct Report {
    std::optional<int> status;           // DesignStatus, or none for modules without one
    std::optional<std::string> verdict;  // verdict caption, or none
    std::vector<Message> messages;       // in the order the window shows them
    FieldSet labels;                     // result labels as the window shows them
    ResultList result;                   // every value of the result record
    std::optional<PageModel> sheet;      // filled when pages were asked for and the module prints a sheet
    std::optional<PageModel> drawing;    // filled when pages were asked for and the module draws the member
};

// A type button: its code and the caption it puts up.
struct TypeInfo {
    int code;
    std::string caption;
};

// A field written as typing it in the window writes it: the field's change rule runs
// and every text it writes back is an edit in turn. Returns the messages the window
// shows, in order.
using FieldTyper = std::function<std::vector<Message>(FormState&, std::string_view field, const std::string& text)>;

struct Module {
    std::string name;
    FieldSet defaults;  // every input field with its window default
    std::string title;  // one line for the tool's list of modules
    // Every field the module reads: object name, short name, caption, unit, default.
    // Its defaults are the module's defaults, field for field.
    FieldTable fields;
    std::vector<TypeInfo> types;  // the type buttons, in code order
    // Writes a field through its change rule; empty when the module has no rules.
    FieldTyper typeField;
    // Presses the type button of a code; false when the module has no such type. Empty
    // where a type button only chooses the type: then any code of `types` is pressed.
    std::function<bool(FormState&, int code)> pressType;
    // Presses a steel-grade button; empty when the module has none.
    std::function<void(FormState&, SteelGrade)> pressGrade;
    // Runs Calculate on the state (corrections land in state.fields); when wantPages
    // is set it also builds the printed sheet and the window drawing of that run.
    // Empty while the module is not built.
    std::function<Report(FormState&, bool wantPages)> run;
};

// Presses a type button of the module (its own press, or a code of its type list);
// false, with the state untouched, for a code the module has no button for.
bool pressType(const Module& module, FormState& state, int code);

// A module's record with its name, its window caption as its title, and its field
// table, whose defaults are the module's defaults.
Module moduleRecord(std::string name, std::string title, FieldTable fields);

// Parses SETTING arguments (CONTROL=TEXT, type=N, grade=G, --sheet FILE.pdf,
// --drawing FILE.png) onto a state made from the module's defaults. Returns an error
// text for a bad setting.
struct Invocation {
    FormState state;
    std::string sheetPath;
    std::string drawingPath;
    // Messages the change rules showed while the settings were typed, in order.
    std::vector<Message> typedMessages;
};
// Raw: texts are placed in the fields as given, without their change rules (the tool's
// --raw, for a calculation beyond the field limits). Typed: each CONTROL=TEXT runs
// the field's change rule as typing it in the window does.
enum class SettingMode { Raw, Typed };
// A field may be named by its object name or its short name; an unknown name is an
// error that names the closest known one.
std::optional<std::string> parseSettings(const Module& module, const std::vector<std::string>& args, Invocation& out,
                                         SettingMode mode = SettingMode::Raw);

// Runs Calculate on a parsed invocation: the messages shown while typing come first.
Report runInvocation(const Module& module, Invocation& inv, bool wantPages);

// Texts of --help: the list of modules, and one module's fields, types and grades.
std::string toolHelp(const std::vector<Module>& modules);
std::string moduleHelp(const Module& module);

std::string jsonString(std::string_view s);
std::string toJson(const Module& module, const FormState& state, const Report& report);

}  // namespace mx::cli
