#include "cli/tool.h"

#include "common/cli_modules.h"

namespace mx::cli {

std::vector<Module> allModules() {
    return {beamCliModule(),          slabCliModule(),    columnCliModule(), stairCliModule(),
            spreadFootingCliModule(), pileCapCliModule(), pileCliModule(),   blowCliModule(),
            coverCliModule(),         criteriaCliModule()};
}

const Module* findModule(const std::vector<Module>& modules, std::string_view name) {
    for (const Module& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

std::optional<std::string> parseCsv(std::string_view text, std::vector<CsvRecord>& out) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    CsvRecord record;
    std::string cell;
    bool quoted = false;      // inside a quoted cell
    bool cellStarted = false; // the record has a cell in progress (blank lines have none)
    int row = 0;
    int quoteLine = 0;
    int line = 1;
    auto endCell = [&] {
        record.cells.push_back(std::move(cell));
        cell.clear();
    };
    auto endRecord = [&] {
        if (cellStarted || !record.cells.empty()) {
            endCell();
            record.row = ++row;
            out.push_back(std::move(record));
        }
        record = CsvRecord{};
        cellStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                cell += c;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            cellStarted = true;
            quoteLine = line;
            break;
        case ',':
            endCell();
            cellStarted = true;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') break;  // the LF ends it
            [[fallthrough]];
        case '\n':
            ++line;
            endRecord();
            break;
        default:
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) return "a quoted cell opened on line " + std::to_string(quoteLine) + " is never closed";
    endRecord();
    return std::nullopt;
}

namespace {

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::string errorLine(int row, const std::string& error) {
    return "{\"row\": " + std::to_string(row) + ", \"error\": " + jsonString(error) + "}";
}

}  // namespace

BatchSummary runBatch(const std::vector<Module>& modules, const std::vector<CsvRecord>& records, SettingMode mode,
                      std::ostream& out, std::ostream& progress,
                      const std::function<bool(const PageModel&)>& addSheet) {
    BatchSummary summary;
    if (records.empty()) return summary;
    std::vector<std::string> header;
    for (const std::string& h : records.front().cells) header.push_back(trim(h));
    std::size_t moduleColumn = header.size();
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == "module") moduleColumn = i;
    if (moduleColumn == header.size()) {
        out << errorLine(records.front().row, "the header names no module column") << "\n";
        summary.bad = static_cast<int>(records.size()) - 1;
        return summary;
    }

    const std::size_t total = records.size() - 1;
    // Long batches say how far they are, every tenth of the way.
    const std::size_t step = total >= 100 ? total / 10 : 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        if (step && r % step == 0 && r < total)
            progress << "mx7100-calc: " << r << " of " << total << " designs\n" << std::flush;
        if (rec.cells.size() > header.size()) {
            out << errorLine(rec.row, "the row has " + std::to_string(rec.cells.size()) + " cells, the header " +
                                          std::to_string(header.size()))
                << "\n";
            ++summary.bad;
            continue;
        }
        const std::string name = trim(rec.cells[moduleColumn]);
        const Module* module = findModule(modules, name);
        if (!module || !module->run) {
            std::vector<std::string> names;
            for (const Module& m : modules) names.push_back(m.name);
            out << errorLine(rec.row, name.empty() ? "no module named"
                                                   : "unknown module '" + name + "' (did you mean " +
                                                         closestName(name, names) + "?)")
                << "\n";
            ++summary.bad;
            continue;
        }
        // The row's cells as settings, type and grade first (a type button resets
        // captions and a grade writes fs, both before the fields are typed), then the
        // fields in column order.
        std::vector<std::string> first, fields;
        for (std::size_t c = 0; c < rec.cells.size(); ++c) {
            if (c == moduleColumn) continue;
            const std::string value = header[c] == "type" || header[c] == "grade" ? trim(rec.cells[c]) : rec.cells[c];
            if (value.empty()) continue;
            if (header[c].empty()) {
                fields.push_back("=" + value);  // reported as malformed below
                continue;
            }
            (header[c] == "type" || header[c] == "grade" ? first : fields).push_back(header[c] + "=" + value);
        }
        first.insert(first.end(), fields.begin(), fields.end());
        Invocation inv;
        if (const auto err = parseSettings(*module, first, inv, mode)) {
            out << errorLine(rec.row, *err) << "\n";
            ++summary.bad;
            continue;
        }
        const Report report = runInvocation(*module, inv, static_cast<bool>(addSheet));
        std::string page = "null";
        if (addSheet && report.sheet && addSheet(*report.sheet)) page = std::to_string(++summary.pages);
        const std::string json = toJson(*module, inv.state, report);
        out << "{\"row\": " << rec.row;
        if (addSheet) out << ", \"page\": " << page;
        out << ", " << json.substr(1) << "\n";
        ++summary.designs;
    }
    if (step) progress << "mx7100-calc: " << total << " of " << total << " designs done\n" << std::flush;
    return summary;
}

}  // namespace mx::cli
