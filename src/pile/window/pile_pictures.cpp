#include "pile/window/pile_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/picturepaint.h"

namespace mx::pile {

namespace {

// A material's lit face and its shadow: a shaft is shaded from one to the other.
struct Shade {
    QColor light, dark;
};
const Shade kSoil{{150, 110, 70}, {110, 78, 48}};
const Shade kConcrete{{170, 172, 178}, {95, 98, 105}};
const Shade kWood{{176, 120, 62}, {112, 70, 30}};
const QColor kSky(214, 232, 248);

// Ground across the lower part, the pile's shaft going into it: drawn on a 64-unit grid.
void drawGround(QPainter& p) {
    p.fillRect(QRectF(0, 0, 64, 30), kSky);
    p.fillRect(QRectF(0, 30, 64, 34), kSoil.light);
    p.setPen(QPen(kSoil.dark, 1.2));
    for (int i = 0; i < 9; ++i) {  // soil hatching
        const double x = i * 8.0 - 4;
        p.drawLine(QPointF(x, 64), QPointF(x + 10, 54));
    }
    p.setPen(QPen(QColor(60, 130, 50), 2));
    p.drawLine(QPointF(0, 30), QPointF(64, 30));
}

// A shaft from the ground line down to a tip, shaded left to right.
void drawShaft(QPainter& p, double x, double w, const Shade& shade, bool pointed, double top = 22) {
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, shade.dark);
    g.setColorAt(0.35, shade.light);
    g.setColorAt(1, shade.dark);
    QPainterPath path;
    path.moveTo(x, top);
    path.lineTo(x + w, top);
    path.lineTo(x + w, pointed ? 56 : 61);
    if (pointed) path.lineTo(x + w / 2, 62);
    path.lineTo(x, pointed ? 56 : 61);
    path.closeSubpath();
    p.setPen(QPen(shade.dark.darker(130), 1));
    p.setBrush(g);
    p.drawPath(path);
}

}  // namespace

QPixmap pilePixmap(PilePicture kind, int size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(QSize(size, size), p, 64, 64, Qt::white);
    drawGround(p);
    switch (kind) {
    case PilePicture::Timber: {
        // A log with its bark, and its end grain with growth rings.
        QPainterPath log;
        log.moveTo(36, 20);
        log.lineTo(50, 20);
        log.lineTo(47, 58);
        log.lineTo(43, 62);
        log.lineTo(39, 58);
        log.closeSubpath();
        QLinearGradient g(36, 0, 50, 0);
        g.setColorAt(0, kWood.dark);
        g.setColorAt(0.4, kWood.light);
        g.setColorAt(1, kWood.dark);
        p.setPen(QPen(kWood.dark.darker(140), 1));
        p.setBrush(g);
        p.drawPath(log);
        p.setPen(QPen(kWood.dark, 0.8));
        for (double y : {28.0, 37.0, 46.0}) p.drawLine(QPointF(39, y), QPointF(46, y + 3));
        p.setBrush(QColor(222, 180, 120));
        p.setPen(QPen(kWood.dark, 1.5));
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kWood.light.darker(130), 1));
        for (double r : {8.5, 5.5, 2.5}) p.drawEllipse(QPointF(16, 16), r, r);
        break;
    }
    case PilePicture::Prestressed: {
        drawShaft(p, 38, 12, kConcrete, true, 14);
        // An I-section: two flanges and a web.
        QPainterPath i;
        i.addRect(3, 3, 26, 6);
        i.addRect(13, 9, 6, 14);
        i.addRect(3, 23, 26, 6);
        p.setPen(QPen(kConcrete.dark.darker(130), 1));
        p.setBrush(kConcrete.light);
        p.drawPath(i.simplified());
        p.setPen(QPen(QColor(200, 30, 30), 1.2));  // the prestressing strands
        p.setBrush(QColor(200, 30, 30));
        for (QPointF s : {QPointF(8, 6), QPointF(24, 6), QPointF(8, 26), QPointF(24, 26)}) p.drawEllipse(s, 1.2, 1.2);
        break;
    }
    case PilePicture::Bored: {
        // A round shaft cast in a drilled hole, with the rig's auger above.
        p.fillRect(QRectF(36, 30, 16, 32), kSoil.dark.darker(120));
        drawShaft(p, 38, 12, kConcrete, false, 30);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawLine(QPointF(44, 2), QPointF(44, 26));
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        for (double y = 8; y < 26; y += 5) p.drawLine(QPointF(39, y + 3), QPointF(49, y));
        p.setBrush(kConcrete.light);
        p.setPen(QPen(kConcrete.dark, 1.5));
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.setPen(QPen(kConcrete.dark, 0.8));
        for (double d = -8; d <= 8; d += 4) p.drawLine(QPointF(10 + d, 24), QPointF(22 + d, 8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kConcrete.dark, 1.5));
        p.drawEllipse(QPointF(16, 16), 12, 12);
        break;
    }
    case PilePicture::Hollow: {
        drawShaft(p, 37, 14, kConcrete, false, 14);
        p.setPen(QPen(kConcrete.dark, 0.8, Qt::DashLine));
        p.drawLine(QPointF(40.5, 16), QPointF(40.5, 60));
        p.drawLine(QPointF(47.5, 16), QPointF(47.5, 60));
        // A square section with its round hollow core.
        QPainterPath s;
        s.addRect(3, 3, 26, 26);
        s.addEllipse(QPointF(16, 16), 8, 8);
        p.setPen(QPen(kConcrete.dark.darker(130), 1.2));
        p.setBrush(kConcrete.light);
        p.drawPath(s);
        break;
    }
    }
    p.end();
    return pm;
}

QFont scaledFont(QFont f, double factor, bool bold) {
    f.setPointSizeF(f.pointSizeF() * factor);
    f.setBold(bold);
    return f;
}

}  // namespace mx::pile
