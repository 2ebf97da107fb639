#pragma once
// The headless tool without its main: the modules it knows, and batch runs of a CSV
// schedule of designs. No Qt here: the sheets of a batch go to a callback.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv.h"
#include "common/cli.h"

namespace mx::cli {

std::vector<ModuleDescription> allModules();
// The module of a name, or nullptr.
const ModuleDescription* findModule(const std::vector<ModuleDescription>& modules, std::string_view name);

struct BatchSummary {
    int designs = 0;              // rows designed
    int bad = 0;                  // rows reported as unreadable
    int pages = 0;                // sheets handed to addSheet
    bool headerBad = false;       // the header could not be read or names no module column: nothing ran
    bool outputFailed = false;    // a line could not be written; the batch stopped there
};

// Runs every row of the schedule: a module column, optional type and grade columns,
// and field columns by object or short name; an empty cell keeps the default and a
// row short of cells has the rest empty (a row with every cell empty is skipped).
// Writes one JSON line per row, in row order, with its row number, each line flushed
// as it is written; a row that cannot be read gets a line with its error and the rest
// go on. With addSheet set, each design's sheet is handed to it and the row's line
// names its page. Progress lines go to `progress` when the batch is long. With
// onDesign set, each row that designs is handed to it with its window state as the
// settings left it, before Calculate (batch --project keeps them as members).
using DesignSink = std::function<void(const ModuleDescription&, const FormState&, int row)>;
BatchSummary runBatch(const std::vector<ModuleDescription>& modules, CsvReader& reader, SettingMode mode,
                      std::ostream& out, std::ostream& progress,
                      const std::function<bool(const PageModel&)>& addSheet = {}, const DesignSink& onDesign = {});

// What a typed setting may hold: a field's text is one line of a window or a sheet.
inline constexpr std::size_t kMostSettingBytes = CsvLimits{}.cellBytes;

// A module's command-line arguments checked before they are applied: every output
// option (--sheet, --drawing) has a name of its own, and every setting is at most
// kMostSettingBytes and UTF-8, or Windows-874 (a Thai console) turned into UTF-8 with
// a line on `notes` saying so. Returns an error text.
std::optional<std::string> checkArguments(std::vector<std::string>& args, std::ostream& notes);

}  // namespace mx::cli
