#include "common/cli.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/numtext.h"
#include "common/utf8.h"

namespace mx::cli {

namespace {

// Every name a setting may use: type and grade where the module has them, then each
// field's object name and short name.
std::vector<std::string> settingNames(const ModuleDescription& module) {
    std::vector<std::string> names;
    if (!module.types.empty()) names.emplace_back("type");
    if (module.pressGrade) names.emplace_back("grade");
    if (module.fields.empty()) {
        for (const auto& [object, text] : module.defaults.entries()) names.push_back(object);
    }
    for (const FieldInfo& f : module.fields) {
        names.emplace_back(f.object);
        names.emplace_back(f.name);
    }
    return names;
}

// The object name of a field named by object or short name; "" when there is none.
std::string fieldObject(const ModuleDescription& module, std::string_view key) {
    if (const FieldInfo* f = findField(module.fields, key)) return f->object;
    if (module.defaults.has(key)) return std::string(key);
    return {};
}

}  // namespace

std::optional<std::string> parseSettings(const ModuleDescription& module, const std::vector<std::string>& args, Invocation& out,
                                         SettingMode mode) {
    out.state.fields = module.defaults;
    for (const std::string& a : args)
        if (a == "--raw") mode = SettingMode::Raw;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--raw") continue;
        if (a == "--sheet" || a == "--drawing") {
            if (i + 1 >= args.size()) return a + " needs a file name";
            (a == "--sheet" ? out.sheetPath : out.drawingPath) = args[++i];
            continue;
        }
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::string hint;
            if (!a.empty() && a[0] == '-') hint = " (options: --raw, --sheet FILE.pdf, --drawing FILE.png, --help)";
            return "malformed setting " + quoted(a) + " (expected CONTROL=TEXT)" + hint;
        }
        const std::string key = a.substr(0, eq);
        const std::string value = a.substr(eq + 1);
        if (key == "type") {
            // A code as the help lists it: "01", "+1" and "-0" are no codes of a button.
            int code = 0;
            const auto res = std::from_chars(value.data(), value.data() + value.size(), code);
            const bool exact = res.ec == std::errc() && res.ptr == value.data() + value.size() && std::to_string(code) == value;
            if (exact && pressType(module, out.state, code)) continue;
            std::vector<std::string> codes;
            for (const TypeInfo& t : module.types) codes.push_back(std::to_string(t.code));
            if (codes.empty() && !module.pressType) return "module " + module.name + " has no type buttons";
            return "module " + module.name + " has no type " + quoted(value) +
                   (codes.empty() ? std::string() : " (did you mean " + closestName(value, codes) + "?)");
        }
        if (key == "grade") {
            const auto g = parseSteelGrade(value);
            if (!g) {
                const std::vector<std::string> names(kSteelGradeNames.begin(), kSteelGradeNames.end());
                return "unknown grade " + quoted(value) + " (did you mean " + closestName(value, names) +
                       "? the grades are SR24, SD30, SD35 and SD40)";
            }
            if (!module.pressGrade) return "module " + module.name + " has no steel-grade buttons";
            module.pressGrade(out.state, *g);
            continue;
        }
        const std::string object = fieldObject(module, key);
        if (object.empty()) {
            const std::string near = closestName(key, settingNames(module));
            return "module " + module.name + " has no input field " + quoted(key) +
                   (near.empty() ? std::string() : " (did you mean " + near + "?)");
        }
        if (mode == SettingMode::Typed && module.typeField) {
            for (Message& m : module.typeField(out.state, object, value)) out.typedMessages.push_back(std::move(m));
        } else {
            out.state.fields.set(object, value);
        }
    }
    return std::nullopt;
}

Report reportOf(const ModuleDescription& module, const FormState& state, ModuleRun run, bool wantPages) {
    Report report;
    report.status = run.status;
    report.verdict = std::move(run.verdict);
    report.messages = std::move(run.messages);
    report.labels = std::move(run.labels);
    for (const auto& [name, text] : run.closingLabels.entries()) report.labels.set(name, text);
    report.result = std::move(run.result);
    if (module.quantities) report.quantities = module.quantities(run, state);
    if (wantPages) {
        if (run.sheet) report.sheet = run.sheet(titleBlockOf(module.fields, state.fields));
        if (run.drawing) report.drawing = run.drawing(module.drawingArea);
    }
    return report;
}

