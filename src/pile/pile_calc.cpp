#include "pile/pile_calc.h"

#include "common/checked.h"

namespace mx::pile {

namespace {

const Message kNoTypeMessage{"1.คุณยังไม่ได้เลือกชนิดของเสาเข็ม?", "เตือนให้เลือกชนิดของเสาเข็ม", Icon::Critical};
const Message kLengthMessage{"2.คุณยังไม่ได้กำหนดความยาวของเสาเข็มหรือกำหนดผิดพลาด!!!", "ความยาวเสาเข็ม", Icon::Critical};
const Message kAbnormalMessage{"3.ค่าที่คำนวณออกมาผิดปรกติ คุณกรอกข้อมูลผิดพลาด โปรดตรวจสอบใหม่!?!", "ขนาดเสาเข็มผิดพลาด",
                               Icon::Critical};

// Friction over the top 7.00 m and the least friction below it, kg/m².
constexpr double kTopFriction = 600;
constexpr double kDeepFriction = 800;
constexpr double kTopDepth = 7;
// A single pile carrying more than this by friction alone means the data are wrong.
constexpr double kPlausibleLoad = 1800;

}  // namespace

double pilePerimeter(int typeCode, double size) {
    using chk::div;
    using chk::mul;
    switch (typeCode) {
    case kTimber:  // diameter in inches: π D, inches to cm, cm to m (π = 22/7)
        return div(mul(mul(22, size), 2.54), 700);
    case kPrestressed:
    case kHollow:  // perimeter (or inner + outer perimeter) in cm
        return div(size, 100);
    case kBored:  // diameter in metres
        return div(mul(22, size), 7);
    default:
        return 0;
    }
}

PileOutcome calculatePile(int typeCode, double size, double length, const std::string& previousLabel9) {
    PileOutcome out;
    PileResult& r = out.result;
    Diagnostics& d = out.diagnostics;
    out.label9 = previousLabel9;

    // Step by step; no message stops the sequence.
    int code = typeCode;
    if (code <= 0) {
        code = 0;
        d.say(kNoTypeMessage);
    }
    r.code = static_cast<std::int16_t>(code > 32767 ? 32767 : code);
    r.size = size < 0 ? 0 : size;
    r.L = length;
    if (r.L <= 0) d.say(kLengthMessage);
    if (r.L < 0) {
        r.L = 0;
        r.L1 = 0;
        r.L2 = 0;
    }
    try {
        if (r.L > kTopDepth) {
            r.L2 = chk::add(r.L, -kTopDepth);
            r.L1 = kTopDepth;
        }
        if (r.L <= kTopDepth) {
            r.L1 = r.L;
            r.L2 = 0;
        }
        r.p = pilePerimeter(code, r.size);
        // A perimeter above 7 m is no real pile: the warning line says so. At exactly
        // 7 m the line is left as it stood.
        if (r.p > 7) out.label9 = kLabel9Warning;
        if (r.p < 7) out.label9 = kLabel9Quiet;
        r.pF = Fixed::fromDouble(r.p);
        const double pF = r.pF.toDouble();
        r.P1 = Fixed::fromDouble(chk::mul(kTopFriction, chk::div(chk::mul(pF, r.L1), 1000)));
        r.f2 = Fixed::fromDouble(chk::add(kDeepFriction, chk::mul(200, r.L2)));
        const double meanFriction = chk::div(chk::add(kDeepFriction, r.f2.toDouble()), 2);
        r.P2 = Fixed::fromDouble(chk::div(chk::mul(chk::mul(pF, meanFriction), r.L2), 1000));
        r.P = r.P1 + r.P2;
        if (r.P.toDouble() > kPlausibleLoad) d.say(kAbnormalMessage);
        r.Pw = Fixed::fromDouble(chk::mul(r.P.toDouble(), 0.78));
    } catch (const ArithmeticError&) {
        // Only numbers far beyond any pile get here (the field checks keep typed
        // values small): stop, keep what was computed and say the data are wrong.
        out.failed = true;
        d.say(kAbnormalMessage);
    }
    return out;
}

}  // namespace mx::pile
