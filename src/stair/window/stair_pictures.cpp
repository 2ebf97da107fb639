#include "stair/window/stair_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/picturepaint.h"

namespace mx::stair {

namespace {

using namespace ui::sketch;

// Three steps climbing from the lower left to the upper right: the tread and riser
// line from (x0, y0), each step `run` wide and `rise` high.
constexpr double kX0 = 14, kY0 = 74, kRun = 22, kRise = 16;
constexpr int kSteps = 3;

void addSteps(QPainterPath& path) {
    double x = kX0, y = kY0;
    path.moveTo(x, y);
    for (int i = 0; i < kSteps; ++i) {
        y -= kRise;
        path.lineTo(x, y);
        x += kRun;
        path.lineTo(x, y);
    }
}

constexpr double kXTop = kX0 + kSteps * kRun, kYTop = kY0 - kSteps * kRise;

// The flight with a straight soffit parallel to the line of the steps' roots.
void flatFlight(QPainter& p) {
    constexpr double waist = 10;
    QPainterPath flight;
    addSteps(flight);
    flight.lineTo(kXTop, kYTop + waist);
    flight.lineTo(kX0, kY0 + waist);
    flight.closeSubpath();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kConcrete);
    p.drawPath(flight);
    // The main bar straight along the soffit.
    p.setPen(QPen(kSteel, 2.0));
    p.drawLine(QPointF(kX0 + 2, kY0 + waist - 3), QPointF(kXTop - 2, kYTop + waist - 3));
}

// The folded plate: the soffit follows every tread and riser at the plate thickness.
void foldedFlight(QPainter& p) {
    constexpr double t = 9;
    QPainterPath plate;
    addSteps(plate);
    double x = kXTop, y = kYTop;
    plate.lineTo(x, y + t);
    for (int i = 0; i < kSteps; ++i) {
        x -= kRun;
        plate.lineTo(x + t, y + t);
        y += kRise;
        plate.lineTo(x + t, y + t);
    }
    plate.lineTo(kX0, y + t);
    plate.closeSubpath();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kConcrete);
    p.drawPath(plate);
    // The bar folds with the plate, in the middle of its thickness.
    QPainterPath bar;
    bar.moveTo(kX0, kY0 + t / 2);
    for (int i = 0; i < kSteps; ++i) {
        const double xi = kX0 + i * kRun + t / 2;
        bar.lineTo(xi, kY0 - i * kRise + t / 2);
        bar.lineTo(xi, kY0 - (i + 1) * kRise + t / 2);
    }
    bar.lineTo(kXTop, kYTop + t / 2);
    p.setPen(QPen(kSteel, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bar);
}

// Beam sections at the foot and at the head of the flight (landing beams).
void endBeams(QPainter& p) {
    p.setPen(Qt::NoPen);
    ui::fillBox(p, QRectF(2, kY0 - 2, 13, 24), kFrame);
    p.drawRect(QRectF(kXTop, kYTop - 2, 13, 24));
}

void typeNumber(QPainter& p, int type) {
    p.setPen(kFrame);
    ui::boldText(p, QRectF(4, 2, 30, 26), 22, QString::number(type), Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

QPixmap stairTypePixmap(int type, QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    switch (type) {
    case 1: {
        // The side beam runs the length of the flight, below and behind it.
        QPainterPath beam;
        beam.moveTo(kX0 - 6, kY0 + 4);
        beam.lineTo(kXTop + 6, kYTop + 4);
        beam.lineTo(kXTop + 6, kYTop + 24);
        beam.lineTo(kX0 - 6, kY0 + 24);
        beam.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kFrame);
        p.drawPath(beam);
        flatFlight(p);
        break;
    }
    case 2:
        flatFlight(p);
        endBeams(p);
        break;
    case 3:
        foldedFlight(p);
        endBeams(p);
        break;
    default: {
        // No type yet: a pale flight under a question mark.
        p.setOpacity(0.35);
        flatFlight(p);
        p.setOpacity(1.0);
        ui::questionMark(p, kFrame);
        p.end();
        return pm;
    }
    }
    typeNumber(p, type);
    p.end();
    return pm;
}

QPixmap loadFactorPixmap(QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    p.setPen(kFrame);
    ui::boldText(p, QRectF(0, 8, 100, 40), 24, QStringLiteral("DL×1.7"));
    p.setPen(kSteel);
    ui::boldText(p, QRectF(0, 52, 100, 40), 24, QStringLiteral("LL×2"));
    p.end();
    return pm;
}

}  // namespace mx::stair
