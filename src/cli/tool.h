#pragma once
// The headless tool without its main: the modules it knows, and batch runs of a CSV
// schedule of designs. No Qt here: the sheets of a batch go to a callback.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"

namespace mx::cli {

std::vector<Module> allModules();
// The module of a name, or nullptr.
const Module* findModule(const std::vector<Module>& modules, std::string_view name);

// One record of a CSV file: its cells, and its number counted from the header as 1
// (the row number a spreadsheet shows).
struct CsvRecord {
    int row = 0;
    std::vector<std::string> cells;
};
// Reads comma-separated records: cells in double quotes may hold commas, line breaks
// and doubled quotes; CRLF and LF line ends; a UTF-8 byte-order mark is skipped;
// blank lines are left out. Returns an error text for a quote left open.
std::optional<std::string> parseCsv(std::string_view text, std::vector<CsvRecord>& out);

struct BatchSummary {
    int designs = 0;  // rows designed
    int bad = 0;      // rows reported as unreadable
    int pages = 0;    // sheets handed to addSheet
};

// Runs every row of the schedule: a module column, optional type and grade columns,
// and field columns by object or short name; an empty cell keeps the default. Writes
// one JSON line per row, in row order, with its row number; a row that cannot be read
// gets a line with its error and the rest go on. With addSheet set, each design's
// sheet is handed to it and the row's line names its page. Progress lines go to
// `progress` when the batch is long.
BatchSummary runBatch(const std::vector<Module>& modules, const std::vector<CsvRecord>& records, SettingMode mode,
                      std::ostream& out, std::ostream& progress,
                      const std::function<bool(const PageModel&)>& addSheet = {});

}  // namespace mx::cli
