// The main menu's button icons (declared in artwork.h): each module's member in a
// small sketch on a 40 x 40 canvas, and the calculator, cover page, criteria page and
// exit buttons.
#include <QPainter>
#include <QPolygonF>

#include "shell/window/artwork.h"
#include "ui/picturepaint.h"

namespace mx::shell {

namespace {

using ui::fillBox;

const QColor kConcrete(0xa8, 0xad, 0xb5);
const QColor kConcreteDark(0x6b, 0x71, 0x7b);
const QColor kSteel(0xc0, 0x28, 0x28);
const QColor kSoil(0x9a, 0x6b, 0x3c);
const QColor kLoad(0x1f, 0x5f, 0xc8);

void arrowDown(QPainter& p, double x, double y1, double y2) {
    p.setPen(QPen(kLoad, 1.6));
    p.drawLine(QPointF(x, y1), QPointF(x, y2 - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(kLoad);
    p.drawPolygon(QPolygonF({QPointF(x - 3, y2 - 4), QPointF(x + 3, y2 - 4), QPointF(x, y2)}));
}

// The ground from y down to the icon's foot, hatched, with its grass line.
void soil(QPainter& p, double y) {
    p.setPen(Qt::NoPen);
    fillBox(p, QRectF(1, y, 38, 39 - y), QColor(0xd9, 0xb9, 0x8c));
    p.setPen(QPen(kSoil, 1));
    for (double x = 2; x < 38; x += 5) p.drawLine(QPointF(x, y + 4), QPointF(x + 3, y + 1));
    p.setPen(QPen(QColor(0x4a, 0x8c, 0x3a), 1.6));
    p.drawLine(QPointF(1, y), QPointF(39, y));
}

// A sheet with a turned corner and its heading bar; the brush is left in the print
// colour for the lines of text the caller adds.
void page(QPainter& p, const QRectF& heading) {
    p.setPen(QPen(QColor(0x55, 0x55, 0x66), 1.2));
    p.setBrush(Qt::white);
    QPolygonF sheet({QPointF(8, 2), QPointF(27, 2), QPointF(33, 8), QPointF(33, 38), QPointF(8, 38)});
    p.drawPolygon(sheet);
    p.setBrush(QColor(0xdd, 0xdd, 0xe6));
    p.drawPolygon(QPolygonF({QPointF(27, 2), QPointF(27, 8), QPointF(33, 8)}));
    p.setPen(Qt::NoPen);
    fillBox(p, heading, QColor(0x1f, 0x4f, 0xa0));
    p.setBrush(QColor(0x44, 0x44, 0x55));
}

// A concrete member in its dark outline.
void concrete(QPainter& p, const QRectF& box) {
    p.setPen(QPen(kConcreteDark, 1));
    fillBox(p, box, kConcrete);
}

void drawIcon(QPainter& p, const QString& b) {
    if (b == "Command1") {  // beam on two supports under load
        for (double x : {10.0, 17.0, 24.0, 31.0}) arrowDown(p, x, 3, 14);
        concrete(p, QRectF(3, 15, 34, 8));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(4, 21), QPointF(36, 21));
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
        p.setBrush(QColor(0x55, 0x55, 0x55));
        p.drawPolygon(QPolygonF({QPointF(7, 23), QPointF(3, 30), QPointF(11, 30)}));
        p.drawPolygon(QPolygonF({QPointF(33, 23), QPointF(29, 30), QPointF(37, 30)}));
        p.drawLine(QPointF(1, 32), QPointF(39, 32));
    } else if (b == "Command5") {  // tied column
        arrowDown(p, 20, 0, 7);
        concrete(p, QRectF(13, 7, 14, 28));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(16, 8), QPointF(16, 34));
        p.drawLine(QPointF(24, 8), QPointF(24, 34));
        for (double y = 11; y < 34; y += 5) p.drawLine(QPointF(15, y), QPointF(25, y));
        p.setPen(QPen(kConcreteDark, 1));
        fillBox(p, QRectF(8, 35, 24, 4), kConcreteDark);
    } else if (b == "Command9") {  // slab with its bar grid
        QPolygonF plate({QPointF(3, 26), QPointF(14, 12), QPointF(38, 12), QPointF(27, 26)});
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawPolygon(plate);
        p.setBrush(kConcreteDark);
        p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(27, 26), QPointF(27, 30), QPointF(3, 30)}));
        p.drawPolygon(QPolygonF({QPointF(27, 26), QPointF(38, 12), QPointF(38, 16), QPointF(27, 30)}));
        p.setPen(QPen(kSteel, 1));
        for (int i = 1; i < 5; ++i) {
            const double t = i / 5.0;
            p.drawLine(QPointF(3 + 11 * t, 26 - 14 * t), QPointF(27 + 11 * t, 26 - 14 * t));
            p.drawLine(QPointF(3 + 24 * t, 26), QPointF(14 + 24 * t, 12));
        }
    } else if (b == "Command10") {  // stair flight
        QPolygonF steps;
        steps << QPointF(3, 36);
        double x = 3, y = 36;
        for (int i = 0; i < 5; ++i) {
            y -= 6;
            steps << QPointF(x, y);
            x += 7;
            steps << QPointF(x, y);
        }
        steps << QPointF(x, 36);
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawPolygon(steps);
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(5, 34), QPointF(36, 10));
    } else if (b == "Command6") {  // spread footing
        soil(p, 24);
        concrete(p, QRectF(16, 3, 8, 24));
        p.drawRect(QRectF(5, 27, 30, 8));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(7, 33), QPointF(33, 33));
        for (double x : {9.0, 15.0, 21.0, 27.0, 32.0}) {
            p.setPen(QPen(kLoad, 1.2));
            p.drawLine(QPointF(x, 39), QPointF(x, 36));
        }
    } else if (b == "Command7") {  // pile cap on three piles
        soil(p, 14);
        concrete(p, QRectF(16, 1, 8, 11));
        p.drawRect(QRectF(5, 11, 30, 9));
        p.setBrush(QColor(0x8d, 0x93, 0x9c));
        for (double x : {8.0, 18.0, 28.0}) p.drawRect(QRectF(x, 20, 4, 19));
    } else if (b == "Command8") {  // pile carried by skin friction
        soil(p, 8);
        concrete(p, QRectF(16, 2, 8, 36));
        p.setPen(QPen(kLoad, 1.3));
        for (double y : {14.0, 22.0, 30.0}) {
            for (double x : {11.0, 29.0}) {
                p.drawLine(QPointF(x, y + 4), QPointF(x, y - 2));
                p.drawLine(QPointF(x - 2, y), QPointF(x, y - 2));
                p.drawLine(QPointF(x + 2, y), QPointF(x, y - 2));
            }
        }
    } else if (b == "Command4") {  // driving hammer and pile
        soil(p, 24);
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
        fillBox(p, QRectF(11, 2, 18, 10), QColor(0x44, 0x4a, 0x55));
        p.setPen(QPen(QColor(0xe0, 0x90, 0x10), 1.5));
        p.drawLine(QPointF(8, 15), QPointF(4, 13));
        p.drawLine(QPointF(32, 15), QPointF(36, 13));
        p.drawLine(QPointF(8, 18), QPointF(3, 18));
        p.drawLine(QPointF(32, 18), QPointF(37, 18));
        concrete(p, QRectF(16, 14, 8, 25));
    } else if (b == "Command3") {  // calculator
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
        fillBox(p, QRectF(8, 2, 24, 36), QColor(0x4a, 0x50, 0x5e), 3);
        fillBox(p, QRectF(11, 5, 18, 7), QColor(0xc8, 0xe6, 0xc0));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                fillBox(p, QRectF(11 + c * 6.3, 15 + r * 5.6, 4.8, 4),
                        c == 2 && r == 3 ? QColor(0xf0, 0x90, 0x20) : QColor(0xe8, 0xe8, 0xee));
    } else if (b == "Command11") {  // cover page: a wide title over a few lines
        page(p, QRectF(8.6, 10, 24, 7));
        p.drawRect(QRectF(12, 21, 17, 2));
        p.drawRect(QRectF(14, 25, 13, 1.5));
        p.drawRect(QRectF(21, 33, 9, 1.5));
    } else if (b == "Command12") {  // criteria page: a heading over rows of values
        page(p, QRectF(12, 6, 14, 2.5));
        for (double y : {14.0, 20.0, 26.0}) {
            p.drawRect(QRectF(11, y, 11, 1.6));
            p.drawRect(QRectF(24, y, 6, 1.6));
        }
        p.drawRect(QRectF(21, 33, 9, 1.5));
    } else if (b == "Command2") {  // exit: open door and arrow
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 1.2));
        fillBox(p, QRectF(6, 3, 18, 34), QColor(0xf0, 0xe6, 0xd8));
        p.setBrush(QColor(0x9a, 0x62, 0x30));
        p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(15, 7), QPointF(15, 40), QPointF(6, 37)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x24, 0x24));
        p.drawPolygon(QPolygonF({QPointF(20, 17), QPointF(30, 17), QPointF(30, 12), QPointF(39, 20),
                                 QPointF(30, 28), QPointF(30, 23), QPointF(20, 23)}));
    }
}

}  // namespace

QIcon menuIcon(const QString& button, int size) {
    QPainter p;
    QPixmap pm = ui::beginPicture(QSize(size, size), p, 40, 40);
    drawIcon(p, button);
    p.end();
    return QIcon(pm);
}

}  // namespace mx::shell