Report runModule(const ModuleDescription& module, FormState& state, bool wantPages) {
    std::vector<Message> pressed;
    if (module.pressBeforeRun) pressed = module.pressBeforeRun(state);
    ModuleRun run = module.run(state);
    run.messages.insert(run.messages.begin(), pressed.begin(), pressed.end());
    return reportOf(module, state, std::move(run), wantPages);
}

Report runInvocation(const ModuleDescription& module, Invocation& inv, bool wantPages) {
    // What the window shows: the typing's messages, the inputs Calculate cannot read,
    // then the calculation's own.
    std::vector<Message> before = inv.typedMessages;
    for (Message& m : unreadableInputs(module.fields, inv.state.fields)) before.push_back(std::move(m));
    Report report = runModule(module, inv.state, wantPages);
    report.messages.insert(report.messages.begin(), before.begin(), before.end());
    return report;
}

namespace {

std::string pad(std::string s, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s + " ";
}

}  // namespace

std::string toolHelp(const std::vector<ModuleDescription>& modules) {
    std::string out =
        "mx7100-calc: MX7100's design calculations without a window\n"
        "\n"
        "usage: mx7100-calc MODULE [SETTING ...] [--raw] [--sheet FILE.pdf] [--drawing FILE.png]\n"
        "       mx7100-calc MODULE --help\n"
        "       mx7100-calc batch FILE.csv [--sheets FILE.pdf] [--project OUT.mx7100]\n"
        "       mx7100-calc project PROJECT.mx7100\n"
        "       mx7100-calc report PROJECT.mx7100 --pdf FILE.pdf\n"
        "       mx7100-calc quantities PROJECT.mx7100 [--csv FILE.csv]\n"
        "       mx7100-calc takedown PROJECT.mx7100\n"
        "       mx7100-calc --help | --version\n"
        "\n"
        "modules:\n";
    for (const ModuleDescription& m : modules) out += "  " + pad(m.name, 14) + m.title + "\n";
    out +=
        "\n"
        "settings, applied in the order given:\n"
        "  FIELD=TEXT        types TEXT into a field, named by its object name (Text3) or its\n"
        "                    short name (width); the field's change rule runs as in the window\n"
        "  type=N            presses the type button of code N\n"
        "  grade=G           presses a steel-grade button: SR24, SD30, SD35 or SD40\n"
        "  --raw             places the texts without their change rules (beyond the field limits)\n"
        "  --sheet FILE.pdf  writes the printed calculation sheet\n"
        "  --drawing FILE.png writes the window drawing of the member\n"
        "\n"
        "Prints one JSON object: status, verdict, the messages in the order the window shows\n"
        "them, the fields after corrections, the result labels, the result record and the\n"
        "member's quantities (concrete, formwork, steel by bar size).\n"
        "Exit status 0 after any calculation, 1 when an output (the standard output, a sheet\n"
        "or a drawing) cannot be written, 2 for a setting that cannot be applied.\n"
        "\n"
        "batch: each CSV row is one design: a module column, optional type and grade\n"
        "columns and field columns by object or short name; an empty cell keeps the default.\n"
        "One JSON line per row, with its row number; --sheets writes every sheet as a page\n"
        "of one PDF; --project keeps every row that designs as a member of a project file.\n"
        "\n"
        "project: runs every member of a project file, one JSON line each, as batch does.\n"
        "report: writes the project's calculation report as one PDF: the cover, the\n"
        "design-criteria page, the contents, every member's sheet, numbered page k / n, and\n"
        "the quantities pages.\n"
        "quantities: one JSON line per member with its count and quantities, and one for\n"
        "the totals by member kind and by bar size, net and with the project's waste\n"
        "allowance; --csv writes the table as UTF-8 CSV with a byte-order mark.\n"
        "\n"
        "mx7100-calc MODULE --help lists the module's fields, types and grades.\n";
    return out;
}

