#pragma once
// The project the program has open: one at a time, with the file it came from and a
// mark while it holds changes not yet saved. The main menu's project items, the project
// window and every member window's store button work on it.
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/module.h"
#include "project/links.h"
#include "project/project.h"
#include "shell/window/pagemaker.h"
#include "ui/memberwindow.h"

class QWidget;

namespace mx::project {

// Where project files are chosen: the file dialogs, or a script in tests.
class ProjectFiles {
public:
    virtual ~ProjectFiles() = default;
    // A file to open; empty when the user cancels.
    virtual QString openPath(QWidget* parent) = 0;
    // A file to save into, starting from suggested; empty when the user cancels.
    virtual QString savePath(QWidget* parent, const QString& suggested) = 0;
};
ProjectFiles& projectFiles();
void setProjectFiles(ProjectFiles* files);  // not owned; nullptr restores the dialogs

// The registry name of the window a member's module is designed in; empty for none.
QString memberWindowName(const std::string& module);

class ProjectSession : public QObject, public ui::ProjectLink, public shell::ProjectPages {
    Q_OBJECT
public:
    // The session becomes the member windows' project link, and the page makers', while it lives.
    explicit ProjectSession(std::vector<ModuleDescription> modules, QObject* parent = nullptr);
    ~ProjectSession() override;

    const Project& project() const { return project_; }
    const std::vector<ModuleDescription>& modules() const { return modules_; }
    const QString& path() const { return path_; }
    bool modified() const { return modified_; }
    // The file's name without its folder and suffix, or "โครงการใหม่" before a save.
    QString name() const;

    // The menu's items. Each asks first when the open project has unsaved changes,
    // and returns true when it was done.
    bool newProject(QWidget* parent);
    bool open(QWidget* parent);
    bool openFile(const QString& path, QWidget* parent);
    bool save(QWidget* parent);
    bool saveAs(QWidget* parent);
    // Unsaved changes: first the edits of member windows not yet stored (naming the
    // windows), then the project's own; each Save, Discard or Cancel. True when the
    // project may be left.
    bool mayLeave(QWidget* parent);
    // The report of the whole project: the print question names its pages and the
    // members not usable; an empty project has nothing to print and says so. True
    // when it was printed.
    bool printReport(QWidget* parent);
    // The files opened or saved last, the newest first.
    QStringList recentProjects() const;

    // The members, in order, with the verdict of each one's last run.
    std::optional<int> memberStatus(std::size_t index) const;
    // Shows a member in its module window with its inputs, type and grade, calculated.
    void openMember(std::size_t index, QWidget* parent);
    void duplicateMember(std::size_t index, QWidget* parent);
    void renameMember(std::size_t index, QWidget* parent);
    // Asks first.
    void deleteMember(std::size_t index, QWidget* parent);
    void moveMember(std::size_t from, std::size_t to);
    void setTitleBlock(const TitleBlockDefaults& defaults);

    // ui::ProjectLink
    void windowOpened(ui::MemberWindow& window) override;
    void store(ui::MemberWindow& window) override;
    // shell::ProjectPages: the report's cover and criteria pages are the project's.
    FieldSet pageFields(shell::PageMakerWindow::Kind kind) const override;
    void pageEdited(shell::PageMakerWindow::Kind kind, const FieldSet& fields) override;

    // Links (project/window/linking.cpp). The link dialog of a window's field; a window
    // not yet a member is stored first, with its question.
    void editLink(ui::MemberWindow& window, const std::string& field) override;
    std::vector<Message> linkStops(const ui::MemberWindow& window) override;
    void markSheet(const ui::MemberWindow& window, PageModel& sheet) override;
    bool mayClose(ui::MemberWindow& window) override { return settleWindows({&window}, &window); }
    // A member whose sources changed since it was last calculated (in its window, or by
    // recalculateAll): the loads it was designed for are no longer those it receives.
    bool outOfDate(std::size_t index) const;
    // The members it stands on that changed, by name, for the mark's tooltip.
    std::vector<std::string> changedSources(std::size_t index) const;
    // Every member again in dependency order, the sources before the members that read
    // them; open member windows take their linked values and calculate. Clears the
    // marks. Returns what it did, as the project window states it.
    std::string recalculateAll();

signals:
    // The members, the file or the unsaved mark changed.
    void changed();
    // Another project took the place of the open one (new, opened).
    void replaced();
    // What was just done, for a status line ("บันทึกแล้ว", where a report went).
    void status(const QString& text);

private:
    const ModuleDescription* moduleOf(const std::string& name) const;
    std::optional<std::size_t> indexOf(int id) const;
    // A new member's name: asked, and refused while empty or taken.
    std::optional<std::string> askName(const std::string& suggested, QWidget* parent, std::optional<std::size_t> self);
    void replace(Project project, const QString& path);
    void runAll();
    void touch();
    void remember(const QString& path);
    void forget(const QString& path);
    // The member windows open now, and those of them holding edits not stored.
    static std::vector<ui::MemberWindow*> openMemberWindows();
    // Asks about the windows' unstored edits, naming them: Save stores each, Discard
    // gives them up, Cancel goes back. True when the edits may be left.
    bool settleWindows(const std::vector<ui::MemberWindow*>& windows, QWidget* parent);
    // The open windows follow the project: their titles name the member and the
    // project, and their title-block lines not typed over show its defaults.
    void updateWindows();
    QString windowLabel(ui::MemberWindow& window) const;
    // The page makers open show the pages of the project now open.
    static void showProjectPages();
    // The members standing on a member whose inputs changed are out of date.
    void markDependents(std::size_t index);
    // Every open member window shows its member's links as the project holds them.
    void showLinksInWindows();
    void showLinks(ui::MemberWindow& window, std::optional<std::size_t> index, const Resolution& links);

    std::vector<ModuleDescription> modules_;
    Project project_;
    std::vector<int> ids_;  // a member's identity, kept by the window it is shown in
    std::vector<std::optional<int>> status_;
    int nextId_ = 1;
    QString path_;
    bool modified_ = false;
    // Out-of-date members by id, each with the sources (ids) whose change marked it.
    std::map<std::string, std::set<std::string>> outOfDate_;
};

}  // namespace mx::project
