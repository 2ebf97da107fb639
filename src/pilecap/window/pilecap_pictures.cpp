#include "pilecap/window/pilecap_pictures.h"

#include <QPainter>

namespace mx::pilecap {

QPixmap pileCapPixmap(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 100.0, size.height() / 100.0);
    p.fillRect(QRectF(0, 48, 100, 52), QColor(196, 160, 110));
    // Three piles going down from under the cap.
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(150, 152, 160));
    for (double x : {14.0, 44.0, 74.0}) p.drawRect(QRectF(x, 56, 12, 42));
    // The cap and its stub.
    p.setBrush(QColor(175, 178, 186));
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.drawRect(QRectF(40, 6, 20, 30));
    p.drawRect(QRectF(6, 36, 88, 22));
    p.setPen(QPen(QColor(190, 40, 40), 2.5));
    p.drawLine(QPointF(10, 53), QPointF(90, 53));
    p.setPen(QPen(QColor(30, 60, 160), 3));
    p.drawLine(QPointF(50, 0), QPointF(50, 5));
    return pm;
}

}  // namespace mx::pilecap
