#include "cli/tool.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "cli/output.h"
#include "common/utf8.h"
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

namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(" \t") - b + 1));
}

// A "did you mean" is worked out only for a name someone could have mistyped: the edit
// distance costs the name's length times each known name's.
constexpr std::size_t kMostSuggested = 64;

std::string suggestion(std::string_view name, const std::vector<std::string>& names) {
    return name.size() > kMostSuggested ? std::string() : closestName(name, names);
}

std::string errorLine(int row, const std::string& error) {
    return "{\"row\": " + std::to_string(row) + ", \"error\": " + jsonString(error) + "}";
}

}  // namespace

BatchSummary runBatch(const std::vector<Module>& modules, CsvReader& reader, SettingMode mode, std::ostream& out,
                      std::ostream& progress, const std::function<bool(const PageModel&)>& addSheet,
                      const DesignSink& onDesign) {
    BatchSummary summary;
    // Each line is flushed as it is written, so what ran is on record whatever stops the
    // batch later; a line that cannot be written stops it.
    auto emit = [&](const std::string& line) {
        out << line << '\n';
        out.flush();
        summary.outputFailed = !out;
        return !summary.outputFailed;
    };
    CsvRecord first;
    if (!reader.next(first)) return summary;
    const std::size_t total = reader.remaining();
    std::vector<std::string> header;
    for (const std::string& h : first.cells) header.push_back(trim(h));
    const auto moduleAt = std::find(header.begin(), header.end(), "module");
    if (!first.error.empty() || moduleAt == header.end()) {
        summary.headerBad = true;
        summary.bad = static_cast<int>(total);
        emit(errorLine(first.row, first.error.empty() ? "the header names no module column"
                                                      : "the header cannot be read: " + first.error));
        return summary;
    }
    const auto moduleColumn = static_cast<std::size_t>(moduleAt - header.begin());
    std::vector<std::string> moduleNames;
    for (const Module& m : modules) moduleNames.push_back(m.name);

    // Whether a column names a setting of a module, worked out once per module and
    // column: the suggestion for a misspelt name costs its length times every name's.
    std::map<std::pair<const Module*, std::size_t>, std::optional<std::string>> columnErrors;
    auto columnError = [&](const Module& module, std::size_t c) -> const std::optional<std::string>& {
        auto [it, fresh] = columnErrors.try_emplace({&module, c});
        if (fresh && header[c].empty()) {
            it->second = "column " + columnName(c) + " has no name in the header";
        } else if (fresh && header[c] != "type" && header[c] != "grade") {
            Invocation probe;
            it->second = parseSettings(module, {header[c] + "="}, probe, SettingMode::Raw);
        }
        return it->second;
    };

    // Long batches say how far they are, every tenth of the way.
    const std::size_t step = total >= 100 ? total / 10 : 0;
    std::size_t r = 0;
    for (CsvRecord rec; reader.next(rec);) {
        ++r;
        if (step && r % step == 0 && r < total)
            progress << "mx7100-calc: " << r << " of " << total << " designs\n" << std::flush;
        auto reject = [&](const std::string& error) {
            ++summary.bad;
            return emit(errorLine(rec.row, error));
        };
        if (!rec.error.empty()) {
            if (!reject(rec.error)) break;
            continue;
        }
        // A spreadsheet saves the empty rows inside its used range as bare commas.
        if (std::all_of(rec.cells.begin(), rec.cells.end(), [](const std::string& c) { return trim(c).empty(); }))
            continue;
        // Cells past the header's count only when they hold something: a spreadsheet
        // may save empty cells to the right of the schedule.
        if (rec.cells.size() > header.size() &&
            std::any_of(rec.cells.begin() + static_cast<std::ptrdiff_t>(header.size()), rec.cells.end(),
                        [](const std::string& c) { return !trim(c).empty(); })) {
            if (!reject("the row has " + std::to_string(rec.cells.size()) + " cells, the header " +
                        std::to_string(header.size())))
                break;
            continue;
        }
        rec.cells.resize(header.size());  // a short row has the cells it lacks empty
        const std::string name = trim(rec.cells[moduleColumn]);
        const Module* module = findModule(modules, name);
        if (!module || !module->run) {
            const std::string near = suggestion(name, moduleNames);
            if (!reject(name.empty() ? "no module named"
                                     : "unknown module '" + name + "'" +
                                           (near.empty() ? std::string() : " (did you mean " + near + "?)")))
                break;
            continue;
        }
        // The row's cells as settings, type and grade first (a type button resets
        // captions and a grade writes fs, both before the fields are typed), then the
        // fields in column order.
        std::vector<std::string> settings, fields;
        std::optional<std::string> error;
        for (std::size_t c = 0; c < rec.cells.size() && !error; ++c) {
            if (c == moduleColumn) continue;
            const bool button = header[c] == "type" || header[c] == "grade";
            const std::string value = button ? trim(rec.cells[c]) : rec.cells[c];
            if (value.empty()) continue;
            if (const auto& unknown = columnError(*module, c)) error = unknown;
            (button ? settings : fields).push_back(header[c] + "=" + value);
        }
        settings.insert(settings.end(), fields.begin(), fields.end());
        Invocation inv;
        if (!error) error = parseSettings(*module, settings, inv, mode);
        if (error) {
            if (!reject(*error)) break;
            continue;
        }
        if (onDesign) onDesign(*module, inv.state, rec.row);
        const Report report = runInvocation(*module, inv, static_cast<bool>(addSheet));
        std::string page = "null";
        if (addSheet && report.sheet && addSheet(*report.sheet)) page = std::to_string(++summary.pages);
        const std::string json = toJson(*module, inv.state, report);
        ++summary.designs;
        if (!emit("{\"row\": " + std::to_string(rec.row) + (addSheet ? ", \"page\": " + page : std::string()) + ", " +
                  json.substr(1)))
            break;
    }
    if (step && !summary.outputFailed)
        progress << "mx7100-calc: " << total << " of " << total << " designs done\n" << std::flush;
    return summary;
}

std::optional<std::string> checkArguments(std::vector<std::string>& args, std::ostream& notes) {
    std::vector<std::string> outputs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string& a = args[i];
        if (a == "--sheet" || a == "--drawing") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return a + " needs a file name";
            const std::string& path = args[++i];
            if (auto err = checkOutputPath(path)) return err;
            for (const std::string& other : outputs)
                if (samePath(path, other)) return "one file, " + path + ", named for two outputs";
            outputs.push_back(path);
            continue;
        }
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos) continue;  // parseSettings says what is wrong with it
        const std::string key = a.substr(0, std::min<std::size_t>(eq, 64));
        if (a.size() - eq - 1 > kMostSettingBytes)
            return "the text of " + key + " holds more than " + std::to_string(kMostSettingBytes) + " bytes";
        if (isUtf8(a)) continue;
        std::string text;
        if (const auto bad = toUtf8(a, TextEncoding::Windows874, text)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(a[*bad]));
            return "the setting " + key + " holds the byte " + hex + ", which is no character in UTF-8 or Windows-874 Thai";
        }
        notes << "mx7100-calc: " << key << " is not UTF-8; read as Windows-874 Thai\n";
        a = std::move(text);
    }
    return std::nullopt;
}

}  // namespace mx::cli
