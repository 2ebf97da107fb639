#include "cli/tool.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "beam/beam_module.h"
#include "cli/output.h"
#include "column/column_module.h"
#include "common/utf8.h"
#include "pile/pile_module.h"
#include "pilecap/pilecap_module.h"
#include "shell/cover_module.h"
#include "slab/slab_module.h"
#include "spreadfooting/spreadfooting_module.h"
#include "stair/stair_module.h"

namespace mx::cli {

std::vector<ModuleDescription> allModules() {
    return {beam::description(),          slab::description(),    column::description(), stair::description(),
            spreadfooting::description(), pilecap::description(), pile::pileDescription(),   pile::blowDescription(),
            shell::coverDescription(),         shell::criteriaDescription()};
}

const ModuleDescription* findModule(const std::vector<ModuleDescription>& modules, std::string_view name) {
    for (const ModuleDescription& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(" \t") - b + 1));
}

// Two columns of one name: which of them a row means cannot be known.
std::optional<std::string> duplicateColumn(const std::vector<std::string>& header) {
    std::unordered_map<std::string_view, std::size_t> first;
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c].empty()) continue;
        const auto [at, fresh] = first.try_emplace(header[c], c);
        if (!fresh)
            return "columns " + columnName(at->second) + " and " + columnName(c) + " are both named " + quoted(header[c]);
    }
    return std::nullopt;
}

std::string errorLine(int row, const std::string& error) {
    return "{\"row\": " + std::to_string(row) + ", \"error\": " + jsonString(error) + "}";
}

}  // namespace

BatchSummary runBatch(const std::vector<ModuleDescription>& modules, CsvReader& reader, SettingMode mode, std::ostream& out,
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
    std::optional<std::string> headerError;
    if (!first.error.empty()) headerError = "the header cannot be read: " + first.error;
    else if (moduleAt == header.end()) headerError = "the header names no module column";
    else headerError = duplicateColumn(header);
    if (headerError) {
        summary.headerBad = true;
        summary.bad = static_cast<int>(total);
        emit(errorLine(first.row, *headerError));
        return summary;
    }
    const auto moduleColumn = static_cast<std::size_t>(moduleAt - header.begin());
    std::vector<std::string> moduleNames;
    for (const ModuleDescription& m : modules) moduleNames.push_back(m.name);

    // What a column sets in a module: an error when it names no setting, else the
    // field's object name (empty for type and grade), worked out once per module and
    // column: the suggestion for a misspelt name costs its length times every name's.
    struct Column {
        std::optional<std::string> error;
        std::string object;
    };
    std::map<std::pair<const ModuleDescription*, std::size_t>, Column> columns;
    auto column = [&](const ModuleDescription& module, std::size_t c) -> const Column& {
        auto [it, fresh] = columns.try_emplace({&module, c});
        if (fresh && header[c].empty()) {
            it->second.error = "column " + columnName(c) + " has no name in the header";
        } else if (fresh && header[c] != "type" && header[c] != "grade") {
            Invocation probe;
            it->second.error = parseSettings(module, {header[c] + "="}, probe, SettingMode::Raw);
            if (const FieldInfo* f = findField(module.fields, header[c])) it->second.object = f->object;
            else it->second.object = header[c];
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
        const ModuleDescription* module = findModule(modules, name);
        if (!module || !module->run) {
            if (!reject(name.empty() ? "no module named"
                                     : "unknown module " + quoted(name) + " (did you mean " +
                                           closestName(name, moduleNames) + "?)"))
                break;
            continue;
        }
        // The row's cells as settings, type and grade first (a type button resets
        // captions and a grade writes fs, both before the fields are typed), then the
        // fields in column order.
        std::vector<std::string> settings, fields;
        std::optional<std::string> error;
        // Two columns that reach one field (its object name and its short name) would
        // leave the design to the later one: the row says which two instead.
        std::map<std::string, std::size_t> filled;
        for (std::size_t c = 0; c < rec.cells.size() && !error; ++c) {
            if (c == moduleColumn) continue;
            const bool button = header[c] == "type" || header[c] == "grade";
            const std::string value = button ? trim(rec.cells[c]) : rec.cells[c];
            if (value.empty()) continue;
            const Column& col = column(*module, c);
            if (col.error) {
                error = col.error;
            } else if (!button) {
                const auto [at, fresh] = filled.try_emplace(col.object, c);
                if (!fresh)
                    error = "columns " + columnName(at->second) + " (" + quoted(header[at->second]) + ") and " +
                            columnName(c) + " (" + quoted(header[c]) + ") both set the field " + col.object +
                            " of " + module->name;
            }
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
                if (samePath(path, other)) return "one file, " + shownPath(path) + ", named for two outputs";
            outputs.push_back(path);
            continue;
        }
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos) continue;  // parseSettings says what is wrong with it
        const std::string key = quoted(std::string_view(a).substr(0, eq));
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
