#include "spreadfooting/spreadfooting_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/figure.h"
#include "common/numtext.h"
#include "spreadfooting/spreadfooting_form.h"

namespace mx::spreadfooting {

namespace {

constexpr double kTextPt = 14;
// The room a 14 pt label takes: a generous width per column of text (the Thai fonts
// the painter uses run narrower) and the height of one line.
constexpr double kColumnTwips = 100;
constexpr double kTextHeight = 340;
constexpr double kNoteStep = 300;       // notes stacked one under the other
constexpr double kDimOffset = 200;      // dimension line off the outline
constexpr double kTickFar = 300, kTickNear = 100;
constexpr double kLabelGap = 60;        // a dimension figure off its tick
constexpr double kStubRise = 2000;      // the stub drawn above the pad, twips
constexpr double kFigureGap = 400;      // between the plan (with its note) and the section
constexpr double kBarRadius = 8;
constexpr double kBarBottom = 2.5;      // cm, the first bar in from the pad's side
// A hooked bar's upturn, drawn 12 bar diameters long (a 90-degree standard hook's
// extension) and never shorter than this many twips, so that it reads at any scale.
constexpr double kHookDiameters = 12;
constexpr double kLeastHookDrawn = 120;
constexpr double kTopBars = 4;          // cm, the two top bars below the top face
constexpr int kMaxBarsDrawn = 400;      // whatever the count, a row stays a row

// Scale table: the longest footings first, twips per cm.
struct ScaleBand {
    int above;
    double twipsPerCm;
};
constexpr std::array<ScaleBand, 12> kScales{{{1200, 2},
                                             {1000, 3},
                                             {900, 3.5},
                                             {800, 4},
                                             {600, 4.5},
                                             {400, 5},
                                             {300, 8},
                                             {250, 10},
                                             {200, 14},
                                             {150, 18},
                                             {100, 22},
                                             {50, 25}}};
constexpr double kSmallestScale = 40;  // 50 cm and less

// The notes, as each medium words them.
struct Notes {
    const char* soil;
    const char* soilUnit;
    const char* stub;
};
constexpr Notes kScreenNotes{" นน.ที่ดินรับได้โดยปลอดภัย ", " ตัน/ตร.ม.", " เสาขนาด "};
constexpr Notes kPaperNotes{" หน่วยแรงดันของดินรับ นน.ปลอดภัย = ", " ตัน / ตร.ม.", " เสา(Min)ขนาด "};

// A bar drawn at width 2 reads as a dot of about this size: two screen pixels of pen
// on the window, a fraction of a millimetre on paper. Closer bars would merge.
double leastBarPitch(DrawingMedium m) { return m == DrawingMedium::Screen ? 50 : 40; }

double textWidth(const std::string& s) { return static_cast<double>(penAdvances(s)) * kColumnTwips; }

// The figure being built, with the box its items cover.
class Figure {
public:
    explicit Figure(double dx, double dy) : dx_(dx), dy_(dy) {}

    void text(double x, double y, const std::string& s) {
        page_.text(x + dx_, y + dy_, s, kTextPt);
        cover(x, y);
        cover(x + textWidth(s), y + kTextHeight);
    }
    void line(double x1, double y1, double x2, double y2) {
        page_.line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
        cover(x1, y1);
        cover(x2, y2);
    }
    void box(double x1, double y1, double x2, double y2) {
        line(x1, y1, x2, y1);
        line(x2, y1, x2, y2);
        line(x2, y2, x1, y2);
        line(x1, y2, x1, y1);
    }
    void bar(double x, double y) {
        page_.circle(x + dx_, y + dy_, kBarRadius, kBlack, true);
        cover(x - kBarRadius, y - kBarRadius);
        cover(x + kBarRadius, y + kBarRadius);
    }
    void lineWidth(int w) { page_.lineWidth(w); }

