#include "ui/pagepainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
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

// The fonts and metrics of one page on one device: a page uses a handful of sizes,
// so each is set up once rather than for every line.
class PageFonts {
public:
    PageFonts(const std::string& family, QPaintDevice* device) : family_(family), device_(device) {}
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QHash<char16_t, qreal> advances{};
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
        return *entries_.back().second;
    }

private:
    const std::string& family_;
    QPaintDevice* device_;
    std::vector<std::pair<std::pair<double, bool>, std::unique_ptr<Entry>>> entries_;
};

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
                painter.drawText(at, text);
                continue;
            }
            painter.save();
            painter.translate(at);
            painter.scale(condense, 1.0);
            painter.drawText(QPointF(0, 0), text);
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
