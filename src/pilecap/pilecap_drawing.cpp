#include "pilecap/pilecap_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "common/figure.h"
#include "common/numtext.h"

namespace mx::pilecap {

int pileCapLengthScale(double Lc) {
    struct Band {
        double from;
        int k;
    };
    constexpr std::array<Band, 12> bands{{
        {601, 4}, {551, 6}, {451, 7}, {301, 9}, {251, 12}, {171, 14},
        {141, 20}, {121, 25}, {106, 28}, {81, 30}, {61, 35}, {1, 40},
    }};
    for (const Band& b : bands)
        if (Lc >= b.from) return b.k;
    // Between 0 and 1 cm there is no whole length; treat it as the smallest cap.
    return Lc > 0 ? 40 : 0;
}

// ---- The figure --------------------------------------------------------------------------

namespace {

constexpr double kNote = 14;          // point size of every label
constexpr double kNoteStep = 300;     // between note lines
constexpr double kTextHeight = 330;   // one 14 pt line, top to bottom of its glyphs
constexpr double kLengthLabel = 350;  // from the plan's side to the end of its length figure
constexpr double kTopRoom = 750;      // above the plan: the width dimension and its figure
constexpr double kGap = 700;          // between the plan and the section beside it
constexpr double kNotesGap = 400;     // between the plan and the notes beside it
constexpr double kRowGap = 300;       // between the plan (or the notes) and the stub under it
constexpr double kStubRise = 450;     // the stub above the section
constexpr double kPileDrop = 400;     // the pile heads shown below the section
constexpr double kNotesDrop = 250;    // from the pile heads to the notes under them
constexpr double kBarRadius = 8;      // a mesh bar seen end-on
constexpr double kBarGap = 20;        // least distance between drawn bars, twips
constexpr double kCover = 5;          // cm from a cap face to the outermost bar
constexpr double kDepthLabel = 350;   // from the section's side to its depth figure
// A hooked bar's upturn, drawn 12 bar diameters long (a 90-degree standard hook's
// extension) and never shorter than this many twips, so that it reads at any scale.
constexpr double kHookDiameters = 12;
constexpr double kLeastHookDrawn = 120;

// A 14 pt label on paper, generous, so a note laid out by it fits.
constexpr TextMeasure kMeasure{110, kTextHeight, kNote};
double labelWidth(const std::string& s) { return kMeasure.width(s); }

// Offsets (twips from the first bar) of `count` bars `pitch` twips apart, thinned to
// every n-th bar (the last always kept) where they would stand closer than kBarGap,
// so a row never holds more bars than fit side by side at the drawing's scale.
std::vector<double> barOffsets(int count, double pitch) {
    std::vector<double> out;
    if (count < 1 || !std::isfinite(pitch) || pitch < 0) return out;
    if (count == 1 || pitch == 0) return {0.0};
    // Kept as a double until it is known to be smaller than the count: a pitch of a
    // billionth of a twip asks for a stride no int holds.
    const double stride = pitch >= kBarGap ? 1.0 : std::ceil(kBarGap / pitch);
    if (stride < count)
        for (int i = 0; i < count - 1; i += static_cast<int>(stride)) out.push_back(i * pitch);
    else
        out.push_back(0.0);
    const double last = (count - 1) * pitch;
    if (out.empty() || last - out.back() >= kBarGap) out.push_back(last);
    return out;
}

// Where the section and the notes stand: beside the plan with the notes under the
// section, or under the plan with the notes beside the plan. A wide area takes the
// first; an area too narrow for it at the scale of the cap's length often holds the
// second at that scale, where the first would have to shrink.
enum class Arrangement { Beside, Under };

// The figure's measures, in twips from the plan's top-left corner.
struct Figure {
    double Bw = 0, Lc = 0, t = 0;  // the cap, cm
    double k = 0;                  // twips per cm
    Arrangement arrangement = Arrangement::Beside;
    std::vector<std::string> notes;
    double notesWidth = 0;
    double leftRoom = 0;    // left of the plan: the length dimension and its figure
    double depthRoom = 0;   // right of the section: the depth dimension and its figure

