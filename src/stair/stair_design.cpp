#include "stair/stair_design.h"

#include "common/checked.h"
#include "common/workingstress.h"

namespace mx::stair {

namespace {

struct Prompt {
    const char* text;
    const char* title;
};

// Input checks, in the order Calculate runs them. There is no message 6: the
// concrete-strength message carries the number 3 of an older list.
constexpr Prompt kNoSpan{"1.คุณยังไม่ได้กำหนดความกว้างหรือช่วงคานของบันได?", ""};
constexpr Prompt kNoLiveLoad{"2.คุณยังไม่ได้กำหนด นน.จรที่กระทำลงบนบันได?", "ข้อมูลผิดพลาด"};
constexpr Prompt kNoTread{"3.คุณยังไม่ได้กำหนดความกว้างลูกนอน?", "ข้อมูลผิดพลาด"};
constexpr Prompt kNoRiser{"4.คุณยังไม่ได้กำหนดความสูงของลูกตั้ง?", "ข้อมูลผิดพลาด"};
constexpr Prompt kNoThickness{"5.คุณยังไม่ได้กำหนดความหนาของพื้นบันได?", "ข้อมูลผิดพลาด"};
constexpr Prompt kFcPrimeLow{"3.ค่าหน่วยแรงอัดคอนกรีตที่คุณกำหนดน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ", "หน่วยแรงอัดคอนกรีตน้อยเกิน"};
constexpr Prompt kFcPrimeHigh{
    "คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.",
    "ค่าหน่วยแรงอัด fc' มากเกินไป"};
constexpr Prompt kFcLow{"7.คุณกำหนดค่าหน่วยแรงอัดของคอนกรีตน้อยเกินไป?แก้ไขอัตโนมัติ", "ค่า fc น้อยเกินไป"};
constexpr Prompt kNoType{"8.คุณยังไม่ได้เลือกลักษณะของบันได!?!", "ยังไม่ได้เลือกลักษณะของบันได"};
// Design checks that mark the design and go on.
constexpr Prompt kTooThin{
    "9.ความหนาของพื้นบันไดน้อยเกินไป ต้องเพิ่มความหนามากขึ้น หรือลดขนาดเหล็กเสริมหลักให้เล็กลง!?!",
    "ความหนาพื้นบันไดไม่พอ"};
constexpr Prompt kMainTooClose{
    "10.ระยะเรียงเหล็กชิดเกินไป!?! เทคอนกรีตลำบาก ต้องแก้ไขขนาดเหล็กเสริมหลักให้ใหญ่ขึ้น",
    "ระยะเรียงเหล็กชิดเกินไป"};
constexpr Prompt kMainTooWide{
    "11.ระยะเรียงเหล็กห่างเกินไป!?! ต้องแก้ไขขนาดเหล็กเสริมหลักให้ใหญ่ขึ้น หรือลดความหนาพื้นลง",
    "ระยะเรียงเหล็กห่างเกินไป"};
// Final checks that end the design.
constexpr Prompt kTempTooClose{"12.ระยะเรียงเหล็กชิดเกินไป!?! ต้องแก้ไขขนาดเหล็กเสริมหลักให้ใหญ่ขึ้น",
                               "ระยะเรียงเหล็กชิดเกินไป"};
constexpr Prompt kTempTooWide{"13.ระยะเรียงเหล็กห่างเกินไป!?! ต้องแก้ไขขนาดเหล็กเสริมหลักให้ใหญ่ขึ้น",
                              "ระยะเรียงเหล็กห่างเกินไป"};
constexpr Prompt kShear{"14.หน่วยแรงเฉือนที่เกิดมากกว่าหน่วยแรงเฉือนที่ยอมให้",
                        "หน่วยแรงเฉือนที่เกิดมากกว่าหน่วยแรงเฉือนที่ยอมให้"};
constexpr Prompt kBond{"15.หน่วยแรงยึดเกาะที่เกิดมากกว่าหน่วยแรงยึดเกาะที่ยอมให้", "หน่วยแรงยึดเกาะที่เกิดมากเกินไป"};

Fixed held(double x) { return Fixed::fromDouble(x); }

// Area of one round bar of the given diameter in mm, cm2, with pi as 22/7. A bar of
// no positive size cannot be placed: squaring a negative size would give a real area
// and let the design pass on a bar that does not exist.
double barArea(std::int16_t diameterMm) {
    if (diameterMm <= 0) throw ArithmeticError("bar diameter must be positive");
    const double r = diameterMm / 20.0;
    return r * r * 22.0 / 7.0;
}

class StairRun {
public:
    StairRun(const StairDesignInput& in, StairOutcome& out) : in_(in), out_(out), r_(out.result) {}

