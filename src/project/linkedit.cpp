#include "project/linkedit.h"

#include <algorithm>
#include <cmath>

#include "common/fieldtable.h"
#include "project/projectformat.h"

namespace mx::project {

namespace {

bool reads(const Member& m, const std::string& id) {
    for (const FieldLink& l : m.links)
        for (const LinkTerm& t : l.terms)
            if (!t.member.empty() && t.member == id) return true;
    return false;
}

// The source's outputs as its dependents read them now.
std::optional<ModuleRun> portsRun(const Project& p, const Resolution& r, std::size_t i,
                                  const ModuleDescription& module) {
    if (!module.run || !r.members[i].stops.empty()) return std::nullopt;
    return runForPorts(resolvedMember(p.members[i], r.members[i]), module);
}

std::optional<PortLoad> loadOf(const ModuleRun& run, const MemberLinks& links, const PortInfo& port) {
    LinkedLoads own;
    for (const ResolvedField& f : links.fields) own.emplace_back(f.name, f.total);
    std::optional<PortLoad> load = port.value(run, own);
    if (load && (!std::isfinite(load->dead) || !std::isfinite(load->live))) return std::nullopt;
    return load;
}

}  // namespace

std::vector<std::size_t> readersOf(const Project& p, std::size_t member) {
    std::vector<std::size_t> out;
    if (member >= p.members.size()) return out;
    for (std::size_t i = 0; i < p.members.size(); ++i)
        if (i != member && reads(p.members[i], p.members[member].id)) out.push_back(i);
    return out;
}

std::vector<std::size_t> dependentsOf(const Project& p, std::size_t member) {
    std::vector<bool> seen(p.members.size(), false);
    std::vector<std::size_t> todo{member};
    while (!todo.empty()) {
        const std::size_t at = todo.back();
        todo.pop_back();
        for (const std::size_t d : readersOf(p, at))
            if (!seen[d] && d != member) {
                seen[d] = true;
                todo.push_back(d);
            }
    }
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < seen.size(); ++i)
        if (seen[i]) out.push_back(i);
    return out;
}

std::vector<LinkOffer> linkOffers(const Project& p, std::size_t member, const std::string& field,
                                  const std::vector<ModuleDescription>& modules) {
    std::vector<LinkOffer> out;
    if (member >= p.members.size()) return out;
    const ModuleDescription* own = findModule(modules, p.members[member].module);
    const FieldInfo* info = own ? findField(own->fields, field) : nullptr;
    if (!info || std::find(own->targets.begin(), own->targets.end(), field) == own->targets.end()) return out;
    std::vector<bool> above(p.members.size(), false);
    above[member] = true;
    for (const std::size_t d : dependentsOf(p, member)) above[d] = true;
    const Resolution r = resolveLinks(p, modules);
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        const ModuleDescription* module = above[i] ? nullptr : findModule(modules, p.members[i].module);
        if (!module) continue;
        std::optional<std::optional<ModuleRun>> run;  // run once, at its first port of the unit
        for (const PortInfo& port : module->ports) {
            if (port.unit != info->unit) continue;
            if (!run) run = portsRun(p, r, i, *module);
            out.push_back({i, &port, *run ? loadOf(**run, r.members[i], port) : std::nullopt});
        }
    }
    return out;
}

std::string deletedSourceNote(const std::string& source, const std::string& portCaption, int count, bool live) {
    return portCaption + " จาก " + source + (count > 1 ? " × " + std::to_string(count) : std::string()) +
           (live ? " ส่วนน้ำหนักจร" : std::string()) + " (ค่าเดิม " + source + " ถูกลบออกจากโครงการแล้ว)";
}

void removeMember(Project& project, std::size_t member, const std::vector<ModuleDescription>& modules) {
    if (member >= project.members.size()) return;
    const std::string id = project.members[member].id;
    const std::string name = project.members[member].name.empty() ? id : project.members[member].name;
    const Resolution r = resolveLinks(project, modules);
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        Member& m = project.members[i];
        for (FieldLink& l : m.links) {
            const ResolvedField* resolved = nullptr;
            for (const ResolvedField& f : r.members[i].fields)
                if (f.name == l.field) resolved = &f;
            std::vector<LinkTerm> kept;
            for (std::size_t k = 0; k < l.terms.size(); ++k) {
                const LinkTerm& t = l.terms[k];
                if (t.member.empty() || t.member != id) {
                    kept.push_back(t);
                    continue;
                }
                // Its last load, as the resolution counted it: a source that had stopped
                // passed none, and its reader could not be designed before either.
                const ResolvedTerm* rt = resolved && k < resolved->terms.size() ? &resolved->terms[k] : nullptr;
                const PortLoad sum = rt && !rt->stopped ? rt->sum() : PortLoad{};
                const std::string caption = rt ? rt->portCaption : t.port;
                kept.push_back({{}, {}, 1, sum.dead, false, deletedSourceNote(name, caption, t.count, false)});
                if (sum.live != 0) kept.push_back({{}, {}, 1, sum.live, true, deletedSourceNote(name, caption, t.count, true)});
            }
            l.terms = std::move(kept);
        }
    }
    project.members.erase(project.members.begin() + static_cast<std::ptrdiff_t>(member));
}

}  // namespace mx::project
