#include "beam/beam_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/numtext.h"

namespace mx::beam {

namespace {

constexpr double kTextPt = 14;
constexpr double kBarRadius = 10;

struct SectionOrigin {
    double x, y;
};
constexpr SectionOrigin kScreenOrigin{500, 2500};
constexpr SectionOrigin kSheetOrigin{9000, 8500};
// The pitch of the notes beside the section: two notes closer than one line print
// over each other.
constexpr double kNoteLine = 300;
// How far the lowest text of the elevation (the overhang note) reaches below the beam,
// and how far the section's width figure stands above the section.
constexpr double kElevationFoot = 900;
constexpr double kWidthFigure = 550;
// The rows a 14 pt figure takes from its top.
constexpr double kFigureRows = 380;
// The room the elevation may take of the surface: its length leaves space before it
// and for the far reaction's figure after it, its height leaves room for the section
// below.
constexpr double kElevationStart = 1000, kReactionRoom = 2000;
constexpr double kElevationHeight = 3000;
// Where the section's notes begin at the latest, so they have room on the surface:
// the longest of them (the stirrups with a spacing of four decimals, or the side bars)
// is about 5,000 twips at 14 pt.
constexpr double kNotesRoom = 5400;
// The printed section's room: to the printable width, and above the page text.
constexpr double kSheetRight = 11240, kSheetBottom = 14700;

// What the drawing shows at each face. A cantilever carries its tension at the top,
// so its tension bars are drawn there; this exchange belongs to the picture only.
struct Faces {
    int topDia, topCount, topPerLayer;
    int bottomDia, bottomCount, bottomPerLayer;
};

Faces facesOf(const BeamDesignResult& r) {
    Faces f{r.topBarDia, r.topBarCount, r.topBarsPerLayer, r.bottomBarDia, r.bottomBarCount, r.bottomBarsPerLayer};
    if (f.bottomPerLayer <= 0) f.bottomPerLayer = 1;
    if (r.beamType == kCantilever) {
        std::swap(f.topDia, f.bottomDia);
        std::swap(f.topCount, f.bottomCount);
        std::swap(f.topPerLayer, f.bottomPerLayer);
    }
    return f;
}

// A row of n bars from the stirrup line on one side to the stirrup line on the other.
void barRow(PageModel& p, double x0, double y, double s, int b, int n) {
    if (n <= 0) return;
    // No more circles than fit side by side along the row at this scale; a count
    // beyond that is a full row (the note beside the section gives the number).
    const double room = s * (b - 5);
    n = static_cast<int>(std::min<double>(n, room > 0 ? std::floor(room / (2 * kBarRadius)) + 1 : 1));
    const double start = x0 + 2.5 * s;
    const double step = n > 1 ? s * (b - 5) / (n - 1) : 0.0;
    for (int i = 0; i < n; ++i) p.circle(start + step * i, y, kBarRadius);
}

bool hasSection(const BeamDesignResult& r) { return r.width > 0 && r.depth > 0; }

// Outline, dimension lines, stirrup and bars of the cross-section.
void section(PageModel& p, const BeamDesignResult& r, const Faces& f, SectionOrigin o, double s, bool printer) {
    const double x0 = o.x, y0 = o.y, x1 = x0 + s * r.width, y1 = y0 + s * r.depth;
    const double depthX = printer ? x0 - 1100 : std::max(x0 - 650, 0.0), depthY = (y0 + y1) / 2 - 150;
    // The lines of text that run towards the section from the left (on the sheet) and
    // the depth figure end before its dimension lines; the printer condenses them. On
    // the sheet the depth figure's own place is kept clear of the text column too.
    p.keepClear(x0 - (printer ? 300 : 200), y0 - kWidthFigure, x1, y1);
    if (printer) p.keepClear(depthX, depthY, x0 - 300, depthY + kFigureRows);
    p.box(x0, y0, x1, y1);

    const std::string unit = printer ? " ซม." : "";
    p.line(x0, y0 - 200, x1, y0 - 200);
    p.line(x0, y0 - 300, x0, y0 - 100);
    p.line(x1, y0 - 300, x1, y0 - 100);
    p.text((x0 + x1) / 2 - 300, y0 - kWidthFigure, sheetNum(r.width) + unit, kTextPt);
    p.line(x0 - 200, y0, x0 - 200, y1);
    p.line(x0 - 300, y0, x0 - 100, y0);
    p.line(x0 - 300, y1, x0 - 100, y1);
    // Left of its dimension line. On the window the section sits near the edge, so the
    // figure goes without its blanks there: three digits still end before the line.
    p.text(depthX, depthY, printer ? sheetNum(r.depth) + unit : numText(r.depth), kTextPt);

    const double c = 2.5 * s;  // 2.5 cm of cover to the stirrup
    p.line(x0 + c, y0 + c, x1 - c, y0 + c, kRed);
    p.line(x1 - c, y0 + c, x1 - c, y1 - c, kRed);
    p.line(x1 - c, y1 - c, x0 + c, y1 - c, kRed);
    p.line(x0 + c, y1 - c, x0 + c, y0 + c, kRed);

    p.lineWidth(printer ? 10 : 3);
    const BarRows bottom = splitBarRows(f.bottomPerLayer, f.bottomCount);
    barRow(p, x0, y1 - 2.5 * s, s, r.width, bottom.row1);
    barRow(p, x0, y1 - 6 * s, s, r.width, bottom.row2);
    barRow(p, x0, y1 - 10 * s, s, r.width, bottom.row3);
    const BarRows top = splitBarRows(f.topPerLayer, f.topCount);
    barRow(p, x0, y0 + 2.5 * s, s, r.width, top.row1);
    barRow(p, x0, y0 + 6 * s, s, r.width, top.row2);
    barRow(p, x0, y0 + 10 * s, s, r.width, top.row3);
    p.lineWidth(1);
}

// A support: a triangle under the end of the beam, 100 twips either side of it.
void support(PageModel& p, double x, double yb) {
    p.line(x, yb, x - 100, yb + 600);
    p.line(x - 100, yb + 600, x + 100, yb + 600);
    p.line(x + 100, yb + 600, x, yb);
}

void dimensionAcross(PageModel& p, double xa, double xb, double y, const std::string& label) {
    p.line(xa, y, xb, y);
    p.line(xa, y - 100, xa, y + 100);
    p.line(xb, y - 100, xb, y + 100);
    p.text((xa + xb) / 2 - 250, std::max(y - 330, 0.0), label, kTextPt);
}

// The elevation: the beam between its supports, the reactions, the span and depth
// dimensions, and the overhang of type 4.
void elevation(PageModel& p, const BeamDesignResult& r, double k, double xe, double yb) {
    p.box(1000, 500, xe, yb);
    if (r.beamType == kCantilever)
        p.circle(1000, yb, 15, kBlack, true);
    else
        support(p, 1000, yb);
    support(p, xe, yb);
    // Each reaction beside its support, within the supports' height, so a deep beam's
    // labels stay clear of the section drawn below.
    p.text(1150, yb + 250, "R1=" + sheetNum(r.reaction1), kTextPt);
    p.text(xe + 150, yb + 250, "R2=" + sheetNum(r.reaction2), kTextPt);
    dimensionAcross(p, 1000, xe, 300, sheetNum(100.0 * r.spanLength));
    p.line(800, 500, 800, yb);
    p.line(700, 500, 900, 500);
    p.line(700, yb, 900, yb);
    p.text(800, (500 + yb) / 2 - 150, "          " + sheetNum(r.depth), kTextPt);
    if (r.beamType == kOverhang) {
        const double xo = xe + k * 100.0 * r.overhangLength;
        p.line(xe, 500, xo, 500);
        p.line(xo, 500, xo, yb);
        p.line(xo, yb, xe, yb);
        dimensionAcross(p, xe, xo, 300, sheetNum(100.0 * r.overhangLength));
        p.text(xe + 150, yb + 550, "คานยื่นยังไม่ได้คำนวณ", kTextPt, false, kBlue);
    }
}

}  // namespace

int beamLengthScale(double spanMetres) {
    if (spanMetres > 13) return 3;
    if (spanMetres > 10) return 4;
    if (spanMetres > 6.5) return 5;
    return 7;
}

int beamSectionScale(int d, bool printer) {
    if (d >= 171) return 15;
    if (d >= 141) return 20;
    if (d >= (printer ? 116 : 121)) return 25;
    if (d >= 106) return 30;
    if (d >= 81) return 35;
    if (d >= 61) return 40;
    return 50;
}

BarRows splitBarRows(int barsPerLayer, int barCount) {
    BarRows r;
    r.row1 = std::min(barsPerLayer, barCount);
    r.row2 = std::max(barCount - r.row1, 0);
    if (r.row2 == 1) {
        r.row2 = 2;
        r.row1 -= 1;
    }
    if (r.row2 > r.row1) {
        r.row3 = r.row2 - r.row1;
        r.row2 = r.row1;
        if (r.row3 == 1) r.row3 = 2;
    }
    r.row1 = std::max(r.row1, 0);
    return r;
}

PageModel beamDrawing(const BeamDesignResult& r, const PageBox& area) {
    PageModel p;
    const Faces f = facesOf(r);

    // Elevation: a beam without span or depth (no Calculate yet) shows nothing, rather
    // than its labels piled on one another at the origin.
    // A beam longer or deeper than the scale bands foresee is drawn smaller, so the
    // elevation stays on the surface whatever was typed.
    double k = beamLengthScale(r.spanLength);
    const double length = 100.0 * (r.spanLength + (r.beamType == kOverhang ? std::fabs(r.overhangLength) : 0.0));
    if (length > 0) k = std::min(k, std::max(area.x2 - kElevationStart - kReactionRoom, 0.0) / length);
    if (r.depth > 0) k = std::min(k, kElevationHeight / r.depth);
    const double xe = 1000 + k * 100.0 * r.spanLength;
    const double yb = 500 + k * r.depth;
    if (r.spanLength > 0 && r.depth > 0) elevation(p, r, k, xe, yb);
    if (!hasSection(r)) return p;

    // Cross-section and its reinforcement notes. A deep beam's elevation reaches below
    // the section's usual place; the section then moves down clear of it.
    SectionOrigin o = kScreenOrigin;
    if (r.spanLength > 0) o.y = std::max(o.y, yb + kElevationFoot + kWidthFigure);
    const double s = std::min({static_cast<double>(beamSectionScale(r.depth, false)),
                               std::max(area.y2 - kNoteLine - o.y, 0.0) / r.depth,
                               std::max(area.x2 - kNotesRoom - o.x, 0.0) / r.width});
    section(p, r, f, o, s, false);
    const double x1 = o.x + s * r.width, y0 = o.y, y1 = y0 + s * r.depth;
    p.text(x1, y0, "  เหล็กเสริมบนขนาด= " + sheetNum(f.topDia) + " มม.จำนวน " + sheetNum(f.topCount) + " เส้น", kTextPt);
    // The bottom-bar note stands on the third bar row, but at least a line above the
    // stirrup note: in a deep beam drawn small the row is too close to the bottom.
    p.text(x1, std::min(y1 - 10 * s, y1 - kNoteLine),
           "  เหล็กเสริมล่าง= " + sheetNum(f.bottomDia) + " มม.จำนวน " + sheetNum(f.bottomCount) + " เส้น", kTextPt);
    p.text(x1, y1,
           "  ใช้เหล็กปลอก " + sheetNum(r.stirrupSets) + " ป.ขนาด=" + sheetNum(r.stirrupDia) + " มม.ระยะห่าง @ " +
               sheetNum(r.stirrupSpacing) + " ซม.",
           kTextPt);
    if (r.depth >= 61)
        p.text(x1, y0 + s * r.depth / 2.0,
               " เสริมเหล็กนอน 2-" + sheetNum(f.topDia) + " มม.ช่วยยึดเหล็กปลอกที่กึ่งกลางคาน", kTextPt);
    return p;
}

bool beamHasFigure(const BeamDesignResult& r) { return r.depth > 0 && (r.spanLength > 0 || r.width > 0); }

PageModel beamPrintedSection(const BeamDesignResult& r) {
    PageModel p;
    if (!hasSection(r)) return p;
    // A section too large for its place at its band's scale is drawn smaller.
    const double s = std::min({static_cast<double>(beamSectionScale(r.depth, true)),
                               (kSheetRight - kSheetOrigin.x) / r.width, (kSheetBottom - kSheetOrigin.y) / r.depth});
    section(p, r, facesOf(r), kSheetOrigin, s, true);
    return p;
}

}  // namespace mx::beam
