#include "slab/window/slab_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/picturepaint.h"

namespace mx::slab {

namespace {

using namespace ui::sketch;

const QColor kShade(240, 190, 90);  // the panel being designed

void twoWay(QPainter& p) {
    // Plan: the panel inside its four beams, the mesh both ways.
    p.setPen(QPen(kInk, 1.2));
    ui::fillBox(p, QRectF(14, 22, 72, 56), kConcrete);
    p.setPen(Qt::NoPen);
    ui::fillBox(p, QRectF(8, 16, 84, 7), kFrame);
    p.drawRect(QRectF(8, 77, 84, 7));
    p.drawRect(QRectF(8, 16, 7, 68));
    p.drawRect(QRectF(85, 16, 7, 68));
    p.setPen(QPen(kSteel, 1.6));
    for (double x = 26; x < 80; x += 12) p.drawLine(QPointF(x, 26), QPointF(x, 74));
    for (double y = 32; y < 74; y += 12) p.drawLine(QPointF(18, y), QPointF(82, y));
}

void cantilever(QPainter& p) {
    // Section: the beam on its column, the canopy projecting to the right, top bars.
    p.setPen(QPen(kInk, 1.2));
    ui::fillBox(p, QRectF(10, 30, 20, 30), kFrame);
    p.drawRect(QRectF(14, 60, 12, 32));
    p.setBrush(kConcrete);
    QPainterPath slab;
    slab.moveTo(30, 30);
    slab.lineTo(92, 30);
    slab.lineTo(92, 40);
    slab.lineTo(30, 46);
    slab.closeSubpath();
    p.drawPath(slab);
    p.setPen(QPen(kSteel, 2.0));
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
        ui::questionMark(p, kFrame);
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
        p.setPen(QPen(kFrame, 3.0));
        ui::fillBox(p, QRectF(x0 + i * w, 30, w, 40), i == chosen ? kShade : kConcrete);
    }
    p.setPen(kInk);
    ui::boldText(p, QRectF(0, 72, 100, 26), 20, QString::number(continuityCase));
    p.end();
    return pm;
}

}  // namespace mx::slab
