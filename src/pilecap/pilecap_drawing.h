#pragma once
// The pile cap drawn from its last design: the plan of the cap with the column stub,
// every pile of the arrangement and the bottom mesh each way, a cross-section across
// the width with the mesh bars, the stub and the piles, and the notes. One builder
// serves the window and the printed sheet; each passes the box the figure must keep to.
#include <vector>

#include "common/page.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

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

// Twips per cm of cap by the cap length: 4 for 601 cm and more ... 40 up to 60 cm;
// 0 for a cap without a length.
int pileCapLengthScale(double Lc);

// The figure of the design inside `area` (twips): the length scale above where it
// fits, a smaller one where it does not. Nothing is drawn for a cap without a size or
// with too many piles; piles only for 1 to kMaxPiles, mesh only where it was designed.
PageModel pileCapDrawing(const PileCapResult& r, const PageBox& area);

// The window's free drawing surface the headless tool draws into.
inline constexpr PageBox kPileCapScreenArea{0, 0, 9000, 7500};

}  // namespace mx::pilecap
