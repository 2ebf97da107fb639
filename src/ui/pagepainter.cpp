#include "ui/pagepainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <variant>

namespace mx::ui {

namespace {
QColor toColor(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
}  // namespace

namespace {

// Whether a family is installed, asked of the font database once per family: the
// database lists every family on each call, and a report asks for every line it prints.
bool installed(const QString& family) {
    static QHash<QString, bool> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd()) return *it;
    return known[family] = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// A line's glyphs put in the order and the form of the characters typed, for the text
// a reader gets back from a PDF: each glyph reads back, in the order drawn, as the
// character its font maps to it. The shaper departs from the typed text twice:
// - sara am (ำ) is set as two glyphs, nikhahit (the ring, over the consonant and below
//   any tone mark) and sara aa, which read back as "ํา" and no search for "คำนวณ"
//   finds. Where the font's own sara am glyph is those two as the shaper placed them
//   (the ring at the sara aa's origin, as after every consonant that is not tall),
//   the pair is drawn as that one glyph: the same shapes at the same places (Umpush
//   sets the ring of its sara am 1.2 % of the em lower, a tenth of a point at 14 pt).
//   A ring the shaper moved (after ป ฝ ฟ), or a nikhahit typed as such, stays.
// - a tone mark over a lower vowel (หุ้ม, อยู่) comes before the vowel; the two are
//   drawn in the typed order instead, at the places the shaper gave them.
class TypedGlyphs {
public:
    // Whether the shaper's glyphs for a text read back otherwise than it was typed.
    static bool departs(const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].unicode() == kSaraAm || (i > 0 && isTone(text[i]) && isLowerVowel(text[i - 1]))) return true;
        return false;
    }

    void mend(QList<QGlyphRun>& runs, const QString& text) {
        // Which of the rings the shaper set are sara am, in order: one ring a nikhahit
        // or a sara am. Should the count not agree, none is taken for a sara am.
        QList<bool> saraAm;
        bool vowelThenTone = false, toneThenVowel = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == kSaraAm || c == kNikhahit) saraAm.append(c == kSaraAm);
            if (i > 0 && isTone(text[i]) && isLowerVowel(text[i - 1])) vowelThenTone = true;
            if (i > 0 && isLowerVowel(text[i]) && isTone(text[i - 1])) toneThenVowel = true;
        }
        qsizetype rings = 0;
        for (const QGlyphRun& run : runs) {
            const Glyphs& g = glyphsOf(run.rawFont());
            for (const quint32 glyph : run.glyphIndexes()) rings += g.ring(glyph);
        }
        if (rings != saraAm.size()) saraAm.clear();
        qsizetype ring = 0;
        for (QGlyphRun& run : runs) mendRun(run, glyphsOf(run.rawFont()), saraAm, ring, vowelThenTone && !toneThenVowel);
    }

