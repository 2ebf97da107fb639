#include "project/project.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "common/fieldtable.h"
#include "project/projectformat.h"

namespace mx::project {

namespace {

// The number n of an id "mN", 0 for any other id.
unsigned long idNumber(std::string_view id) {
    unsigned long n = 0;
    if (!id.starts_with('m')) return 0;
    const char* end = id.data() + id.size();
    const auto r = std::from_chars(id.data() + 1, end, n);
    return r.ec == std::errc() && r.ptr == end ? n : 0;
}

// The ids members have, and a new one: one past the highest "mN", so an id is not
// given again soon after its member is deleted (the first free one should that number
// run out).
class TakenIds {
public:
    void add(const std::string& id) {
        ids_.insert(id);
        highest_ = std::max(highest_, idNumber(id));
    }
    std::string fresh() {
        unsigned long n = highest_ + 1 == 0 ? 1 : highest_ + 1;
        while (ids_.contains("m" + std::to_string(n))) ++n;
        std::string id = "m" + std::to_string(n);
        add(id);
        return id;
    }

private:
    std::set<std::string> ids_;
    unsigned long highest_ = 0;
};

// The name a field is written under: its short name, or its object name where the
// module has no field table.
std::string storedName(const ModuleDescription* module, const std::string& object) {
    if (module)
        for (const FieldInfo& f : module->fields)
            if (object == f.object) return f.name;
    return object;
}

bool isLinked(const std::vector<FieldLink>& links, const ModuleDescription* module, const std::string& object) {
    const std::string name = storedName(module, object);
    return std::any_of(links.begin(), links.end(), [&](const FieldLink& l) { return l.field == name; });
}

// A number as JSON, the shortest text that reads back as the same double (a value that
// is no number, which no link admits, is written as 0).
std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "0";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void writeLinks(std::string& out, const std::vector<FieldLink>& links) {
    out += ",\n     \"links\": {";
    for (std::size_t i = 0; i < links.size(); ++i) {
        out += (i ? ",\n       " : "\n       ") + cli::jsonString(links[i].field) + ": [";
        for (std::size_t k = 0; k < links[i].terms.size(); ++k) {
            const LinkTerm& t = links[i].terms[k];
            out += k ? ",\n         " : "\n         ";
            if (!t.member.empty())
                out += "{\"member\": " + cli::jsonString(t.member) + ", \"port\": " + cli::jsonString(t.port) +
                       (t.count != 1 ? ", \"count\": " + std::to_string(t.count) : std::string()) + "}";
            else
                out += "{\"value\": " + jsonNumber(t.value) + ", \"part\": " + (t.live ? "\"live\"" : "\"dead\"") +
                       ", \"note\": " + cli::jsonString(t.note) + "}";
        }
        out += "]";
    }
    out += "}";
}

void writeFields(std::string& out, const FieldSet& fields, const ModuleDescription* module, const std::string& indent,
                 const std::vector<FieldLink>& links = {}) {
    out += "{";
    bool first = true;
    for (const auto& [object, value] : fields.entries()) {
        if (isLinked(links, module, object)) continue;
        out += first ? "\n" : ",\n";
        first = false;
        out += indent + "  " + cli::jsonString(storedName(module, object)) + ": " + cli::jsonString(value);
    }
    out += first ? "}" : "\n" + indent + "}";
}

}  // namespace

bool isMemberModule(const ModuleDescription& module) {
    return module.name != kCoverModule && module.name != kCriteriaModule;
}

Project newProject(const std::vector<ModuleDescription>& modules) {
    Project p;
    if (const ModuleDescription* m = findModule(modules, kCoverModule)) p.cover = m->defaults;
    if (const ModuleDescription* m = findModule(modules, kCriteriaModule)) p.criteria = m->defaults;
    return p;
}

std::string newMemberId(const Project& project) {
    TakenIds taken;
    for (const Member& m : project.members) taken.add(m.id);
    return taken.fresh();
}

std::string projectText(const Project& p, const std::vector<ModuleDescription>& modules) {
    std::string out = "{\n  \"format\": " + cli::jsonString(kFormatName) +
                      ",\n  \"version\": " + std::to_string(kFormatVersion) + ",\n  \"cover\": ";
    writeFields(out, p.cover, findModule(modules, kCoverModule), "  ");
    out += ",\n  \"criteria\": ";
    writeFields(out, p.criteria, findModule(modules, kCriteriaModule), "  ");
    out += ",\n  \"titleBlock\": {\"project\": " + cli::jsonString(p.titleBlock.project) +
           ", \"engineer\": " + cli::jsonString(p.titleBlock.engineer) +
           ", \"registration\": " + cli::jsonString(p.titleBlock.registration) + "},";
    if (p.waste != WasteAllowance{})
        out += "\n  \"waste\": {\"concrete\": " + std::to_string(p.waste.concrete) + ", \"formwork\": " +
               std::to_string(p.waste.formwork) + ", \"steel\": " + std::to_string(p.waste.steel) + "},";
    out += "\n  \"members\": {";
    TakenIds taken;
    for (const Member& m : p.members) taken.add(m.id);
    std::set<std::string> written;
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        const Member& m = p.members[i];
        const std::string id = m.id.empty() || written.contains(m.id) ? taken.fresh() : m.id;
        written.insert(id);
        const ModuleDescription* module = findModule(modules, m.module);
        out += i ? ",\n" : "\n";
        out += "    " + cli::jsonString(id) + ": {\"module\": " + cli::jsonString(m.module) +
               ", \"name\": " + cli::jsonString(m.name) + ", \"type\": " +
               (m.state.typeCode ? std::to_string(m.state.typeCode) : std::string("null")) + ", \"grade\": " +
               (m.state.grade ? cli::jsonString(kGradeNames[static_cast<int>(*m.state.grade)]) : std::string("null")) +
               (m.count != 1 ? ", \"count\": " + std::to_string(m.count) : std::string()) + ",\n     \"fields\": ";
        writeFields(out, m.state.fields, module, "     ", m.links);
        if (!m.links.empty()) writeLinks(out, m.links);
        out += "}";
    }
    out += p.members.empty() ? "}\n}\n" : "\n  }\n}\n";
    return out;
}

