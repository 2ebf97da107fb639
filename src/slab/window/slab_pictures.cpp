#include "slab/window/slab_pictures.h"

#include <QPainter>

#include "ui/toolpictures.h"
#include <QPainterPath>

namespace mx::slab {

namespace {

const QColor kBeam(70, 90, 140);
const QColor kSlab(200, 205, 215);
const QColor kShade(240, 190, 90);
const QColor kBar(190, 40, 40);
const QColor kInk(30, 30, 30);

void twoWay(QPainter& p) {
    // Plan: the panel inside its four beams, the mesh both ways.
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSlab);
    p.drawRect(QRectF(14, 22, 72, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(kBeam);
    p.drawRect(QRectF(8, 16, 84, 7));
    p.drawRect(QRectF(8, 77, 84, 7));
    p.drawRect(QRectF(8, 16, 7, 68));
    p.drawRect(QRectF(85, 16, 7, 68));
    p.setPen(QPen(kBar, 1.6));
    for (double x = 26; x < 80; x += 12) p.drawLine(QPointF(x, 26), QPointF(x, 74));
    for (double y = 32; y < 74; y += 12) p.drawLine(QPointF(18, y), QPointF(82, y));
}

void cantilever(QPainter& p) {
    // Section: the beam on its column, the canopy projecting to the right, top bars.
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kBeam);
    p.drawRect(QRectF(10, 30, 20, 30));
    p.drawRect(QRectF(14, 60, 12, 32));
    p.setBrush(kSlab);
    QPainterPath slab;
    slab.moveTo(30, 30);
    slab.lineTo(92, 30);
    slab.lineTo(92, 40);
    slab.lineTo(30, 46);
    slab.closeSubpath();
    p.drawPath(slab);
    p.setPen(QPen(kBar, 2.0));
    p.drawLine(QPointF(16, 42), QPointF(16, 33));
    p.drawLine(QPointF(16, 33), QPointF(89, 33));
    p.drawLine(QPointF(89, 33), QPointF(89, 37));
    // The load and the free end.
    p.setPen(QPen(kInk, 1.0));
    for (double x = 40; x <= 88; x += 12) {
        p.drawLine(QPointF(x, 10), QPointF(x, 25));
        p.drawLine(QPointF(x - 3, 21), QPointF(x, 25));
        p.drawLine(QPointF(x + 3, 21), QPointF(x, 25));
    }
}

}  // namespace

QPixmap slabKindPixmap(int kind, QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    if (kind == 1) {
        cantilever(p);
    } else if (kind == 2) {
        twoWay(p);
    } else {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(60);
        p.setFont(f);
        p.setPen(kBeam);
        p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("?"));
    }
    p.end();
    return pm;
}

QPixmap continuityPixmap(int continuityCase, QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    // A row of panels on their beams; the designed one shaded. A single panel stands
    // alone, an end panel is the first of three, an interior panel the middle one.
    const int panels = continuityCase == 1 ? 1 : 3;
    const int chosen = continuityCase == 3 ? 1 : 0;
    const double w = continuityCase == 1 ? 56 : 28, x0 = continuityCase == 1 ? 22 : 8;
    for (int i = 0; i < panels; ++i) {
        const QRectF r(x0 + i * w, 30, w, 40);
        p.setPen(QPen(kBeam, 3.0));
        p.setBrush(i == chosen ? kShade : kSlab);
        p.drawRect(r);
    }
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(0, 72, 100, 26), Qt::AlignCenter, QString::number(continuityCase));
    p.end();
    return pm;
}

}  // namespace mx::slab