    // Runs the checks and the design; false when a check ended the design early.
    bool run() {
        readInputs();
        if (stopped_) return false;
        design();
        return finalChecks();
    }

private:
    void say(const Prompt& p) { out_.diagnostics.say(p.text, p.title, Icon::Critical); }
    void mark() { out_.status = DesignStatus::NotUsable; }
    // A correction writes the field; the field's change rule then stores its number
    // as the value the rest of the design works with.
    void correct(const char* field, const char* text) { out_.diagnostics.correct(field, text); }
    // A missing size or load: its message, the field written back as "0" (whose rule
    // then holds 0 as the value the design goes on with), and the design marked.
    void missing(const Prompt& p, const char* field) {
        say(p);
        correct(field, "0");
        mark();
    }

    void readInputs() {
        r_.stairType = in_.stairType;

        r_.L = held(in_.L);
        if (r_.L <= Fixed()) {
            missing(kNoSpan, "Text1");
            r_.L = Fixed();
        }
        r_.LL = chk::toInt16(in_.LL);
        if (r_.LL < 1) {
            missing(kNoLiveLoad, "Text2");
            r_.LL = 0;
        }
        r_.T = held(in_.T);
        if (r_.T <= Fixed()) {
            missing(kNoTread, "Text3");
            r_.T = Fixed();
        }
        r_.Rs = held(in_.Rs);
        if (r_.Rs <= Fixed()) {
            missing(kNoRiser, "Text4");
            r_.Rs = Fixed();
        }
        r_.mainBar = chk::toInt16(in_.mainBar);
        r_.tempBar = chk::toInt16(in_.tempBar);
        r_.t = chk::toInt16(in_.t);
        if (r_.t < 1) {
            missing(kNoThickness, "Text7");
            r_.t = 0;
        }

        r_.fcPrime = chk::finite(in_.fcPrime);
        if (r_.fcPrime < 100) {
            say(kFcPrimeLow);
            correct("Text9", "150");
            r_.fcPrime = 150;
        } else if (r_.fcPrime > 1000) {
            say(kFcPrimeHigh);
            correct("Text9", "150");
            r_.fcPrime = 150;
            mark();
            stopped_ = true;
            return;
        }

        r_.fc = chk::finite(in_.fc);
        if (r_.fc < 30) {
            say(kFcLow);
            correct("Text10", "65");
            r_.fc = 65;
        }
        r_.fs = chk::toInt16(in_.fs);
        r_.fD = chk::finite(in_.fD);
        r_.fL = chk::finite(in_.fL);
        if (r_.stairType < kFlatAcross || r_.stairType > kFoldedPlate) {
            say(kNoType);
            mark();
        }
    }

    void design() {
        const WorkingStress ws = workingStress(r_.fcPrime, r_.fc, r_.fs);
        r_.n = ws.n;
        r_.k = ws.k;
        r_.j = ws.j;
        r_.R = ws.R;

        const double T = r_.T.toDouble();
        const double Rs = r_.Rs.toDouble();
        const double t = r_.t;
        r_.stepsPerMetre = held(chk::div(100.0, T));
        const double steps = r_.stepsPerMetre.toDouble();
        if (r_.stairType == kFoldedPlate) {
            // Tread plates and riser plates of thickness t, 2400 kg/m3, per metre of plan.
            r_.Wstep = held(chk::mul(chk::mul(0.24 * t, T - t), steps));
            r_.Wslab = held(chk::mul(chk::mul(0.24 * t, Rs + t), steps));
        } else {
            // Triangular steps of rise Rs, and the inclined slab along the slope.
            r_.Wstep = r_.Rs.times(12);
            const std::int16_t slabWeight = chk::mul16(24, r_.t);
            r_.Wslab = held(chk::mul(chk::sqrt(T * T + Rs * Rs), chk::div(slabWeight, T)));
        }
        r_.D = r_.Wstep + r_.Wslab;
        r_.fDxD = held(chk::mul(r_.fD, r_.D.toDouble()));
        r_.fLxLL = held(chk::mul(r_.fL, r_.LL));
        r_.w = r_.fDxD + r_.fLxLL;
        const double L = r_.L.toDouble();
        const double w = r_.w.toDouble();
        r_.M = held(chk::mul(L * L, w) / 8.0);

        // Effective depth: 2 cm cover and half the main bar, worked in single precision.
        const float halfBar = chk::toSingle(r_.mainBar) / 2.0f / 10.0f;
        const float d = chk::toSingle(r_.t) - (halfBar + 2.0f);
        r_.d = held(static_cast<double>(d));

        const double M100 = chk::mul(r_.M.toDouble(), 100.0);
        const double j = r_.j.toDouble();
        r_.dReq = held(chk::sqrt(chk::div(M100, chk::mul(r_.R.toDouble(), 100.0))));
        if (r_.d < r_.dReq) {
            say(kTooThin);
            mark();
        }
        r_.As = held(chk::div(M100, chk::mul(chk::mul(r_.fs, j), r_.d.toDouble())));
        r_.aMain = held(barArea(r_.mainBar));
        r_.Nmain = held(chk::div(r_.As.toDouble(), r_.aMain.toDouble()));
        r_.countMain = barsPerMetre(r_.Nmain.toDouble());
        r_.sMain = held(chk::div(1.0, r_.countMain));
        if (r_.sMain < held(kMinSpacing)) {
            say(kMainTooClose);
            mark();
        }
        if (r_.sMain > held(kMaxSpacing)) {
            say(kMainTooWide);
            mark();
        }

        if (r_.stairType == kFoldedPlate) {
            // The folded plate carries fixed corner and face bars instead of a
            // shrinkage mat, and its temperature-bar field is hidden from the user:
            // a size left there that no bar can have must not fail the design.
            try {
                temperatureSteel();
            } catch (const ArithmeticError&) {
            }
            r_.AsT = Fixed();
            r_.sTemp = held(kFoldedPlateTempSpacing);
        } else {
            temperatureSteel();
        }
    }

