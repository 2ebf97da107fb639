#include "pile/blow_calc.h"

#include <algorithm>

#include "common/checked.h"

namespace mx::pile {

namespace {

struct InputCheck {
    double BlowInput::*value;
    Message message;
};

// Checked in this order; the first one not above zero stops the calculation.
const InputCheck kInputChecks[] = {
    {&BlowInput::L1, {"1.คุณยังไม่ได้กำหนดความยาวของเสาเข็ม!?!", "ยังไม่ได้กำหนดความยาวของเสาเข็ม"}},
    {&BlowInput::W, {"2.คุณยังไม่ได้กำหนด นน.ของลูกตุ้มที่ใช้ตอกเสาเข็ม", "ยังไม่ได้กำหนด นน.ของลูกตุ้ม"}},
    {&BlowInput::h, {"3.คุณยังไม่ได้ใส่ค่าระยะยกของลูกตุ้มเหนือเสาเข็ม!?!", "ยังไม่ได้กำหนดระยะยกของเสาเข็ม"}},
    {&BlowInput::B, {"4.คุณยังไม่ได้กำหนดค่า BLOW COUNT ของเสาเข็ม!?!", "ยังไม่ได้กำหนดค่า BLOW COUNT"}},
    {&BlowInput::R, {"5.คุณยังไม่ได้กำหนดค่าเสาเข็มรับ นน.ปลอดภัย!?!", "ยังไม่ได้กำหนดค่าการรับ นน.ปลอดภัยของเสาเข็ม"}},
    {&BlowInput::A, {"6.คุณยังไม่ได้กำหนดหน้าตัดของเสาเข็ม!?!", "ยังไม่ได้กำหนดหน้าตัดของเสาเข็ม"}},
};

const Message kSetTooLarge{"7.จำนวนครั้งที่ตอกในฟุตสุดท้าย(BLOW COUNT) ยังใช้ไม่ได้!?!", "ระยะเข็มจมดินมากกว่า 1 ซม."};
const Message kHammerTooHeavy{"8.นน.ลูกตุ้มที่ใช้ตอกเข็มใหญ่เกินไป?", "ลูกตุ้มที่ใช้ตอกใหญ่เกินไป"};
const Message kHammerTooLight{"9.นน.ลูกตุ้มที่ใช้ตอกเล็กหรือเบาเกินไป?", "ลูกตุ้มเล็กเกินไป"};
const Message kBelowDesignLoad{"10.เสาเข็มรับ นน.ปลอดภัยได้น้อยกว่าที่ออกแบบไว้ ต้องตอกต่อ",
                               "เสาเข็มรับ นน.ได้น้อยกว่าที่ออกแบบไว้"};
// Not every stop has a numbered message: a pile whose weight rounds to nothing, or
// numbers beyond any arithmetic, would otherwise leave the old results on show as if
// they belonged to the new data.
const Message kNoResult{"ข้อมูลที่ป้อนทำให้คำนวณไม่ได้ ผลการคำนวณที่แสดงอยู่เป็นของครั้งก่อน โปรดตรวจสอบข้อมูลใหม่!?!",
                        "ข้อมูลผิดพลาด"};

constexpr double kConcreteWeight = 0.00024;  // 2.4 t/m³ on m x cm²
constexpr double kCushion = 5;               // timber cushion on the pile head, cm
constexpr double kRestitution = 0.25;        // e, with a timber cushion
constexpr double kEfficiency = 0.80;         // E, of the pile driver
constexpr double kLastFoot = 30;             // cm

}  // namespace

BlowOutcome calculateBlow(const BlowInput& in) {
    using namespace chk;
    BlowOutcome out;
    BlowResult& r = out.result;
    r.in = in;
    for (const InputCheck& c : kInputChecks) {
        if (r.in.*c.value <= 0) {
            r.in.*c.value = 1;
            out.diagnostics.say(c.message);
            return out;
        }
    }
    try {
        r.P = Fixed::fromDouble(mul(kConcreteWeight, mul(r.in.L1, r.in.A)));
        if (r.P <= Fixed()) {
            r.P = Fixed::fromInt(1);
            out.failed = true;
            out.diagnostics.say(kNoResult);
            return out;
        }
        const double P = r.P.toDouble();
        const double W = r.in.W;
        r.S = div(kLastFoot, r.in.B);
        r.N = Fixed::fromDouble(div(add(mul(kRestitution * kRestitution, P), W), add(W, P)));
        r.K = mul(r.in.h, mul(W, mul(r.N.toDouble(), kEfficiency)));
        // The temporary compressions of pile, cushion and soil are those under the load
        // that causes them, the ultimate Rn itself: C = c Rn. Hiley's Rn = K / (S + C/2)
        // then reads (c/2) Rn² + S Rn − K = 0, whose positive root is taken in the form
        // 2K / (S + √(S² + 2cK)), equal to (√(S² + 2cK) − S) / c without the cancellation.
        r.c = div(add(add(mul(0.34, r.in.L1), 0.012 * kCushion), 1.4), r.in.A);
        const double root = sqrt(add(mul(r.S, r.S), mul(2 * r.c, r.K)));
        r.Rn = Fixed::fromDouble(div(mul(2, r.K), add(r.S, root)));
        const double Rn = r.Rn.toDouble();
        r.C1 = Fixed::fromDouble(mul(0.34, div(mul(Rn, r.in.L1), r.in.A)));
        r.C2 = Fixed::fromDouble(mul(0.012, div(mul(Rn, kCushion), r.in.A)));
        r.C3 = Fixed::fromDouble(mul(1.4, div(Rn, r.in.A)));
        r.C = r.C1 + r.C2 + r.C3;
        r.Ra = r.Rn.half();
        r.Wmax = r.P.times(2);
        r.Wmin = Fixed::fromDouble(mul(0.7, P));

        // The blows that prove the design load: at Rn = 2R the set is K / (2R) − c R;
        // fewer than 30 blows would let the pile sink more than 1 cm a blow.
        r.Sreq = add(div(r.K, mul(2, r.in.R)), -mul(r.c, r.in.R));
        r.Breq = 0;
        // A set under 30 / 200 cm would need more blows than the field takes (and a set
        // of nothing would need infinitely many).
        if (r.Sreq >= kLastFoot / kMostBlows) {
            const double blows = std::max<double>(kLeastBlows, ceilUp(div(kLastFoot, r.Sreq)));
            if (blows <= kMostBlows) r.Breq = static_cast<int>(blows);
        }
    } catch (const ArithmeticError&) {
        out.failed = true;
        out.diagnostics.say(kNoResult);
        return out;
    }
    // Advice on the driving record and the hammer; none of it stops the results.
    if (r.S > 1) out.diagnostics.say(kSetTooLarge);
    if (r.in.W > r.Wmax.toDouble()) out.diagnostics.say(kHammerTooHeavy);
    if (r.in.W < r.Wmin.toDouble()) out.diagnostics.say(kHammerTooLight);
    // The pile is judged against the load it was designed for.
    const bool carries = r.Ra.toDouble() >= r.in.R;
    if (!carries) out.diagnostics.say(kBelowDesignLoad);
    out.completed = true;
    out.usable = r.S <= 1 && carries;
    return out;
}

BlowResult heldBlowResult(const BlowResult& previous, const BlowOutcome& outcome) {
    if (outcome.completed) return outcome.result;
    BlowResult held = previous;
    held.in = outcome.result.in;
    // The pile weight is the one value a stop after the input checks sets itself.
    if (outcome.result.P != Fixed()) held.P = outcome.result.P;
    return held;
}

}  // namespace mx::pile
