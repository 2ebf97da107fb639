#include "spreadfooting/window/spreadfooting_pictures.h"

#include <QPainter>

namespace mx::spreadfooting {

QPixmap spreadFootingPixmap(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 100.0, size.height() / 100.0);
    // The soil under the pad, hatched.
    p.fillRect(QRectF(0, 62, 100, 38), QColor(196, 160, 110));
    p.setPen(QPen(QColor(130, 95, 55), 1.5));
    for (double x = -10; x < 100; x += 12) p.drawLine(QPointF(x, 100), QPointF(x + 16, 84));
    // The stub standing on the square pad.
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(175, 178, 186));
    p.drawRect(QRectF(40, 8, 20, 42));
    p.drawRect(QRectF(8, 50, 84, 26));
    // The bottom mesh: the bars one way as a line, the other way in section.
    p.setPen(QPen(QColor(190, 40, 40), 2.5));
    p.drawLine(QPointF(13, 70), QPointF(87, 70));
    p.setBrush(QColor(190, 40, 40));
    p.setPen(Qt::NoPen);
    for (double x = 16; x < 86; x += 10) p.drawEllipse(QPointF(x, 66.5), 2.2, 2.2);
    // The stub's load.
    p.setPen(QPen(QColor(30, 60, 160), 3));
    p.drawLine(QPointF(50, 0), QPointF(50, 6));
    return pm;
}

}  // namespace mx::spreadfooting
