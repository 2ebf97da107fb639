#pragma once
// Loads that flow through the building: a member's field linked to other members'
// outputs (a slab's edge load onto its beam, a beam's reaction into its column, a
// column into its footing). The links are inputs, never stored numbers: before any
// member runs, the resolver runs the sources in dependency order and sums each linked
// field from their ports, every time, so a file never holds a stale linked value.
// No Qt.
#include <optional>
#include <string>
#include <vector>

#include "common/message.h"
#include "common/module.h"
#include "project/project.h"

namespace mx::project {

// Why a project's links cannot stand (a field that takes no link, a member that is not
// there, a port its source lacks or of another unit, a cycle), as the reader's one
// Thai message naming the members; none when every link stands.
std::optional<std::string> linkFault(const Project& project, const std::vector<ModuleDescription>& modules);

// Links a member's field (short name) to the terms, replacing any link it had; refused
// with the message linkFault gives, the project then as it was.
std::optional<std::string> setLink(Project& project, std::size_t member, const std::string& field,
                                   std::vector<LinkTerm> terms, const std::vector<ModuleDescription>& modules);
// Unlinks a field: it keeps its last resolved value as typed text.
void unlink(Project& project, std::size_t member, const std::string& field,
            const std::vector<ModuleDescription>& modules);

// One term as resolved: the load of one source (or the typed value) and its count.
struct ResolvedTerm {
    LinkTerm term;
    std::string source;       // the source member's name; empty for a typed value
    std::string portCaption;  // the port's Thai caption, or the typed value's note
    PortLoad load;            // of one source, unfactored
    bool stopped = false;     // the source stopped on an input error: no load, none counted
    PortLoad sum() const { return {load.dead * term.count, load.live * term.count, load.split}; }
};

struct ResolvedField {
    std::string field;  // object name
    std::string name;   // short name
    std::string caption;
    std::string unit;
    std::vector<ResolvedTerm> terms;
    PortLoad total;
    std::string text;  // the value the member is designed for, as its field holds it
};

struct MemberLinks {
    std::vector<ResolvedField> fields;
    // The numbered messages of sources that stopped on an input error: the member is
    // not designed and certifies nothing.
    std::vector<Message> stops;
    // The members it stands on, directly or through others, that run but are not usable.
    std::vector<std::string> notUsableBelow;
    bool linked() const { return !fields.empty(); }
};

struct Resolution {
    std::vector<std::size_t> order;    // member indexes, every source before its dependents
    std::vector<MemberLinks> members;  // by member index
};

// Resolves every link of a project whose links stand (linkFault none); a project with a
// faulty link resolves to no links at all.
Resolution resolveLinks(const Project& project, const std::vector<ModuleDescription>& modules);

// A member's run as its dependents read its ports: the member as resolved (its own
// linked fields holding their values), run as the tool runs it; empty when its
// settings cannot be placed.
ModuleRun runForPorts(const Member& resolved, const ModuleDescription& module);

// The member as it runs: its linked fields hold their resolved values.
Member resolvedMember(const Member& member, const MemberLinks& links);

// Runs a member after resolution: a member whose source stopped reports the stop and is
// not designed; a member standing on one that is not usable has its sheet marked.
MemberRun runLinkedMember(const Member& member, const MemberLinks& links, const ModuleDescription& module,
                          bool wantPages);

// The line a sheet and the contents give a member that stands on one not usable.
std::string standsOnNotUsable(const MemberLinks& links);
// Writes that line in red on the member's sheet, wherever the sheet is made (the report,
// a window's print): the engineer signing it sees what it rests on. Nothing otherwise.
void markStandsOnNotUsable(PageModel& sheet, const MemberLinks& links, const ModuleDescription& module);

}  // namespace mx::project
