#include "ui/registry.h"

namespace mx::ui {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry r;
    return r;
}

void WindowRegistry::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

void WindowRegistry::add(const MemberWindowId& id, Factory factory) {
    const QString name = QString::fromLatin1(id.name);
    moduleWindows_[id.module] = name;
    add(name, std::move(factory));
}

QString WindowRegistry::windowOfModule(std::string_view module) const {
    const auto it = moduleWindows_.find(module);
    return it == moduleWindows_.end() ? QString() : it->second;
}

bool WindowRegistry::has(const QString& name) const { return factories_.count(name) != 0; }

QWidget* WindowRegistry::find(const QString& name) const {
    const auto it = open_.find(name);
    if (it == open_.end() || it->second.isNull()) return nullptr;
    // A window that closed itself is hidden until its deferred deletion runs; module
    // windows are never hidden otherwise.
    if (!it->second->isVisible()) return nullptr;
    return it->second.data();
}

QWidget* WindowRegistry::show(const QString& name) {
    if (QWidget* w = find(name)) {
        if (w->isMinimized()) w->showNormal();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }
    const auto f = factories_.find(name);
    if (f == factories_.end()) return nullptr;
    QWidget* w = f->second();
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setAttribute(Qt::WA_QuitOnClose, false);
    open_[name] = w;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::closeAll() {
    closingAll_ = true;
    for (auto& [name, w] : open_)
        if (!w.isNull()) w->close();
    open_.clear();
    closingAll_ = false;
}

QWidget* showWindow(const QString& name) { return WindowRegistry::instance().show(name); }

}  // namespace mx::ui
