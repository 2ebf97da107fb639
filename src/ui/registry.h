#pragma once
// One window per module. The first show creates the window with its defaults; a
// later show of a window still open only brings it to the front with its inputs;
// once a window has closed itself, the next show creates it afresh.
#include <functional>
#include <map>

#include <QPointer>
#include <QString>
#include <QWidget>

namespace mx::ui {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;
    static WindowRegistry& instance();

    void add(const QString& name, Factory factory);
    bool has(const QString& name) const;
    // Shows the window modeless, creating it when needed; nullptr for an unknown name.
    QWidget* show(const QString& name);
    // The open window of that name, or nullptr.
    QWidget* find(const QString& name) const;
    // Closes every open window (the program is ending).
    void closeAll();

private:
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<QWidget>> open_;
};

// Shorthand for WindowRegistry::instance().show(name).
QWidget* showWindow(const QString& name);

}  // namespace mx::ui
