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

#include "common/fieldset.h"
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

struct Module {
    std::string name;
    FieldSet defaults;  // every input field with its window default
    // Presses the type button of a code; false when the module has no such type.
    std::function<bool(FormState&, int code)> pressType;
    // Presses a steel-grade button; empty when the module has none.
    std::function<void(FormState&, SteelGrade)> pressGrade;
    // Runs Calculate on the state (corrections land in state.fields); when wantPages
    // is set it also builds the printed sheet and the window drawing of that run.
    // Empty while the module is not built.
    std::function<Report(FormState&, bool wantPages)> run;
};

// Parses SETTING arguments (CONTROL=TEXT, type=N, grade=G, --sheet FILE.pdf,
// --drawing FILE.png) onto a state made from the module's defaults. Returns an error
// text for a bad setting.
struct Invocation {
    FormState state;
    std::string sheetPath;
    std::string drawingPath;
};
std::optional<std::string> parseSettings(const Module& module, const std::vector<std::string>& args, Invocation& out);

std::string jsonString(std::string_view s);
std::string toJson(const Module& module, const FormState& state, const Report& report);

}  // namespace mx::cli
