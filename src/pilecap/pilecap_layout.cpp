#include "pilecap/pilecap_layout.h"

#include <cmath>
#include <initializer_list>

#include "common/checked.h"

namespace mx::pilecap {

// ---- Tables -------------------------------------------------------------------------
// Piles stand 3q apart centre to centre and 1.5q from the cap edge, so a cap is 3q
// wider than the outermost pile centres. Staggered rows use the 60° triangle: rows
// 1.5√3 q apart.

namespace {
constexpr CapSide mul(double whole) { return CapSide{whole, 0, 1, 0, 0}; }
constexpr CapSide surd(double coef, int root, double whole) { return CapSide{whole, coef, root, 0, 0}; }
}  // namespace

const std::array<PileLayout, kMaxPiles> PileLayoutTable{{
    {mul(3), mul(3)},                                    // 1
    {mul(3), mul(6)},                                    // 2
    {mul(6), CapSide{3, 0, 1, 3, 1.5}},                  // 3: triangle of piles
    {mul(6), mul(6)},                                    // 4
    {surd(3, 2, 3), surd(3, 2, 3)},                      // 5: four corners and the centre
    {mul(6), mul(9)},                                    // 6
    {surd(3, 3, 3), mul(9)},                             // 7
    {mul(6), mul(12)},                                   // 8
    {mul(9), mul(9)},                                    // 9
    {surd(3, 3, 3), mul(12)},                            // 10
    {surd(3, 3, 3), mul(12)},                            // 11
    {mul(9), mul(12)},                                   // 12
    {surd(3, 3, 3), mul(15)},                            // 13
    {surd(3, 3, 6), mul(12)},                            // 14
    {mul(9), mul(15)},                                   // 15
    {mul(12), mul(12)},                                  // 16
    {mul(12), surd(6, 3, 3)},                            // 17
    {mul(12), surd(6, 3, 3)},                            // 18
    {surd(6, 3, 3), mul(15)},                            // 19
    {mul(12), mul(15)},                                  // 20
}};

namespace {
constexpr PileMomentTerm t(int m, double whole) { return PileMomentTerm{m, whole, 0, 1}; }
constexpr PileMomentTerm ts(int m, double coef, int root) { return PileMomentTerm{m, 0, coef, root}; }
}  // namespace

// Row 0 (one pile) is not used: the moment of a single pile is taken as its load.
// Three piles: the stub stands over the piles' centroid, so the apex pile lies √3 q
// from it (c = 2√3) and the pair, √3 q / 2 the other way, stands within the stub face.
const std::array<std::array<PileMomentTerm, 4>, kMaxPiles> PileMomentTable{{
    {{}},                                       // 1
    {{t(1, 3)}},                                // 2
    {{ts(1, 2, 3)}},                            // 3: apex pile √3 q from the stub
    {{t(2, 3)}},                                // 4
    {{ts(2, 3, 2)}},                            // 5
    {{t(2, 6)}},                                // 6
    {{t(2, 6), t(2, 3)}},                       // 7
    {{t(2, 9), t(2, 3)}},                       // 8
    {{t(3, 6)}},                                // 9
    {{t(1, 9), t(2, 6), t(1, 3)}},              // 10
    {{t(2, 9), t(1, 6), t(2, 3)}},              // 11
    {{t(3, 9), t(3, 3)}},                       // 12
    {{t(1, 12), t(2, 9), t(1, 6), t(2, 3)}},    // 13
    {{t(2, 9), t(2, 6), t(2, 3)}},              // 14
    {{t(3, 12), t(3, 6)}},                      // 15
    {{t(4, 9), t(4, 3)}},                       // 16
    {{ts(4, 3, 3), ts(3, 6, 3)}},               // 17
    {{ts(3, 3, 3), ts(4, 6, 3)}},               // 18
    {{t(1, 12), t(2, 9), t(3, 6), t(2, 3)}},    // 19
    {{t(4, 12), t(4, 6)}},                      // 20
}};

double capSide(const CapSide& side, double q) {
    double v = 0;
    if (side.surd != 0)
        v = chk::mul(side.surd * chk::sqrt(side.root) + side.whole, q);
    else
        v = chk::mul(side.whole, q);
    if (side.hyp != 0) {
        const double h = chk::mul(side.hyp, q);
        const double l = chk::mul(side.leg, q);
        v = chk::add(v, chk::sqrt(chk::mul(h, h) - chk::mul(l, l)));
    }
    return v;
}

double termFactor(const PileMomentTerm& term) {
    return term.surd != 0 ? term.surd * chk::sqrt(term.root) + term.whole : term.whole;
}

// ---- Pile centres -----------------------------------------------------------------------
// Piles stand 3q apart and 1.5q in from the cap edge; a staggered (hexagonal) row lies
// 1.5√3 q from its neighbour, so its places are 1.5 + 1.5√3 (h1) and 1.5 + 4.5√3 (h2).

namespace {

using From = PilePlace::From;

PilePlace at(double whole) { return PilePlace{From::Start, whole, 0}; }
PilePlace mid(double offset = 0) { return PilePlace{From::Middle, offset, 0}; }
PilePlace end(double back) { return PilePlace{From::End, back, 0}; }
const PilePlace h1{From::Start, 1.5, 1.5};
const PilePlace h2{From::Start, 1.5, 4.5};

std::vector<PilePlace> row(std::initializer_list<double> wholes) {
    std::vector<PilePlace> out;
    for (double w : wholes) out.push_back(at(w));
    return out;
}

const std::array<std::vector<PileGroup>, kMaxPiles>& table() {
    static const std::array<std::vector<PileGroup>, kMaxPiles> t{{
        /* 1 */ {{{mid()}, {mid()}}},
        /* 2 */ {{{mid()}, row({1.5, 4.5})}},
        /* 3 */ {{{at(1.5)}, {end(1.5)}}, {{mid()}, {at(1.5)}}, {{at(4.5)}, {end(1.5)}}},
        /* 4 */ {{row({1.5, 4.5}), row({1.5, 4.5})}},
        /* 5 */ {{{at(1.5), end(1.5)}, {at(1.5), end(1.5)}}, {{mid()}, {mid()}}},
        /* 6 */ {{row({1.5, 4.5}), row({1.5, 4.5, 7.5})}},
        /* 7 */ {{{at(1.5), end(1.5)}, row({3, 6})}, {{mid()}, {at(1.5), mid(), end(1.5)}}},
        /* 8 */ {{row({1.5, 4.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 9 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5})}},
        /* 10 */ {{{at(1.5), end(1.5)}, row({3, 6, 9})}, {{mid()}, row({1.5, 4.5, 7.5, 10.5})}},
        /* 11 */ {{{at(1.5), end(1.5)}, row({1.5, 4.5, 7.5, 10.5})}, {{mid()}, row({3, 6, 9})}},
        /* 12 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 13 */ {{{at(1.5), end(1.5)}, row({3, 6, 9, 12})}, {{mid()}, row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 14 */ {{{at(1.5), end(1.5)}, row({3, 6, 9})}, {{mid(-1.5), mid(1.5)}, row({1.5, 4.5, 7.5, 10.5})}},
        /* 15 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 16 */ {{row({1.5, 4.5, 7.5, 10.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 17 */ {{row({1.5, 4.5, 7.5, 10.5}), {h1, h2}}, {row({3, 6, 9}), {at(1.5), mid(), end(1.5)}}},
        /* 18 */ {{row({1.5, 4.5, 7.5, 10.5}), {at(1.5), mid(), end(1.5)}}, {row({3, 6, 9}), {h1, h2}}},
        /* 19 */
        {{{at(1.5), end(1.5)}, {at(4.5), mid(), at(10.5)}},
         {{h1, h2}, row({3, 6, 9, 12})},
         {{mid()}, row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 20 */ {{row({1.5, 4.5, 7.5, 10.5}), row({1.5, 4.5, 7.5, 10.5, 13.5})}},
    }};
    return t;
}

double place(const PilePlace& p, double q, double side) {
    const double along = (p.whole + p.root3 * std::sqrt(3.0)) * q;
    switch (p.from) {
        case From::Middle: return side / 2 + along;
        case From::End: return side - along;
        case From::Start: break;
    }
    return along;
}

}  // namespace

const std::vector<PileGroup>& pileCentreTable(int piles) {
    static const std::vector<PileGroup> none;
    if (piles < 1 || piles > kMaxPiles) return none;
    return table()[static_cast<std::size_t>(piles - 1)];
}

std::vector<PileCentre> pileCentres(double piles, double q, double Bw, double Lc) {
    std::vector<PileCentre> out;
    // Only a whole count that is one of the arrangements has centres.
    if (!(piles >= 1 && piles <= kMaxPiles) || piles != std::floor(piles)) return out;
    for (const PileGroup& g : pileCentreTable(static_cast<int>(piles)))
        for (const PilePlace& x : g.across)
            for (const PilePlace& y : g.along) out.push_back(PileCentre{place(x, q, Bw), place(y, q, Lc)});
    return out;
}

}  // namespace mx::pilecap
