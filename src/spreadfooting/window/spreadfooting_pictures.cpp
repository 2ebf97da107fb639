#include "spreadfooting/window/spreadfooting_pictures.h"

#include <QPainter>

#include "ui/footingwindow.h"

namespace mx::spreadfooting {

QPixmap spreadFootingPixmap(QSize size) {
    // The soil under the pad, hatched.
    auto hatching = [](QPainter& p) {
        p.setPen(QPen(QColor(130, 95, 55), 1.5));
        for (double x = -10; x < 100; x += 12) p.drawLine(QPointF(x, 100), QPointF(x + 16, 84));
    };
    // The bottom mesh: the bars one way as a line, the other way in section.
    auto mesh = [](QPainter& p) {
        p.drawLine(QPointF(13, 70), QPointF(87, 70));
        p.setBrush(p.pen().color());
        p.setPen(Qt::NoPen);
        for (double x = 16; x < 86; x += 10) p.drawEllipse(QPointF(x, 66.5), 2.2, 2.2);
    };
    return ui::footingPicture(size, 62, hatching, QRectF(40, 8, 20, 42), QRectF(8, 50, 84, 26), mesh, 6);
}

}  // namespace mx::spreadfooting
