#pragma once
// A driven pile checked against its driving record by the Hiley formula: from the
// hammer weight, its drop, the blows in the last foot and the pile itself, the
// ultimate load the pile developed, the safe load with a safety factor of 2 and the
// range of hammer weights that suit the pile.
#include "common/fixed.h"
#include "common/message.h"

namespace mx::pile {

// The six numbers read from the window, in the order they are checked.
struct BlowInput {
    double L1 = 0;  // pile length, m
    double W = 0;   // hammer weight, t
    double h = 0;   // drop height, cm
    double B = 0;   // blows in the last foot
    double R = 0;   // design safe load, t
    double A = 0;   // section area, cm²
};

struct BlowResult {
    BlowInput in;  // as last read; an input that stopped the calculation is held as 1
    Fixed P;       // weight of the pile, t
    double S = 0;  // set per blow, cm
    Fixed C1, C2, C3, C;  // temporary compressions under Rn, cm
    Fixed N;       // efficiency of the blow
    double K = 0;  // energy delivered per blow, N E W h, t-cm
    double c = 0;  // compression per tonne of load, (0.34 L1 + 0.012 L2 + 1.4) / A, cm/t
    Fixed Rn;      // ultimate load, t
    Fixed Ra;      // safe load Rn / 2, t
    // The driving criterion: the least blows in the last foot that prove the design
    // load R with this hammer, drop and pile (0 when no blow count up to the field's
    // limit of 200 does), from the set S* = K / (2R) − c R at Rn = 2R.
    double Sreq = 0;  // set per blow at Rn = 2R, cm
    int Breq = 0;
    Fixed Wmin;    // least advisable hammer weight 0.7·P, t
    Fixed Wmax;    // greatest advisable hammer weight 2·P, t
};

struct BlowOutcome {
    BlowResult result;        // the computed values are meaningful only when completed
    Diagnostics diagnostics;  // in the order the window shows them
    bool completed = false;   // false: stopped by a missing input or an impossible number
    bool failed = false;      // stopped by an impossible number
    bool usable = false;      // completed, set at most 1 cm and Ra at least R
};

// Least blows in the last foot that keep the set within 1 cm, and the most the field takes.
inline constexpr int kLeastBlows = 30;
inline constexpr int kMostBlows = 200;

BlowOutcome calculateBlow(const BlowInput& in);

// What the window holds after a calculation: the new result when it completed,
// otherwise the previous results with the inputs as just read.
BlowResult heldBlowResult(const BlowResult& previous, const BlowOutcome& outcome);

}  // namespace mx::pile
