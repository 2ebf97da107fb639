#pragma once
// What a design module is: its name, its input fields with their window defaults, its
// type and grade buttons, and a run that does what the window's Calculate does and
// reports the outcome. One description per module, beside its field table; the
// headless tool, the program and the project read the modules through these. No Qt.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
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
#include "common/quantities.h"
#include "common/titleblock.h"

namespace mx {

// The window as the tool sets it up: field texts, the type code last pressed and the
// steel grade last pressed (empty when none).
struct FormState {
    FieldSet fields;
    int typeCode = 0;
    std::optional<SteelGrade> grade;
    // The fields (object names) whose texts a project's links resolved rather than the
    // engineer typed: a run may take a linked value where it leaves a typed one to an
    // aid (the beam's point loads).
    std::vector<std::string> linked = {};
};

// Named result values, written as JSON numbers (or strings, or null) in order.
class ResultList {
public:
    void add(std::string name, double v);
    // A single-precision value, at its own shortest decimal (singleValue).
    void add(std::string name, float v);
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

// The record of one Calculate, made by the module's run and read alike by the window
// and the tool. The window replays `diagnostics` through its fields' change checks,
// writes `labels` at `resultsAt` among them and `closingLabels` after the last; the
// tool prints `messages` (the same boxes, with those its field rules raised on the
// corrections) and every label. The closures hold the run's own result record, so
// that a sheet or a drawing is always of the Calculate whose numbers are shown.
struct ModuleRun {
    std::optional<int> status;           // DesignStatus, or none for modules without one
    std::optional<std::string> verdict;  // verdict caption, or none
    Diagnostics diagnostics;             // messages and corrections, as the window replays them
    std::vector<Message> messages;       // the boxes in the order the window shows them
    // Where among the events the result labels are written (at the end: after the
    // last); none when the run writes no labels at an event.
    std::optional<std::size_t> resultsAt;
    FieldSet labels;         // the result labels (blank ones the tool shows, where none are written)
    FieldSet closingLabels;  // written after the last message: the verdict caption
    ResultList result;       // every value of the result record
    std::function<PageModel(const ProjectTitleBlock&)> sheet;  // empty where the module prints none
    std::function<PageModel(const PageBox&)> drawing;          // empty where the module draws nothing
    // The run sized a member to draw; without it Draw says why instead of drawing.
    std::function<bool()> hasFigure;
    // What the printed sheet lacks, said before it goes to the printer; none if nothing.
    std::function<std::optional<Message>()> sheetWarning;
    // The module's own outcome, as std::shared_ptr<const Outcome>, the one the closures
    // read: for what a window does with it besides showing it (see recordOf).
    std::any record;
};

// The outcome a run keeps, or nullptr for a run of another module (or none).
template <typename Outcome>
const Outcome* recordOf(const ModuleRun& run) {
    const auto* p = std::any_cast<std::shared_ptr<const Outcome>>(&run.record);
    return p ? p->get() : nullptr;
}

// A run's quantities by the module's takeoff of its outcome; none, said so, unless the
// run designed a usable member.
template <typename Outcome, typename Takeoff>
Quantities quantitiesOfRun(const ModuleRun& run, Takeoff&& takeoff) {
    const Outcome* o = recordOf<Outcome>(run);
    if (!o || run.status != static_cast<int>(DesignStatus::Usable)) return notUsableQuantities();
    return takeoff(*o);
}

// A run's quantities by the module's takeoff of its result, at the grade its bars are
// bought in: the grade button pressed, or else the one the design's fs tells.
template <typename Outcome, Quantities (*Takeoff)(const decltype(Outcome::result)&, const std::string& grade)>
Quantities runQuantities(const ModuleRun& run, const FormState& state) {
    return quantitiesOfRun<Outcome>(
        run, [&](const Outcome& o) { return Takeoff(o.result, memberGrade(state.grade, o.result.fs)); });
}

// A type button: its code and the caption it puts up.
struct TypeInfo {
    int code;
    std::string caption;
};

// A field written as typing it in the window writes it: the field's change rule runs
// and every text it writes back is an edit in turn. Returns the messages the window
// shows, in order.
using FieldTyper = std::function<std::vector<Message>(FormState&, std::string_view field, const std::string& text)>;

// Typing through a field's change check, the check reading the texts alone.
FieldTyper typingThrough(FieldCheck check);

// A load one member passes on to another, at service level (no load factors), its dead
// and live parts apart so that the receiving module applies its own factors once. A
// capacity (a pile's safe load) or a load known only as a whole is not `split`: its
// value is all in `dead`.
struct PortLoad {
    double dead = 0;
    double live = 0;
    bool split = true;
    double total() const { return dead + live; }
};

// A member's own linked fields as resolved for its run, by short name: what its ports
// read to keep the dead and live parts of its loads apart.
using LinkedLoads = std::vector<std::pair<std::string, PortLoad>>;

// An output of a module that another member's field may be linked to: a line load on a
// slab's edge, a beam's reaction, a column's base load, a pile's safe load.
struct PortInfo {
    std::string name;     // as the project file names it: "r1", "short_edge"
    std::string caption;  // Thai, for the take-down table
    std::string unit;     // in the field tables' units: "kg/m", "kg", "t"
    // The load of a run, or none when the run stopped before it had one (an input
    // error): then the member has no outputs and its dependents cannot be designed.
    std::function<std::optional<PortLoad>(const ModuleRun&, const LinkedLoads&)> value;
};

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
    // What the tool presses before Calculate that a window's user presses by hand (the
    // round column's diameter box): its messages come before Calculate's. May be empty.
    std::function<std::vector<Message>(FormState&)> pressBeforeRun;
    // Runs Calculate on the state as the window's Calculate does (corrections land in
    // state.fields). Empty while the module is not built.
    std::function<ModuleRun(FormState&)> run;
    // The record of no Calculate: the sheet and figure of an empty result record, what
    // a window prints and draws before its first Calculate. Empty where run is.
    std::function<ModuleRun()> noRun;
    // The window's drawing surface as the tool draws the member on it.
    PageBox drawingArea{};
    // What a member of this module passes on, and the fields (short names) that take a
    // link to another member's port of the same unit; both empty where none.
    std::vector<PortInfo> ports;
    std::vector<std::string> targets;
    // The member's quantities from one of its runs (the run's own record) and the state
    // it ran on; empty where the module builds nothing.
    std::function<Quantities(const ModuleRun&, const FormState&)> quantities;
    // Where the module's sheet has room for one more line, in red when the member stands
    // on a member that is not usable: below the listing and clear of the figure.
    PagePoint standsOnAt{kSheetLeft, 15400};
};

// ---- The steps every design module's run shares ------------------------------------------

// How a module prints and draws the result record of one Calculate: its sheet (of a
// usable design or not), its figure in an area, and whether the record sized a member
// to draw at all. A piece left empty is one the module does not have.
template <typename Result>
struct ResultPages {
    PageModel (*sheet)(const Result&, bool usable, const ProjectTitleBlock&) = nullptr;
    PageModel (*drawing)(const Result&, const PageBox&) = nullptr;
    bool (*hasFigure)(const Result&) = nullptr;
};

// Keeps an outcome (its `result` and `status`) as the run's record, the sheet and the
// figure reading that one record.
template <typename Outcome>
void keepOutcome(ModuleRun& run, Outcome outcome, const ResultPages<decltype(Outcome::result)>& pages) {
    const auto o = std::make_shared<const Outcome>(std::move(outcome));
    const bool usable = o->status == DesignStatus::Usable;
    if (pages.sheet)
        run.sheet = [o, usable, sheet = pages.sheet](const ProjectTitleBlock& tb) { return sheet(o->result, usable, tb); };
    if (pages.drawing) run.drawing = [o, drawing = pages.drawing](const PageBox& area) { return drawing(o->result, area); };
    if (pages.hasFigure) run.hasFigure = [o, hasFigure = pages.hasFigure] { return hasFigure(o->result); };
    run.record = o;
}

// What every design run ends with, once the module has placed its messages and result
// labels in `run`: the status and the verdict, the verdict caption written after the
// last message (under verdictLabel; none where the module places it itself), every
// value of the result record, the diagnostics as the window replays them, and the
// outcome kept with its pages.
template <typename Outcome>
ModuleRun finishRun(ModuleRun run, Outcome outcome, const char* verdictLabel,
                    void (*addResult)(ResultList&, const decltype(Outcome::result)&),
                    const ResultPages<decltype(Outcome::result)>& pages) {
    run.status = static_cast<int>(outcome.status);
    run.verdict = outcome.verdict;
    if (verdictLabel) run.closingLabels.set(verdictLabel, outcome.verdict);
    addResult(run.result, outcome.result);
    run.diagnostics = outcome.diagnostics;
    keepOutcome(run, std::move(outcome), pages);
    return run;
}

// The record of no Calculate: the pages of an empty outcome, what a window prints and
// draws before its first Calculate.
template <typename Outcome>
std::function<ModuleRun()> noRunOf(ResultPages<decltype(Outcome::result)> pages) {
    return [pages] {
        ModuleRun run;
        keepOutcome(run, Outcome{}, pages);
        return run;
    };
}

// A steel-grade button: the grade is kept, for what Calculate reads of it besides the
// fields, and the button writes its fields (the allowable steel stress fs and any
// other the module's button writes).
template <typename WriteFields>
std::function<void(FormState&, SteelGrade)> gradePress(WriteFields writeFields) {
    return [writeFields](FormState& state, SteelGrade grade) {
        state.grade = grade;
        writeFields(state.fields, grade);
    };
}

// Presses a type button of the module (its own press, or a code of its type list);
// false, with the state untouched, for a code the module has no button for.
bool pressType(const ModuleDescription& module, FormState& state, int code);

// The module of a name among modules, or nullptr.
const ModuleDescription* findModule(const std::vector<ModuleDescription>& modules, std::string_view name);

// A module's record with its name, its window caption as its title, and its field
// table, whose defaults are the module's defaults.
ModuleDescription moduleRecord(std::string name, std::string title, FieldTable fields);

}  // namespace mx
