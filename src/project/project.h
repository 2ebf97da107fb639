#pragma once
// A building's project: the report's cover and criteria pages, the title-block
// defaults and the ordered list of its members, each the inputs of one module window.
// Only what the engineer typed and chose is kept; every result comes from running the
// member again, so a file never disagrees with the program that opens it.
//
// On disk it is NAME.mx7100, UTF-8 JSON, fields by the short names of the modules'
// field tables and members by an id that stays with the member whatever it is named:
//   {"format": "mx7100-project", "version": 2,
//    "cover": {NAME: TEXT, ...}, "criteria": {NAME: TEXT, ...},
//    "titleBlock": {"project": TEXT, "engineer": TEXT, "registration": TEXT},
//    "members": {ID: {"module": NAME, "name": TEXT, "type": N|null, "grade": "SD30"|null,
//                     "fields": {NAME: TEXT, ...},
//                     "links": {NAME: [{"member": ID, "port": PORT, "count": N},
//                                      {"value": N, "part": "dead"|"live", "note": TEXT}, ...], ...}}, ...}}
// A linked field keeps no text in "fields": its value is resolved from its terms.
// Version 1, still read, kept the fields by object name and the members in a list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cli.h"
#include "common/fieldset.h"
#include "common/material.h"

namespace mx::project {

inline constexpr const char* kFormatName = "mx7100-project";
inline constexpr int kFormatVersion = 2;
inline constexpr const char* kFileSuffix = ".mx7100";
// No real building comes near this; a larger file is not a project and is not read.
inline constexpr std::size_t kMaxFileBytes = 16u << 20;

// One term of a linked field: another member's port times a count, or a value typed
// with a note ("ผนังก่ออิฐครึ่งแผ่นสูง 3 ม."), dead or live load.
struct LinkTerm {
    std::string member;  // the source member's id; empty for a typed value
    std::string port;    // the source's port ("r2", "long_edge")
    int count = 1;       // how many such sources bear on the field
    double value = 0;    // a typed value, in the field's unit
    bool live = false;   // a typed value is live load (else dead)
    std::string note;
    bool operator==(const LinkTerm&) const = default;
};

// A field whose value is the sum of its terms, resolved before every run; the file
// keeps the terms and no typed text for the field.
struct FieldLink {
    std::string field;  // the field's short name
    std::vector<LinkTerm> terms;
    bool operator==(const FieldLink&) const = default;
};

struct Member {
    std::string module;  // the tool's module name: "beam", "pile", ...
    // Names the member in the file for as long as it is in the project: given once, when
    // the member is made, and kept through renaming, so a diff of two versions of the
    // file follows the member. "m1", "m2", ... (newMemberId).
    std::string id;
    std::string name;  // the member's name in the list: "B1", "C3"
    // The window as it was stored: input texts by object name (a field not held keeps
    // its default), the type button and the steel-grade button last pressed.
    FormState state;
    // How many members built alike it stands for ("จำนวน": six beams B1): the
    // quantities count it that many times. Written to the file when not 1.
    int count = 1;
    // The fields linked to other members' outputs, in the order they were linked.
    std::vector<FieldLink> links = {};
    bool operator==(const Member& o) const {
        return module == o.module && id == o.id && name == o.name && count == o.count && state.typeCode == o.state.typeCode &&
               state.grade == o.state.grade && state.fields.entries() == o.state.fields.entries() && links == o.links;
    }
};

struct TitleBlockDefaults {
    std::string project;
    std::string engineer;
    std::string registration;
    bool operator==(const TitleBlockDefaults&) const = default;
};

// Waste allowed on each material over the net quantities, in whole per cent: what Thai
// estimators commonly add (concrete 5, formwork 10, reinforcing steel 7). Written to
// the file ("waste") when the project sets other figures.
struct WasteAllowance {
    int concrete = 5;
    int formwork = 10;
    int steel = 7;
    bool operator==(const WasteAllowance&) const = default;
};
// The most a member may count and the most waste a material may be allowed.
inline constexpr int kMaxMemberCount = 10000;
inline constexpr int kMaxWastePercent = 100;

struct Project {
    FieldSet cover;     // the cover page's fields (the "cover" module's)
    FieldSet criteria;  // the design-criteria page's fields (the "criteria" module's)
    TitleBlockDefaults titleBlock;
    WasteAllowance waste;
    std::vector<Member> members;
    bool operator==(const Project& o) const {
        return cover.entries() == o.cover.entries() && criteria.entries() == o.criteria.entries() &&
               titleBlock == o.titleBlock && waste == o.waste && members == o.members;
    }
};

// A new project: both report pages with their defaults, no members.
Project newProject(const std::vector<ModuleDescription>& modules);

// The modules a member may be: every module of the tool except the two report pages.
bool isMemberModule(const ModuleDescription& module);

// An id no member of the project has, for a member joining it.
std::string newMemberId(const Project& project);

// The project as file text of the newest version, fields by their short names. Always
// valid UTF-8 when the project's texts are. A member without an id, or with one an
// earlier member has, is written under a new one, so the file always reads back.
std::string projectText(const Project& project, const std::vector<ModuleDescription>& modules);

// Reading gives a project, or one Thai message that names the file and says what is
// wrong with it; nothing is returned half-read.
struct ReadOutcome {
    std::optional<Project> project;
    std::string error;
};
// The checks on the bytes of a file: UTF-8, JSON, format, version, and every module,
// field, type and grade against the modules' own tables. A file of version 1 gets the
// ids m1, m2, ... in its order.
ReadOutcome parseProject(std::string_view bytes, const std::string& fileName, const std::vector<ModuleDescription>& modules);
// The same for a file on disk, with the file's own faults first: missing, a folder,
// not readable, too large.
ReadOutcome readProjectFile(const std::string& path, const std::vector<ModuleDescription>& modules);

// Writes the project to a temporary file beside path and renames it over path, so a
// save that fails leaves the previous file whole. Returns a Thai message naming the
// file on failure.
std::optional<std::string> saveProjectFile(const Project& project, const std::string& path,
                                           const std::vector<ModuleDescription>& modules);

// A member as settings of the tool (type=N, grade=G, OBJECT=TEXT ...), to be placed
// raw: the texts are the window's own and must come back exactly as stored.
std::vector<std::string> memberSettings(const Member& member);

// A member whose title-block fields are empty takes the project's defaults, and its
// member line its name; the page field is left as it is.
Member withTitleBlock(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults);
// The other way: a line that reads what the project would give it is emptied, so that
// it goes on following the project (a renamed member, a new project name).
Member withoutTitleBlock(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults);

// Runs a member as the tool runs its module with these settings. The module must be
// one of the project's (parseProject checks that).
struct MemberRun {
    cli::Invocation invocation;
    cli::Report report;
};
MemberRun runMember(const Member& member, const ModuleDescription& module, bool wantPages);

}  // namespace mx::project
