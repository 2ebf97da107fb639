#include "column/column_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "common/figure.h"
#include "common/numtext.h"

namespace mx::column {

namespace {

constexpr double kTextPt = 14;
constexpr double kCaptionStep = 400;  // caption lines, top to top

// Square section: room left of it for the depth label and above it for the width label.
constexpr double kSquareLeft = 1400;
constexpr double kSquareTop = 700;
constexpr double kCaptionGap = 500;  // from the section's right face to its captions
constexpr double kMargin = 100;      // kept free inside the area's right and bottom edges
constexpr double kCover = 2.5;       // cm from a face to the bar centres

// Round section: a schematic of fixed size, the same for every diameter, laid out from
// the area's top-left corner.
constexpr double kRoundCx = 2000, kRoundCy = 2000;
constexpr double kRoundInner = 1000, kRoundOuter = 1100;
constexpr double kRoundBarRing = 920;  // radius of the circle through the bar centres, inside the tie
constexpr double kRoundBarRadius = 40;
constexpr std::uint32_t kRoundInnerColor = 0xFA0000;
constexpr double kRoundDimY = 300, kRoundDimLeft = 900, kRoundDimRight = 3100;
constexpr double kRoundCaptionX = 4000, kRoundCaptionY = 1500;

constexpr double kMinBarRadius = 20;
constexpr double kBarGap = 10;        // least clear space between two bars drawn
constexpr int kMostBarsPerRow = 400;  // a bound on the items, whatever the inputs

// A value the design never reached, or one no drawing can use, draws as nothing.
double drawable(double v) { return std::isfinite(v) && v > 0 ? v : 0; }

// Width of a line of text in twips, a little generous, for laying out captions: the
// sheets' Thai font sets about 107 twips a character at 14 pt.
constexpr TextMeasure kMeasure{115, 0, kTextPt};
double textWidth(const std::string& s, double pt) { return kMeasure.width(s, pt); }

bool isLongColumn(const ColumnDesignResult& r) { return r.ht > Fixed::fromInt(10); }

std::array<std::string, 3> captions(const ColumnDesignResult& r) {
    return {"ขนาดเหล็กยืน " + sheetNum(r.db) + " มม.จำนวน " + sheetNum(r.nb) + " เส้น",
            "ขนาดเหล็กปลอก " + sheetNum(r.dt) + " มม.ระยะปลอก @ " + sheetNum(r.s) + " ซม.",
            "เสาสูง " + sheetNum(r.H) + " เมตร " +
                (isLongColumn(r) ? "เสาเป็นเสาแบบสูง(LONG COLUMN)" : "เสาเป็นเสาแบบสั้น(SHORT COLUMN)")};
}

double widest(const std::array<std::string, 3>& lines) {
    double w = 0;
    for (const auto& l : lines) w = std::max(w, textWidth(l, kTextPt));
    return w;
}

void writeCaptions(PageModel& p, const std::array<std::string, 3>& lines, double x, double y) {
    for (const auto& l : lines) {
        p.text(x, y, l, kTextPt);
        y += kCaptionStep;
    }
}

// Bars the design has: a whole number, none below one.
std::int64_t barCount(const ColumnDesignResult& r) { return r.nb.raw() >= Fixed::kScale ? floorWhole(r.nb) : 0; }

// How many bars fit side by side on a line of the given length, centres `pitch` apart.
int fitting(double length, double pitch) {
    if (!(length >= 0) || !(pitch > 0)) return 0;
    return static_cast<int>(std::min<double>(std::floor(length / pitch) + 1, kMostBarsPerRow));
}

// n bar centres evenly from (xa, ya) to (xb, yb), ends included; a lone bar sits midway.
void barLine(PageModel& p, double xa, double ya, double xb, double yb, int n, double radius) {
    if (n == 1) p.circle((xa + xb) / 2, (ya + yb) / 2, radius, kBlack, true);
    for (int i = 0; n > 1 && i < n; ++i) {
        const double f = static_cast<double>(i) / (n - 1);
        p.circle(xa + f * (xb - xa), ya + f * (yb - ya), radius, kBlack, true);
    }
}

void squareSection(PageModel& p, const ColumnDesignResult& r, const PageBox& area) {
    const auto lines = captions(r);
    const double t1 = drawable(r.t1), t2 = drawable(r.t2), t = drawable(r.t);
    const double x0 = area.x1 + kSquareLeft, y0 = area.y1 + kSquareTop;
    if (t1 <= 0 || t2 <= 0) {  // no section worked out: the captions alone
        writeCaptions(p, lines, x0, y0);
        return;
    }

    // The band's scale, made smaller where the section and its captions would not fit.
    // The captions go right of the section, or under it when that leaves it larger.
    const double band = columnSectionScale(t > 0 ? t : std::min(t1, t2));
    const double captionW = widest(lines), captionH = kCaptionGap + 3 * kCaptionStep;
    auto fit = [&](double roomW, double roomH) { return std::max(0.0, std::min({band, roomW / t1, roomH / t2})); };
    const double right = fit(area.x2 - kMargin - captionW - kCaptionGap - x0, area.y2 - kMargin - y0);
    const double below = fit(area.x2 - kMargin - x0, area.y2 - kMargin - captionH - y0);
    const bool captionsBelow = below > right;
    const double s = captionsBelow ? below : right;
    const double x1 = x0 + s * t1, y1 = y0 + s * t2;

    p.box(x0, y0, x1, y1);

    // Dimension lines with end ticks, the width above and the depth to the left.
    const std::string w = sheetNum(r.t1) + " ซม.", h = sheetNum(r.t2) + " ซม.";
    p.line(x0, y0 - 200, x1, y0 - 200);
    p.line(x0, y0 - 300, x0, y0 - 100);
    p.line(x1, y0 - 300, x1, y0 - 100);
    p.text(std::max((x0 + x1 - textWidth(w, kTextPt)) / 2, area.x1), y0 - 550, w, kTextPt);
    p.line(x0 - 200, y0, x0 - 200, y1);
    p.line(x0 - 300, y0, x0 - 100, y0);
    p.line(x0 - 300, y1, x0 - 100, y1);
    p.text(std::max(x0 - 300 - textWidth(h, kTextPt), area.x1), (y0 + y1) / 2 - 150, h, kTextPt);

    // Bars drawn to their own size, but never smaller than a visible dot, and on a
    // small scale set in far enough for the tie to show outside them.
    const double radius = std::clamp(drawable(r.db) / 20 * s, kMinBarRadius, std::max(kMinBarRadius, 2 * s));
    const double cover = std::max(kCover * s, radius + 30);
    // Centres at least three radii apart, so bars drawn side by side never touch.
    const double pitch = std::max(3 * radius, 2 * radius + kBarGap);

    // The tie runs just outside the bars.
    const double tie = cover - radius - 15;
    if (tie > 0 && x1 - x0 > 2 * tie && y1 - y0 > 2 * tie) p.box(x0 + tie, y0 + tie, x1 - tie, y1 - tie, kRed);

    const std::int64_t nb = barCount(r);
    if (nb < 1) return;
    const double bx0 = x0 + cover, bx1 = std::max(x1 - cover, bx0);
    const double by0 = y0 + cover, by1 = std::max(y1 - cover, by0);
    const int perRow = fitting(bx1 - bx0, pitch);
    const int perSide = std::max(fitting(by1 - by0, pitch) - 2, 0);  // corners belong to the rows
    const SquareBarLayout bars = squareBarLayout(nb, perRow, by1 > by0 ? perSide : 0);
    p.lineWidth(3);
    barLine(p, bx0, by0, bx1, by0, bars.top, radius);
    if (by1 > by0) barLine(p, bx0, by1, bx1, by1, bars.bottom, radius);
    // Side bars sit between the rows, evenly, the rows' corner bars not counted again.
    for (int i = 1; i <= bars.left; ++i) p.circle(bx0, by0 + i * (by1 - by0) / (bars.left + 1), radius, kBlack, true);
    for (int i = 1; i <= bars.right; ++i)
        p.circle(bx1, by0 + i * (by1 - by0) / (bars.right + 1), radius, kBlack, true);
    p.lineWidth(1);

    if (captionsBelow)
        writeCaptions(p, lines, x0, y1 + kCaptionGap);
    else
        writeCaptions(p, lines, std::max(std::min(x1 + kCaptionGap, area.x2 - kMargin - captionW), area.x1), y0);
}

void roundSection(PageModel& p, const ColumnDesignResult& r, const PageBox& area) {
    const double ax = area.x1, ay = area.y1;
    const double cx = ax + kRoundCx, cy = ay + kRoundCy;
    p.circle(cx, cy, kRoundInner, kRoundInnerColor);
    p.circle(cx, cy, kRoundOuter);

    p.line(ax + kRoundDimLeft, ay + kRoundDimY, ax + kRoundDimRight, ay + kRoundDimY);
    p.line(ax + kRoundDimLeft, ay + kRoundDimY - 200, ax + kRoundDimLeft, ay + kRoundDimY + 200);
    p.line(ax + kRoundDimRight, ay + kRoundDimY - 200, ax + kRoundDimRight, ay + kRoundDimY + 200);
    p.text(ax + 1800, ay + kRoundDimY, sheetNum(r.D) + " ซม.", kTextPt);

    // A leader from the rightmost bar to the captions.
    p.line(cx + kRoundBarRing + kRoundBarRadius, cy, cx + 1400, cy - 400);
    p.line(cx + 1400, cy - 400, cx + 1900, cy - 400);

    // The bars evenly round the ring, the first at the leader.
    const std::int64_t nb = barCount(r);
    const double pitch = 2 * kRoundBarRadius + kBarGap;
    const auto ringFits = static_cast<std::int64_t>(std::floor(2 * std::numbers::pi * kRoundBarRing / pitch));
    const std::int64_t n = std::min(nb, ringFits);
    if (n >= 1) {
        p.lineWidth(3);
        for (std::int64_t i = 0; i < n; ++i) {
            const double a = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
            p.circle(cx + kRoundBarRing * std::cos(a), cy - kRoundBarRing * std::sin(a), kRoundBarRadius, kBlack,
                     true);
        }
        p.lineWidth(1);
    }
    writeCaptions(p, captions(r), ax + kRoundCaptionX, ay + kRoundCaptionY);
}

}  // namespace

int columnSectionScale(double t) {
    if (t > 150) return 15;
    if (t > 120) return 20;
    if (t > 90) return 25;
    if (t > 60) return 35;
    if (t > 30) return 50;
    return 80;
}

SquareBarLayout squareBarLayout(std::int64_t nb, int perRow, int perSide) {
    SquareBarLayout l;
    if (nb < 1 || perRow < 1) return l;
    const std::int64_t rows = std::min<std::int64_t>(nb, 2 * static_cast<std::int64_t>(perRow));
    l.top = static_cast<int>(std::min<std::int64_t>((rows + 1) / 2, perRow));
    l.bottom = static_cast<int>(rows - l.top);
    const std::int64_t rest = std::min<std::int64_t>(nb - rows, 2 * static_cast<std::int64_t>(std::max(perSide, 0)));
    l.left = static_cast<int>((rest + 1) / 2);
    l.right = static_cast<int>(rest - l.left);
    return l;
}

bool columnHasSection(const ColumnDesignResult& r) {
    return r.shape == kShapeRound ? drawable(r.D) > 0 : drawable(r.t1) > 0 && drawable(r.t2) > 0;
}

PageModel columnDrawing(const ColumnDesignResult& r, const PageBox& area) {
    PageModel p;
    if (r.shape == kShapeRound)
        roundSection(p, r, area);
    else
        squareSection(p, r, area);
    return p;
}

}  // namespace mx::column
