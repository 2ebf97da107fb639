#include "project/links.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>

#include "common/checked.h"
#include "common/fieldtable.h"
#include "common/fixed.h"
#include "common/numtext.h"
#include "common/utf8.h"
#include "project/projectformat.h"

namespace mx::project {

namespace {

// The most sources of one kind a term may count: no floor carries more beams than this.
constexpr int kMostCount = 1000;
// A typed term beyond this is a slip of the keyboard, not a load (kg, kg/m or t).
constexpr double kLargestTyped = 1e9;

std::string named(const Member& m) { return quotedName(m.name.empty() ? m.id : m.name); }

std::string commaList(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

const PortInfo* portNamed(const ModuleDescription& module, const std::string& name) {
    for (const PortInfo& p : module.ports)
        if (p.name == name) return &p;
    return nullptr;
}

bool takesLink(const ModuleDescription& module, const std::string& field) {
    return std::find(module.targets.begin(), module.targets.end(), field) != module.targets.end();
}

// Members by id, for the links that name them.
std::unordered_map<std::string, std::size_t> indexById(const Project& p) {
    std::unordered_map<std::string, std::size_t> ids;
    for (std::size_t i = 0; i < p.members.size(); ++i) ids.emplace(p.members[i].id, i);
    return ids;
}

// The sources of each member, each once, in the order its links name them.
std::vector<std::vector<std::size_t>> sourcesOf(const Project& p, const std::unordered_map<std::string, std::size_t>& ids) {
    std::vector<std::vector<std::size_t>> sources(p.members.size());
    for (std::size_t i = 0; i < p.members.size(); ++i)
        for (const FieldLink& l : p.members[i].links)
            for (const LinkTerm& t : l.terms) {
                const auto it = ids.find(t.member);
                if (t.member.empty() || it == ids.end()) continue;
                auto& s = sources[i];
                if (std::find(s.begin(), s.end(), it->second) == s.end()) s.push_back(it->second);
            }
    return sources;
}

// The members in dependency order, each source before the members that read it and
// otherwise in list order; the members of a cycle are left out.
std::vector<std::size_t> dependencyOrder(const std::vector<std::vector<std::size_t>>& sources) {
    const std::size_t n = sources.size();
    std::vector<std::vector<std::size_t>> dependents(n);
    std::vector<std::size_t> waiting(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        waiting[i] = sources[i].size();
        for (const std::size_t s : sources[i]) dependents[s].push_back(i);
    }
    std::set<std::size_t> ready;
    for (std::size_t i = 0; i < n; ++i)
        if (waiting[i] == 0) ready.insert(i);
    std::vector<std::size_t> order;
    order.reserve(n);
    while (!ready.empty()) {
        const std::size_t i = *ready.begin();
        ready.erase(ready.begin());
        order.push_back(i);
        for (const std::size_t d : dependents[i])
            if (--waiting[d] == 0) ready.insert(d);
    }
    return order;
}

// One cycle among the members left out of the order, by name: "B1 → C1 → B1".
std::string cycleNames(const Project& p, const std::vector<std::vector<std::size_t>>& sources,
                       const std::vector<std::size_t>& order) {
    std::vector<bool> ordered(p.members.size(), false);
    for (const std::size_t i : order) ordered[i] = true;
    std::size_t start = 0;
    while (ordered[start]) ++start;
    // Every member left out has a source left out: walking them must come back round.
    std::vector<std::size_t> path;
    std::vector<std::size_t> seenAt(p.members.size(), SIZE_MAX);
    std::size_t at = start;
    while (seenAt[at] == SIZE_MAX) {
        seenAt[at] = path.size();
        path.push_back(at);
        for (const std::size_t s : sources[at])
            if (!ordered[s]) {
                at = s;
                break;
            }
    }
    std::string out;
    // The walk follows sources; the loads flow the other way, so it is read backwards.
    for (std::size_t k = path.size(); k-- > seenAt[at];) out += named(p.members[path[k]]) + " → ";
    return out + named(p.members[path.back()]);
}

std::optional<std::string> termFault(const Project& p, const Member& m, const FieldLink& l, const LinkTerm& t,
                                     const FieldInfo& field, const std::unordered_map<std::string, std::size_t>& ids,
                                     const std::vector<ModuleDescription>& modules) {
    const std::string where = "ชิ้นส่วน " + named(m) + " ช่อง " + quotedName(l.field);
    if (t.member.empty()) {
        if (!std::isfinite(t.value) || t.value < 0 || t.value > kLargestTyped)
            return where + " มีค่าที่พิมพ์ไว้ " + numText(t.value) + " ซึ่งต้องเป็นตัวเลขตั้งแต่ 0 ถึง " +
                   numText(kLargestTyped);
        return std::nullopt;
    }
    const auto it = ids.find(t.member);
    if (it == ids.end())
        return where + " ลิงก์ไปยังชิ้นส่วนรหัส " + quotedName(t.member) + " ซึ่งไม่มีในโครงการ";
    const Member& source = p.members[it->second];
    if (&source == &m) return where + " ลิงก์มาที่ตัวเอง (" + named(m) + " → " + named(m) + ") น้ำหนักจึงวนกันไม่รู้จบ";
    const ModuleDescription* sm = findModule(modules, source.module);
    const PortInfo* port = sm ? portNamed(*sm, t.port) : nullptr;
    if (!port) {
        std::vector<std::string> names;
        if (sm)
            for (const PortInfo& q : sm->ports) names.push_back(q.name);
        return where + " ลิงก์ไปยังค่า " + quotedName(t.port) + " ซึ่งชิ้นส่วน " + named(source) + " ไม่มี (" +
               (names.empty() ? std::string("ชิ้นส่วนนี้ไม่ส่งน้ำหนักต่อ") : "มี " + commaList(names)) + ")";
    }
    if (port->unit != field.unit)
        return where + " มีหน่วย " + field.unit + " แต่ค่า " + quotedName(t.port) + " ของชิ้นส่วน " + named(source) +
               " มีหน่วย " + port->unit;
    if (t.count < 1 || t.count > kMostCount)
        return where + " นับชิ้นส่วน " + named(source) + " " + std::to_string(t.count) + " ครั้ง ซึ่งต้องเป็น 1 ถึง " +
               std::to_string(kMostCount);
    return std::nullopt;
}

// The text a linked field is given: the total to four decimals, as the fixed-point
// values of the designs are held (a tenth of a gram on a load in kg; rounding a
// capacity up or a load down by more could matter).
std::string totalText(double total) {
    try {
        return numText(Fixed::fromDouble(total));
    } catch (const ArithmeticError&) {
        return numText(total);  // beyond any fixed-point value: the design refuses it itself
    }
}

Message stopMessage(std::size_t number, const Member& source, const std::string& field) {
    return Message{std::to_string(number) + ".ชิ้นส่วน " + named(source) + " ที่ส่งน้ำหนักมาที่ช่อง " +
                       quotedName(field) + " หยุดคำนวณเพราะข้อมูลผิดพลาด จึงไม่มีน้ำหนักส่งต่อ "
                       "ชิ้นส่วนนี้จึงยังออกแบบไม่ได้ โปรดแก้ไขชิ้นส่วน " + named(source) + " ก่อน",
                   kProgramTitle, Icon::Critical};
}

}  // namespace

ModuleRun runForPorts(const Member& member, const ModuleDescription& module) {
    cli::Invocation inv;
    if (cli::parseSettings(module, memberSettings(member), inv, cli::SettingMode::Raw)) return {};
    inv.state.linked = member.state.linked;
    if (module.pressBeforeRun) module.pressBeforeRun(inv.state);
    return module.run(inv.state);
}

std::optional<std::string> linkFault(const Project& p, const std::vector<ModuleDescription>& modules) {
    const auto ids = indexById(p);
    for (const Member& m : p.members) {
        const ModuleDescription* module = findModule(modules, m.module);
        std::set<std::string> linked;
        for (const FieldLink& l : m.links) {
            const std::string where = "ชิ้นส่วน " + named(m) + " ช่อง " + quotedName(l.field);
            const FieldInfo* field = module ? findField(module->fields, l.field) : nullptr;
            if (!module || !field || !takesLink(*module, l.field))
                return where + " รับลิงก์น้ำหนักจากชิ้นส่วนอื่นไม่ได้ (" +
                       (module && !module->targets.empty() ? "ช่องที่รับลิงก์ได้: " + commaList(module->targets)
                                                           : std::string("ชิ้นส่วนชนิดนี้ไม่มีช่องที่รับลิงก์")) +
                       ")";
            if (!linked.insert(l.field).second) return where + " มีลิงก์ซ้ำสองครั้ง";
            if (l.terms.empty()) return where + " มีลิงก์ที่ไม่มีรายการน้ำหนัก";
            for (const LinkTerm& t : l.terms)
                if (auto fault = termFault(p, m, l, t, *field, ids, modules)) return fault;
        }
    }
    const auto sources = sourcesOf(p, ids);
    const auto order = dependencyOrder(sources);
    if (order.size() != p.members.size())
        return "ลิงก์น้ำหนักวนกัน: " + cycleNames(p, sources, order) + " น้ำหนักจึงส่งต่อกันไม่รู้จบ";
    return std::nullopt;
}

std::optional<std::string> setLink(Project& project, std::size_t member, const std::string& field,
                                   std::vector<LinkTerm> terms, const std::vector<ModuleDescription>& modules) {
    if (member >= project.members.size()) return "ไม่มีชิ้นส่วนลำดับที่ " + std::to_string(member + 1);
    Project next = project;
    auto& links = next.members[member].links;
    const auto it = std::find_if(links.begin(), links.end(), [&](const FieldLink& l) { return l.field == field; });
    if (it != links.end()) it->terms = std::move(terms);
    else links.push_back(FieldLink{field, std::move(terms)});
    if (auto fault = linkFault(next, modules)) return fault;
    project = std::move(next);
    return std::nullopt;
}

void unlink(Project& project, std::size_t member, const std::string& field,
            const std::vector<ModuleDescription>& modules) {
    if (member >= project.members.size()) return;
    const Resolution r = resolveLinks(project, modules);
    Member& m = project.members[member];
    for (const ResolvedField& f : r.members[member].fields)
        if (f.name == field) m.state.fields.set(f.field, f.text);
    std::erase_if(m.links, [&](const FieldLink& l) { return l.field == field; });
}

Resolution resolveLinks(const Project& p, const std::vector<ModuleDescription>& modules) {
    Resolution r;
    r.members.resize(p.members.size());
    if (linkFault(p, modules)) return r;
    const auto ids = indexById(p);
    const auto sources = sourcesOf(p, ids);
    r.order = dependencyOrder(sources);
    std::vector<bool> isSource(p.members.size(), false);
    for (const auto& s : sources)
        for (const std::size_t i : s) isSource[i] = true;

    // What each source passed on: its run (none when it stopped, or was not run for
    // a source of its own that stopped) and its own linked loads.
    std::vector<std::optional<ModuleRun>> runs(p.members.size());
    std::vector<LinkedLoads> ownLoads(p.members.size());
    for (const std::size_t i : r.order) {
        const Member& m = p.members[i];
        const ModuleDescription* module = findModule(modules, m.module);
        MemberLinks& out = r.members[i];
        std::set<std::size_t> stopped;
        std::set<std::string> below;
        for (const FieldLink& l : m.links) {
            const FieldInfo* info = findField(module->fields, l.field);
            // The caption without the "=" it has in the window, for the take-down table.
            std::string caption = info->caption;
            while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
            ResolvedField f{info->object, l.field, caption, info->unit, {}, {}, {}};
            for (const LinkTerm& t : l.terms) {
                ResolvedTerm rt{t, {}, t.note, PortLoad{t.live ? 0 : t.value, t.live ? t.value : 0}};
                if (!t.member.empty()) {
                    const std::size_t s = ids.at(t.member);
                    const Member& source = p.members[s];
                    rt.source = source.name;
                    const PortInfo* port = portNamed(*findModule(modules, source.module), t.port);
                    rt.portCaption = port->caption;
                    std::optional<PortLoad> load;
                    if (runs[s]) load = port->value(*runs[s], ownLoads[s]);
                    if (!load || !std::isfinite(load->dead) || !std::isfinite(load->live)) {
                        if (stopped.insert(s).second) out.stops.push_back(stopMessage(out.stops.size() + 1, source, l.field));
                        rt.stopped = true;
                        f.terms.push_back(std::move(rt));
                        continue;
                    }
                    rt.load = *load;
                    if (runs[s]->status == static_cast<int>(DesignStatus::NotUsable)) below.insert(source.name);
                    for (const std::string& n : r.members[s].notUsableBelow) below.insert(n);
                }
                const PortLoad sum = rt.sum();
                f.total.dead += sum.dead;
                f.total.live += sum.live;
                f.total.split = f.total.split && sum.split;
                f.terms.push_back(std::move(rt));
            }
            f.text = totalText(f.total.total());
            out.fields.push_back(std::move(f));
        }
        out.notUsableBelow.assign(below.begin(), below.end());
        if (!isSource[i] || !out.stops.empty() || !module->run) continue;
        for (const ResolvedField& f : out.fields) ownLoads[i].emplace_back(f.name, f.total);
        runs[i] = runForPorts(resolvedMember(m, out), *module);
    }
    return r;
}

Member resolvedMember(const Member& member, const MemberLinks& links) {
    Member m = member;
    for (const ResolvedField& f : links.fields) {
        m.state.fields.set(f.field, f.text);
        m.state.linked.push_back(f.field);
    }
    return m;
}

std::string standsOnNotUsable(const MemberLinks& links) {
    return "* ชิ้นส่วนนี้รับน้ำหนักจาก " + commaList(links.notUsableBelow) + " ซึ่งยังใช้ไม่ได้ ต้องแก้ไข";
}

void markStandsOnNotUsable(PageModel& sheet, const MemberLinks& links, const ModuleDescription& module) {
    if (links.stops.empty() && !links.notUsableBelow.empty())
        sheet.text(module.standsOnAt.x, module.standsOnAt.y, standsOnNotUsable(links), 12, false, kRed);
}

MemberRun runLinkedMember(const Member& member, const MemberLinks& links, const ModuleDescription& module,
                          bool wantPages) {
    if (!links.stops.empty()) {
        MemberRun run;
        run.report.status = static_cast<int>(DesignStatus::NotUsable);
        run.report.messages = links.stops;
        return run;
    }
    MemberRun run = runMember(resolvedMember(member, links), module, wantPages);
    if (run.report.sheet) markStandsOnNotUsable(*run.report.sheet, links, module);
    return run;
}

}  // namespace mx::project
