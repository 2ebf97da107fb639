#pragma once
// The project window: the title-block defaults every member's sheet starts from, and
// the members in report order (name, module, verdict of its last run) with the buttons
// and keys that open, duplicate, rename, delete and reorder them.
#include <QKeySequence>
#include <QWidget>

#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace mx::project {

class LoadPath;
class ProjectSession;

class ProjectWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProjectWindow(ProjectSession& session, QWidget* parent = nullptr);

    // The member row chosen in the list, -1 for none.
    int currentMember() const;
    void setCurrentMember(int row);

    // The buttons' actions, on the chosen member.
    void openCurrent();
    void duplicateCurrent();
    void renameCurrent();
    void deleteCurrent();
    void moveCurrent(int by);
    // The project's own actions, as the main menu has them: save, print the report,
    // and the report's cover and criteria pages.
    void saveProject();
    void printReport();
    void showStatus(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void refresh();
    void titleBlockEdited();
    // The buttons of the project's actions under the list's, and the status line.
    void addProjectActions(QBoxLayout* buttons);
    // The verdict column as wide as its heading and its widest verdict.
    void fitVerdictColumn();

    ProjectSession& session_;
    QTableWidget* list_ = nullptr;
    QLabel* totals_ = nullptr;  // the project's quantities
    QLabel* status_ = nullptr;  // what was just done
    LoadPath* loadPath_ = nullptr;  // the load-path tree, the out-of-date marks, recalculating
    QLineEdit* defaults_[3] = {nullptr, nullptr, nullptr};
    std::vector<std::pair<QKeySequence, QAbstractButton*>> keys_;
};

// Makes the project window known to the window registry as "project".
void registerProjectWindow(ProjectSession& session);

}  // namespace mx::project
