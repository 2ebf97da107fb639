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

}  // namespace mx::shell
