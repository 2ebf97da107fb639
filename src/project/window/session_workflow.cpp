// The session's part in a workflow that never loses an edit: the member windows'
// unstored edits asked about before they would be replaced or left, the windows kept
// naming their member and following the project's title block, the recent list kept
// to files that are there, and the report that says where it went.
#include <QApplication>

#include <algorithm>

#include "project/window/session.h"
#include "ui/fields.h"
#include "ui/printing.h"
#include "ui/registry.h"
#include "ui/prompter.h"
#include "ui/reportprinting.h"

namespace mx::project {

namespace {

constexpr const char* kUnstoredTitle = "ข้อมูลที่ยังไม่ได้เก็บ";
constexpr const char* kReportTitle = "พิมพ์รายการคำนวณ";
constexpr const char* kNothingToPrint =
    "โครงการนี้ยังไม่มีชิ้นส่วน จึงยังไม่มีรายการคำนวณให้พิมพ์ "
    "ออกแบบชิ้นส่วนในหน้าต่างออกแบบ แล้วกดปุ่มเก็บข้อมูลไว้ในโครงการก่อน";

}  // namespace

std::vector<ui::MemberWindow*> ProjectSession::openMemberWindows() {
    std::vector<ui::MemberWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<ui::MemberWindow*>(w); m && m->isVisible()) out.push_back(m);
    return out;
}

QString ProjectSession::windowLabel(ui::MemberWindow& window) const {
    if (const auto index = indexOf(window.projectMember()))
        return QStringLiteral("\"%1\"").arg(ui::qs(project_.members[*index].name));
    return QStringLiteral("หน้าต่าง%1").arg(window.moduleCaption());
}

bool ProjectSession::settleWindows(const std::vector<ui::MemberWindow*>& windows, QWidget* parent) {
    if (windows.empty()) return true;
    QStringList named;
    for (ui::MemberWindow* w : windows) {
        const QString label = windowLabel(*w);
        named << (indexOf(w->projectMember()) ? QStringLiteral("%1 (%2)").arg(label, w->moduleCaption()) : label);
    }
    const QString text =
        windows.size() == 1
            ? QStringLiteral("%1 มีการแก้ไขที่ยังไม่ได้เก็บไว้ในโครงการ ต้องการเก็บการแก้ไขของ %2 ไว้ก่อนหรือไม่")
                  .arg(named.front(), windowLabel(*windows.front()))
            : QStringLiteral("หน้าต่างเหล่านี้มีการแก้ไขที่ยังไม่ได้เก็บไว้ในโครงการ: %1 ต้องการเก็บไว้ก่อนหรือไม่")
                  .arg(named.join(QStringLiteral(", ")));
    switch (ui::prompter().askSave(Message{ui::ss(text), kUnstoredTitle, Icon::Question}, parent)) {
    case ui::SaveChoice::Save:
        for (ui::MemberWindow* w : windows) {
            store(*w);
            // A new member whose name the user did not give is not stored: go back.
            if (w->hasUnstoredEdits()) return false;
        }
        return true;
    case ui::SaveChoice::Discard:
        for (ui::MemberWindow* w : windows) w->markStored();
        return true;
    case ui::SaveChoice::Cancel: break;
    }
    return false;
}

void ProjectSession::updateWindows() {
    for (ui::MemberWindow* w : openMemberWindows()) {
        const auto index = indexOf(w->projectMember());
        if (!index && w->projectMember() != 0) w->setProjectMember(0);  // its member was deleted
        Member shown = w->typedMember();
        if (index) shown.name = project_.members[*index].name;
        w->setProjectTitle(index ? ui::qs(shown.name) : QString(), name());
        if (const ModuleDescription* module = moduleOf(shown.module)) w->fillTitleBlock(withTitleBlock(shown, *module, project_.titleBlock));
    }
}

FieldSet ProjectSession::pageFields(shell::PageMakerWindow::Kind kind) const {
    return kind == shell::PageMakerWindow::Kind::Cover ? project_.cover : project_.criteria;
}

void ProjectSession::pageEdited(shell::PageMakerWindow::Kind kind, const FieldSet& fields) {
    FieldSet& page = kind == shell::PageMakerWindow::Kind::Cover ? project_.cover : project_.criteria;
    FieldSet edited = page;
    for (const auto& [name, text] : fields.entries()) edited.set(name, text);
    if (edited.entries() == page.entries()) return;
    page = std::move(edited);
    touch();
}

void ProjectSession::showProjectPages() {
    for (const char* name : {"cover01", "cover02"})
        if (auto* maker = qobject_cast<shell::PageMakerWindow*>(ui::WindowRegistry::instance().find(QLatin1String(name))))
            maker->showProjectPage();
}

bool ProjectSession::printReport(QWidget* parent) {
    if (project_.members.empty()) {
        ui::prompter().show(Message{kNothingToPrint, kReportTitle, Icon::Information}, parent);
        return false;
    }
    const auto notUsable = std::count(status_.begin(), status_.end(), static_cast<int>(DesignStatus::NotUsable));
    if (!ui::printProjectReport(project_, modules_, parent, ui::ReportOutput::Ask, static_cast<int>(notUsable)))
        return false;
    const ui::PrintedTo printed = ui::lastPrint();
    const QString text = QStringLiteral("พิมพ์รายการคำนวณ %1 หน้า ไปที่ %2 แล้ว").arg(printed.pages).arg(printed.where);
    for (ui::MemberWindow* w : openMemberWindows()) w->showStatus(text);
    emit status(text);
    return true;
}

}  // namespace mx::project