private:
    static constexpr char16_t kSaraAm = 0x0E33, kNikhahit = 0x0E4D;
    static bool isTone(QChar c) { return c.unicode() >= 0x0E48 && c.unicode() <= 0x0E4B; }
    static bool isLowerVowel(QChar c) { return c.unicode() >= 0x0E38 && c.unicode() <= 0x0E3A; }

    // A font's glyphs for these characters, with the shifted copies the Thai fonts
    // reach through their private-use code points (see common/pdftext.h).
    struct Glyphs {
        quint32 nikhahit = 0, nikhahitLeft = 0, saraAa = 0, saraAm = 0;
        bool composes = false;  // its sara am is its ring and sara aa as set apart
        QList<quint32> tones, lowerVowels;
        bool ring(quint32 g) const { return g && (g == nikhahit || g == nikhahitLeft); }
    };
    static Glyphs measure(const QRawFont& font) {
        Glyphs g;
        const auto glyphsFor = [&](const char16_t* chars) {
            QList<quint32> ids = font.glyphIndexesForString(QString::fromUtf16(chars));
            ids.removeAll(0u);
            return ids;
        };
        g.tones = glyphsFor(u"\u0E48\u0E49\u0E4A\u0E4B\uF705\uF706\uF707\uF708\uF70A\uF70B\uF70C\uF70D\uF713\uF714\uF715\uF716");
        g.lowerVowels = glyphsFor(u"\u0E38\u0E39\u0E3A\uF718\uF719\uF71A");
        const QList<quint32> ids = font.glyphIndexesForString(QStringLiteral(u"\u0E4D\uF711\u0E32\u0E33"));
        if (ids.size() != 4) return g;
        g.nikhahit = ids[0];
        g.nikhahitLeft = ids[1];
        g.saraAa = ids[2];
        g.saraAm = ids[3];
        if (!g.nikhahit || !g.saraAa || !g.saraAm) return g;
        // To a fiftieth of the em.
        const QRectF apart = font.boundingRect(g.nikhahit).united(font.boundingRect(g.saraAa));
        const QRectF am = font.boundingRect(g.saraAm);
        const qreal tolerance = font.pixelSize() / 50;
        g.composes = !apart.isEmpty() && std::abs(am.left() - apart.left()) <= tolerance &&
                     std::abs(am.right() - apart.right()) <= tolerance &&
                     std::abs(am.top() - apart.top()) <= tolerance && std::abs(am.bottom() - apart.bottom()) <= tolerance;
        return g;
    }
    const Glyphs& glyphsOf(const QRawFont& font) {
        for (const auto& [f, g] : known_)
            if (f == font) return *g;
        known_.emplace_back(font, std::make_unique<Glyphs>(measure(font)));
        return *known_.back().second;
    }

    static void mendRun(QGlyphRun& run, const Glyphs& g, const QList<bool>& saraAm, qsizetype& ring, bool typedOrder) {
        QList<quint32> glyphs = run.glyphIndexes();
        QList<QPointF> positions = run.positions();
        const qsizetype n = glyphs.size();
        bool changed = false;
        if (typedOrder)
            for (qsizetype i = 0; i + 1 < n; ++i)
                if (g.tones.contains(glyphs[i]) && g.lowerVowels.contains(glyphs[i + 1])) {
                    std::swap(glyphs[i], glyphs[i + 1]);
                    std::swap(positions[i], positions[i + 1]);
                    changed = true;
                    ++i;
                }
        QList<bool> drop(n, false);
        const qreal near = run.rawFont().pixelSize() * 1e-3;
        for (qsizetype i = 0; i < n; ++i) {
            if (!g.ring(glyphs[i])) continue;
            const bool am = ring < saraAm.size() && saraAm[ring];
            ++ring;
            if (!am || !g.composes || glyphs[i] != g.nikhahit) continue;
            // a tone mark may stand between the ring and the sara aa
            for (qsizetype j = i + 1; j < n && j <= i + 2; ++j) {
                if (glyphs[j] != g.saraAa) continue;
                const QPointF d = positions[j] - positions[i];
                if (std::abs(d.x()) <= near && std::abs(d.y()) <= near) {
                    glyphs[j] = g.saraAm;
                    drop[i] = changed = true;
                }
                break;
            }
        }
        if (!changed) return;
        QList<quint32> keptGlyphs;
        QList<QPointF> keptPositions;
        for (qsizetype i = 0; i < n; ++i) {
            if (drop[i]) continue;
            keptGlyphs.append(glyphs[i]);
            keptPositions.append(positions[i]);
        }
        run.setGlyphIndexes(keptGlyphs);
        run.setPositions(keptPositions);
    }

    std::vector<std::pair<QRawFont, std::unique_ptr<Glyphs>>> known_;
};

// A line as drawn from its glyphs, set in one font.
struct GlyphLine {
    QList<quint32> glyphs;
    QList<QPointF> positions;  // from the top left of the line
    qreal ascent = 0;
};

// The fonts and metrics of one page on one device: a page uses a handful of sizes,
// so each is set up once rather than for every line.
class PageFonts {
public:
    PageFonts(const std::string& family, QPaintDevice* device) : family_(family), device_(device) {}
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QHash<char16_t, qreal> advances{};
        // The lines drawn from their glyphs at this size on this kind of device, and
        // the font they are set in on this page (see drawLine).
        QHash<QString, GlyphLine>* glyphLines = nullptr;
        QRawFont glyphFont{};
        // The widest a text can be set: the sum of its characters' widths each set
        // alone, its combining marks (the Thai vowels above and below, the tone
        // marks) taking none, as they take none set on their bases. Shaping only
        // draws characters closer (kerning, ligatures); a character set alone keeps
        // what shaping adds to it (sara am is set as nikhahit and sara aa, wider than
        // its own glyph). A surrogate pair is measured as set.
        qreal widthBound(const QString& text) {
            qreal sum = 0;
            for (const QChar c : text) {
                if (c.isSurrogate()) return metrics.horizontalAdvance(text);
                auto it = advances.constFind(c.unicode());
                if (it == advances.constEnd())
                    it = advances.insert(c.unicode(), c.category() == QChar::Mark_NonSpacing
                                                          ? 0.0
                                                          : metrics.horizontalAdvance(QString(c)));
                sum += *it;
            }
            return sum;
        }
    };
    Entry& get(double sizePt, bool bold) {
        for (const auto& [key, entry] : entries_)
            if (key.first == sizePt && key.second == bold) return *entry;
        const QFont f = pageFont(family_, sizePt, bold);
        entries_.emplace_back(std::make_pair(sizePt, bold), std::make_unique<Entry>(Entry{f, QFontMetricsF(f, device_)}));
        Entry& e = *entries_.back().second;
        // Kept for the whole run: the glyphs alone, no font engine, so nothing
        // outlives the application's fonts.
        static QHash<QString, QHash<QString, GlyphLine>> lines;
        e.glyphLines = &lines[f.key() + QLatin1Char('/') + QString::number(device_->logicalDpiX()) +
                              QLatin1Char('/') + QString::number(device_->logicalDpiY())];
        return e;
    }