    // A dimension line above a span, ticks at both ends, the figure beside it.
    void dimensionAbove(double xa, double xb, double y0, const std::string& label) {
        const double y = y0 - kDimOffset;
        line(xa, y, xb, y);
        line(xa, y0 - kTickFar, xa, y0 - kTickNear);
        line(xb, y0 - kTickFar, xb, y0 - kTickNear);
        text((xa + xb - textWidth(label)) / 2, y0 - kTickFar - kTextHeight, label);
    }
    // A dimension line below a span, ticks at both ends, the figure centred under it.
    void dimensionBelow(double xa, double xb, double y0, const std::string& label) {
        const double y = y0 + kDimOffset;
        line(xa, y, xb, y);
        line(xa, y0 + kTickNear, xa, y0 + kTickFar);
        line(xb, y0 + kTickNear, xb, y0 + kTickFar);
        text((xa + xb - textWidth(label)) / 2, y0 + kTickFar, label);
    }
    // A dimension line left of a span, the figure to its left.
    void dimensionLeft(double x0, double ya, double yb, const std::string& label) {
        const double x = x0 - kDimOffset;
        line(x, ya, x, yb);
        line(x0 - kTickFar, ya, x0 - kTickNear, ya);
        line(x0 - kTickFar, yb, x0 - kTickNear, yb);
        text(x0 - kTickFar - kLabelGap - textWidth(label), (ya + yb - kTextHeight) / 2, label);
    }