std::vector<std::string> memberSettings(const Member& member) {
    std::vector<std::string> args;
    if (member.state.typeCode != 0) args.push_back("type=" + std::to_string(member.state.typeCode));
    if (member.state.grade) args.push_back(std::string("grade=") + kGradeNames[static_cast<int>(*member.state.grade)]);
    for (const auto& [object, text] : member.state.fields.entries()) args.push_back(object + "=" + text);
    return args;
}

namespace {

// The title-block lines the project fills, each with what it fills it with.
template <typename Each>
void projectLines(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults, Each each) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"project", &defaults.project},
        {"member", &member.name},
        {"engineer", &defaults.engineer},
        {"registration", &defaults.registration},
    };
    for (const auto& [name, value] : lines)
        if (const FieldInfo* f = findField(module.fields, name)) each(f->object, *value);
}

}  // namespace

Member withTitleBlock(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults) {
    Member out = member;
    projectLines(member, module, defaults, [&](const std::string& object, const std::string& value) {
        if (out.state.fields.get(object).empty() && !value.empty()) out.state.fields.set(object, value);
    });
    return out;
}

Member withoutTitleBlock(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults) {
    Member out = member;
    projectLines(member, module, defaults, [&](const std::string& object, const std::string& value) {
        if (out.state.fields.has(object) && out.state.fields.get(object) == value) out.state.fields.set(object, "");
    });
    return out;
}

MemberRun runMember(const Member& member, const ModuleDescription& module, bool wantPages) {
    MemberRun run;
    if (const auto err = cli::parseSettings(module, memberSettings(member), run.invocation, cli::SettingMode::Raw)) {
        // parseProject admits no member the module refuses; were one built by hand, it
        // is reported rather than run on half its settings.
        run.report.status = static_cast<int>(DesignStatus::NotUsable);
        run.report.messages.push_back(Message{*err});
        return run;
    }
    // The settings carry texts only: which of them links resolved goes beside them.
    run.invocation.state.linked = member.state.linked;
    run.report = cli::runInvocation(module, run.invocation, wantPages);
    return run;
}

}  // namespace mx::project
