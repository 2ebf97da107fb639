#include "beam/window/beam_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/picturepaint.h"

namespace mx::beam {

namespace {

using namespace ui::sketch;

const QColor kConcreteShade(150, 150, 158);  // the beam's underside
const QColor kLoad(200, 40, 40);

void beamBar(QPainter& p, double x0, double x1, double y = 34, double h = 9) {
    QLinearGradient g(0, y, 0, y + h);
    g.setColorAt(0, kConcreteLight);
    g.setColorAt(1, kConcreteShade);
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
    p.setPen(kInk);
    ui::boldText(p, QRectF(2, 0, 14, 13), 11, QString::number(type));
}

// A span on two supports, types 1 to 4: where its load, its beam and its supports
// stand, and whether the beam runs on past either end (drawn as a dashed stub).
struct Span {
    double loadFrom, loadTo, beamFrom, beamTo;
    bool continuesLeft, continuesRight;
    double pinAt, secondAt;
    bool secondRolls;
};
constexpr double kStub = 14;  // length of the dashed continuation
constexpr std::array<Span, 4> kSpans = {{
    {12, 88, 8, 92, false, false, 14, 86, true},   // 1 simple beam: pin and roller
    {12, 80, 8, 84, false, true, 14, 78, false},   // 2 end span, continuing over the right support
    {16, 84, 14, 86, true, true, 22, 78, false},   // 3 continuous interior span
    {10, 94, 6, 96, false, false, 12, 66, true},   // 4 overhanging beyond the right support
}};

void drawSpan(QPainter& p, const Span& s) {
    load(p, s.loadFrom, s.loadTo);
    if (s.continuesLeft) continues(p, s.beamFrom - kStub, s.beamFrom);
    beamBar(p, s.beamFrom, s.beamTo);
    if (s.continuesRight) continues(p, s.beamTo, s.beamTo + kStub);
    pin(p, s.pinAt);
    if (s.secondRolls)
        roller(p, s.secondAt);
    else
        pin(p, s.secondAt);
}

void drawType(QPainter& p, int type) {
    if (type >= 1 && type <= 4) drawSpan(p, kSpans[static_cast<std::size_t>(type - 1)]);
    if (type == 4) {  // the overhang's length, from the roller to the free end
        const double x0 = kSpans[3].secondAt, x1 = kSpans[3].beamTo;
        p.setPen(QPen(kInk, 0.6));
        p.drawLine(QPointF(x0, 62), QPointF(x1, 62));
        p.drawLine(QPointF(x0, 59), QPointF(x0, 65));
        p.drawLine(QPointF(x1, 59), QPointF(x1, 65));
    } else if (type == 5) {  // cantilever from a fixed wall
        wall(p, 12);
        load(p, 16, 88);
        beamBar(p, 12, 90);
        p.setPen(QPen(kInk, 0.6, Qt::DashLine));
        p.drawLine(QPointF(90, 30), QPointF(90, 50));
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