    PageModel& page() { return page_; }
    double minX = 0, minY = 0, maxX = 0, maxY = 0;

private:
    void cover(double x, double y) {
        if (first_) {
            minX = maxX = x;
            minY = maxY = y;
            first_ = false;
            return;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }

    PageModel page_;
    double dx_, dy_;
    bool first_ = true;
};

// The figure at scale k, its plan's top-left corner at (dx, dy).
Figure build(const SpreadFootingResult& r, double k, DrawingMedium medium, double dx, double dy) {
    Figure f(dx, dy);
    const Notes& notes = medium == DrawingMedium::Screen ? kScreenNotes : kPaperNotes;
    const double L = std::max<double>(r.L, 0), B = std::max<double>(r.B, 0);
    const double a = r.a > 0 && std::isfinite(r.a) ? r.a : 0;
    const double t = r.t > 0 && std::isfinite(r.t) ? r.t : 0;
    const bool pad = L >= 1 && B >= 1;  // the pad was sized
    const std::string cm = " ซม.";
    f.lineWidth(1);

    // Plan: the pad, its two dimensions and the stub in its centre.
    if (pad) {
        f.lineWidth(2);
        f.box(0, 0, k * L, k * B);
        if (a > 0) {
            const double c = k * (L - a) / 2;
            f.box(c, c, c + k * a, c + k * a);
        }
        f.lineWidth(1);
        f.dimensionAbove(0, k * L, 0, sheetNum(r.L) + cm);
        f.dimensionLeft(0, 0, k * B, sheetNum(r.B) + cm);
    }
    // Section, right of the plan, its stub rising to the level of the plan's top.
    const std::string depth = sheetNum(r.t) + cm;
    const double xs = pad ? k * L + kFigureGap + kTickFar + kLabelGap + textWidth(depth) : 0;
    const double ys = pad ? kStubRise : 0;  // nothing sized, only the notes: keep them together
    if (pad) {
        f.lineWidth(2);
        f.box(xs, ys, xs + k * L, ys + k * t);
        f.lineWidth(1);
        // The width under the section: above it the stub stands in the way.
        f.dimensionBelow(xs, xs + k * L, ys + k * t, sheetNum(r.L) + cm);
        f.dimensionLeft(xs, ys, ys + k * t, depth);
    }
    const double stubLeft = xs + k * (L - a) / 2, stubRight = stubLeft + k * a;
    if (pad && a > 0) {
        f.lineWidth(2);
        f.line(stubLeft, ys, stubLeft, ys - kStubRise);
        f.line(stubRight, ys, stubRight, ys - kStubRise);
        f.line(stubLeft, ys - kStubRise, stubRight, ys - kStubRise);
        f.lineWidth(1);
    }
    // The stub's note above its top, clear of the plan's width figure.
    const std::string stub = notes.stub + sheetNum(r.a) + " ซม. x " + sheetNum(r.a) + " ซม.";
    const double stubNoteX = pad ? std::max((stubLeft + stubRight - textWidth(stub)) / 2, k * L + kFigureGap) : 0;
    f.text(stubNoteX, -kLabelGap - kTextHeight, stub);
    // The mesh: the long-direction bars along the bottom, the two top bars at the ends.
    if (pad && t > 0 && r.N >= 1) {
        f.lineWidth(2);
        // The mesh lies on its cover above the underside: the bars end-on, and the bar
        // of the other way along them, ending the cover short of each side, upturned
        // in standard hooks where its straight length cannot develop it.
        const double barCm = std::max(0.0, r.db / 10);
        const double y = ys + k * (t - kGroundCover - barCm / 2);
        if (t > kGroundCover + barCm && L > 2 * kGroundCover) {
            const double yl = y - 2 * kBarRadius;
            const double xl = xs + k * kGroundCover, xr = xs + k * (L - kGroundCover);
            f.line(xl, yl, xr, yl);
            if (r.anchorage.hooks) {
                const double rise = std::min(std::max(k * kHookDiameters * barCm, kLeastHookDrawn), k * (t / 2));
                f.line(xl, yl, xl, yl - rise);
                f.line(xr, yl, xr, yl - rise);
            }
        }
        const double first = xs + k * kBarBottom;
        const double spacing = static_cast<double>(r.s);
        int count = r.N;
        double step = 0;
        if (count > 1) {
            const double row = std::isfinite(spacing) && spacing > 0 ? k * spacing * (count - 1) : 0;
            // As many bars as fit side by side, spread over the same row.
            const double room = std::floor(row / leastBarPitch(medium)) + 1;
            count = static_cast<int>(std::clamp(room, 1.0, static_cast<double>(std::min<int>(count, kMaxBarsDrawn))));
            step = count > 1 ? row / (count - 1) : 0;
        }
        for (int i = 0; i < count; ++i) f.bar(first + step * i, y);
        f.bar(first, ys + k * kTopBars);
        if (k * (L - 5) >= leastBarPitch(medium)) f.bar(first + k * (L - 5), ys + k * kTopBars);
        f.lineWidth(1);
    }
    // The bar notes under the section, from the gap beside the plan on: the section's
    // own depth figure stands only at its side, so the notes may use that room.
    const double notesX = pad ? k * L + kFigureGap : 0;
    double y = ys + k * t + (pad ? kTickFar + kTextHeight : 0) + kNoteStep / 2;
    std::vector<std::string> barNotes{" เหล็กรัดรอบ 1-" + sheetNum(r.db) + " มม.",
                                      " ตะแกรงทางสั้น " + sheetNum(r.db) + " มม.จำนวน " + sheetNum(r.Ns) + " เส้น",
                                      " ตะแกรงทางยาว " + sheetNum(r.db) + " มม.จำนวน " + sheetNum(r.N) + " เส้น"};
    if (r.anchorage.hooks) barNotes.emplace_back(kHookNote);
    for (const std::string& note : barNotes) {
        f.text(notesX, y, note);
        y += kNoteStep;
    }

    // The soil under the plan, from the plan's width figure on, when it ends before the
    // section's depth figure; a long note on a small plan goes below the whole figure.
    const std::string soil = notes.soil + sheetNum(r.q) + notes.soilUnit;
    const double soilX = pad ? -(kTickFar + kLabelGap + textWidth(sheetNum(r.B) + cm)) : 0;
    const double sectionLeft = xs - kTickFar - kLabelGap - textWidth(depth);
    if (soilX + textWidth(soil) <= sectionLeft - kFigureGap / 2)
        f.text(soilX, k * B + kNoteStep / 2, soil);
    else
        f.text(soilX, std::max(k * B, y - kNoteStep + kTextHeight) + kNoteStep / 2, soil);
    return f;
}

}  // namespace

double spreadFootingScale(int lengthCm) {
    for (const ScaleBand& b : kScales)
        if (lengthCm > b.above) return b.twipsPerCm;
    return kSmallestScale;
}

PageModel spreadFootingDrawing(const SpreadFootingResult& r, const PageBox& area, DrawingMedium medium,
                               std::optional<PlanOrigin> origin) {
    // The move that places a figure built at the origin: its plan's corner to the
    // given origin, or the whole figure's top-left to the area's.
    auto offset = [&](const Figure& f) {
        return origin ? std::pair{origin->x, origin->y} : std::pair{area.x1 - f.minX, area.y1 - f.minY};
    };
    auto fits = [&](double k) {
        const Figure f = build(r, k, medium, 0, 0);
        const auto [dx, dy] = offset(f);
        return f.minX + dx >= area.x1 && f.maxX + dx <= area.x2 && f.minY + dy >= area.y1 && f.maxY + dy <= area.y2;
    };
    // The table's scale, or the largest smaller one at which the figure fits.
    const double k = largestFittingScale(spreadFootingScale(r.B), fits);
    // An origin the labels cannot keep inside the area gives way to the area's corner.
    if (origin && !(k > 0)) return spreadFootingDrawing(r, area, medium);
    const Figure probe = build(r, k, medium, 0, 0);
    const auto [dx, dy] = offset(probe);
    return build(r, k, medium, dx, dy).page();
}

}  // namespace mx::spreadfooting
