#pragma once
// Spread footing: a square, unpiled reinforced-concrete pad under one column stub,
// designed by the working-stress method. The pad is sized from the allowable soil
// bearing, the stub from the load, the depth from the moment at the stub face and
// from punching shear, and the bottom mesh from the moment and from bond.
#include <cstdint>
#include <string>

#include "common/fixed.h"
#include "common/footing.h"
#include "common/message.h"

namespace mx::spreadfooting {

// The seven numbers of the input form, each read as the number at the start of its
// field text.
struct SpreadFootingInput {
    double P = 0;        // load the column stub brings onto the footing, kg (Text1)
    double q = 0;        // allowable soil bearing pressure, t/m2 (Text3)
    double db = 0;       // mesh bar diameter, mm (Text2)
    double fcPrime = 0;  // ultimate concrete strength fc', ksc (Text4)
    double fc = 0;       // allowable concrete stress, ksc (Text5)
    double fs = 0;       // allowable steel stress, ksc (Text6)
    double p = 0;        // self-weight allowance, per cent of the load (Text13)
};

// Every value of one calculation. Each Calculate starts from an empty record, so a
// design that stops early holds zeros for the steps it did not reach: the sheet and
// the drawing then show that run alone, never the pad of one run beside the bars of
// an earlier one.
struct SpreadFootingResult {
    // Inputs as the calculation used them (after its own corrections).
    double P = 0, q = 0, db = 0, fcPrime = 0, fc = 0, fs = 0, p = 0;

    double pf = 0;        // p / 10
    std::int16_t cf = 0;  // load factor P / 10 000 + 5
    double Wf = 0;        // estimated self-weight of the footing, kg
    double W = 0;         // P + Wf, kg
    double A = 0;         // required plan area, m2
    std::int16_t L = 0;   // width, cm
    std::int16_t B = 0;   // length, cm (always equal to L)
    Fixed Aact;           // L x L, cm2
    Fixed w;              // upward soil pressure, kg/m2
    Fixed cRoot;          // sqrt(0.0158 P), cm
    Fixed c;              // that root rounded up to a whole centimetre
    double a = 0;         // column stub side, cm
    Fixed l;              // cantilever from the stub face, m
    Fixed M;              // moment at the stub face per metre width, kg-m
    Fixed n, k, j, R;     // working-stress constants
    Fixed dr;             // depth by moment before rounding up (at least 15), cm
    double dreq = 0;      // depth by moment rounded up, cm
    double inc = 0;       // depth added by the punching-shear loop, cm
    double d = 0;         // effective depth, cm
    double t = 0;         // total depth d + 7.5 + D/2, up to the whole cm
    double vcb = 0;       // allowable one-way shear stress, ksc
    double Vb = 0;        // one-way shear at d from the stub face, kg
    double vb = 0;        // its stress, ksc
    double vcp = 0;       // allowable punching shear stress, ksc
    double Vp = 0;        // punching shear force, kg
    double b0 = 0;        // punching perimeter, cm
    double vp = 0;        // punching shear stress, ksc
    Fixed Wact;           // actual self-weight, kg
    Fixed As;             // steel area per metre width, cm2
    Fixed Ab;             // area of one bar, cm2
    Fixed o;              // perimeter of one bar, cm
    Fixed na;             // bars across the whole width required by area
    double rho = 0;       // least steel ratio of the grade
    Fixed AsMin;          // least steel per metre width, rho x 100 x t, cm2
    Fixed nMin;           // bars across the whole width the least steel asks for
    bool roundBars = false;  // SR24: the lower bond stress and the larger least steel
    Fixed u;              // allowable bond stress, ksc
    Fixed nb;             // bars required by bond
    MeshAnchorage anchorage;  // of the mesh past the stub faces
    std::int16_t N = 0;   // bars in the long direction
    float s = 0;          // spacing of the long-direction bars, cm
    std::int16_t Ns = 0;  // bars in the short direction
    float sL = 0;         // mean pitch B / N, cm
    float sS = 0;         // mean pitch L / Ns, cm
    int status = 0;       // 1 not usable, 2 usable (0 before the first calculation)
};

using SpreadFootingOutcome = FootingOutcome<SpreadFootingResult>;

// The Calculate button. The result holds this run only; values it did not reach are 0.
SpreadFootingOutcome calculateSpreadFooting(const SpreadFootingInput& input);

// The mesh pitch check of a finished design: the mean pitches B / N and L / Ns must
// lie within 5..25 cm. Gives the number of the first message that holds (12 too wide
// long way, 13 too wide short way, 14 too close long way, 15 too close short way),
// or 0 when both pitches are fine.
int pitchMessage(float sL, float sS);

// Message texts, titles and icons, by number (1..17); 16 closes a design that is not
// usable.
const Message& spreadFootingMessage(int number);

inline constexpr const char* kVerdictUsable = "ฐานรากที่คุณออกแบบใช้ได้ OK.";
inline constexpr const char* kVerdictNotUsable = "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข!?!";
inline constexpr const char* kVerdictInitial = "สรุปผลการคำนวณ?";

}  // namespace mx::spreadfooting
