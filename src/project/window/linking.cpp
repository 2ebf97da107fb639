// The project session's side of linked loads: the link dialog of a window's field, the
// linked fields of the open windows, the members out of date after a source changed,
// and the whole project recalculated in dependency order.
#include <QApplication>

#include <algorithm>

#include "common/fieldtable.h"
#include "project/linkedit.h"
#include "project/window/linkdialog.h"
#include "project/window/session.h"
#include "ui/fields.h"
#include "ui/prompter.h"

namespace mx::project {

namespace {

using ui::qs;

constexpr const char* kLinkTitle = "ลิงก์น้ำหนัก";

// The open member windows, each shown once.
std::vector<ui::MemberWindow*> memberWindows() {
    std::vector<ui::MemberWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<ui::MemberWindow*>(w)) out.push_back(m);
    return out;
}

}  // namespace

void ProjectSession::editLink(ui::MemberWindow& window, const std::string& field) {
    std::optional<std::size_t> index = indexOf(window.projectMember());
    if (!index) {
        // A link belongs to a member of the project: the window becomes one first.
        if (!ui::prompter().ask(Message{"การลิงก์น้ำหนักต้องเก็บชิ้นส่วนนี้ไว้ในโครงการก่อน "
                                        "ต้องการเก็บไว้ในโครงการตอนนี้หรือไม่",
                                        kLinkTitle, Icon::Question},
                                &window))
            return;
        store(window);
        index = indexOf(window.projectMember());
        if (!index) return;
    }
    LinkDialog dialog(project_, *index, field, modules_, &window);
    const int outcome = ui::prompter().run(dialog);
    const Project before = project_;
    if (outcome == LinkDialog::Linked) {
        auto terms = dialog.terms();
        if (!terms) return;
        if (const auto fault = setLink(project_, *index, field, std::move(*terms), modules_)) {
            ui::prompter().show(Message{*fault, kLinkTitle, Icon::Exclamation}, &window);
            return;
        }
    } else if (outcome == LinkDialog::Unlinked) {
        unlink(project_, *index, field, modules_);
    }
    if (project_ == before) return;
    markDependents(*index);
    runAll();
    showLinksInWindows();
    touch();
}

std::vector<Message> ProjectSession::linkStops(const ui::MemberWindow& window) {
    const std::optional<std::size_t> index = indexOf(window.projectMember());
    if (!index || project_.members[*index].links.empty()) return {};
    return resolveLinks(project_, modules_).members[*index].stops;
}

void ProjectSession::markSheet(const ui::MemberWindow& window, PageModel& sheet) {
    const std::optional<std::size_t> index = indexOf(window.projectMember());
    const ModuleDescription* module = moduleOf(window.member().module);
    if (!index || !module || project_.members[*index].links.empty()) return;
    markStandsOnNotUsable(sheet, resolveLinks(project_, modules_).members[*index], *module);
}

void ProjectSession::showLinks(ui::MemberWindow& window, std::optional<std::size_t> index, const Resolution& links) {
    const ModuleDescription* module = moduleOf(window.member().module);
    if (!module) return;
    for (const std::string& target : module->targets) {
        const ResolvedField* resolved = nullptr;
        if (index && *index < links.members.size())
            for (const ResolvedField& f : links.members[*index].fields)
                if (f.name == target) resolved = &f;
        if (resolved)
            window.showLink(target, true, qs(resolved->text), qs(linkTooltip(*resolved)));
        else if (window.fieldLinked(target))
            window.showLink(target, false);  // unlinked: the value stays as typed text
    }
}

void ProjectSession::showLinksInWindows() {
    const Resolution links = resolveLinks(project_, modules_);
    for (ui::MemberWindow* w : memberWindows()) showLinks(*w, indexOf(w->projectMember()), links);
}

void ProjectSession::markDependents(std::size_t index) {
    const std::string& source = project_.members[index].id;
    for (const std::size_t d : dependentsOf(project_, index)) {
        outOfDate_[project_.members[d].id].insert(source);
        // An open window of that member greys its results, as an edit of its own would.
        for (ui::MemberWindow* w : memberWindows())
            if (w->projectMember() != 0 && indexOf(w->projectMember()) == d) w->markOutOfDate();
    }
}

bool ProjectSession::outOfDate(std::size_t index) const {
    return index < project_.members.size() && outOfDate_.count(project_.members[index].id) > 0;
}

std::vector<std::string> ProjectSession::changedSources(std::size_t index) const {
    std::vector<std::string> out;
    if (!outOfDate(index)) return out;
    for (const std::string& id : outOfDate_.at(project_.members[index].id))
        for (const Member& m : project_.members)
            if (m.id == id) out.push_back(m.name);
    return out;
}

std::string ProjectSession::recalculateAll() {
    runAll();
    outOfDate_.clear();
    // The open windows in the same order: each takes the values its sources pass now.
    const Resolution links = resolveLinks(project_, modules_);
    const auto windows = memberWindows();
    for (const std::size_t i : links.order)
        for (ui::MemberWindow* w : windows)
            if (w->projectMember() != 0 && indexOf(w->projectMember()) == i) {
                showLinks(*w, i, links);
                w->calculate();
            }
    int usable = 0, notUsable = 0, none = 0;
    for (std::size_t i = 0; i < project_.members.size(); ++i) {
        const auto s = memberStatus(i);
        if (s == static_cast<int>(DesignStatus::Usable)) ++usable;
        else if (s == static_cast<int>(DesignStatus::NotUsable)) ++notUsable;
        else ++none;
    }
    emit changed();
    std::string out = "คำนวณใหม่ทั้งหมด " + std::to_string(project_.members.size()) +
                      " ชิ้นส่วนตามลำดับการถ่ายน้ำหนักแล้ว: ใช้ได้ " + std::to_string(usable) + ", ใช้ไม่ได้ ต้องแก้ไข " +
                      std::to_string(notUsable);
    if (none > 0) out += ", ยังเปิดในหน้าต่างออกแบบไม่ได้ " + std::to_string(none);
    return out;
}

}  // namespace mx::project