std::string moduleHelp(const ModuleDescription& module) {
    std::string out = "mx7100-calc " + module.name + ": " + module.title + "\n\nfields:\n";
    out += "  " + pad("OBJECT", 7) + pad("NAME", 14) + pad("UNIT", 7) + pad("DEFAULT", 10) + "CAPTION\n";
    if (module.fields.empty()) {
        for (const auto& [object, text] : module.defaults.entries())
            out += "  " + pad(object, 7) + pad("", 14) + pad("", 7) + pad(jsonString(text), 10) + "\n";
    }
    for (const FieldInfo& f : module.fields)
        out += "  " + pad(f.object, 7) + pad(f.name, 14) + pad(*f.unit ? f.unit : "-", 7) +
               pad(jsonString(f.defaultText), 10) + f.caption + "\n";
    out += "\ntypes (type=N):\n";
    if (module.types.empty()) out += "  none\n";
    for (const TypeInfo& t : module.types) out += "  " + pad(std::to_string(t.code), 3) + t.caption + "\n";
    out += "\ngrades (grade=G):\n";
    if (!module.pressGrade) out += "  none\n";
    else {
        // What each button writes, found by pressing it on a fresh window: every field
        // that some button changes, with the text each button leaves in it.
        std::vector<FieldSet> pressed;
        std::vector<std::string> written;
        for (int g = 0; g < 4; ++g) {
            FormState state;
            state.fields = module.defaults;
            module.pressGrade(state, static_cast<SteelGrade>(g));
            for (const auto& [object, text] : state.fields.entries()) {
                const bool changed = !module.defaults.has(object) || module.defaults.get(object) != text;
                if (changed && std::find(written.begin(), written.end(), object) == written.end())
                    written.push_back(object);
            }
            pressed.push_back(std::move(state.fields));
        }
        for (int g = 0; g < 4; ++g) {
            std::string writes;
            for (const std::string& object : written) {
                const FieldInfo* f = findField(module.fields, object);
                writes += (writes.empty() ? "" : ", ") + (f ? std::string(f->name) : object) + "=" +
                          pressed[static_cast<std::size_t>(g)].get(object);
            }
            out += "  " + pad(std::string(kSteelGradeNames[static_cast<std::size_t>(g)]), 5) + writes + "\n";
        }
    }
    return out;
}

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

namespace {
std::string object(const std::vector<std::pair<std::string, std::string>>& entries, bool quoteValues) {
    std::string out = "{";
    bool first = true;
    for (const auto& [k, v] : entries) {
        if (!first) out += ", ";
        first = false;
        out += jsonString(k) + ": " + (quoteValues ? jsonString(v) : v);
    }
    return out + "}";
}
}  // namespace

std::string toJson(const ModuleDescription& module, const FormState& state, const Report& report) {
    std::string out = "{\"module\": " + jsonString(module.name);
    out += ", \"status\": " + (report.status ? std::to_string(*report.status) : std::string("null"));
    out += ", \"verdict\": " + (report.verdict ? jsonString(*report.verdict) : std::string("null"));
    out += ", \"messages\": [";
    for (std::size_t i = 0; i < report.messages.size(); ++i) {
        const Message& m = report.messages[i];
        if (i) out += ", ";
        out += "{\"text\": " + jsonString(m.text) + ", \"title\": " + jsonString(m.title) + ", \"icon\": " +
               jsonString(iconName(m.icon)) + "}";
    }
    out += "]";
    out += ", \"fields\": " + object(state.fields.entries(), true);
    out += ", \"labels\": " + object(report.labels.entries(), true);
    out += ", \"result\": " + object(report.result.entries(), false);
    if (report.quantities) out += ", \"quantities\": " + quantitiesJson(*report.quantities);
    return out + "}";
}

std::string quantitiesJson(const Quantities& q, int count) {
    if (!q.available()) return "{\"available\": false, \"reason\": " + jsonString(q.unavailable) + "}";
    const ShownQuantities s = shown(q, count);
    std::string out = "{\"available\": true, \"count\": " + std::to_string(count);
    if (!q.note.empty()) out += ", \"note\": " + jsonString(q.note);
    out += ", \"concrete\": " + hundredthsText(s.concrete) + ", \"formwork\": " + hundredthsText(s.formwork);
    out += ", \"bars\": [";
    bool first = true;
    for (const BarSet& b : q.bars) {
        if (b.count <= 0 || !(b.length > 0)) continue;
        out += first ? "" : ", ";
        first = false;
        out += "{\"role\": " + jsonString(b.role) + ", \"bar\": " + jsonString(barName(b.dia, b.round)) +
               ", \"grade\": " + jsonString(b.grade) + ", \"count\": " + std::to_string(b.count) +
               ", \"length\": " + hundredthsText(std::llround(b.length * 100)) + "}";
    }
    out += "], \"steel\": [";
    for (std::size_t i = 0; i < s.steel.size(); ++i) {
        out += (i ? ", " : "") + std::string("{\"bar\": ") + jsonString(s.steel[i].bar) + ", \"grade\": " +
               jsonString(s.steel[i].grade) + ", \"kg\": " + hundredthsText(s.steel[i].kg, 1) + "}";
    }
    return out + "], \"steelTotal\": " + hundredthsText(s.steelTotal(), 1) + "}";
}

}  // namespace mx::cli
