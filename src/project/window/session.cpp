#include "project/window/session.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

#include "common/fieldtable.h"
#include "project/linkedit.h"
#include "project/links.h"
#include "ui/fields.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::project {

namespace {

using ui::qs;
using ui::ss;

constexpr const char* kRecentKey = "project/recent";
constexpr int kMostRecent = 8;
constexpr const char* kNewProjectName = "โครงการใหม่";
constexpr const char* kTitle = "โครงการ";

class DialogFiles : public ProjectFiles {
public:
    QString openPath(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("เปิดโครงการ"), QString(), filter());
    }
    QString savePath(QWidget* parent, const QString& suggested) override {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("บันทึกโครงการเป็น"), suggested, filter());
    }

private:
    static QString filter() { return QStringLiteral("โครงการ MX7100 (*%1)").arg(QLatin1String(kFileSuffix)); }
};

DialogFiles dialogs;
ProjectFiles* currentFiles = &dialogs;

Message question(const std::string& text) { return Message{text, kTitle, Icon::Question}; }
Message refusal(const std::string& text) { return Message{text, kTitle, Icon::Exclamation}; }

// Two versions of a member design alike: the same type, grade and inputs, the linked
// fields (resolved again every run) and the title block (printed only) aside.
bool sameDesignInputs(const Member& a, const Member& b, const ModuleDescription& module) {
    if (a.state.typeCode != b.state.typeCode || a.state.grade != b.state.grade) return false;
    for (const FieldInfo& f : module.fields) {
        const std::string name = f.name;
        if (name == "project" || name == "member" || name == "engineer" || name == "registration" || name == "page") continue;
        if (std::any_of(a.links.begin(), a.links.end(), [&](const FieldLink& l) { return l.field == name; })) continue;
        const std::string da = a.state.fields.has(f.object) ? a.state.fields.get(f.object) : f.defaultText;
        const std::string db = b.state.fields.has(f.object) ? b.state.fields.get(f.object) : f.defaultText;
        if (da != db) return false;
    }
    return true;
}

}  // namespace

ProjectFiles& projectFiles() { return *currentFiles; }
void setProjectFiles(ProjectFiles* files) { currentFiles = files ? files : &dialogs; }

QString memberWindowName(const std::string& module) { return ui::WindowRegistry::instance().windowOfModule(module); }

ProjectSession::ProjectSession(std::vector<ModuleDescription> modules, QObject* parent)
    : QObject(parent), modules_(std::move(modules)), project_(project::newProject(modules_)) {
    ui::setProjectLink(this);
    shell::setProjectPages(this);
    connect(this, &ProjectSession::changed, this, &ProjectSession::updateWindows);
}

ProjectSession::~ProjectSession() {
    if (ui::projectLink() == this) ui::setProjectLink(nullptr);
    if (shell::projectPages() == this) shell::setProjectPages(nullptr);
}

QString ProjectSession::name() const {
    return path_.isEmpty() ? QString::fromUtf8(kNewProjectName) : QFileInfo(path_).completeBaseName();
}

const ModuleDescription* ProjectSession::moduleOf(const std::string& name) const {
    for (const ModuleDescription& m : modules_)
        if (m.name == name) return &m;
    return nullptr;
}

std::optional<std::size_t> ProjectSession::indexOf(int id) const {
    const auto it = std::find(ids_.begin(), ids_.end(), id);
    if (id == 0 || it == ids_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - ids_.begin());
}

void ProjectSession::touch() {
    modified_ = true;
    emit changed();
}

void ProjectSession::runAll() {
    // A member's change reaches every member linked to it, so all run again.
    const Resolution links = resolveLinks(project_, modules_);
    status_.assign(project_.members.size(), std::nullopt);
    for (const std::size_t i : links.order) {
        const Member& m = project_.members[i];
        if (const ModuleDescription* module = moduleOf(m.module))
            status_[i] = runLinkedMember(m, links.members[i], *module, false).report.status;
    }
}

