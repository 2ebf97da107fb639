#include "stair/stair_drawing.h"

#include <algorithm>
#include <array>
#include <string>
#include <variant>

#include "common/figure.h"
#include "common/numtext.h"
#include "stair/stair_form.h"

namespace mx::stair {

namespace {

constexpr double kTextPt = 14;
constexpr double kDotRadius = 10;
constexpr int kDotWidth = 3;
// A label's box, estimated without a font: the width of one character cell and the
// line height at 14 pt, generous for CordiaUPC and for the Thai face that stands in.
constexpr TextMeasure kMeasure{105, 380, kTextPt};
constexpr double kMargin = 150;
// A label left of the leader it names ends this far before the leader starts.
constexpr double kLeaderGap = 60;

struct Pt {
    double x, y;
};

// The top surface of the three steps.
constexpr std::array<Pt, 9> kSteps{{{500, 500}, {2000, 500}, {2000, 1300}, {3500, 1300}, {3500, 2100},
                                    {5000, 2100}, {5000, 2900}, {6500, 2900}, {6500, 3700}}};

// Folded plate: soffit parallel to the steps, zig-zag top and bottom bars hooked at
// each fold, and a bar in every corner.
constexpr std::array<Pt, 10> kFoldedSoffit{{{500, 1100}, {1400, 1100}, {1400, 1900}, {2900, 1900}, {2900, 2700},
                                            {4400, 2700}, {4400, 3500}, {5900, 3500}, {5900, 4300}, {6500, 4300}}};
constexpr std::array<Pt, 18> kFoldedTopBar{{{500, 600},   {1900, 600},  {1900, 1700}, {1600, 1700}, {1600, 1400},
                                            {3400, 1400}, {3400, 2500}, {3100, 2500}, {3100, 2200}, {4900, 2200},
                                            {4900, 3300}, {4600, 3300}, {4600, 3000}, {6400, 3000}, {6400, 4100},
                                            {6100, 4100}, {6100, 3800}, {6500, 3800}}};
constexpr std::array<Pt, 18> kFoldedBottomBar{{{500, 1000},  {1800, 1000}, {1800, 700},  {1500, 700},  {1500, 1800},
                                               {3300, 1800}, {3300, 1500}, {3000, 1500}, {3000, 2600}, {4800, 2600},
                                               {4800, 2300}, {4500, 2300}, {4500, 3400}, {6300, 3400}, {6300, 3100},
                                               {6000, 3100}, {6000, 4200}, {6500, 4200}}};
constexpr std::array<Pt, 8> kFoldedCornerDots{
    {{1800, 700}, {1600, 1700}, {3300, 1500}, {3100, 2500}, {4800, 2300}, {4600, 3300}, {6300, 3100}, {6100, 4100}}};

// Flat soffit: the top bar follows the steps, the bottom bar the soffit.
constexpr std::array<Pt, 10> kFlatTopBar{{{500, 600}, {1900, 600}, {1900, 1400}, {3400, 1400}, {3400, 2200},
                                          {4900, 2200}, {4900, 3000}, {6400, 3000}, {6400, 3800}, {6500, 3800}}};
constexpr std::array<Pt, 8> kFlatTopDots{
    {{1900, 600}, {1900, 1400}, {3400, 1400}, {3400, 2200}, {4900, 2200}, {4900, 3000}, {6400, 3000}, {6400, 3800}}};
constexpr std::array<Pt, 9> kFlatBottomDots{{{500, 1000}, {1200, 1400}, {2000, 1800}, {2700, 2200}, {3500, 2600},
                                             {4200, 3000}, {5000, 3400}, {5700, 3800}, {6500, 4200}}};

template <std::size_t N>
void polyline(PageModel& p, const std::array<Pt, N>& pts, std::uint32_t color = kBlack) {
    for (std::size_t i = 1; i < N; ++i) p.line(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, color);
}

template <std::size_t N>
void dots(PageModel& p, const std::array<Pt, N>& pts) {
    p.lineWidth(kDotWidth);
    for (const Pt& c : pts) p.circle(c.x, c.y, kDotRadius, kRed);
    p.lineWidth(1);
}

void label(PageModel& p, double x, double y, const std::string& s) { p.text(x, y, s, kTextPt); }

// A label at x, moved left where it would otherwise run into the leader starting at
// leaderX on its line.
void labelBefore(PageModel& p, double x, double y, double leaderX, const std::string& s) {
    label(p, std::min(x, leaderX - kLeaderGap - kMeasure.width(s)), y, s);
}

// Labels set their values as plain decimal text after one blank, so the bar label at
// the left ends before the leader it names.
std::string barLabel(std::int16_t size, Fixed spacing, const char* end = "  ม.") {
    return " " + numText(size) + " มม. @ " + numText(spacing) + end;
}

// The figure in its own twips, as the window draws it at full size.
PageModel figure(const StairDesignResult& r) {
    PageModel p;
    p.lineWidth(1);
    polyline(p, kSteps);

    // Tread and riser dimensions.
    p.line(2000, 0, 2000, 400);
    p.line(3500, 0, 3500, 400);
    p.line(2000, 200, 3500, 200);
    label(p, 2500, 200, " " + numText(r.T) + " ซม.");
    p.line(6600, 2100, 7000, 2100);
    p.line(6600, 2900, 7000, 2900);
    p.line(6800, 2100, 6800, 2900);
    label(p, 6800, 2400, " " + numText(r.Rs) + " ซม.");

    if (r.stairType == kFlatAcross)
        label(p, 2500, 4300, "ความกว้างบันได = " + sheetNum(r.L) + " ม.");
    else if (r.stairType == kFlatAlong || r.stairType == kFoldedPlate)
        label(p, 2500, 4300, "ช่วงห่างระหว่างคานรับบันได = " + sheetNum(r.L) + " ม.");
    label(p, 2500, 4600, "ความหนาพื้นบันได = " + sheetNum(r.t) + " ซม.");
    const StairTypeInfo* type = stairTypeInfo(r.stairType);
    label(p, 2500, 4900, type ? type->typeCaption : kNoTypeCaption);

    // Bars exist once the design has counted them.
    const bool mainBars = r.countMain >= 1;
    const bool tempBars = r.countTemp >= 1;

    if (r.stairType == kFoldedPlate) {
        p.line(3300, 1500, 3950, 800);
        p.line(3950, 800, 5000, 800);
        p.line(3100, 2500, 4600, 800);
        label(p, 5000, 700, " 1 - 9 มม.ทุกมุม");
        p.line(4200, 2200, 4800, 1500);
        p.line(4800, 1500, 5200, 1500);
        label(p, 5200, 1400, barLabel(r.mainBar, r.sMain));
        p.line(3500, 2600, 3500, 3500);
        p.line(2300, 3500, 3500, 3500);
        labelBefore(p, 800, 3400, 2300, barLabel(r.mainBar, r.sMain, " ม."));
        polyline(p, kFoldedSoffit);
        if (mainBars) {
            polyline(p, kFoldedTopBar, kRed);
            polyline(p, kFoldedBottomBar, kRed);
            dots(p, kFoldedCornerDots);
        }
    } else {
        p.line(500, 1100, 6500, 4300);
        // Spanning across its width (type 1, and a stair of no type, which the design
        // works as type 1) the main bars cross this section and the shrinkage bars run
        // along it; spanning along the flight (type 2) the other way round.
        const bool across = r.stairType != kFlatAlong;
        if (across ? tempBars : mainBars) {
            polyline(p, kFlatTopBar, kRed);
            p.line(500, 1000, 6500, 4200, kRed);
        }
        p.line(3400, 1400, 3900, 800);
        p.line(3900, 800, 5000, 800);
        p.line(3400, 2200, 4600, 800);
        label(p, 5000, 700, " 1 - 9 มม.ทุกมุม");
        p.line(4200, 2200, 4800, 1500);
        p.line(4800, 1500, 5200, 1500);
        p.line(4600, 3200, 4600, 4000);
        p.line(4200, 4000, 4600, 4000);
        p.line(2700, 2200, 2700, 3500);
        p.line(3500, 2600, 3500, 3500);
        p.line(2300, 3500, 3500, 3500);
        if (r.stairType == kFlatAcross || r.stairType == kFlatAlong) {
            // Across its width the main bars cross this section; along the flight the
            // temperature bars do.
            const bool along = r.stairType == kFlatAlong;
            const std::string lengthwise = along ? barLabel(r.mainBar, r.sMain) : barLabel(r.tempBar, r.sTemp);
            label(p, 5200, 1400, lengthwise);
            labelBefore(p, 2700, 3900, 4200, lengthwise);
            labelBefore(p, 800, 3400, 2300,
                        along ? barLabel(r.tempBar, r.sTemp, " ม.") : barLabel(r.mainBar, r.sMain, " ม."));
        }
        if (across ? mainBars : tempBars) {
            dots(p, kFlatTopDots);
            dots(p, kFlatBottomDots);
        }
    }

    // Thickness of the waist slab (or plate).
    p.line(6600, 3700, 7000, 3700);
    p.line(6600, 4300, 7000, 4300);
    p.line(6800, 3700, 6800, 4300);
    label(p, 6800, 3900, " " + numText(r.t) + " ซม.");
    p.lineWidth(1);
    return p;
}

// The figure above is drawn for treads of 1500 twips and risers of 800. The steps are
// put at their own proportion by stretching it: a stair steeper than that gets taller
// risers, a shallower one wider treads. Only ever stretching keeps every label as clear
// of the others and of the lines as the figure has them; what lies above the first
// tread (the tread's dimension) and left of the flight's start stays where it is.
constexpr double kDrawnTread = 1500, kDrawnRiser = 800;
constexpr double kFlightTop = 500, kFlightLeft = 500;
// Beyond these proportions (no stair the form lets through comes near them) the steps
// are drawn at the bound, so the labels never shrink to nothing on the page.
constexpr double kFlattest = 0.1, kSteepest = 2;

struct Stretch {
    double sx = 1, sy = 1;
    double x(double v) const { return v < kFlightLeft ? v : kFlightLeft + (v - kFlightLeft) * sx; }
    double y(double v) const { return v < kFlightTop ? v : kFlightTop + (v - kFlightTop) * sy; }
};

Stretch stepStretch(const StairDesignResult& r) {
    const double T = r.T.toDouble(), Rs = r.Rs.toDouble();
    if (!(T > 0 && Rs > 0)) return {};  // no steps sized yet: the figure as it is
    const double ratio = std::clamp(Rs / T, kFlattest, kSteepest);
    const double drawn = kDrawnRiser / kDrawnTread;
    return ratio >= drawn ? Stretch{1, ratio / drawn} : Stretch{drawn / ratio, 1};
}

PageModel stretched(const PageModel& figure, const Stretch& s) {
    return edited(figure, [&s](PageItem& item) {
        if (auto* t = std::get_if<PageText>(&item)) {
            t->x = s.x(t->x), t->y = s.y(t->y);
        } else if (auto* l = std::get_if<PageLine>(&item)) {
            l->x1 = s.x(l->x1), l->y1 = s.y(l->y1), l->x2 = s.x(l->x2), l->y2 = s.y(l->y2);
        } else if (auto* c = std::get_if<PageCircle>(&item)) {
            c->x = s.x(c->x), c->y = s.y(c->y);
        }
    });
}

}  // namespace

PageModel stairDrawing(const StairDesignResult& r, const PageBox& area) {
    const PageModel native = stretched(figure(r), stepStretch(r));
    // A narrow margin inside the area keeps the figure off the surface's edge.
    const double margin = std::min({kMargin, (area.x2 - area.x1) / 20, (area.y2 - area.y1) / 20});
    const PageBox inner{area.x1 + margin, area.y1 + margin, area.x2 - margin, area.y2 - margin};
    if (!(inner.x2 > inner.x1 && inner.y2 > inner.y1)) return PageModel();  // no room: nothing to draw
    // Never enlarged: on the window the figure keeps its own twips, on paper it is
    // shrunk only when the box is smaller than the figure.
    return fitFigure(native, figureBounds(native, kMeasure), inner, Across::Left);
}

}  // namespace mx::stair
