#include "ui/picturepaint.h"

#include <QFont>
#include <QPainter>

namespace mx::ui {

QPixmap beginPicture(QSize size, QPainter& p, double w, double h, const QColor& background) {
    QPixmap pm(size);
    pm.fill(background);
    p.begin(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (w > 0 && h > 0) p.scale(size.width() / w, size.height() / h);
    return pm;
}

void fillBox(QPainter& p, const QRectF& box, const QColor& fill, double radius) {
    p.setBrush(fill);
    if (radius > 0)
        p.drawRoundedRect(box, radius, radius);
    else
        p.drawRect(box);
}

void boldText(QPainter& p, const QRectF& box, int pixelSize, const QString& text, Qt::Alignment align) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(pixelSize);
    p.setFont(f);
    p.drawText(box, align, text);
}

void questionMark(QPainter& p, const QColor& colour) {
    p.setPen(colour);
    boldText(p, QRectF(0, 0, 100, 100), 60, QStringLiteral("?"));
}

}  // namespace mx::ui
