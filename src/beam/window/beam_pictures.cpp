#include "beam/window/beam_pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/toolpictures.h"
#include <QPainterPath>
#include <QPolygonF>

namespace mx::beam {

namespace {

const QColor kConcrete(150, 150, 158);
const QColor kConcreteLight(205, 205, 212);
const QColor kLoad(200, 40, 40);
const QColor kSupport(40, 70, 150);
const QColor kInk(30, 30, 30);

void beamBar(QPainter& p, double x0, double x1, double y = 34, double h = 9) {
    QLinearGradient g(0, y, 0, y + h);
    g.setColorAt(0, kConcreteLight);
    g.setColorAt(1, kConcrete);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(g);
    p.drawRect(QRectF(x0, y, x1 - x0, h));
}

// Pinned support: a triangle under the beam with a ground line.
void pin(QPainter& p, double x, double y = 43) {
    p.setPen(QPen(kSupport, 1.0));
    p.setBrush(kSupport);
    p.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x - 6, y + 10), QPointF(x + 6, y + 10)}));
    p.drawLine(QPointF(x - 9, y + 12), QPointF(x + 9, y + 12));
}

// Roller support: a triangle on two wheels.
void roller(QPainter& p, double x, double y = 43) {
    p.setPen(QPen(kSupport, 1.0));
    p.setBrush(kSupport);
    p.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x - 6, y + 8), QPointF(x + 6, y + 8)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x - 3, y + 10), 2, 2);
    p.drawEllipse(QPointF(x + 3, y + 10), 2, 2);
    p.drawLine(QPointF(x - 9, y + 12.5), QPointF(x + 9, y + 12.5));
}

// A fixed end: a hatched wall the beam is built into.
void wall(QPainter& p, double x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSupport);
    p.drawRect(QRectF(x - 6, 18, 6, 42));
    p.setPen(QPen(Qt::white, 0.8));
    for (double y = 20; y < 60; y += 5) p.drawLine(QPointF(x - 6, y + 4), QPointF(x, y));
}

// Uniform load: arrows from a line down onto the beam.
void load(QPainter& p, double x0, double x1, double top = 14, double bottom = 33) {
    p.setPen(QPen(kLoad, 1.0));
    p.drawLine(QPointF(x0, top), QPointF(x1, top));
    const int n = std::max(2, static_cast<int>((x1 - x0) / 8));
    for (int i = 0; i <= n; ++i) {
        const double x = x0 + (x1 - x0) * i / n;
        p.drawLine(QPointF(x, top), QPointF(x, bottom - 2));
        p.setBrush(kLoad);
        p.drawPolygon(QPolygonF({QPointF(x, bottom), QPointF(x - 1.8, bottom - 4), QPointF(x + 1.8, bottom - 4)}));
    }
}

// Beam continuing beyond the drawn span: a dashed stub.
void continues(QPainter& p, double x0, double x1) {
    QPen pen(kInk, 0.9, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(std::min(x0, x1), 34, std::abs(x1 - x0), 9));
}

void typeNumber(QPainter& p, int type) {
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(2, 0, 14, 13), Qt::AlignCenter, QString::number(type));
}

void drawType(QPainter& p, int type) {
    switch (type) {
    case 1:  // simple beam: pin and roller, load over the span
        load(p, 12, 88);
        beamBar(p, 8, 92);
        pin(p, 14);
        roller(p, 86);
        break;
    case 2:  // end span: simple end at the left, continuing over the right support
        load(p, 12, 80);
        beamBar(p, 8, 84);
        continues(p, 84, 98);
        pin(p, 14);
        pin(p, 78);
        break;
    case 3:  // continuous interior span: continuing at both ends
        load(p, 16, 84);
        continues(p, 0, 14);
        beamBar(p, 14, 86);
        continues(p, 86, 100);
        pin(p, 22);
        pin(p, 78);
        break;
    case 4:  // overhanging end beyond the right support
        load(p, 10, 94);
        beamBar(p, 6, 96);
        pin(p, 12);
        roller(p, 66);
        p.setPen(QPen(kInk, 0.6));
        p.drawLine(QPointF(66, 62), QPointF(96, 62));
        p.drawLine(QPointF(66, 59), QPointF(66, 65));
        p.drawLine(QPointF(96, 59), QPointF(96, 65));
        break;
    case 5:  // cantilever from a fixed wall
        wall(p, 12);
        load(p, 16, 88);
        beamBar(p, 12, 90);
        p.setPen(QPen(kInk, 0.6, Qt::DashLine));
        p.drawLine(QPointF(90, 30), QPointF(90, 50));
        break;
    default: break;
    }
}

}  // namespace

QPixmap beamTypePixmap(int type, QSize size) {
    QPainter p;
    if (type >= 1 && type <= 5) {
        QPixmap pm = ui::beginPicture(size, p, 100, 70);
        drawType(p, type);
        typeNumber(p, type);
        p.end();
        return pm;
    }
    // The chooser: a small continuous beam and a cantilever one above the other.
    QPixmap pm = ui::beginPicture(size, p, 100, 140);
    drawType(p, 1);
    p.translate(0, 70);
    drawType(p, 5);
    p.end();
    return pm;
}

}  // namespace mx::beam
