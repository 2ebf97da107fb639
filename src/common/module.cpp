#include "common/module.h"

#include <algorithm>

#include "common/cli.h"
#include "common/numtext.h"

namespace mx {

void ResultList::add(std::string name, double v) { entries_.emplace_back(std::move(name), numText(v)); }
void ResultList::add(std::string name, float v) { add(std::move(name), singleValue(v)); }
void ResultList::add(std::string name, Fixed v) { entries_.emplace_back(std::move(name), v.text()); }
void ResultList::add(std::string name, std::int64_t v) { entries_.emplace_back(std::move(name), std::to_string(v)); }
void ResultList::add(std::string name, bool v) { entries_.emplace_back(std::move(name), v ? "true" : "false"); }
void ResultList::addText(std::string name, const std::string& v) { entries_.emplace_back(std::move(name), cli::jsonString(v)); }
void ResultList::addNull(std::string name) { entries_.emplace_back(std::move(name), "null"); }

FieldTyper typingThrough(FieldCheck check) {
    return [check = std::move(check)](FormState& state, std::string_view field, const std::string& text) {
        return typeField(state.fields, field, text, check);
    };
}

bool pressType(const ModuleDescription& module, FormState& state, int code) {
    if (module.pressType) return module.pressType(state, code);
    const bool listed = std::any_of(module.types.begin(), module.types.end(), [code](const TypeInfo& t) { return t.code == code; });
    if (listed) state.typeCode = code;
    return listed;
}

const ModuleDescription* findModule(const std::vector<ModuleDescription>& modules, std::string_view name) {
    for (const ModuleDescription& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

ModuleDescription moduleRecord(std::string name, std::string title, FieldTable fields) {
    ModuleDescription m;
    m.name = std::move(name);
    m.title = std::move(title);
    m.defaults = defaultsOf(fields);
    m.fields = std::move(fields);
    return m;
}

}  // namespace mx
