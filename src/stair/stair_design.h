#pragma once
// Reinforced-concrete stair: the waist slab designed by the working-stress method as
// a one-way strip one metre wide spanning L between its supports. Three stair types:
// 1 flat soffit spanning across its width between two side beams, 2 flat soffit
// spanning along the flight between a low and a high beam (landings), 3 folded-plate
// (saw-tooth) stair on the same supports as type 2.
//
// The calculation is pure: it takes the numbers read from the window's fields and
// returns the result record, the ordered messages and field corrections, and the
// verdict. The window and the command-line tool both call it.
#include <cstdint>
#include <string>

#include "common/fixed.h"
#include "common/message.h"

namespace mx::stair {

// Stair type as chosen with the type buttons; 0 until one is chosen.
enum StairType : std::int16_t { kNoType = 0, kFlatAcross = 1, kFlatAlong = 2, kFoldedPlate = 3 };

// The leading number of each input field, as read at Calculate. Each value is
// converted to the kind the design holds it in (four decimals, 16-bit integer or
// double) at its own reading step inside calculateStair, so that a value no such kind
// can hold ends the design through its failure path rather than before it.
struct StairDesignInput {
    std::int16_t stairType = kNoType;
    double L = 0;         // Text1: type 1 width of the stair, types 2 and 3 beam spacing, m
    double LL = 0;        // Text2: live load, kg/m2
    double T = 0;         // Text3: tread (going), cm
    double Rs = 0;        // Text4: riser height, cm
    double mainBar = 0;   // Text5: main bar diameter, mm
    double tempBar = 0;   // Text6: temperature bar diameter, mm
    double t = 0;         // Text7: waist slab thickness, cm
    double fcPrime = 0;   // Text9: ultimate concrete strength, ksc
    double fc = 0;        // Text10: allowable concrete stress, ksc
    double fs = 0;        // Text11: allowable steel stress, ksc
    double fD = 0;        // Text18: dead-load factor
    double fL = 0;        // Text19: live-load factor
};

// Every value of the last calculation, for the result panel, the sheet and the
// drawing. Values not reached by a failed calculation stay at zero.
struct StairDesignResult {
    // The inputs as the design used them (after its own corrections).
    std::int16_t stairType = kNoType;
    Fixed L, T, Rs;
    std::int16_t LL = 0, mainBar = 0, tempBar = 0, t = 0, fs = 0;
    double fcPrime = 0, fc = 0, fD = 0, fL = 0;

    Fixed n, k, j, R;    // working-stress constants
    Fixed stepsPerMetre; // 100 / T
    Fixed Wstep;         // weight of the steps, kg/m2 of plan
    Fixed Wslab;         // weight of the waist slab, kg/m2 of plan
    Fixed D;             // Wstep + Wslab
    Fixed fDxD;          // factored dead load
    Fixed fLxLL;         // factored live load
    Fixed w;             // total factored load, kg/m2
    Fixed M;             // mid-span moment of a 1 m strip, kg-m
    Fixed d;             // effective depth, cm
    Fixed dReq;          // required effective depth, cm
    Fixed As;            // main steel, cm2 per metre
    Fixed aMain;         // area of one main bar, cm2
    Fixed Nmain;         // As / aMain
    std::int16_t countMain = 0;  // main bars per metre (Nmain rounded up)
    Fixed sMain;         // main bar spacing, m
    Fixed AsT;           // temperature steel, cm2 per metre
    Fixed aTemp;         // area of one temperature bar, cm2
    std::int16_t countTemp = 0;  // temperature bars per metre
    Fixed sTemp;         // temperature bar spacing, m
    Fixed V;             // support shear, kg
    Fixed Vd;            // shear at distance d from the support, kg
    Fixed v;             // shear stress, ksc
    Fixed vc;            // allowable shear stress, ksc
    Fixed perimeter;     // perimeter of one main bar, cm
    Fixed sumPerimeter;  // perimeter of all main bars in 1 m, cm
    Fixed u;             // bond stress, ksc
    DesignStatus status = DesignStatus::Usable;
};

struct StairOutcome {
    StairDesignResult result;
    Diagnostics diagnostics;  // messages and field corrections, in order
    DesignStatus status = DesignStatus::Usable;
    std::string verdict;      // text of the verdict label Label29
    bool panelWritten = false;      // the result panel is filled only when every final check passes
    bool arithmeticFailure = false; // the design was abandoned on an impossible operation
};

// Verdict label texts and the closing message.
inline constexpr const char* kVerdictUsable = "บันไดที่ออกแบบใช้ได้ OK.";
inline constexpr const char* kVerdictNotUsable = "บันไดที่ออกแบบยังใช้ไม่ได้!?!";
inline constexpr const char* kClosingText = "บันไดที่คุณออกแบบยังใช้ไม่ได้";
inline constexpr const char* kClosingTitle = "โปรกแก้ไขข้อมูลใหม่?";

// Limits on the bar spacings, m, and the fixed temperature-bar spacing of the
// folded-plate stair.
inline constexpr double kMinSpacing = 0.05;
inline constexpr double kMaxSpacing = 0.30;
inline constexpr double kFoldedPlateTempSpacing = 0.15;
// Allowable bond stress, ksc.
inline constexpr double kAllowableBond = 11.0;

// Bar count for a required quotient of bars: rounded to the nearest integer (ties to
// even), plus one bar when the quotient exceeds that, so an exact whole number stays
// and any excess adds a bar. Outside the 16-bit range it raises ArithmeticError.
std::int16_t barsPerMetre(double quotient);

StairOutcome calculateStair(const StairDesignInput& input);

}  // namespace mx::stair
