#pragma once
// The pile arrangements of a pile cap: for each number of piles, the cap's sides in
// multiples of the pile size, the groups of piles that load the stub face, and where
// each pile centre stands. Piles stand 3 pile sizes apart
// and 1.5 pile sizes from the cap edge.
#include <array>
#include <vector>

namespace mx::pilecap {

// Tables by number of piles: index 0 is one pile.
inline constexpr int kMaxPiles = 20;

// One side of the cap in multiples of the pile size q:
//   (whole + surd √root) q, plus √((hyp q)² − (leg q)²) when hyp is set (the height of
//   a triangle of piles 3q apart).
struct CapSide {
    double whole = 0;
    double surd = 0;
    int root = 1;
    double hyp = 0;
    double leg = 0;
};
struct PileLayout {
    CapSide Bw;
    CapSide Lc;
};
extern const std::array<PileLayout, kMaxPiles> PileLayoutTable;

// Moment at the stub face: m piles whose centres lie (whole + surd √root) q / 2 from
// the cap centre. Up to four groups per arrangement; unused groups have m = 0.
struct PileMomentTerm {
    int m = 0;
    double whole = 0;
    double surd = 0;
    int root = 1;
};
extern const std::array<std::array<PileMomentTerm, 4>, kMaxPiles> PileMomentTable;

// Where a pile centre stands along one side of the cap, in multiples of the pile size
// q: from the start of the side, from the middle of the side, or back from its end.
// A staggered row uses √3 (rows 1.5√3 q apart), so a place is whole + root3 √3.
struct PilePlace {
    enum class From { Start, Middle, End };
    From from = From::Start;
    double whole = 0;
    double root3 = 0;
};
// One entry of the pile centre table: a pile at every x of `across` (along the cap
// width Bw) for every y of `along` (along the cap length Lc).
struct PileGroup {
    std::vector<PilePlace> across;
    std::vector<PilePlace> along;
};
// The pile centre table, index 0 for one pile up to kMaxPiles.
const std::vector<PileGroup>& pileCentreTable(int piles);

struct PileCentre {
    double x = 0;  // cm across the width Bw from the cap's left edge
    double y = 0;  // cm along the length Lc from the cap's top edge
};
// The centres of an arrangement of `piles` piles of size q on a cap Bw x Lc (cm).
// Empty for a count outside 1..kMaxPiles or one that is not a whole number.
std::vector<PileCentre> pileCentres(double piles, double q, double Bw, double Lc);

// Side of the cap in cm for a pile size q, before rounding to a whole centimetre.
double capSide(const CapSide& side, double q);
// Distance factor c of a moment term (so the centre lies c q / 2 from the cap centre).
double termFactor(const PileMomentTerm& term);

}  // namespace mx::pilecap
