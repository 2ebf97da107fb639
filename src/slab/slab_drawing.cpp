#include "slab/slab_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "common/figure.h"
#include "common/numtext.h"

namespace mx::slab {

namespace {

// The figure is laid out at screen scale (twips on a 96 dpi surface) from the base
// values of the window, then scaled down and moved to fit the box it is drawn in.
struct Base {
    double left, right, top;
};
constexpr Base kCantileverBase{1500, 5500, 2000};
constexpr Base kTwoWayBase{500, 6500, 2000};

constexpr double kLabelPt = 14;
constexpr double kSlabDepth = 400;      // drawn thickness of the slab (schematic)
constexpr double kBeamWidth = 400;      // supporting beams
constexpr double kBeamDepth = 1000;     // from the top of the slab
constexpr double kCover = 80;           // bar line inside the concrete face
constexpr double kBarPitch = 250;       // bar sections in a row
constexpr double kBarRadius = 40;
constexpr double kContinuation = 300;   // slab drawn past a continuous support
constexpr double kBackSpan = 1500;      // interior slab behind a cantilever's beam
constexpr double kHook = 200;           // hooks at the bar ends
constexpr double kTick = 100;           // half the length of a dimension tick
constexpr double kExtraBarDrop = 70;    // extra top bar drawn just below the bent-up bar

constexpr std::uint32_t kBarColor = kRed;
constexpr std::uint32_t kDimColor = kBlue;

// Texts of the labels.
std::string thicknessLabel(const SlabDesignResult& r) { return " " + sheetNum(r.t) + " ซม."; }
std::string spanLabel(const SlabDesignResult& r) { return "ระยะกว้างทางสั้น = " + sheetNum(r.S) + " ม."; }
std::string barLabel(double size, std::int16_t spacing) {
    return " " + sheetNum(size) + " มม. @ " + sheetNum(spacing) + " ซม.";
}

// S / 4 held to four decimals as the cut-off S / 5 is, so both labels read alike.
double quarterSpan(double S) {
    const double q = S / 4.0;
    if (!std::isfinite(q)) return 0;
    if (std::fabs(q) >= 1e11) return q;
    return std::nearbyint(q * 10000.0) / 10000.0;
}
std::string quarterLabel(const SlabDesignResult& r) { return "L/4 = " + sheetNum(quarterSpan(r.S)) + " ม."; }
std::string fifthLabel(const SlabDesignResult& r) { return "L/5 = " + sheetNum(r.cutOff) + " ม."; }

// A dimension line with end ticks.
void dimension(PageModel& p, double x1, double y, double x2) {
    p.lineWidth(1);
    p.line(x1, y, x2, y, kDimColor);
    p.line(x1, y - kTick, x1, y + kTick, kDimColor);
    p.line(x2, y - kTick, x2, y + kTick, kDimColor);
}
void verticalDimension(PageModel& p, double x, double y1, double y2) {
    p.lineWidth(1);
    p.line(x, y1, x, y2, kDimColor);
    p.line(x - kTick, y1, x + kTick, y1, kDimColor);
    p.line(x - kTick, y2, x + kTick, y2, kDimColor);
}
void leader(PageModel& p, double x1, double y1, double x2, double y2) {
    p.lineWidth(1);
    p.line(x1, y1, x2, y2);
}
// A zig-zag across the slab where the drawing breaks off a slab that goes on.
void breakMark(PageModel& p, double x, double top) {
    const double d = kSlabDepth / 4;
    p.line(x, top, x - 60, top + d);
    p.line(x - 60, top + d, x + 60, top + 3 * d);
    p.line(x + 60, top + 3 * d, x, top + kSlabDepth);
}
// A row of bar sections (bars seen end on) at the fixed pitch between x1 and x2.
// Returns the x of the section nearest to `near`, for a leader.
double barRow(PageModel& p, double x1, double x2, double y, double near) {
    double best = x1;
    for (double x = x1; x <= x2 + 0.5; x += kBarPitch) {
        p.circle(x, y, kBarRadius, kBarColor, true);
        if (std::fabs(x - near) < std::fabs(best - near)) best = x;
    }
    return best;
}

// The cantilever: a projection from the supporting beam, the main bars at the top
// (they carry the cantilever moment), bottom bars, and a row of distribution bars
// along the slab under the main bars.
void cantilever(PageModel& p, const SlabDesignResult& r) {
    const Base b = kCantileverBase;
    const double top = b.top, bottom = top + kSlabDepth;
    const double face = b.left + kBeamWidth;  // face of the beam the slab projects from
    const double back = b.left - kBackSpan;   // where the drawing breaks off the back span
    const double projection = b.right - face;
    const double quarter = projection / 4, fifth = projection / 5;

    p.lineWidth(2);
    p.line(back, top, b.right, top);
    p.line(b.right, top, b.right, bottom);
    p.line(b.right, bottom, face, bottom);
    p.line(face, bottom, face, top + kBeamDepth);
    p.line(face, top + kBeamDepth, b.left, top + kBeamDepth);
    p.line(b.left, top + kBeamDepth, b.left, bottom);
    p.line(b.left, bottom, back, bottom);
    breakMark(p, back, top);

    // Main top bars (-As1, size 3 @ s3): anchored into the back span by L/4 from the
    // beam, hooked down at the free end.
    const double barTop = top + kCover;
    if (r.s3 > 0) {
        p.lineWidth(2);
        p.line(b.left - quarter, barTop + kHook, b.left - quarter, barTop, kBarColor);
        p.line(b.left - quarter, barTop, b.right - kCover, barTop, kBarColor);
        p.line(b.right - kCover, barTop, b.right - kCover, bottom - kCover, kBarColor);
    }
    p.text(2500, 700, barLabel(r.barSize[2], r.s3), kLabelPt);
    leader(p, 3500, 700 + slabTextHeight(kLabelPt), 3500, barTop);

    // Bottom bars (+As, size 1 @ s1) along the projection into the beam.
    const double barBottom = bottom - kCover;
    if (r.s1 > 0) {
        p.lineWidth(2);
        p.line(b.left + kBeamWidth / 2, barBottom, b.right - kCover, barBottom, kBarColor);
    }
    const double row1 = bottom + 100, row2 = bottom + 400;
    p.text(2000, row1, barLabel(r.barSize[0], r.s1), kLabelPt);
    leader(p, 2050, barBottom, 2050, row1);

    // Distribution bars (size 2 @ s2), end on, under the main bars.
    const double rowY = barTop + kBarRadius + 60;
    double lead = 4650;
    if (r.s2 > 0) {
        p.lineWidth(2);
        lead = barRow(p, back + kBarPitch / 2, b.right - kCover - kBarRadius, rowY, lead);
    }
    p.text(lead - 50, row2, barLabel(r.barSize[1], r.s2), kLabelPt);
    leader(p, lead, rowY, lead, row2);

    // Extent of the top bars into the back span.
    dimension(p, b.left - quarter, 1500, b.left);
    p.text(b.left + 80, 1350, quarterLabel(r), kLabelPt);
    dimension(p, b.left - fifth, 1800, b.left);
    p.text(b.left + 80, 1650, fifthLabel(r), kLabelPt);

    // The projection and the thickness at the free end.
    const double spanY = top + kBeamDepth + 250;
    dimension(p, b.left + kBeamWidth / 2, spanY, b.right);
    p.text(2400, spanY + 100, spanLabel(r), kLabelPt);
    verticalDimension(p, b.right + 150, top, bottom);
    p.text(b.right + 250, top + kSlabDepth / 2 - 180, thicknessLabel(r), kLabelPt);
}

// The two-way panel between its beams. A continuous edge (the far edge of an end
// panel, both edges of an interior one) has bent-up bars rising at L/5 and extra top
// bars to L/4, both of size 4 @ s4; the outer edge of an end panel has extra top bars
// of size 3 @ s3 to L/5, hooked into the edge beam. A single span has no top bars.
void twoWay(PageModel& p, const SlabDesignResult& r) {
    const Base b = kTwoWayBase;
    const double top = b.top, bottom = top + kSlabDepth;
    const bool leftContinuous = r.continuityCase >= kInteriorSpan;
    const bool rightContinuous = r.continuityCase >= kEndSpan;
    const bool outerEdge = r.continuityCase == kEndSpan;
    const double faceL = b.left + kBeamWidth, faceR = b.right - kBeamWidth;
    const double leftEnd = leftContinuous ? b.left - kContinuation : b.left;
    const double rightEnd = rightContinuous ? b.right + kContinuation : b.right;
    const double span = (b.right - kBeamWidth / 2) - (b.left + kBeamWidth / 2);
    const double quarter = span / 4, fifth = span / 5;

    p.lineWidth(2);
    p.line(leftEnd, top, rightEnd, top);
    p.line(faceL, bottom, faceR, bottom);
    // Beams, and the slab beyond a continuous one.
    p.line(b.left, leftContinuous ? bottom : top, b.left, top + kBeamDepth);
    p.line(b.left, top + kBeamDepth, faceL, top + kBeamDepth);
    p.line(faceL, top + kBeamDepth, faceL, bottom);
    p.line(b.right, rightContinuous ? bottom : top, b.right, top + kBeamDepth);
    p.line(b.right, top + kBeamDepth, faceR, top + kBeamDepth);
    p.line(faceR, top + kBeamDepth, faceR, bottom);
    if (leftContinuous) {
        p.line(leftEnd, bottom, b.left, bottom);
        breakMark(p, leftEnd, top);
    }
    if (rightContinuous) {
        p.line(b.right, bottom, rightEnd, bottom);
        breakMark(p, rightEnd, top);
    }

    // Bottom short bars (+As, size 1 @ s1) from beam to beam, hooked up at the ends.
    const double barTop = top + kCover, barBottom = bottom - kCover;
    const double anchorL = b.left + kBeamWidth / 2, anchorR = b.right - kBeamWidth / 2;
    if (r.s1 > 0) {
        p.lineWidth(2);
        p.line(anchorL, barBottom - kHook, anchorL, barBottom, kBarColor);
        p.line(anchorL, barBottom, anchorR, barBottom, kBarColor);
        p.line(anchorR, barBottom, anchorR, barBottom - kHook, kBarColor);
    }
    // Both bottom labels stay between the beams: the first row's ends before the
    // second row's leader.
    const double row1 = bottom + 50, row2 = bottom + 350;
    p.text(1050, row1, barLabel(r.barSize[0], r.s1), kLabelPt);
    leader(p, 1000, barBottom, 1000, row1 + slabTextHeight(kLabelPt) / 2);

    // Bottom long bars (Ast, size 2 @ s2), end on, on the short bars.
    const double rowY = barBottom - kBarRadius - 50;
    double lead = 3300;
    if (r.s2 > 0) {
        p.lineWidth(2);
        lead = barRow(p, faceL + kBarPitch / 2, faceR - kBarPitch / 2, rowY, lead);
    }
    p.text(lead + 50, row2, barLabel(r.barSize[1], r.s2), kLabelPt);
    leader(p, lead, rowY, lead, row2 + slabTextHeight(kLabelPt) / 2);

    // Top bars over a continuous support: the bent-up bar rises from the bottom at L/5
    // and runs over the beam into the next panel; the extra bar reaches L/4.
    auto continuousEdge = [&](double face, double end, double dir) {
        // dir is +1 towards the right-hand support, -1 towards the left-hand one.
        const double rise = barBottom - barTop;
        p.lineWidth(2);
        p.line(face - dir * (fifth + rise), barBottom, face - dir * fifth, barTop, kBarColor);
        p.line(face - dir * fifth, barTop, end - dir * kCover, barTop, kBarColor);
        p.line(face - dir * quarter, barTop + kExtraBarDrop, end - dir * kCover, barTop + kExtraBarDrop, kBarColor);
    };
    const bool bar4 = r.s4 > 0;
    if (rightContinuous && bar4) continuousEdge(faceR, rightEnd, +1);
    if (leftContinuous && bar4) continuousEdge(faceL, leftEnd, -1);
    if (rightContinuous) {
        p.text(4300, 600, barLabel(r.barSize[3], r.s4), kLabelPt);
        const double x = faceR - (quarter + fifth) / 2;
        leader(p, x, 600 + slabTextHeight(kLabelPt), x, barTop + kExtraBarDrop);
    }

    // Extra top bars at the outer edge of an end panel, hooked into the edge beam.
    if (outerEdge) {
        if (r.s3 > 0) {
            p.lineWidth(2);
            p.line(anchorL, barTop + kBeamDepth / 2, anchorL, barTop, kBarColor);
            p.line(anchorL, barTop, faceL + fifth, barTop, kBarColor);
            p.line(faceL + fifth, barTop, faceL + fifth, barTop + kHook / 2, kBarColor);
        }
        p.text(100, 600, barLabel(r.barSize[2], r.s3), kLabelPt);
        leader(p, anchorL, 600 + slabTextHeight(kLabelPt), anchorL, barTop);
    }

    // Extent of the top bars from the left support; a single span has none to measure.
    if (r.continuityCase != kSingleSpan) {
        dimension(p, faceL, 1150, faceL + quarter);
        p.text(faceL + quarter + 80, 1000, quarterLabel(r), kLabelPt);
        dimension(p, faceL, 1550, faceL + fifth);
        p.text(faceL + fifth + 80, 1400, fifthLabel(r), kLabelPt);
    }

    // The short span, beam centre to beam centre, and the thickness.
    const double spanY = top + kBeamDepth + 250;
    dimension(p, anchorL, spanY, anchorR);
    p.text(2400, spanY + 100, spanLabel(r), kLabelPt);
    verticalDimension(p, rightEnd + 150, top, bottom);
    p.text(rightEnd + 250, top + kSlabDepth / 2 - 180, thicknessLabel(r), kLabelPt);
}

// The printed Thai font: about 0.33 of the point size per character on average;
// 0.45 leaves room for wide digits and Latin capitals. A line is 1.3 times its size.
constexpr TextMeasure kMeasure{0.45 * 14 * 20, 1.3 * 14 * 20};

}  // namespace

double slabTextHeight(double sizePt) { return kMeasure.height(sizePt); }

double slabTextWidthEstimate(const PageText& t) { return kMeasure.width(t.text, t.sizePt); }

bool slabHasFigure(const SlabDesignResult& r) { return r.slabKind != kNoSlabKind && r.S > 0 && r.t > 0; }

PageModel slabDrawing(const SlabDesignResult& r, const PageBox& area) {
    PageModel figure;
    if (r.slabKind == kCantilever)
        cantilever(figure, r);
    else
        twoWay(figure, r);

    // Never enlarged, shrunk to the box when it is smaller, centred across it and
    // starting at its top.
    return fitFigure(figure, figureBounds(figure, kMeasure), area, Across::Centre);
}

}  // namespace mx::slab
