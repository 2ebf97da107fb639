#pragma once
// What the program offers and keeps when links are made and members leave: the ports a
// field may be linked to (with their loads now), the members that stand on a member,
// and a source taken out of the project. No Qt.
#include <optional>
#include <string>
#include <vector>

#include "common/module.h"
#include "project/links.h"
#include "project/project.h"

namespace mx::project {

// A port another member offers a field: of the field's unit, from a member that does
// not stand on the field's own member (a link to it would close a cycle).
struct LinkOffer {
    std::size_t member = 0;  // the source's index in the project
    const PortInfo* port = nullptr;
    // What the source passes on now, of one source; none while it stops on an input
    // error (it then has no outputs).
    std::optional<PortLoad> load;
};

// The offers for a field (short name) of a member, in list order, each member's ports
// in its module's order. Empty for a field that takes no link.
std::vector<LinkOffer> linkOffers(const Project& project, std::size_t member, const std::string& field,
                                  const std::vector<ModuleDescription>& modules);

// The members that stand on a member, directly or through others, in list order.
std::vector<std::size_t> dependentsOf(const Project& project, std::size_t member);

// The members that read a member directly, in list order.
std::vector<std::size_t> readersOf(const Project& project, std::size_t member);

// Takes a member out of the project. Each term that read it becomes a typed value, its
// last load (dead and live apart, times its count) with a note naming the member that
// was taken out and its port, so its readers keep their other links and lose no load.
void removeMember(Project& project, std::size_t member, const std::vector<ModuleDescription>& modules);

// The note a typed value left by a deleted source carries.
std::string deletedSourceNote(const std::string& source, const std::string& portCaption, int count, bool live);

}  // namespace mx::project