std::optional<int> ProjectSession::memberStatus(std::size_t index) const {
    return index < status_.size() ? status_[index] : std::nullopt;
}

void ProjectSession::replace(Project project, const QString& path) {
    project_ = std::move(project);
    path_ = path;
    modified_ = false;
    ids_.clear();
    for (std::size_t i = 0; i < project_.members.size(); ++i) ids_.push_back(nextId_++);
    outOfDate_.clear();
    runAll();
    // The windows open keep what they show, no longer as members of any project.
    for (ui::MemberWindow* w : openMemberWindows()) w->setProjectMember(0);
    showLinksInWindows();
    for (ui::MemberWindow* w : openMemberWindows()) w->markStored();
    showProjectPages();
    emit replaced();
    emit changed();
}

// --- files ------------------------------------------------------------------------

bool ProjectSession::mayLeave(QWidget* parent) {
    std::vector<ui::MemberWindow*> edited;
    for (ui::MemberWindow* w : openMemberWindows())
        if (w->hasUnstoredEdits()) edited.push_back(w);
    if (!edited.empty() && !settleWindows(edited, parent)) return false;
    if (!modified_) return true;
    const std::string text = "โครงการ \"" + ss(name()) + "\" มีการเปลี่ยนแปลงที่ยังไม่ได้บันทึก ต้องการบันทึกไว้ก่อนหรือไม่";
    switch (ui::prompter().askSave(question(text), parent)) {
    case ui::SaveChoice::Save: return save(parent);
    case ui::SaveChoice::Discard: return true;
    case ui::SaveChoice::Cancel: break;
    }
    return false;
}

bool ProjectSession::newProject(QWidget* parent) {
    if (!mayLeave(parent)) return false;
    replace(project::newProject(modules_), QString());
    return true;
}

bool ProjectSession::open(QWidget* parent) {
    if (!mayLeave(parent)) return false;
    const QString path = projectFiles().openPath(parent);
    return !path.isEmpty() && openFile(path, parent);
}

bool ProjectSession::openFile(const QString& path, QWidget* parent) {
    ReadOutcome read = readProjectFile(ss(path), modules_);
    if (!read.project) {
        // The file's one message; the project open stays as it was.
        ui::prompter().show(Message{read.error, "เปิดโครงการไม่ได้", Icon::Critical}, parent);
        // A file that is gone leaves the recent list once the user has been told.
        if (!QFileInfo::exists(path)) forget(QFileInfo(path).absoluteFilePath());
        return false;
    }
    replace(std::move(*read.project), QFileInfo(path).absoluteFilePath());
    remember(path_);
    return true;
}

bool ProjectSession::save(QWidget* parent) {
    if (path_.isEmpty()) return saveAs(parent);
    if (const auto error = saveProjectFile(project_, ss(path_), modules_)) {
        // The previous file is whole and the changes are still unsaved.
        ui::prompter().show(Message{*error, "บันทึกโครงการไม่ได้", Icon::Exclamation}, parent);
        return false;
    }
    modified_ = false;
    remember(path_);
    emit changed();
    return true;
}

bool ProjectSession::saveAs(QWidget* parent) {
    const QString suggested =
        path_.isEmpty() ? QDir::home().filePath(name() + QLatin1String(kFileSuffix)) : path_;
    QString path = projectFiles().savePath(parent, suggested);
    if (path.isEmpty()) return false;
    if (!path.endsWith(QLatin1String(kFileSuffix), Qt::CaseInsensitive)) path += QLatin1String(kFileSuffix);
    const QString before = path_;
    path_ = QFileInfo(path).absoluteFilePath();
    if (save(parent)) return true;
    path_ = before;
    emit changed();
    return false;
}

QStringList ProjectSession::recentProjects() const {
    return QSettings().value(QLatin1String(kRecentKey)).toStringList();
}

void ProjectSession::remember(const QString& path) {
    QStringList recent = recentProjects();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kMostRecent) recent.removeLast();
    QSettings().setValue(QLatin1String(kRecentKey), recent);
}

