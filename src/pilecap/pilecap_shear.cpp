#include <algorithm>
#include <cmath>

#include "common/checked.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

// ---- Shear ------------------------------------------------------------------------------
// The piles' reactions reach the stub through the cap; a section near the stub carries
// the reactions of the piles beyond it. A pile straddling a section is counted in
// proportion to how much of it lies beyond.

double pileShareBeyond(double beyond, double q) {
    if (!(q > 0)) return beyond > 0 ? 1.0 : 0.0;
    return std::clamp((beyond + q / 2) / q, 0.0, 1.0);
}

bool checkCapShear(PileCapResult& r, const std::vector<PileCentre>& centres) {
    const double Pp = r.Pp.toDouble();
    const double d = r.d;

    // Punching on the square of side a + d round the stub (d/2 from its faces). Once
    // that square reaches past the cap's edges the cap cannot punch through it, and
    // one-way shear decides.
    const double half = (r.a + d) / 2;
    r.b0 = chk::mul(4, chk::add(r.a, d));
    r.punchingInside = r.stubX - half >= 0 && r.stubX + half <= r.Bw && r.stubY - half >= 0 && r.stubY + half <= r.Lc;
    r.Vp = Fixed();
    r.vp = Fixed();
    if (r.punchingInside) {
        double share = 0;
        for (const PileCentre& c : centres)
            share += pileShareBeyond(std::max(std::abs(c.x - r.stubX), std::abs(c.y - r.stubY)) - half, r.q);
        r.Vp = Fixed::fromDouble(chk::mul(Pp, share));
        r.vp = Fixed::fromDouble(chk::div(r.Vp.toDouble(), chk::mul(r.b0, d)));
    }

    // One-way shear on the four lines d from the stub faces, each across the whole cap:
    // the lines either side across the width run the cap's length, and the other two
    // its width. The line with the highest stress governs.
    const double reach = r.a / 2 + d;
    struct Line {
        double dx, dy;  // the direction beyond the line
        double width;   // the cap along the line, cm
    };
    const Line lines[] = {{1, 0, static_cast<double>(r.Lc)},
                          {-1, 0, static_cast<double>(r.Lc)},
                          {0, 1, static_cast<double>(r.Bw)},
                          {0, -1, static_cast<double>(r.Bw)}};
    r.Vb = Fixed();
    r.vb = Fixed();
    r.bv = lines[0].width;
    for (const Line& line : lines) {
        double share = 0;
        for (const PileCentre& c : centres)
            share += pileShareBeyond(line.dx * (c.x - r.stubX) + line.dy * (c.y - r.stubY) - reach, r.q);
        const Fixed V = Fixed::fromDouble(chk::mul(Pp, share));
        const Fixed v = Fixed::fromDouble(chk::div(V.toDouble(), chk::mul(line.width, d)));
        if (v > r.vb) {
            r.Vb = V;
            r.vb = v;
            r.bv = line.width;
        }
    }

    // Punching round each pile on its own: a corner pile is held by two short sides of
    // concrete only, and its section is far shorter than the stub's.
    r.pileGoverning = 0;
    r.pileSides = 0;
    r.pileE1 = r.pileE2 = 0;
    r.b0Pile = Fixed();
    r.vPile = Fixed();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const PileCentre& c = centres[i];
        const double ex = std::min(c.x, r.Bw - c.x), ey = std::min(c.y, r.Lc - c.y);
        const double e1 = std::min(ex, ey), e2 = std::max(ex, ey);
        const PilePunchingSection section = pilePunchingSection(r.q, d, e1, e2);
        const Fixed b0 = Fixed::fromDouble(section.b0);
        const Fixed v = Fixed::fromDouble(chk::div(Pp, chk::mul(b0.toDouble(), d)));
        if (r.pileGoverning == 0 || v > r.vPile) {
            r.pileGoverning = static_cast<int>(i) + 1;
            r.pileSides = section.sides;
            r.pileE1 = e1;
            r.pileE2 = e2;
            r.b0Pile = b0;
            r.vPile = v;
        }
    }
    return (!r.punchingInside || r.vp <= r.vcp) && r.vb <= r.vcb && r.vPile <= r.vcp;
}

PilePunchingSection pilePunchingSection(double w, double d, double e1, double e2) {
    const double side = chk::add(w, d);
    const double full = chk::mul(4, side);
    const double toEdge = side + 2 * (e1 + side / 2);
    const double toCorner = (e1 + side / 2) + (e2 + side / 2);
    // Ties go to the section with fewer sides, the one nearer the edges.
    if (toCorner <= toEdge && toCorner <= full) return {toCorner, 2};
    if (toEdge <= full) return {toEdge, 3};
    return {full, 4};
}

StubFaceReactions reactionsBeyondStubFaces(const PileCapResult& r, const std::vector<PileCentre>& centres) {
    const double Pp = r.Pp.toDouble();
    const double half = r.a / 2;
    // Beyond a face across the length (y) or across the width (x), on either side.
    auto beyond = [&](double dx, double dy) {
        double share = 0;
        for (const PileCentre& c : centres)
            share += pileShareBeyond(dx * (c.x - r.stubX) + dy * (c.y - r.stubY) - half, r.q);
        return chk::mul(Pp, share);
    };
    return {std::max(beyond(0, 1), beyond(0, -1)), std::max(beyond(1, 0), beyond(-1, 0))};
}

}  // namespace mx::pilecap
