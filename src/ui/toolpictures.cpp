#include "ui/toolpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

#include "ui/picturepaint.h"

namespace mx::ui {

using namespace sketch;

namespace {

// An arrow of three strokes in the painter's pen: the shaft from tail to tip, stopping
// `gap` short of it, and a head whose strokes reach back and out by `head`.
void strokedArrow(QPainter& p, QPointF tail, QPointF tip, double head, double gap = 0) {
    const QPointF d = tip - tail;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF along = d / length, across(-along.y(), along.x());
    p.drawLine(tail, tip - gap * along);
    p.drawLine(tip - head * (along + across), tip);
    p.drawLine(tip - head * (along - across), tip);
}

}  // namespace

QPixmap toolPixmap(ToolPicture picture, QSize size) {
    QPainter p;
    QPixmap pm = beginPicture(size, p, 48, 48);
    switch (picture) {
    case ToolPicture::Input:
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(8, 6, 28, 36), Qt::white);
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        for (int i = 0; i < 5; ++i) p.drawLine(QPointF(12, 13 + 6 * i), QPointF(30, 13 + 6 * i));
        p.setPen(QPen(QColor(220, 160, 20), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(28, 38), QPointF(43, 20));
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(26, 41), QPointF(28, 38));
        break;
    case ToolPicture::Calculate:
    case ToolPicture::Calculator: {
        const bool result = picture == ToolPicture::Calculate;
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(10, 4, 28, 40), result ? QColor(40, 120, 60) : QColor(70, 70, 80), 3);
        fillBox(p, QRectF(14, 8, 20, 9), QColor(190, 230, 190));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) fillBox(p, QRectF(14 + 7 * c, 21 + 7 * r, 5, 5), Qt::white);
        if (result) {
            p.setPen(kInk);
            boldText(p, QRectF(14, 8, 20, 9), 9, QStringLiteral("M=?"));
        }
        break;
    }
    case ToolPicture::Listing:
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(10, 4, 28, 40), Qt::white);
        p.setPen(QPen(kSupport, 1.3));
        for (int i = 0; i < 7; ++i) p.drawLine(QPointF(14, 10 + 5 * i), QPointF(i % 2 ? 28 : 34, 10 + 5 * i));
        break;
    case ToolPicture::Draw:
        p.setPen(QPen(kInk, 1.5));
        fillBox(p, QRectF(8, 10, 22, 32), kConcreteLight);
        p.setPen(QPen(Qt::red, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(11, 13, 16, 26));
        p.setBrush(kInk);
        for (double x : {13.5, 19.0, 24.5}) p.drawEllipse(QPointF(x, 36.5), 1.6, 1.6);
        p.setPen(QPen(QColor(220, 160, 20), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 34), QPointF(44, 12));
        break;
    case ToolPicture::Erase:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(240, 120, 140));
        p.drawPolygon(QPolygonF({QPointF(8, 30), QPointF(26, 12), QPointF(40, 26), QPointF(22, 44)}));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(8, 30), QPointF(15, 23), QPointF(29, 37), QPointF(22, 44)}));
        break;
    case ToolPicture::Project:
        p.setPen(QPen(kInk, 1.0));
        fillBox(p, QRectF(24, 10, 18, 32), QColor(120, 150, 200));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c) fillBox(p, QRectF(27 + 7 * c, 13 + 7 * r, 4, 4), Qt::white);
        p.setBrush(QColor(240, 200, 160));
        p.drawEllipse(QPointF(13, 16), 5, 5);
        fillBox(p, QRectF(5, 23, 16, 19), QColor(60, 60, 70), 4);
        p.setBrush(QColor(250, 210, 0));
        p.drawChord(QRectF(7, 8, 12, 9), 0, 180 * 16);
        break;
    case ToolPicture::Help:
        p.setPen(QPen(kSupport, 2.0));
        p.setBrush(QColor(225, 235, 255));
        p.drawEllipse(QPointF(24, 24), 18, 18);
        boldText(p, QRectF(6, 6, 36, 36), 26, QStringLiteral("?"));
        break;
    case ToolPicture::Logo:
        p.setPen(QPen(QColor(150, 20, 20), 2.0));
        p.setBrush(QColor(255, 235, 200));
        p.drawEllipse(QPointF(24, 24), 20, 20);
        boldText(p, QRectF(4, 10, 40, 16), 13, QStringLiteral("MX"));
        boldText(p, QRectF(4, 24, 40, 12), 9, QStringLiteral("7100"));
        break;
    case ToolPicture::Exit:
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(8, 6, 20, 36), QColor(150, 100, 60));
        p.setBrush(QColor(250, 210, 0));
        p.drawEllipse(QPointF(24, 25), 1.5, 1.5);
        p.setPen(QPen(QColor(200, 30, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
        strokedArrow(p, QPointF(30, 24), QPointF(44, 24), 6);
        break;
    case ToolPicture::Print:
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(14, 4, 20, 14), Qt::white);
        fillBox(p, QRectF(6, 16, 36, 16), QColor(90, 90, 100), 3);
        fillBox(p, QRectF(14, 28, 20, 16), Qt::white);
        p.setPen(QPen(QColor(120, 120, 120), 1.0));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(17, 33 + 4 * i), QPointF(31, 33 + 4 * i));
        break;
    case ToolPicture::Keep:
        p.setPen(QPen(kInk, 1.2));
        fillBox(p, QRectF(8, 20, 32, 24), QColor(40, 90, 170), 2);
        fillBox(p, QRectF(14, 4, 20, 22), Qt::white);
        p.setPen(QPen(QColor(30, 140, 60), 4.0, Qt::SolidLine, Qt::RoundCap));
        strokedArrow(p, QPointF(24, 8), QPointF(24, 21), 6, 1);
        break;
    case ToolPicture::Cancel:
        p.setPen(QPen(QColor(200, 30, 30), 5.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(36, 36));
        p.drawLine(QPointF(36, 12), QPointF(12, 36));
        break;
    case ToolPicture::RoundBar:
    case ToolPicture::DeformedBar: {
        p.setPen(QPen(kInk, 1.0));
        QLinearGradient g(0, 18, 0, 30);
        g.setColorAt(0, QColor(200, 200, 210));
        g.setColorAt(0.5, QColor(120, 120, 130));
        g.setColorAt(1, QColor(70, 70, 80));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(4, 18, 40, 12), 5, 5);
        if (picture == ToolPicture::DeformedBar) {
            p.setPen(QPen(QColor(50, 50, 50), 1.6));
            for (double x = 8; x < 42; x += 5) p.drawLine(QPointF(x, 18), QPointF(x + 3, 30));
        }
        break;
    }
    }
    p.end();
    return pm;
}

}  // namespace mx::ui
