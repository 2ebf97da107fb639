#pragma once
// Pile-cap footing: a rectangular reinforced-concrete cap on 1 to 20 piles under one
// column stub, designed by the working-stress method. The number of piles comes from
// the load and the safe load of one pile; the piles are laid out by a fixed set of
// arrangements, 3 pile sizes apart and 1.5 pile sizes from the cap edge; the cap is
// sized from that arrangement, then the stub, the moment at the stub face, the depth,
// the bottom mesh and its pitch are found and judged.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/fixed.h"
#include "common/footing.h"
#include "common/message.h"
#include "pilecap/pilecap_layout.h"

namespace mx::pilecap {

// The eight numbers Calculate reads from the window.
struct PileCapInput {
    double P = 0;        // load brought onto the cap by the column stub, kg
    double Ps = 0;       // safe load of one pile, t
    double q = 0;        // narrowest side (or diameter) of one pile, cm
    double db = 0;       // diameter of the mesh bars, mm
    double fcPrime = 0;  // ultimate compressive strength of concrete, ksc
    double fc = 0;       // allowable compressive stress of concrete, ksc
    double fs = 0;       // allowable tensile stress of the mesh steel, ksc
    double p = 0;        // cap self-weight allowance, per cent of P
};

// Everything the last calculation found. The window keeps it between calculations; a
// calculation that stops early leaves the later values as the previous one left them.
// The inputs are kept as they were used (after any correction), for the sheet.
struct PileCapResult {
    // inputs as used
    double P = 0, Ps = 0, q = 0, db = 0, fcPrime = 0, fc = 0, fs = 0, p = 0;