    bool beside() const { return arrangement == Arrangement::Beside; }
    // The last note's line ends one text height under its top.
    double notesHeight() const { return static_cast<double>(notes.size() - 1) * kNoteStep + kTextHeight; }
    double sectionX() const { return beside() ? k * Bw + kGap : 0; }
    // The top of the section; under the plan its stub rises clear of the plan and notes.
    double sectionY() const { return beside() ? 0 : std::max(k * Lc, notesHeight()) + kRowGap + kStubRise; }
    double notesX() const { return beside() ? sectionX() : k * Bw + kNotesGap; }
    double notesY() const { return beside() ? k * t + kPileDrop + kNotesDrop : 0; }
    double width() const {
        return leftRoom + std::max(sectionX() + k * Bw + depthRoom, notesX() + notesWidth);
    }
    double height() const {
        return kTopRoom + std::max({k * Lc + 100, sectionY() + k * t + kPileDrop, notesY() + notesHeight()});
    }
    bool fits(double areaW, double areaH) const { return width() <= areaW && height() <= areaH; }
};

// The figure's notes and measures, at the scale of the cap's length where it fits the
// area in either arrangement; otherwise at the largest smaller scale that does, in the
// arrangement that allows it. 0 for a cap without a size.
Figure layOut(const PileCapResult& r, const PageBox& area, DrawingMedium medium) {
    Figure f;
    f.Bw = r.Bw;
    f.Lc = r.Lc;
    f.t = std::isfinite(r.t) && r.t > 0 ? r.t : 0;
    f.notes.push_back(" ฐานรากใช้เข็ม จำนวน " + sheetNum(r.np) + " ต้น");
    if (r.np == 1) f.notes.push_back("อย่าลืมทำ PILE CAP เสาเข็มเดี่ยว");
    // The sheet calls the stub the least column size, as the spread footing's does.
    const char* stub = medium == DrawingMedium::Paper ? " เสา(Min)ขนาด " : " เสาขนาด ";
    f.notes.push_back(stub + sheetNum(r.a) + " ซม. x " + sheetNum(r.a) + " ซม.");
    f.notes.push_back(" เหล็กรัดรอบ 1-" + sheetNum(r.db) + " มม.");
    f.notes.push_back(" ตะแกรงทางสั้น " + sheetNum(r.db) + " มม.จำนวน " + sheetNum(r.Ns) + " เส้น");
    f.notes.push_back(" ตะแกรงทางยาว " + sheetNum(r.db) + " มม.จำนวน " + sheetNum(r.N) + " เส้น");
    if (r.anchorage.hooks) f.notes.emplace_back(kHookNote);
    for (const std::string& n : f.notes) f.notesWidth = std::max(f.notesWidth, labelWidth(n));
    f.leftRoom = kLengthLabel + labelWidth(sheetNum(r.Lc) + " ซม.");
    f.depthRoom = kDepthLabel + labelWidth(sheetNum(r.t) + " ซม.");

    const double areaW = area.x2 - area.x1, areaH = area.y2 - area.y1;
    auto scaleFor = [&f, areaW, areaH](Arrangement a) {
        return largestFittingScale(pileCapLengthScale(f.Lc), [f, a, areaW, areaH](double k) mutable {
            f.k = k;
            f.arrangement = a;
            return f.fits(areaW, areaH);
        });
    };
    f.k = scaleFor(Arrangement::Beside);
    if (f.k < pileCapLengthScale(f.Lc)) {
        if (const double under = scaleFor(Arrangement::Under); under > f.k) {
            f.k = under;
            f.arrangement = Arrangement::Under;
        }
    }
    return f;
}

}  // namespace

double pileCapDrawingScale(const PileCapResult& r, const PageBox& area, DrawingMedium medium) {
    if (r.Bw <= 0 || r.Lc <= 0 || r.np > kMaxPiles) return 0;
    return layOut(r, area, medium).k;
}

PageModel pileCapDrawing(const PileCapResult& r, const PageBox& area, DrawingMedium medium) {
    PageModel p;
    const double Bw = r.Bw, Lc = r.Lc;
    // Nothing to draw without a cap: before any Calculate, or with too many piles. The
    // window says why in place of the figure; the sheet leaves the place empty.
    if (Bw <= 0 || Lc <= 0 || r.np > kMaxPiles) {
        if (medium == DrawingMedium::Screen)
            p.text(area.x1, area.y1, r.np > kMaxPiles ? kTooManyPilesToDraw : kNoCapToDraw, kNote);
        return p;
    }
    const double q = std::isfinite(r.q) && r.q > 0 ? r.q : 0;
    const double a = std::isfinite(r.a) && r.a > 0 ? std::min(r.a, std::min(Bw, Lc)) : 0;
    const Figure f = layOut(r, area, medium);
    const double k = f.k, t = f.t;

    const double X0 = area.x1 + f.leftRoom, Y0 = area.y1 + kTopRoom;
    const double X1 = X0 + k * Bw, Y1 = Y0 + k * Lc;

    // Plan: the cap and the stub in heavy line.
    p.lineWidth(2);
    p.box(X0, Y0, X1, Y1);
    const double cx = (X0 + X1) / 2, cy = (Y0 + Y1) / 2;
    // The stub stands over the piles' centroid (off the centre for three piles).
    auto within = [](double v, double side) { return std::isfinite(v) && v >= 0 && v <= side ? v : side / 2; };
    // Kept whole inside the plan even for a stub as wide as the cap.
    const double stubX = std::clamp(within(r.stubX, Bw), a / 2, Bw - a / 2);
    const double stubY = std::clamp(within(r.stubY, Lc), a / 2, Lc - a / 2);
    const double ax = X0 + k * stubX, ay = Y0 + k * stubY;
    if (a > 0) p.box(ax - k * a / 2, ay - k * a / 2, ax + k * a / 2, ay + k * a / 2);
    p.lineWidth(1);

    // Width above the plan, length to its left, each with its ticks and figure.
    p.line(X0, Y0 - 200, X1, Y0 - 200);
    p.line(X0, Y0 - 300, X0, Y0 - 100);
    p.line(X1, Y0 - 300, X1, Y0 - 100);
    const std::string bwLabel = sheetNum(r.Bw) + " ซม.";
    p.text(std::max(X0, cx - labelWidth(bwLabel) / 2), Y0 - 200 - kTextHeight - 60, bwLabel, kNote);
    p.line(X0 - 200, Y0, X0 - 200, Y1);
    p.line(X0 - 300, Y0, X0 - 100, Y0);
    p.line(X0 - 300, Y1, X0 - 100, Y1);
    const std::string lcLabel = sheetNum(r.Lc) + " ซม.";
    p.text(X0 - kLengthLabel - labelWidth(lcLabel), cy - kTextHeight / 2, lcLabel, kNote);

    // Piles at their centres.
    const std::vector<PileCentre> centres = pileCentres(r.np, q, Bw, Lc);
    for (const PileCentre& c : centres) p.circle(X0 + k * c.x, Y0 + k * c.y, k * q / 2);

    // The mesh in plan: the long bars at the pitch s across the width, the short bars
    // spread over the length between the same covers.
    const bool meshDesigned = r.N >= 2 && r.Ns >= 2 && std::isfinite(r.s) && r.s > 0 && Bw > 2 * kCover &&
                              Lc > 2 * kCover;
    if (meshDesigned) {
        const double longPitch = std::min<double>(r.s, (Bw - 2 * kCover) / (r.N - 1));
        for (double off : barOffsets(r.N, k * longPitch)) {
            const double x = X0 + k * kCover + off;
            p.line(x, Y0 + k * kCover, x, Y1 - k * kCover, kBlue);
        }
        for (double off : barOffsets(r.Ns, k * (Lc - 2 * kCover) / (r.Ns - 1))) {
            const double y = Y0 + k * kCover + off;
            p.line(X0 + k * kCover, y, X1 - k * kCover, y, kBlue);
        }
    }

    // Section across the width: the cap k t deep under the stub, the pile heads below.
    const double XS = X0 + f.sectionX(), XS1 = XS + k * Bw;
    const double YS = Y0 + f.sectionY(), YS1 = YS + k * t;
    const double sx = XS + k * stubX;
    p.lineWidth(2);
    p.box(XS, YS, XS1, YS1);
    if (a > 0) {
        p.line(sx - k * a / 2, YS, sx - k * a / 2, YS - kStubRise);
        p.line(sx + k * a / 2, YS, sx + k * a / 2, YS - kStubRise);
        p.line(sx - k * a / 2, YS - kStubRise, sx + k * a / 2, YS - kStubRise);
    }
    p.lineWidth(1);
    std::vector<double> pileColumns;
    for (const PileCentre& c : centres)
        if (std::none_of(pileColumns.begin(), pileColumns.end(), [&](double x) { return std::abs(x - c.x) < 0.5; }))
            pileColumns.push_back(c.x);
    for (double x : pileColumns) {
        p.line(XS + k * (x - q / 2), YS1, XS + k * (x - q / 2), YS1 + kPileDrop);
        p.line(XS + k * (x + q / 2), YS1, XS + k * (x + q / 2), YS1 + kPileDrop);
    }
    // The depth on its dimension line beside the section, ticks at the top and bottom.
    p.line(XS1 + 200, YS, XS1 + 200, YS1);
    p.line(XS1 + 100, YS, XS1 + 300, YS);
    p.line(XS1 + 100, YS1, XS1 + 300, YS1);
    p.text(XS1 + kDepthLabel, (YS + YS1) / 2 - kTextHeight / 2, sheetNum(r.t) + " ซม.", kNote);
    const double barCm = std::isfinite(r.db) && r.db > 0 ? r.db / 10 : 0;
    const double barAbove = kGroundCover + barCm / 2;  // the mesh on its cover
    if (meshDesigned && t > barAbove + kCover) {
        // Long bars end-on on their cover above the underside, the short bar along them
        // ending the cover short of each face, upturned in standard hooks where its
        // straight length cannot develop it; the perimeter bar below the top face.
        p.lineWidth(2);
        const double longPitch = std::min<double>(r.s, (Bw - 2 * kCover) / (r.N - 1));
        const double yBars = YS1 - k * barAbove;
        for (double off : barOffsets(r.N, k * longPitch))
            p.circle(XS + k * kCover + off, yBars, kBarRadius, kBlack, true);
        const double yl = yBars - 2 * kBarRadius;
        const double xl = XS + k * kGroundCover, xr = XS1 - k * kGroundCover;
        p.line(xl, yl, xr, yl);
        if (r.anchorage.hooks) {
            const double rise = std::min(std::max(k * kHookDiameters * barCm, kLeastHookDrawn), k * t / 2);
            p.line(xl, yl, xl, yl - rise);
            p.line(xr, yl, xr, yl - rise);
        }
        p.circle(XS + k * kCover, YS + k * kCover, kBarRadius, kBlack, true);
        p.circle(XS1 - k * kCover, YS + k * kCover, kBarRadius, kBlack, true);
        p.lineWidth(1);
    }

    // The notes, under the section or beside the plan.
    double y = Y0 + f.notesY();
    for (const std::string& n : f.notes) {
        p.text(X0 + f.notesX(), y, n, kNote);
        y += kNoteStep;
    }
    return p;
}

}  // namespace mx::pilecap