private:
    const std::string& family_;
    QPaintDevice* device_;
    std::vector<std::pair<std::pair<double, bool>, std::unique_ptr<Entry>>> entries_;
};

// Draws a line with its baseline starting at `at`: as the shaper sets it, or from its
// glyphs where those would read back otherwise than typed (TypedGlyphs). A line drawn
// from its glyphs is kept by its text, as the report prints the same captions on every
// member's sheet: shaping it again and taking its glyphs would cost twice drawing it.
void drawLine(QPainter& painter, const QPointF& at, const QString& text, PageFonts::Entry& f, QPaintDevice* device,
              TypedGlyphs& typed) {
    if (!TypedGlyphs::departs(text)) {
        painter.drawText(at, text);
        return;
    }
    if (f.glyphFont.isValid()) {
        const auto kept = f.glyphLines->constFind(text);
        if (kept != f.glyphLines->constEnd()) {
            QGlyphRun run;
            run.setRawFont(f.glyphFont);
            run.setGlyphIndexes(kept->glyphs);
            run.setPositions(kept->positions);
            painter.drawGlyphRun(at - QPointF(0, kept->ascent), run);
            return;
        }
    }
    QTextLayout layout(text, f.font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return;
    QList<QGlyphRun> runs = layout.glyphRuns();
    typed.mend(runs, text);
    const QPointF origin = at - QPointF(0, line.ascent());
    for (const QGlyphRun& run : runs) painter.drawGlyphRun(origin, run);
    if (runs.size() != 1) return;
    if (!f.glyphFont.isValid()) f.glyphFont = runs[0].rawFont();
    if (runs[0].rawFont() != f.glyphFont) return;
    constexpr qsizetype kMostKept = 4096;
    if (f.glyphLines->size() >= kMostKept) f.glyphLines->clear();
    f.glyphLines->insert(text, GlyphLine{runs[0].glyphIndexes(), runs[0].positions(), line.ascent()});
}

// The room a text has on its line: to the device's right edge, or to the left edge of
// a keep-clear box it runs towards from the left, sharing its rows.
double roomFor(const PageModel& page, const PageText& t, double height, double pageRight) {
    double right = pageRight;
    for (const PageBox& b : page.clearBoxes())
        if (t.x < b.x1 && t.y < b.y2 && t.y + height > b.y1) right = std::min(right, b.x1);
    return right - t.x;
}

// How much a line of this width is condensed to end within its room. A line that
// starts at its limit still prints, squeezed to a sliver, rather than vanish.
double condenseFor(double width, double room) {
    return width > room && width > 0 ? std::max(room, 1.0) / width : 1.0;
}

// A table cell that does not fit its room, cut to end in "…" within it (Qt cuts
// between whole characters, a Thai letter with its marks).
QString elided(const QString& text, const QFontMetricsF& fm, double roomUnits) {
    return fm.elidedText(text, Qt::ElideRight, std::max(roomUnits, 0.0));
}

// A line whose widest setting stays this far inside its room is painted without being
// measured first: measuring shapes the line once more, a third of painting it.
constexpr double kUnmeasuredMargin = 1.02;

}  // namespace

QFont pageFont(const std::string& family, double sizePt, bool bold) {
    const QString fam = QString::fromStdString(family);
    QFont f;
    if (!fam.contains("Cordia", Qt::CaseInsensitive) || installed(fam)) {
        f = QFont(fam);
        f.setPointSizeF(sizePt);
    } else {
        f = QFont(QStringLiteral("Umpush"));
        f.setPointSizeF(sizePt * 0.65);
    }
    f.setBold(bold);
    return f;
}

