#pragma once
// Safe load of one pile carried by skin friction alone, by the building control rule:
// 600 kg/m² over the top 7.00 m of the pile, and below that a friction growing from
// 800 kg/m² at 7.00 m to 800 + 200·L2 kg/m² at the tip, its mean acting over L2.
// End bearing is not counted; a timber pile is reduced to 78 %.
#include <cstdint>
#include <string>

#include "common/fixed.h"
#include "common/message.h"

namespace mx::pile {

// Pile type codes as the type buttons set them (0 = none chosen yet).
enum PileType : std::int16_t { kNoType = 0, kTimber = 1, kPrestressed = 2, kBored = 3, kHollow = 4 };

// The warning line under the results when the perimeter is implausible, and its quiet text.
inline constexpr const char* kLabel9Warning = "ข้อมูลที่คุณกรอกผิดพลาด!!!โปรดตรวจสอบแก้ไขด่วน!!!";
inline constexpr const char* kLabel9Quiet = "...";

// Every value of the last calculation, as the window holds it for the sheet.
struct PileResult {
    std::int16_t code = 0;  // pile type code after the check (0 when none chosen)
    double size = 0;        // size read from the size field, never negative
    double L = 0;           // pile length, m, never negative
    double L1 = 0;          // part within the top 7.00 m, m
    double L2 = 0;          // part below 7.00 m, m
    double p = 0;           // perimeter, m
    Fixed pF;               // perimeter held to four decimals
    Fixed P1;               // load carried over L1, t
    Fixed f2;               // friction at the tip, kg/m²
    Fixed P2;               // load carried over L2, t
    Fixed P;                // safe load P1 + P2, t
    Fixed Pw;               // timber safe load 0.78·P, t
};

struct PileOutcome {
    PileResult result;
    Diagnostics diagnostics;  // numbered warnings in the order the window shows them
    std::string label9;       // the data-warning line after the calculation
    bool failed = false;      // an impossible number stopped the calculation
};

// The size and length are the numbers read from their fields; previousLabel9 is the
// warning line as it stood, which a perimeter of exactly 7 m leaves unchanged.
PileOutcome calculatePile(int typeCode, double size, double length, const std::string& previousLabel9);

// Perimeter in metres of a pile of the given type and size (0 for no type).
double pilePerimeter(int typeCode, double size);

}  // namespace mx::pile
