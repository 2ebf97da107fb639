#pragma once
// The project window's view of linked loads: the load path as a tree (a member under
// each member it stands on, as the loads flow down to the foundations), the marks of
// members out of date, and "คำนวณใหม่ทั้งหมด".
#include <QObject>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace mx::project {

class ProjectSession;

// The text a member out of date shows in the list's verdict column.
inline constexpr const char* kOutOfDateVerdict = "ต้องคำนวณใหม่";

class LoadPath : public QObject {
    Q_OBJECT
public:
    // Adds the tree beside the member list (hidden until asked for), its buttons under
    // buttons and the line that reports a recalculation under the body.
    LoadPath(ProjectSession& session, QTableWidget* list, QBoxLayout* body, QBoxLayout* buttons, QBoxLayout* below,
             QWidget* window);

    // After the list is filled: marks the members out of date and rebuilds the tree.
    void refresh();
    // The tree in place of the list, or the list again.
    void showTree(bool shown);
    bool treeShown() const;
    QTreeWidget* tree() const { return tree_; }
    // "คำนวณใหม่ทั้งหมด".
    void recalculateAll();

private:
    void addChildren(QTreeWidgetItem* item, std::size_t member, std::vector<bool>& expanded);
    QTreeWidgetItem* memberItem(std::size_t member, const QString& via) const;

    ProjectSession& session_;
    QTableWidget* list_;
    QTreeWidget* tree_ = nullptr;
    QPushButton* toggle_ = nullptr;
    QLabel* report_ = nullptr;
};

}  // namespace mx::project
