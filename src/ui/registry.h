#pragma once
// One window per module. The first show creates the window with its defaults; a
// later show of a window still open only brings it to the front with its inputs;
// once a window has closed itself, the next show creates it afresh.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include <QPointer>
#include <QString>
#include <QWidget>

namespace mx::ui {

// A member window's names: the registry's (its object name), the tool's name of the
// module it designs and the registry's name of its help window. Each window states them
// once, for its design and its registration, and a project member finds its window
// through them.
struct MemberWindowId {
    const char* name;    // "Beam01"
    const char* module;  // "beam"
    const char* help = nullptr;  // "Bhelp"
};

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;
    static WindowRegistry& instance();

    void add(const QString& name, Factory factory);
    void add(const MemberWindowId& id, Factory factory);
    // The registry name of the window that designs a module; empty when none does.
    QString windowOfModule(std::string_view module) const;
    bool has(const QString& name) const;
    // How many windows are known.
    std::size_t count() const { return factories_.size(); }
    // Shows the window modeless, creating it when needed; nullptr for an unknown name.
    QWidget* show(const QString& name);
    // The open window of that name, or nullptr.
    QWidget* find(const QString& name) const;
    // Closes every open window (the program is ending, its questions already asked).
    void closeAll();
    // True while closeAll closes them: a window asks nothing then.
    bool closingAll() const { return closingAll_; }

private:
    std::map<QString, Factory> factories_;
    std::map<std::string, QString, std::less<>> moduleWindows_;
    std::map<QString, QPointer<QWidget>> open_;
    bool closingAll_ = false;
};

// Shorthand for WindowRegistry::instance().show(name).
QWidget* showWindow(const QString& name);

}  // namespace mx::ui
