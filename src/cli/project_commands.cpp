#include "cli/project_commands.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/csv.h"
#include "cli/output.h"
#include "cli/sheetbook.h"
#include "cli/tool.h"
#include "common/utf8.h"
#include "common/numtext.h"
#include "project/links.h"
#include "project/report.h"
#include "project/takeoff.h"

namespace mx::cli {

namespace {

int fail(const std::string& message) {
    std::cerr << "mx7100-calc: " << message << "\n";
    return 2;
}

// A line that cannot be written (a full disk, a closed output) stops the command with
// status 1, as it stops a batch.
int cannotWriteOutput() {
    std::cerr << "mx7100-calc: cannot write the standard output\n";
    return 1;
}

std::string namesJson(const std::vector<std::string>& names) {
    std::string out = "[";
    for (const std::string& n : names) out += (out.size() > 1 ? ", " : "") + jsonString(n);
    return out + "]";
}

int printMembers(const std::vector<ModuleDescription>& modules, const project::Project& p) {
    const project::Resolution links = project::resolveLinks(p, modules);
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        const project::Member& member = p.members[i];
        const ModuleDescription& module = *findModule(modules, member.module);
        const project::MemberLinks& own = links.members[i];
        const project::MemberRun run =
            project::runLinkedMember(project::withTitleBlock(member, module, p.titleBlock), own, module, false);
        const std::string json = toJson(module, run.invocation.state, run.report);
        std::cout << "{\"member\": " << i + 1 << ", \"name\": " << jsonString(member.name) << ", ";
        // A member on a source that is not usable says so; the run is its own.
        if (!own.notUsableBelow.empty()) std::cout << "\"standsOnNotUsable\": " << namesJson(own.notUsableBelow) << ", ";
        std::cout << json.substr(1) << "\n" << std::flush;
        if (!std::cout) return cannotWriteOutput();
    }
    return 0;
}

int writeReport(const std::vector<ModuleDescription>& modules, const project::Project& p, const std::string& pdfPath,
                const std::function<std::unique_ptr<QApplication>()>& startQt) {
    const auto app = startQt();
    // A report that cannot be written is known before its pages are painted.
    SheetBook book(pdfPath);
    if (const auto err = book.cannotStart()) {
        std::cerr << "mx7100-calc: " << *err << "\n";
        return 1;
    }
    std::vector<project::ContentsRow> rows;
    const bool painted = project::buildReport(p, modules, [&](const PageModel& page) { return book.add(page); }, &rows);
    const auto err = painted ? book.finish() : "cannot write " + shownPath(pdfPath) + ": the pages could not be painted";
    if (err) {
        std::cerr << "mx7100-calc: " << *err << "\n";
        return 1;
    }
    // The contents as the report prints it, one line a member.
    for (const project::ContentsRow& r : rows)
        std::cout << "{\"page\": " << r.page << ", \"member\": " << jsonString(r.member)
                  << ", \"module\": " << jsonString(r.module)
                  << ", \"status\": " << (r.status ? std::to_string(*r.status) : std::string("null")) << "}\n";
    std::cout << "{\"pages\": " << book.pages() << "}\n" << std::flush;
    return std::cout ? 0 : cannotWriteOutput();
}

std::string shownJson(const ShownQuantities& s) {
    std::string out = "{\"concrete\": " + hundredthsText(s.concrete) + ", \"formwork\": " + hundredthsText(s.formwork) +
                      ", \"steel\": [";
    for (std::size_t i = 0; i < s.steel.size(); ++i)
        out += (i ? ", " : "") + std::string("{\"bar\": ") + jsonString(s.steel[i].bar) + ", \"grade\": " +
               jsonString(s.steel[i].grade) + ", \"kg\": " + hundredthsText(s.steel[i].kg, 1) + "}";
    return out + "], \"steelTotal\": " + hundredthsText(s.steelTotal(), 1) + "}";
}

// The table as a CSV file, staged beside its name and renamed to it only when whole.
std::optional<std::string> writeCsv(const std::string& path, const std::string& text) {
    StagedOutput staged(path);
    if (staged.stagingPath().empty()) return cannotWrite(path, WriteFault{WriteFault::Kind::NoTemporary, errno});
    std::FILE* f = std::fopen(staged.stagingPath().c_str(), "wb");
    if (!f) return cannotWrite(path, WriteFault{WriteFault::Kind::NoTemporary, errno});
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const int err = written ? 0 : errno;
    if (std::fclose(f) != 0 || !written) return cannotWrite(path, WriteFault{WriteFault::Kind::Write, err ? err : errno});
    if (const auto fault = staged.commit("")) return cannotWrite(path, *fault);
    return std::nullopt;
}

int printQuantities(const std::vector<ModuleDescription>& modules, const project::Project& p, const std::string& csvPath) {
    const project::ProjectTakeoff t = project::projectTakeoff(p, modules);
    for (std::size_t i = 0; i < t.members.size(); ++i) {
        const project::MemberTakeoff& m = t.members[i];
        std::cout << "{\"member\": " << i + 1 << ", \"name\": " << jsonString(m.name) << ", \"module\": "
                  << jsonString(m.module) << ", \"count\": " << m.count
                  << ", \"quantities\": " << quantitiesJson(m.quantities, m.count) << "}\n"
                  << std::flush;
        if (!std::cout) return cannotWriteOutput();
    }
    std::string kinds;
    for (const project::KindTotal& k : t.byKind)
        kinds += (kinds.empty() ? "" : ", ") + std::string("{\"module\": ") + jsonString(k.module) + ", \"net\": " +
                 shownJson(k.total) + "}";
    std::cout << "{\"totals\": {\"byKind\": [" << kinds << "], \"net\": " << shownJson(t.net)
              << ", \"waste\": {\"concrete\": " << t.waste.concrete << ", \"formwork\": " << t.waste.formwork
              << ", \"steel\": " << t.waste.steel << "}, \"withWaste\": " << shownJson(t.withWaste) << "}}\n"
              << std::flush;
    if (!std::cout) return cannotWriteOutput();
    if (!csvPath.empty()) {
        if (const auto err = writeCsv(csvPath, csvText(project::takeoffTable(t)))) {
            std::cerr << "mx7100-calc: " << *err << "\n";
            return 1;
        }
    }
    return 0;
}

std::string number(double v) { return numText(v); }

// One line per linked field, in dependency order: each term's source, port, dead and
// live parts of one source and its count, and the total the member is designed for.
int printTakedown(const project::Project& p, const std::vector<ModuleDescription>& modules) {
    const project::Resolution links = project::resolveLinks(p, modules);
    for (const std::size_t i : links.order) {
        const project::MemberLinks& own = links.members[i];
        for (const project::ResolvedField& f : own.fields) {
            std::string line = "{\"member\": " + jsonString(p.members[i].name) + ", \"id\": " +
                               jsonString(p.members[i].id) + ", \"field\": " + jsonString(f.name) +
                               ", \"unit\": " + jsonString(f.unit) + ", \"terms\": [";
            for (std::size_t k = 0; k < f.terms.size(); ++k) {
                const project::ResolvedTerm& t = f.terms[k];
                line += k ? ", {" : "{";
                if (t.term.member.empty()) line += "\"note\": " + jsonString(t.term.note) + ", ";
                else
                    line += "\"source\": " + jsonString(t.source) + ", \"port\": " + jsonString(t.term.port) + ", ";
                line += t.load.split ? "\"dead\": " + number(t.load.dead) + ", \"live\": " + number(t.load.live)
                                     : "\"value\": " + number(t.load.dead);
                line += ", \"count\": " + std::to_string(t.term.count) + "}";
            }
            line += "], ";
            if (!own.stops.empty()) line += "\"total\": null, \"stops\": " + std::to_string(own.stops.size());
            else line += "\"dead\": " + number(f.total.dead) + ", \"live\": " + number(f.total.live) + ", \"total\": " + f.text;
            std::cout << line << "}\n" << std::flush;
            if (!std::cout) return cannotWriteOutput();
        }
    }
    return 0;
}

}  // namespace

