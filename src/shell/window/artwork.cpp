#include "shell/window/artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <cmath>

namespace mx::shell {

PictureClip::PictureClip(QPixmap strip, int rows, int cols)
    : strip_(std::move(strip)), rows_(std::max(rows, 0)), cols_(std::max(cols, 0)) {}

QSize PictureClip::cellSize() const {
    if (rows_ == 0 || cols_ == 0) return {};
    return {strip_.width() / cols_, strip_.height() / rows_};
}

QPixmap PictureClip::cell(int i) const {
    if (i < 0 || i >= count()) return {};
    const QSize s = cellSize();
    return strip_.copy((i % cols_) * s.width(), (i / cols_) * s.height(), s.width(), s.height());
}

namespace {

// A small deterministic generator, so the skyline is the same on every run.
class Lcg {
public:
    explicit Lcg(unsigned seed) : s_(seed) {}
    int next(int lo, int hi) {  // lo..hi inclusive
        s_ = s_ * 1103515245u + 12345u;
        const unsigned r = (s_ >> 16) & 0x7fffu;
        return lo + static_cast<int>(r % static_cast<unsigned>(hi - lo + 1));
    }

private:
    unsigned s_;
};

// How far the eyes are open (1 open, 0 shut) and how broad the smile is, per cell.
constexpr std::array<double, 18> kEyeOpen = {1, 1, 1, 1, 0.45, 0, 0.45, 1, 1, 1, 1, 1, 1, 1, 0.45, 0, 0.45, 1};
constexpr std::array<double, 18> kSmile = {0.1,  0.15, 0.2, 0.3, 0.4,  0.5, 0.6,  0.72, 0.85,
                                           0.95, 1.0,  1.0, 0.95, 0.8, 0.6, 0.4, 0.25, 0.15};

void drawFace(QPainter& p, const QRectF& cell, double eye, double smile) {
    p.save();
    p.translate(cell.topLeft());
    QLinearGradient bg(0, 0, 0, 100);
    bg.setColorAt(0, QColor(0xdd, 0xee, 0xff));
    bg.setColorAt(1, QColor(0xa8, 0xc8, 0xea));
    p.fillRect(QRectF(0, 0, 100, 100), bg);

    // Head.
    QRadialGradient head(QPointF(40, 38), 48);
    head.setColorAt(0, QColor(0xff, 0xf1, 0x8a));
    head.setColorAt(0.7, QColor(0xff, 0xd0, 0x30));
    head.setColorAt(1, QColor(0xf0, 0xa0, 0x10));
    p.setPen(QPen(QColor(0xb0, 0x6a, 0x00), 2));
    p.setBrush(head);
    p.drawEllipse(QPointF(50, 52), 40, 40);

    // Cheeks warm up as the smile grows.
    QColor cheek(0xff, 0x70, 0x70);
    cheek.setAlphaF(std::clamp(smile - 0.3, 0.0, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(cheek);
    p.drawEllipse(QPointF(27, 62), 7, 4.5);
    p.drawEllipse(QPointF(73, 62), 7, 4.5);

    // Eyebrows lift a little with the smile.
    p.setPen(QPen(QColor(0x5a, 0x35, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double lift = 2.5 * smile;
    p.drawLine(QPointF(29, 31 - lift), QPointF(41, 29 - lift));
    p.drawLine(QPointF(59, 29 - lift), QPointF(71, 31 - lift));

    // Eyes: an ellipse that closes to a line when the face blinks.
    for (double x : {35.0, 65.0}) {
        if (eye > 0.1) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x, 42), 6.5, 8.5 * eye);
            p.setBrush(QColor(0x2a, 0x1a, 0x08));
            p.drawEllipse(QPointF(x + 1, 43), 3.8, std::min(4.6, 7.5 * eye));
            p.setBrush(Qt::white);
            if (eye > 0.6) p.drawEllipse(QPointF(x + 2.3, 41), 1.3, 1.3);
        } else {
            p.setPen(QPen(QColor(0x5a, 0x35, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap));
            QPainterPath lid;
            lid.moveTo(x - 7, 42);
            lid.quadTo(x, 47, x + 7, 42);
            p.setBrush(Qt::NoBrush);
            p.drawPath(lid);
        }
    }

    // Mouth: a curve that deepens and opens into a broad smile.
    const double half = 14 + 6 * smile;
    const double depth = 4 + 14 * smile;
    p.setPen(QPen(QColor(0x6a, 0x25, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
    if (smile < 0.55) {
        QPainterPath m;
        m.moveTo(50 - half, 68);
        m.quadTo(50, 68 + 2 * depth, 50 + half, 68);
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
    } else {
        QPainterPath m;
        m.moveTo(50 - half, 66);
        m.quadTo(50, 70, 50 + half, 66);
        m.quadTo(50, 66 + 2 * depth, 50 - half, 66);
        p.setBrush(QColor(0x8a, 0x18, 0x18));
        p.drawPath(m);
        p.setClipPath(m);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(50 - half, 62, 2 * half, 7));  // teeth
        p.setBrush(QColor(0xe8, 0x60, 0x60));
        p.drawEllipse(QPointF(50, 66 + depth), half * 0.55, depth * 0.45);  // tongue
        p.setClipping(false);
    }
    p.restore();
}

// Thai text splits into grapheme clusters, so a vowel or tone mark never appears
// without the consonant it sits on.
QStringList graphemes(const QString& s) {
    QStringList out;
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    qsizetype start = 0;
    while (f.toNextBoundary() != -1) {
        out << s.mid(start, f.position() - start);
        start = f.position();
    }
    return out;
}

QFont uiFont(double pixelSize, bool bold, const QString& family = QString()) {
    QFont f;
    if (!family.isEmpty()) f.setFamily(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

QPixmap faceStrip() {
    QPixmap pm(600, 300);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 18; ++i)
        drawFace(p, QRectF((i % 6) * 100, (i / 6) * 100, 100, 100), kEyeOpen[static_cast<std::size_t>(i)],
                 kSmile[static_cast<std::size_t>(i)]);
    return pm;
}

QPixmap skylinePicture() {
    const int w = 512, h = 400, horizon = 318;
    QPixmap pm(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x0d, 0x1b, 0x3e));
    sky.setColorAt(0.45, QColor(0x3a, 0x3f, 0x7a));
    sky.setColorAt(0.75, QColor(0xc0, 0x5f, 0x6b));
    sky.setColorAt(1, QColor(0xff, 0xa8, 0x4c));
    p.fillRect(0, 0, w, horizon, sky);

    Lcg rng(7100);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        QColor star(255, 255, 255, rng.next(80, 220));
        p.setBrush(star);
        p.drawEllipse(QPointF(rng.next(0, w), rng.next(0, 150)), 0.9, 0.9);
    }

    QRadialGradient sun(QPointF(390, 268), 70);
    sun.setColorAt(0, QColor(0xff, 0xe8, 0x9a));
    sun.setColorAt(0.45, QColor(0xff, 0xb0, 0x40, 230));
    sun.setColorAt(1, QColor(0xff, 0x90, 0x30, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(390, 268), 70, 70);

    // Far towers, hazy.
    int x = -10;
    while (x < w) {
        const int bw = rng.next(22, 46);
        const int bh = rng.next(70, 170);
        p.setBrush(QColor(0x4a, 0x3f, 0x6e));
        p.drawRect(x, horizon - bh, bw, bh);
        x += bw + rng.next(-6, 4);
    }

    // Near towers with lit windows, and one tall tower with a spire.
    struct Tower { int x, w, h; };
    std::vector<Tower> towers;
    x = -6;
    while (x < w) {
        const int bw = rng.next(30, 62);
        int bh = rng.next(60, 150);
        if (x > 170 && x < 230) bh = 238;
        towers.push_back({x, bw, bh});
        x += bw + rng.next(2, 9);
    }
    for (const Tower& t : towers) {
        QLinearGradient face(t.x, 0, t.x + t.w, 0);
        face.setColorAt(0, QColor(0x1c, 0x1d, 0x33));
        face.setColorAt(1, QColor(0x2c, 0x2a, 0x48));
        p.setBrush(face);
        p.drawRect(t.x, horizon - t.h, t.w, t.h);
        if (t.h == 238) {
            p.drawRect(t.x + t.w / 2 - 2, horizon - t.h - 46, 4, 46);
            p.drawRect(t.x + 6, horizon - t.h - 10, t.w - 12, 10);
            p.setBrush(QColor(0xff, 0x40, 0x40));
            p.drawEllipse(QPointF(t.x + t.w / 2.0, horizon - t.h - 47), 2.2, 2.2);
        }
        for (int wy = horizon - t.h + 8; wy < horizon - 8; wy += 9) {
            for (int wx = t.x + 5; wx < t.x + t.w - 6; wx += 8) {
                const int r = rng.next(0, 9);
                if (r < 4) continue;
                p.setBrush(r > 7 ? QColor(0xff, 0xe6, 0x9c) : QColor(0xd8, 0xb8, 0x6a, 170));
                p.drawRect(wx, wy, 4, 5);
            }
        }
    }

    // River in front, with the glow of the sun and the lights on it.
    QLinearGradient water(0, horizon, 0, h);
    water.setColorAt(0, QColor(0x3a, 0x2c, 0x4a));
    water.setColorAt(1, QColor(0x0b, 0x12, 0x26));
    p.fillRect(0, horizon, w, h - horizon, water);
    for (int y = horizon + 4; y < h; y += 5) {
        const int len = rng.next(20, 70);
        const int cx = 390 + rng.next(-50, 50) * (y - horizon) / 60;
        p.setBrush(QColor(0xff, 0xb8, 0x60, std::max(30, 190 - (y - horizon) * 2)));
        p.drawRect(cx - len / 2, y, len, 1);
        p.setBrush(QColor(0xff, 0xe6, 0x9c, 70));
        p.drawRect(rng.next(0, w), y, rng.next(4, 14), 1);
    }
    p.setPen(QPen(QColor(0x10, 0x10, 0x1c), 2));
    p.drawLine(0, horizon, w, horizon);
    return pm;
}

QPixmap nameStrip() {
    const QString name = QStringLiteral("MX7100");
    // The Thai line, "structural design program", set on two lines.
    const QStringList line1 = graphemes(QStringLiteral("โปรแกรม"));
    const QStringList line2 = graphemes(QStringLiteral("ออกแบบโครงสร้าง"));
    const int thaiCount = static_cast<int>(line1.size() + line2.size());
    QPixmap pm(750, 150);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    double thaiPx = 18;
    QFont thaiFont = uiFont(thaiPx, true);
    while (thaiPx > 8 && QFontMetricsF(thaiFont).horizontalAdvance(line2.join(QString())) > 112) {
        thaiPx -= 0.5;
        thaiFont = uiFont(thaiPx, true);
    }
    const QFont nameFont = uiFont(22, true, QStringLiteral("DejaVu Sans"));
    const QFontMetricsF nameMetrics(nameFont), thaiMetrics(thaiFont);
    const QColor gold(0xff, 0xd0, 0x50), white(0xf4, 0xf4, 0xff);

    for (int i = 0; i < 18; ++i) {
        const QRectF cell((i % 6) * 125, (i / 6) * 50, 125, 50);
        QLinearGradient bg(cell.topLeft(), cell.bottomLeft());
        bg.setColorAt(0, QColor(0x16, 0x2a, 0x5c));
        bg.setColorAt(1, QColor(0x08, 0x12, 0x30));
        p.fillRect(cell, bg);
        p.setPen(QPen(QColor(0xd4, 0xa0, 0x30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
        const bool cursor = i % 2 == 0;  // the typing cursor blinks

        // Cells 0-5 type the name, 6-15 the Thai line; 16 and 17 show each whole.
        if (i < 6 || i == 16) {
            const QString shown = name.left(std::min(i + 1, 6));
            const double x = cell.left() + (125 - nameMetrics.horizontalAdvance(name)) / 2;
            const double baseline = cell.top() + 25 + nameMetrics.ascent() / 2 - 2;
            p.setFont(nameFont);
            p.setPen(i == 16 ? white : gold);
            p.drawText(QPointF(x, baseline), shown);
            if (i < 6 && cursor)
                p.fillRect(QRectF(x + nameMetrics.horizontalAdvance(shown) + 2, baseline, 14, 3), gold);
            continue;
        }
        const int typed = i == 17 ? thaiCount : std::min(thaiCount, (thaiCount * (i - 5) + 9) / 10);
        const int n1 = std::min<int>(typed, static_cast<int>(line1.size()));
        const QString shown1 = line1.mid(0, n1).join(QString());
        const QString shown2 = line2.mid(0, typed - n1).join(QString());
        const double lineH = thaiMetrics.height();
        const double top = cell.top() + (50 - 2 * lineH) / 2;
        const double x1 = cell.left() + (125 - thaiMetrics.horizontalAdvance(line1.join(QString()))) / 2;
        const double x2 = cell.left() + (125 - thaiMetrics.horizontalAdvance(line2.join(QString()))) / 2;
        p.setFont(thaiFont);
        p.setPen(i == 17 ? gold : white);
        p.drawText(QPointF(x1, top + thaiMetrics.ascent()), shown1);
        p.drawText(QPointF(x2, top + lineH + thaiMetrics.ascent()), shown2);
        if (i < 16 && cursor) {
            const bool onFirst = typed <= static_cast<int>(line1.size()) && typed < static_cast<int>(line1.size());
            const double cx = onFirst ? x1 + thaiMetrics.horizontalAdvance(shown1) : x2 + thaiMetrics.horizontalAdvance(shown2);
            const double cy = onFirst ? top + thaiMetrics.ascent() + 1 : top + lineH + thaiMetrics.ascent() + 1;
            p.fillRect(QRectF(cx + 1, cy, 8, 2), white);
        }
    }
    return pm;
}

std::vector<QIcon> identityIcons() {
    std::vector<QIcon> icons;
    for (int i = 0; i < 18; ++i) {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x12, 0x24, 0x52));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        // A ring that fills as the name is typed.
        p.setPen(QPen(QColor(0xff, 0xc0, 0x40), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(4, 4, 24, 24), 90 * 16, -static_cast<int>((i + 1) * 360 * 16 / 18));
        p.setPen(Qt::white);
        p.setFont(uiFont(10, true, QStringLiteral("DejaVu Sans")));
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("MX"));
        icons.emplace_back(pm);
    }
    return icons;
}

QIcon programIcon() { return identityIcons().back(); }

namespace {

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

void soil(QPainter& p, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xb9, 0x8c));
    p.drawRect(QRectF(1, y, 38, 39 - y));
    p.setPen(QPen(kSoil, 1));
    for (double x = 2; x < 38; x += 5) p.drawLine(QPointF(x, y + 4), QPointF(x + 3, y + 1));
    p.setPen(QPen(QColor(0x4a, 0x8c, 0x3a), 1.6));
    p.drawLine(QPointF(1, y), QPointF(39, y));
}

void page(QPainter& p) {
    p.setPen(QPen(QColor(0x55, 0x55, 0x66), 1.2));
    p.setBrush(Qt::white);
    QPolygonF sheet({QPointF(8, 2), QPointF(27, 2), QPointF(33, 8), QPointF(33, 38), QPointF(8, 38)});
    p.drawPolygon(sheet);
    p.setBrush(QColor(0xdd, 0xdd, 0xe6));
    p.drawPolygon(QPolygonF({QPointF(27, 2), QPointF(27, 8), QPointF(33, 8)}));
}

void drawIcon(QPainter& p, const QString& b) {
    p.setRenderHint(QPainter::Antialiasing);
    if (b == "Command1") {  // beam on two supports under load
        for (double x : {10.0, 17.0, 24.0, 31.0}) arrowDown(p, x, 3, 14);
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(3, 15, 34, 8));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(4, 21), QPointF(36, 21));
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
        p.setBrush(QColor(0x55, 0x55, 0x55));
        p.drawPolygon(QPolygonF({QPointF(7, 23), QPointF(3, 30), QPointF(11, 30)}));
        p.drawPolygon(QPolygonF({QPointF(33, 23), QPointF(29, 30), QPointF(37, 30)}));
        p.drawLine(QPointF(1, 32), QPointF(39, 32));
    } else if (b == "Command5") {  // tied column
        arrowDown(p, 20, 0, 7);
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(13, 7, 14, 28));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(16, 8), QPointF(16, 34));
        p.drawLine(QPointF(24, 8), QPointF(24, 34));
        for (double y = 11; y < 34; y += 5) p.drawLine(QPointF(15, y), QPointF(25, y));
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcreteDark);
        p.drawRect(QRectF(8, 35, 24, 4));
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
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(16, 3, 8, 24));
        p.drawRect(QRectF(5, 27, 30, 8));
        p.setPen(QPen(kSteel, 1.2));
        p.drawLine(QPointF(7, 33), QPointF(33, 33));
        for (double x : {9.0, 15.0, 21.0, 27.0, 32.0}) {
            p.setPen(QPen(kLoad, 1.2));
            p.drawLine(QPointF(x, 39), QPointF(x, 36));
        }
    } else if (b == "Command7") {  // pile cap on three piles
        soil(p, 14);
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(16, 1, 8, 11));
        p.drawRect(QRectF(5, 11, 30, 9));
        p.setBrush(QColor(0x8d, 0x93, 0x9c));
        for (double x : {8.0, 18.0, 28.0}) p.drawRect(QRectF(x, 20, 4, 19));
    } else if (b == "Command8") {  // pile carried by skin friction
        soil(p, 8);
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(16, 2, 8, 36));
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
        p.setBrush(QColor(0x44, 0x4a, 0x55));
        p.drawRect(QRectF(11, 2, 18, 10));
        p.setPen(QPen(QColor(0xe0, 0x90, 0x10), 1.5));
        p.drawLine(QPointF(8, 15), QPointF(4, 13));
        p.drawLine(QPointF(32, 15), QPointF(36, 13));
        p.drawLine(QPointF(8, 18), QPointF(3, 18));
        p.drawLine(QPointF(32, 18), QPointF(37, 18));
        p.setPen(QPen(kConcreteDark, 1));
        p.setBrush(kConcrete);
        p.drawRect(QRectF(16, 14, 8, 25));
    } else if (b == "Command3") {  // calculator
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
        p.setBrush(QColor(0x4a, 0x50, 0x5e));
        p.drawRoundedRect(QRectF(8, 2, 24, 36), 3, 3);
        p.setBrush(QColor(0xc8, 0xe6, 0xc0));
        p.drawRect(QRectF(11, 5, 18, 7));
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 3; ++c) {
                p.setBrush(c == 2 && r == 3 ? QColor(0xf0, 0x90, 0x20) : QColor(0xe8, 0xe8, 0xee));
                p.drawRect(QRectF(11 + c * 6.3, 15 + r * 5.6, 4.8, 4));
            }
        }
    } else if (b == "Command11") {  // cover page
        page(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x4f, 0xa0));
        p.drawRect(QRectF(8.6, 10, 24, 7));
        p.setBrush(QColor(0x44, 0x44, 0x55));
        p.drawRect(QRectF(12, 21, 17, 2));
        p.drawRect(QRectF(14, 25, 13, 1.5));
        p.drawRect(QRectF(21, 33, 9, 1.5));
    } else if (b == "Command12") {  // criteria page
        page(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x4f, 0xa0));
        p.drawRect(QRectF(12, 6, 14, 2.5));
        p.setBrush(QColor(0x44, 0x44, 0x55));
        for (double y : {14.0, 20.0, 26.0}) {
            p.drawRect(QRectF(11, y, 11, 1.6));
            p.drawRect(QRectF(24, y, 6, 1.6));
        }
        p.drawRect(QRectF(21, 33, 9, 1.5));
    } else if (b == "Command2") {  // exit: open door and arrow
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 1.2));
        p.setBrush(QColor(0xf0, 0xe6, 0xd8));
        p.drawRect(QRectF(6, 3, 18, 34));
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
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.scale(size / 40.0, size / 40.0);
    drawIcon(p, button);
    return QIcon(pm);
}

}  // namespace mx::shell