void ProjectSession::forget(const QString& path) {
    QStringList recent = recentProjects();
    if (recent.removeAll(path) > 0) QSettings().setValue(QLatin1String(kRecentKey), recent);
}

// --- members ----------------------------------------------------------------------

std::optional<std::string> ProjectSession::askName(const std::string& suggested, QWidget* parent,
                                                   std::optional<std::size_t> self) {
    std::string text = suggested;
    for (;;) {
        const auto answer = ui::prompter().askText(
            Message{"ชื่อชิ้นส่วนในโครงการ (เช่น B1, S2, C3)", kTitle, Icon::Question}, text, parent);
        if (!answer) return std::nullopt;
        text = ss(qs(*answer).simplified());
        if (text.empty()) {
            ui::prompter().show(refusal("ชื่อชิ้นส่วนต้องไม่ว่าง"), parent);
            continue;
        }
        bool taken = false;
        for (std::size_t i = 0; i < project_.members.size(); ++i)
            taken = taken || (i != self && project_.members[i].name == text);
        if (!taken) return text;
        ui::prompter().show(refusal("ในโครงการมีชิ้นส่วนชื่อ \"" + text + "\" แล้ว กรุณาตั้งชื่ออื่น"), parent);
    }
}

void ProjectSession::openMember(std::size_t index, QWidget* parent) {
    if (index >= project_.members.size()) return;
    const Member& member = project_.members[index];
    const ModuleDescription* module = moduleOf(member.module);
    // A window holding edits not stored is asked about before another member replaces
    // them; the member it already shows is only brought to the front, edits and all.
    const QString windowName = memberWindowName(member.module);
    if (auto* open = qobject_cast<ui::MemberWindow*>(ui::WindowRegistry::instance().find(windowName));
        open && open->hasUnstoredEdits()) {
        if (open->projectMember() == ids_[index]) {
            ui::showWindow(windowName);
            return;
        }
        if (!settleWindows({open}, parent)) return;
    }
    auto* window = qobject_cast<ui::MemberWindow*>(ui::showWindow(windowName));
    if (!module || !window) {
        ui::prompter().show(Message{"ชิ้นส่วน \"" + member.name +
                                        "\" ยังเปิดในหน้าต่างออกแบบไม่ได้ ข้อมูลของชิ้นส่วนยังอยู่ในโครงการ "
                                        "และพิมพ์ในรายการคำนวณของโครงการได้",
                                    kTitle, Icon::Information},
                            parent);
        return;
    }
    const int id = ids_[index];
    window->setProjectMember(id);
    // A linked field shows the value resolved from its sources, as the tool runs it.
    const Resolution links = resolveLinks(project_, modules_);
    const Member shown = resolvedMember(member, links.members[index]);
    window->loadMember(shown);
    // The lines the member leaves empty show the project's defaults and follow them.
    window->fillTitleBlock(withTitleBlock(shown, *module, project_.titleBlock));
    // Calculated with the loads its sources pass now: no longer out of date.
    showLinks(*window, index, links);
    window->markStored();
    updateWindows();
    if (outOfDate_.erase(member.id) > 0) emit changed();
}

void ProjectSession::duplicateMember(std::size_t index, QWidget* parent) {
    if (index >= project_.members.size()) return;
    const auto name = askName(project_.members[index].name + " (สำเนา)", parent, std::nullopt);
    if (!name) return;
    Member copy = project_.members[index];
    copy.id = newMemberId(project_);
    copy.name = *name;
    const auto at = static_cast<std::ptrdiff_t>(index + 1);
    project_.members.insert(project_.members.begin() + at, std::move(copy));
    ids_.insert(ids_.begin() + at, nextId_++);
    status_.insert(status_.begin() + at, status_[index]);
    touch();
}

void ProjectSession::renameMember(std::size_t index, QWidget* parent) {
    if (index >= project_.members.size()) return;
    const auto name = askName(project_.members[index].name, parent, index);
    if (!name || *name == project_.members[index].name) return;
    project_.members[index].name = *name;
    showLinksInWindows();  // the tooltips name the sources
    touch();
}

