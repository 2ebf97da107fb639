#include "ui/picklist.h"

#include <algorithm>

namespace mx::ui {

namespace {
constexpr int kGap = 4;
constexpr const char* kFullHeight = "mxListHeight";  // the height of all its rows shown
}  // namespace

void makeFloatingList(QListWidget* list, int rows) {
    const int height = list->sizeHintForRow(0) * rows + 2 * list->frameWidth();
    list->setProperty(kFullHeight, height);
    list->setFixedHeight(height);
    list->hide();
}

void openListBeside(const std::vector<QListWidget*>& group, QListWidget* list, const QWidget* button,
                    const QWidget* keepClear) {
    for (QListWidget* l : group)
        if (l != list) l->hide();
    QWidget* host = list->parentWidget();
    if (!host || !button) return;
    const QRect room = host->rect().adjusted(kGap, kGap, -kGap, -kGap);
    const QRect b(button->mapTo(host, QPoint(0, 0)), button->size());
    // As wide as its longest row needs (the width its window gave it).
    const int width = std::min(list->minimumWidth() > 0 ? list->minimumWidth() : list->sizeHint().width(), room.width());
    const QVariant full = list->property(kFullHeight);
    QRect r(b.right() + kGap, b.top(), width, full.isValid() ? full.toInt() : list->height());
    if (r.right() > room.right()) {
        // No room beside the button: under its row, as far right as the panel allows.
        r.moveTopLeft(QPoint(std::max(room.left(), std::min(b.left(), room.right() - width + 1)), b.bottom() + kGap));
    }
    if (r.bottom() > room.bottom()) r.moveBottom(room.bottom());
    if (keepClear && !keepClear->isHidden()) {
        const QRect ok(keepClear->mapTo(host, QPoint(0, 0)), keepClear->size());
        if (r.intersects(ok.adjusted(-kGap, -kGap, kGap, kGap))) r.moveBottom(ok.top() - 2 * kGap);
    }
    if (r.top() < room.top()) r.setTop(room.top());
    list->setFixedHeight(r.height());
    list->setGeometry(r);
    list->show();
    list->raise();
}

}  // namespace mx::ui