double textWidthTwips(const PageText& t, const std::string& family, QPaintDevice* device) {
    const QFont f = pageFont(family, t.sizePt, t.bold);
    const QFontMetricsF fm(f, device);
    const double unitsPerTwip = device->logicalDpiX() / 1440.0;
    return fm.horizontalAdvance(QString::fromStdString(t.text)) / unitsPerTwip;
}

std::vector<PlacedText> placeTexts(const PageModel& page, double u, QPaintDevice* device) {
    std::vector<PlacedText> out;
    const double pageRight = device->width() / u;
    PageFonts fonts(page.fontFamily, device);
    for (const PageText& t : page.texts()) {
        const QFontMetricsF& fm = fonts.get(t.sizePt, t.bold).metrics;
        PlacedText p;
        p.text = t;
        p.naturalWidth = fm.horizontalAdvance(QString::fromStdString(t.text)) / u;
        p.height = fm.height() / u;
        // A drawing's box stops the lines that run towards it from the left.
        const double room = roomFor(page, t, p.height, pageRight);
        if (t.elide && p.naturalWidth > room) {
            const QString cut = elided(QString::fromStdString(t.text), fm, room * u);
            p.text.text = cut.toStdString();
            p.width = fm.horizontalAdvance(cut) / u;
        } else {
            p.condense = condenseFor(p.naturalWidth, room);
            p.width = p.naturalWidth * p.condense;
        }
        out.push_back(std::move(p));
    }
    return out;
}

void paintPage(QPainter& painter, const PageModel& page, double u, QPaintDevice* device) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Line widths count device pixels, as on the window: a screen pixel is 15 twips,
    // a printer dot (600 to the inch) 2.4 twips. A width of 1 is a hairline.
    const double twipsPerWidthUnit = device && device->logicalDpiX() >= 300 ? 1440.0 / 600.0 : 1440.0 / 96.0;
    double penWidth = 0;
    auto pen = [&](std::uint32_t color) {
        QPen p(toColor(color));
        p.setWidthF(penWidth <= 1 ? 0.0 : penWidth * twipsPerWidthUnit * u);
        return p;
    };
    // Each line is placed as placeTexts() places it.
    const double pageRight = device->width() / u;
    PageFonts fonts(page.fontFamily, device);
    TypedGlyphs typed;
    for (const auto& item : page.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            PageFonts::Entry& f = fonts.get(t->sizePt, t->bold);
            QString text = QString::fromStdString(t->text);
            const double room = roomFor(page, *t, f.metrics.height() / u, pageRight);
            double condense = 1.0;
            if (f.widthBound(text) / u * kUnmeasuredMargin > room) {
                const double width = f.metrics.horizontalAdvance(text) / u;
                if (t->elide && width > room) text = elided(text, f.metrics, room * u);
                else condense = condenseFor(width, room);
            }
            painter.setFont(f.font);
            painter.setPen(toColor(t->color));
            const QPointF at(t->x * u, t->y * u + f.metrics.ascent());
            if (condense == 1) {
                drawLine(painter, at, text, f, device, typed);
                continue;
            }
            painter.save();
            painter.translate(at);
            painter.scale(condense, 1.0);
            drawLine(painter, QPointF(0, 0), text, f, device, typed);
            painter.restore();
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            painter.setPen(pen(l->color));
            painter.drawLine(QPointF(l->x1 * u, l->y1 * u), QPointF(l->x2 * u, l->y2 * u));
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            painter.setPen(pen(c->color));
            painter.setBrush(c->filled ? QBrush(toColor(c->color)) : Qt::NoBrush);
            painter.drawEllipse(QPointF(c->x * u, c->y * u), c->radius * u, c->radius * u);
            painter.setBrush(Qt::NoBrush);
        } else if (const auto* w = std::get_if<PageLineWidth>(&item)) {
            penWidth = w->width;
        }
    }
    painter.restore();
}

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void DrawingSurface::setPage(PageModel page) {
    page_ = std::move(page);
    update();
}

void DrawingSurface::clear() {
    page_ = PageModel();
    update();
}

void DrawingSurface::setOutOfDate(bool on) {
    outOfDate_ = on;
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPage(p, page_, unitsPerTwip_ * logicalDpiX() / 96.0, this);
    if (outOfDate_ && !page_.empty()) p.fillRect(rect(), QColor(255, 255, 255, 150));  // greyed
}

}  // namespace mx::ui
