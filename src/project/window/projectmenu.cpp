#include "project/window/projectmenu.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <string>
#include <string_view>

#include "project/window/session.h"
#include "shell/window/mainmenu.h"
#include "ui/registry.h"

namespace mx::project {

namespace {

// The menu's items in order, by object name; nullptr stands for a separator.
struct Item {
    const char* name;
    const char* caption;
    const char* key;
};
const Item kItems[] = {
    {"actionNew", "สร้างโครงการใหม่", "Ctrl+N"},
    {"actionOpen", "เปิดโครงการ…", "Ctrl+O"},
    {"actionSave", "บันทึกโครงการ", "Ctrl+S"},
    {"actionSaveAs", "บันทึกโครงการเป็น…", "Ctrl+Shift+S"},
    {nullptr, nullptr, nullptr},
    {"actionMembers", "รายการชิ้นส่วนในโครงการ", "Ctrl+L"},
    {"actionReport", "พิมพ์รายการคำนวณทั้งโครงการ", "Ctrl+P"},
    {nullptr, nullptr, nullptr},
    {"actionExit", "ออกจากโปรแกรม", "Ctrl+Q"},
};

}  // namespace

void attachProjectMenu(shell::MainMenu& menu, ProjectSession& session) {
    auto* bar = new QMenuBar(&menu);
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* project = bar->addMenu(QStringLiteral("โครงการ"));
    project->setObjectName(QStringLiteral("MenuProject"));
    QMenu* recent = new QMenu(QStringLiteral("โครงการที่เปิดล่าสุด"), project);
    recent->setObjectName(QStringLiteral("MenuRecent"));

    auto act = [&](const char* name, auto slot) {
        for (const Item& item : kItems)
            if (item.name && std::string_view(item.name) == name) {
                auto* a = new QAction(QString::fromUtf8(item.caption), project);
                a->setObjectName(QString::fromLatin1(name));
                a->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
                // The project's keys act from every window of the program, not the menu alone.
                a->setShortcutContext(Qt::ApplicationShortcut);
                QObject::connect(a, &QAction::triggered, &menu, slot);
                return a;
            }
        return static_cast<QAction*>(nullptr);
    };
    QWidget* parent = &menu;
    // A box asked from a key pressed in another window stands over that window.
    auto here = [parent] {
        QWidget* active = QApplication::activeWindow();
        return active ? active : parent;
    };
    const std::map<std::string, QAction*> actions{
        {"actionNew", act("actionNew", [&session, here] { session.newProject(here()); })},
        {"actionOpen", act("actionOpen", [&session, here] { session.open(here()); })},
        {"actionSave", act("actionSave", [&session, here] { session.save(here()); })},
        {"actionSaveAs", act("actionSaveAs", [&session, here] { session.saveAs(here()); })},
        {"actionMembers", act("actionMembers", [] { ui::showWindow(QStringLiteral("project")); })},
        {"actionReport", act("actionReport", [&session, here] { session.printReport(here()); })},
        {"actionExit", act("actionExit", [&menu] { menu.quitProgram(); })},
    };
    for (const Item& item : kItems) {
        if (!item.name) {
            project->addSeparator();
            continue;
        }
        project->addAction(actions.at(item.name));
        if (std::string_view(item.name) == "actionSaveAs") project->addMenu(recent);
    }

    // The recent list is read when the menu opens: another program's save shows at once.
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, &session, parent] {
        recent->clear();
        for (const QString& path : session.recentProjects())
            QObject::connect(recent->addAction(path), &QAction::triggered, recent, [&session, parent, path] {
                if (session.mayLeave(parent)) session.openFile(path, parent);
            });
        if (recent->isEmpty()) recent->addAction(QStringLiteral("(ยังไม่มี)"))->setEnabled(false);
    });

    const QString base = menu.windowTitle();
    auto retitle = [&menu, &session, base] {
        menu.setWindowTitle(QStringLiteral("%1 - %2%3").arg(base, session.name(),
                                                           session.modified() ? QStringLiteral(" *") : QString()));
    };
    QObject::connect(&session, &ProjectSession::changed, &menu, retitle);
    retitle();
    menu.setQuitGuard([&session, parent] { return session.mayLeave(parent); });

    menu.layout()->setMenuBar(bar);
    menu.setFixedSize(menu.sizeHint());
}

}  // namespace mx::project
