#include "column/window/column_pictures.h"

#include <QPainter>

#include <cmath>

#include "column/column_design.h"
#include "ui/picturepaint.h"

namespace mx::column {

namespace {

using namespace ui::sketch;

const QColor kTie(40, 120, 60);

void bar(QPainter& p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSteel);
    p.drawEllipse(c, 7.0, 7.0);
}

void square(QPainter& p) {
    p.setPen(QPen(kFrame, 3.0));
    ui::fillBox(p, QRectF(12, 12, 76, 76), kConcrete);
    p.setPen(QPen(kTie, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(22, 22, 56, 56), 5, 5);
    for (double x : {31.0, 69.0})
        for (double y : {31.0, 69.0}) bar(p, QPointF(x, y));
}

void round(QPainter& p) {
    p.setPen(QPen(kFrame, 3.0));
    p.setBrush(kConcrete);
    p.drawEllipse(QPointF(50, 50), 40.0, 40.0);
    p.setPen(QPen(kTie, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 29.0, 29.0);
    constexpr double kPi = 3.14159265358979;
    for (int i = 0; i < 6; ++i) {
        const double a = kPi / 2 + i * kPi / 3;
        bar(p, QPointF(50 + 21 * std::cos(a), 50 - 21 * std::sin(a)));
    }
}

}  // namespace

QPixmap columnShapePixmap(int shape, QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    if (shape == kShapeSquare) {
        square(p);
    } else if (shape == kShapeRound) {
        round(p);
    } else {
        ui::questionMark(p, kFrame);
    }
    p.end();
    return pm;
}

QPixmap columnElevationPixmap(QSize size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(size, p);
    // The footing, the column on it, and the floor beam it carries.
    p.setPen(QPen(kInk, 1.2));
    ui::fillBox(p, QRectF(18, 82, 64, 12), kConcrete);
    p.drawRect(QRectF(38, 14, 24, 68));
    ui::fillBox(p, QRectF(10, 6, 80, 9), kFrame);
    // Main bars along the height and the ties across them.
    p.setPen(QPen(kSteel, 2.0));
    p.drawLine(QPointF(43, 16), QPointF(43, 90));
    p.drawLine(QPointF(57, 16), QPointF(57, 90));
    p.setPen(QPen(kTie, 1.6));
    for (double y = 22; y < 82; y += 8) p.drawLine(QPointF(41, y), QPointF(59, y));
    p.end();
    return pm;
}

}  // namespace mx::column