    double pf = 0;      // p / 10
    double Wf = 0;      // estimated self-weight of the cap, kg
    double W = 0;       // P + Wf, kg
    double np = 0;      // number of piles
    std::int16_t Bw = 0;  // cap width, cm
    std::int16_t Lc = 0;  // cap length, cm
    Fixed Pp;           // load on one pile, kg
    Fixed c;            // stub side by load before rounding up, cm
    double a = 0;       // smallest column stub (square side), cm
    double stubX = 0;   // centre of the stub over the piles' centroid, cm from the cap's
    double stubY = 0;   //   left edge (across Bw) and top edge (along Lc)
    Fixed M;            // moment at the stub face, kg-m
    Fixed n, k, j, R;   // working-stress constants
    double b = 0;       // width of the strip the depth is worked on, min(Bw, 100), cm
    Fixed dr;           // depth required by the moment (at least 15), cm
    double dMoment = 0; // effective depth the moment asks for, cm
    double d = 0;       // effective depth, deepened for the least depth and for shear, cm
    // Shear at the final depth. Punching on the square a + d round the stub, while that
    // square lies inside the cap; one-way on the governing of the four lines d from
    // the stub faces. Piles count in proportion to how far they stand beyond a section.
    Fixed vcp;                    // allowable punching shear stress 0.53 √fc', ksc
    bool punchingInside = false;  // the punching square lies inside the cap
    double b0 = 0;                // perimeter of the punching square 4 (a + d), cm
    Fixed Vp;                     // reactions beyond the punching square, kg
    Fixed vp;                     // punching shear stress, ksc
    Fixed vcb;                    // allowable one-way shear stress 0.29 √fc', ksc
    double bv = 0;                // width of the cap along the governing one-way line, cm
    Fixed Vb;                     // reactions beyond that line, kg
    Fixed vb;                     // one-way shear stress, ksc
    // Punching round each pile on its own, on the least of the full square at d/2 from
    // its faces, the three-sided section to the nearest edge and the two-sided one to
    // the nearest corner; the pile with the highest stress governs.
    int pileGoverning = 0;        // that pile, 1-based in the arrangement (0: none)
    int pileSides = 0;            // its section: 4 full, 3 to an edge, 2 to a corner
    double pileE1 = 0, pileE2 = 0;  // its centre to the two nearest edges, e1 <= e2, cm
    Fixed b0Pile;                 // its section's length, cm
    Fixed vPile;                  // Pp / (b0 d), ksc
    double t = 0;       // total depth d + 7.5 + D/2, up to the whole cm
    Fixed Wact;         // actual self-weight of the cap, kg
    Fixed As;           // mesh area, cm²
    Fixed Ab;           // area of one bar, cm²
    Fixed o;            // perimeter of one bar, cm
    Fixed na;           // bars required by area
    double rho = 0;     // least steel ratio of the grade
    Fixed AsMin;        // least steel of the long bars across Bw, rho Bw t, cm²
    Fixed AsMinShort;   // least steel of the short bars across Lc, rho Lc t, cm²
    Fixed nMin;         // long bars the least steel asks for
    Fixed nMinShort;    // short bars the least steel asks for
    bool roundBars = false;  // SR24: the lower bond stress and the larger least steel
    Fixed u;            // allowable bond stress, ksc
    // Bond where the bars cross the stub faces: the long bars (N, running along Lc)
    // cross the two faces across the length, the short bars (Ns) the two across the
    // width; each set carries the reactions of the piles beyond its busier face.
    Fixed V;            // reactions beyond the faces the long bars cross, kg
    Fixed VShort;       // reactions beyond the faces the short bars cross, kg
    Fixed nb;           // long bars required by bond, V / (u o j d)
    Fixed nbShort;      // short bars required by bond, VShort / (u o j d)
    // Anchorage of the bars past the stub face nearest an edge, for each set of bars
    // that carries load (piles beyond its faces); the set with the smaller margin.
    MeshAnchorage anchorage;
    std::int16_t N = 0;   // bars in the long direction
    float s = 0;          // bar spacing, cm
    std::int16_t Ns = 0;  // bars in the short direction
    float sL = 0;         // mean pitch Lc / N, cm
    float sS = 0;         // mean pitch Bw / Ns, cm
    int status = 0;       // 1 not usable, 2 usable (0 before the first calculation)
};

using PileCapOutcome = FootingOutcome<PileCapResult>;

// ---- Shear --------------------------------------------------------------------------

// The least effective depth of a cap on two or more piles (above the bottom bars), and
// the step it is deepened by until punching and one-way shear hold.
inline constexpr double kLeastCapDepth = 30;
inline constexpr double kDepthStep = 5;

// Share of one pile's reaction carried past a section whose line lies `beyond` cm
// inside the pile centre's side: fully at q/2 or more beyond, none at q/2 or more
// inside, in proportion between.
double pileShareBeyond(double beyond, double q);

// Sets the shear values of `r` (vcp, vcb and the cap, stub, pile load and centres
// already in it) at the effective depth r.d; true when punching round the stub, one-way
// shear and punching round every pile hold.
bool checkCapShear(PileCapResult& r, const std::vector<PileCentre>& centres);

// The punching section round one pile of width w at depth d, whose centre stands e1 and
// e2 (e1 <= e2) from the two nearest cap edges: the least of the full square
// 4 (w + d), the three-sided section to the nearest edge (w + d) + 2 (e1 + (w + d)/2)
// and the two-sided one to the nearest corner (e1 + (w + d)/2) + (e2 + (w + d)/2).
struct PilePunchingSection {
    double b0 = 0;  // cm
    int sides = 0;  // 4, 3 or 2
};
PilePunchingSection pilePunchingSection(double w, double d, double e1, double e2);

// The pile reactions beyond the stub faces, each pile by its share at the face: the
// larger of the two faces across the length (crossed by the long bars) and of the two
// across the width (crossed by the short bars).
struct StubFaceReactions {
    double longBars = 0;
    double shortBars = 0;
};
StubFaceReactions reactionsBeyondStubFaces(const PileCapResult& r, const std::vector<PileCentre>& centres);

// ---- Messages ----------------------------------------------------------------------

// The numbered messages of Calculate, 1 to 17 (index 0 unused); 16 closes a design
// that is not usable.
const Message& pileCapMessage(int number);

inline constexpr const char* kUsableVerdict = "ฐานรากที่คุณออกแบบใช้ได้ OK.";
inline constexpr const char* kNotUsableVerdict = "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!";
inline constexpr const char* kVerdictBeforeCalculation = "สรุปผลฐานรากที่คุณออกแบบ ?";

// Runs Calculate on the inputs. `previous` is the result record of the last
// calculation, whose values stay where this one stops early.
PileCapOutcome calculatePileCap(const PileCapInput& in, const PileCapResult& previous = {});

}  // namespace mx::pilecap
