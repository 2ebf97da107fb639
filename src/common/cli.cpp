#include "common/cli.h"

#include <charconv>
#include <cstdio>

#include "common/numtext.h"

namespace mx::cli {

void ResultList::add(std::string name, double v) { entries_.emplace_back(std::move(name), numText(v)); }
void ResultList::add(std::string name, Fixed v) { entries_.emplace_back(std::move(name), v.text()); }
void ResultList::add(std::string name, std::int64_t v) { entries_.emplace_back(std::move(name), std::to_string(v)); }
void ResultList::add(std::string name, bool v) { entries_.emplace_back(std::move(name), v ? "true" : "false"); }
void ResultList::addText(std::string name, const std::string& v) { entries_.emplace_back(std::move(name), jsonString(v)); }
void ResultList::addNull(std::string name) { entries_.emplace_back(std::move(name), "null"); }

std::optional<std::string> parseSettings(const Module& module, const std::vector<std::string>& args, Invocation& out) {
    out.state.fields = module.defaults;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--sheet" || a == "--drawing") {
            if (i + 1 >= args.size()) return a + " needs a file name";
            (a == "--sheet" ? out.sheetPath : out.drawingPath) = args[++i];
            continue;
        }
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) return "malformed setting '" + a + "' (expected CONTROL=TEXT)";
        const std::string key = a.substr(0, eq);
        const std::string value = a.substr(eq + 1);
        if (key == "type") {
            int code = 0;
            const auto res = std::from_chars(value.data(), value.data() + value.size(), code);
            if (res.ec != std::errc() || res.ptr != value.data() + value.size())
                return "type must be a whole number, got '" + value + "'";
            if (!module.pressType || !module.pressType(out.state, code))
                return "module " + module.name + " has no type " + value;
            continue;
        }
        if (key == "grade") {
            const auto g = parseSteelGrade(value);
            if (!g) return "unknown grade '" + value + "' (SR24, SD30, SD35 or SD40)";
            if (!module.pressGrade) return "module " + module.name + " has no steel-grade buttons";
            module.pressGrade(out.state, *g);
            continue;
        }
        if (!module.defaults.has(key)) return "module " + module.name + " has no input field " + key;
        out.state.fields.set(key, value);
    }
    return std::nullopt;
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

std::string toJson(const Module& module, const FormState& state, const Report& report) {
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
    return out + "}";
}

}  // namespace mx::cli