    // Shrinkage and temperature steel: 0.0025 of a 100 cm strip of thickness t.
    void temperatureSteel() {
        r_.AsT = held(0.25 * r_.t);
        r_.aTemp = held(barArea(r_.tempBar));
        r_.countTemp = barsPerMetre(chk::div(r_.AsT.toDouble(), r_.aTemp.toDouble()));
        r_.sTemp = held(chk::div(1.0, r_.countTemp));
    }

    bool finalChecks() {
        if (r_.sTemp < held(kMinSpacing)) {
            say(kTempTooClose);
            mark();
            return false;
        }
        if (r_.sTemp > held(kMaxSpacing)) {
            say(kTempTooWide);
            mark();
            return false;
        }

        const double L = r_.L.toDouble();
        const double w = r_.w.toDouble();
        const double d = r_.d.toDouble();
        r_.V = held(chk::mul(L, w * 0.5));
        r_.Vd = held(r_.V.toDouble() - chk::mul(d / 100.0, w));
        r_.v = held(chk::div(r_.Vd.toDouble(), 100.0 * d));
        r_.vc = held(0.29 * chk::sqrt(r_.fcPrime));
        if (r_.v > r_.vc) {
            say(kShear);
            mark();
            return false;
        }

        const float perimeter = chk::toSingle(r_.mainBar) / 20.0f * 44.0f / 7.0f;
        r_.perimeter = held(static_cast<double>(perimeter));
        r_.sumPerimeter = held(chk::mul(r_.perimeter.toDouble(), r_.countMain));
        // Each product of two held values is held in turn, as worked on the sheet.
        const Fixed sumJ = held(chk::mul(r_.sumPerimeter.toDouble(), r_.j.toDouble()));
        const Fixed sumJd = held(chk::mul(sumJ.toDouble(), d));
        r_.u = held(chk::div(r_.V.toDouble(), sumJd.toDouble()));
        if (r_.u > held(kAllowableBond)) {
            say(kBond);
            mark();
            return false;
        }
        // Every final check passed: the result panel is written now, before the
        // closing message of a design marked earlier.
        out_.diagnostics.markResults();
        return true;
    }

    const StairDesignInput& in_;
    StairOutcome& out_;
    StairDesignResult& r_;
    bool stopped_ = false;
};

}  // namespace

std::int16_t barsPerMetre(double quotient) {
    const std::int16_t rounded = chk::toInt16(quotient);
    return quotient > rounded ? chk::add16(rounded, 1) : rounded;
}

StairOutcome calculateStair(const StairDesignInput& input) {
    StairOutcome out;
    out.status = DesignStatus::Usable;
    try {
        out.panelWritten = StairRun(input, out).run();
    } catch (const ArithmeticError&) {
        // An impossible operation abandons the remaining steps; what was computed so
        // far stays in the result record, and only the closing message follows.
        out.arithmeticFailure = true;
        out.panelWritten = false;
        out.status = DesignStatus::NotUsable;
    }
    if (out.status == DesignStatus::NotUsable) {
        out.diagnostics.say(kClosingText, kClosingTitle, Icon::Critical);
        out.verdict = kVerdictNotUsable;
    } else {
        out.verdict = kVerdictUsable;
    }
    out.result.status = out.status;
    return out;
}

}  // namespace mx::stair