void ProjectSession::deleteMember(std::size_t index, QWidget* parent) {
    if (index >= project_.members.size()) return;
    std::string text = "ลบชิ้นส่วน \"" + project_.members[index].name + "\" ออกจากโครงการหรือไม่";
    if (const auto readers = readersOf(project_, index); !readers.empty()) {
        // Its readers keep the loads it passes now, typed, each with a note naming it.
        std::string names;
        for (const std::size_t r : readers) names += (names.empty() ? "" : ", ") + project_.members[r].name;
        text += "\n\nชิ้นส่วน " + names + " รับน้ำหนักจาก \"" + project_.members[index].name +
                "\" อยู่ เมื่อลบแล้ว น้ำหนักที่รับอยู่ตอนนี้จะเก็บไว้เป็นตัวเลขที่พิมพ์ พร้อมหมายเหตุว่ามาจาก \"" +
                project_.members[index].name + "\"";
    }
    if (!ui::prompter().ask(question(text), parent)) return;
    outOfDate_.erase(project_.members[index].id);
    const auto at = static_cast<std::ptrdiff_t>(index);
    // A member linked to it keeps the last value it had from it.
    removeMember(project_, index, modules_);
    ids_.erase(ids_.begin() + at);
    runAll();
    showLinksInWindows();
    touch();
}

void ProjectSession::moveMember(std::size_t from, std::size_t to) {
    if (from >= project_.members.size() || to >= project_.members.size() || from == to) return;
    auto move = [from, to](auto& v) {
        auto item = std::move(v[from]);
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(from));
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
    };
    move(project_.members);
    move(ids_);
    move(status_);
    touch();
}

void ProjectSession::setTitleBlock(const TitleBlockDefaults& defaults) {
    if (defaults == project_.titleBlock) return;
    project_.titleBlock = defaults;
    touch();
}

// --- the member windows -------------------------------------------------------------

void ProjectSession::windowOpened(ui::MemberWindow& window) {
    const project::Member m = window.member();
    if (const ModuleDescription* module = moduleOf(m.module))
        window.fillTitleBlock(withTitleBlock(m, *module, project_.titleBlock));
}

void ProjectSession::store(ui::MemberWindow& window) {
    Member m = window.typedMember();
    const ModuleDescription* module = moduleOf(m.module);
    if (!module) return;
    const std::optional<std::size_t> index = indexOf(window.projectMember());
    if (index) {
        // Back over the member the window was opened from, under its id and name.
        m.id = project_.members[*index].id;
        m.name = project_.members[*index].name;
        m.links = project_.members[*index].links;
        // Changed inputs reach every member standing on it.
        if (!sameDesignInputs(project_.members[*index], m, *module)) markDependents(*index);
        outOfDate_.erase(m.id);
        project_.members[*index] = std::move(m);
        project_.members[*index] = withoutTitleBlock(project_.members[*index], *module, project_.titleBlock);
    } else {
        // A new member, named after the title block's member line when it has one.
        const FieldInfo* line = findField(module->fields, "member");
        const auto name = askName(line ? m.state.fields.get(line->object) : std::string(), &window, std::nullopt);
        if (!name) return;
        m.id = newMemberId(project_);
        m.name = *name;
        m = withoutTitleBlock(m, *module, project_.titleBlock);
        project_.members.push_back(m);
        ids_.push_back(nextId_++);
        status_.push_back(std::nullopt);
        window.setProjectMember(ids_.back());
        window.fillTitleBlock(withTitleBlock(m, *module, project_.titleBlock));
    }
    runAll();
    showLinksInWindows();
    window.markStored();
    touch();
    window.showStatus(QStringLiteral("เก็บ %1 ไว้ในโครงการแล้ว (ยังไม่ได้บันทึกไฟล์โครงการ)").arg(windowLabel(window)));
}

}  // namespace mx::project
