#pragma once
// The headless tool mx7100-calc's machinery: it parses the command line onto a
// module's description (common/module.h), runs it, and writes JSON (or a sheet).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fieldedit.h"
#include "common/module.h"
#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/fixed.h"
#include "common/material.h"
#include "common/message.h"
#include "common/page.h"

namespace mx::cli {

struct Report {
    std::optional<int> status;           // DesignStatus, or none for modules without one
    std::optional<std::string> verdict;  // verdict caption, or none
    std::vector<Message> messages;       // in the order the window shows them
    FieldSet labels;                     // result labels as the window shows them
    ResultList result;                   // every value of the result record
    std::optional<PageModel> sheet;      // filled when pages were asked for and the module prints a sheet
    std::optional<PageModel> drawing;    // filled when pages were asked for and the module draws the member
    std::optional<Quantities> quantities;  // the member's takeoff, where the module measures one
};

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
std::optional<std::string> parseSettings(const ModuleDescription& module, const std::vector<std::string>& args, Invocation& out,
                                         SettingMode mode = SettingMode::Raw);

// The tool's report of a run: the labels written in order, the sheet (its title block
// from the fields) and the drawing when pages are asked for.
Report reportOf(const ModuleDescription& module, const FormState& state, ModuleRun run, bool wantPages);
// Runs Calculate on the state (the tool's presses before it first) and reports it.
Report runModule(const ModuleDescription& module, FormState& state, bool wantPages);

// Runs Calculate on a parsed invocation: the messages shown while typing come first.
Report runInvocation(const ModuleDescription& module, Invocation& inv, bool wantPages);

// Texts of --help: the list of modules, and one module's fields, types and grades.
std::string toolHelp(const std::vector<ModuleDescription>& modules);
std::string moduleHelp(const ModuleDescription& module);

std::string jsonString(std::string_view s);
std::string toJson(const ModuleDescription& module, const FormState& state, const Report& report);
// A member's quantities as JSON, counted `count` times and rounded as shown: available,
// or the reason there are none; concrete (m³), formwork (m²), each bar set and the
// steel by size and grade (kg).
std::string quantitiesJson(const Quantities& q, int count = 1);

}  // namespace mx::cli