int runProjectCommand(const std::vector<ModuleDescription>& modules, const std::vector<std::string>& args,
                      const std::function<std::unique_ptr<QApplication>()>& startQt) {
    const std::string& command = args.at(0);
    const bool report = command == "report";
    const bool quantities = command == "quantities";
    const std::string usage = report       ? "usage: mx7100-calc report PROJECT.mx7100 --pdf FILE.pdf"
                              : quantities ? "usage: mx7100-calc quantities PROJECT.mx7100 [--csv FILE.csv]"
                                           : "usage: mx7100-calc " + command + " PROJECT.mx7100";
    std::string projectPath, pdfPath, csvPath;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (report && args[i] == "--pdf") {
            if (i + 1 >= args.size()) return fail("--pdf needs a file name");
            pdfPath = args[++i];
        } else if (quantities && args[i] == "--csv") {
            if (i + 1 >= args.size()) return fail("--csv needs a file name");
            csvPath = args[++i];
        } else if (projectPath.empty() && !args[i].starts_with("-")) {
            projectPath = args[i];
        } else {
            return fail(usage + " (not '" + args[i] + "')");
        }
    }
    if (projectPath.empty() || (report && pdfPath.empty())) return fail(usage);
    if (report && samePath(projectPath, pdfPath)) return fail(shownPath(pdfPath) + " is the project itself; name another file for the report");
    if (report)
        if (const auto err = checkOutputPath(pdfPath)) return fail(*err);
    if (!csvPath.empty()) {
        if (samePath(projectPath, csvPath)) return fail(shownPath(csvPath) + " is the project itself; name another file for the table");
        if (const auto err = checkOutputPath(csvPath)) return fail(*err);
    }
    const project::ReadOutcome read = project::readProjectFile(projectPath, modules);
    if (!read.project) return fail(read.error);
    if (command == "takedown") return printTakedown(*read.project, modules);
    if (quantities) return printQuantities(modules, *read.project, csvPath);
    return report ? writeReport(modules, *read.project, pdfPath, startQt) : printMembers(modules, *read.project);
}

BatchProject::BatchProject(const std::vector<ModuleDescription>& modules)
    : modules_(&modules), project_(project::newProject(modules)) {}

void BatchProject::add(const ModuleDescription& module, const FormState& state, int row) {
    // Rows only ever join the project, so the row's place in it is a new id.
    project::Member m{module.name, "m" + std::to_string(project_.members.size() + 1), {}, state};
    if (const FieldInfo* f = findField(module.fields, "member")) m.name = state.fields.get(f->object);
    if (m.name.empty()) m.name = "แถว " + std::to_string(row);
    project_.members.push_back(std::move(m));
}

std::optional<std::string> BatchProject::save(const std::string& path) const {
    return project::saveProjectFile(project_, path, *modules_);
}

}  // namespace mx::cli
