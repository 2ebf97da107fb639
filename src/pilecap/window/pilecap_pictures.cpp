#include "pilecap/window/pilecap_pictures.h"

#include <QPainter>

#include "ui/footingwindow.h"
#include "ui/picturepaint.h"

namespace mx::pilecap {

QPixmap pileCapPixmap(QSize size) {
    // Three piles going down from under the cap, the mesh near its underside.
    auto piles = [](QPainter& p) {
        p.setPen(QPen(ui::sketch::kInk, 1.2));
        p.setBrush(QColor(150, 152, 160));
        for (double x : {14.0, 44.0, 74.0}) p.drawRect(QRectF(x, 56, 12, 42));
    };
    auto mesh = [](QPainter& p) { p.drawLine(QPointF(10, 53), QPointF(90, 53)); };
    return ui::footingPicture(size, 48, piles, QRectF(40, 6, 20, 30), QRectF(6, 36, 88, 22), mesh, 5);
}

}  // namespace mx::pilecap
