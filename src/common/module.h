#pragma once
// What a design module is: its name, its input fields with their window defaults, its
// type and grade buttons, and a run that does what the window's Calculate does and
// reports the outcome. One description per module, beside its field table; the
// headless tool, the program and the project read the modules through these. No Qt.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/fixed.h"
#include "common/material.h"
#include "common/message.h"

namespace mx {

namespace cli {
struct Report;  // the outcome of one run as the tool reports it (common/cli.h)
}

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

// A type button: its code and the caption it puts up.
struct TypeInfo {
    int code;
    std::string caption;
};

// A field written as typing it in the window writes it: the field's change rule runs
// and every text it writes back is an edit in turn. Returns the messages the window
// shows, in order.
using FieldTyper = std::function<std::vector<Message>(FormState&, std::string_view field, const std::string& text)>;

// One design module as the tool, the program and the project know it.
struct ModuleDescription {
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
    std::function<cli::Report(FormState&, bool wantPages)> run;
};

// Presses a type button of the module (its own press, or a code of its type list);
// false, with the state untouched, for a code the module has no button for.
bool pressType(const ModuleDescription& module, FormState& state, int code);

// The module of a name among modules, or nullptr.
const ModuleDescription* findModule(const std::vector<ModuleDescription>& modules, std::string_view name);

// A module's record with its name, its window caption as its title, and its field
// table, whose defaults are the module's defaults.
ModuleDescription moduleRecord(std::string name, std::string title, FieldTable fields);

}  // namespace mx
