#include "spreadfooting/spreadfooting.h"

#include <algorithm>
#include <array>

#include "common/checked.h"
#include "common/fieldtable.h"
#include "common/limitrule.h"
#include "common/workingstress.h"
#include "spreadfooting/spreadfooting_messages_tsv.h"

namespace mx::spreadfooting {

namespace {

// The message boxes, numbered as the calculation says them.
const std::vector<Message>& messages() {
    static const std::vector<Message> table = loadMessages("spreadfooting/spreadfooting_messages.tsv", embedded::spreadfooting_messages_tsv());
    return table;
}

// Limits of the design.
constexpr double kMinLoad = 1000;          // kg; anything lighter is not a footing load
constexpr double kMinBearing = 2;          // t/m2
constexpr double kMinBar = 9;              // mm
constexpr double kMinFcPrime = 100;        // ksc
constexpr double kMaxFcPrime = 1000;       // ksc
constexpr double kMinFc = 30;              // ksc, at or below is refused
constexpr double kMinFs = 800;             // ksc, at or below is refused
constexpr double kMinStub = 15;            // cm
constexpr double kMinDepth = 15;           // cm, depth by moment
constexpr double kDepthMargin = 5;         // cm added to the depth by moment
constexpr double kPunchStep = 5;           // cm added per failed punching check
constexpr double kConcreteWeight = 2400;   // kg/m3
constexpr int kEndCover = 10;              // cm, 5 cm at each end of a bar row
constexpr int kMaxLength = 1000;           // cm
constexpr float kMaxPitch = 25;            // cm
constexpr float kMinPitch = 5;             // cm
// The punching loop always ends: once d passes L the punching force is negative.
// A footing is at most 32 767 cm, so this many rounds can never be needed.
constexpr int kMaxPunchRounds = 10000;

// The inputs Calculate holds to the range the design can use, in the order it checks
// them. Without a real load or bearing there is no pad to size: the field is set to a
// usual value and the design ends with the input as typed.
constexpr InputLimit kAllowanceLimit{Breach::AtOrBelow, 0, 1, "Text13", 0.1};
using InputStep = mx::InputStep<SpreadFootingInput, SpreadFootingResult>;
constexpr InputStep kInputSteps[] = {
    {{Breach::Below, kMinLoad, 2, "Text1", 1000, ResetOrder::BeforeMessage, AfterBreach::EndAsTyped},
     &SpreadFootingInput::P, &SpreadFootingResult::P},
    {{Breach::Below, kMinBearing, 3, "Text3", 8, ResetOrder::BeforeMessage, AfterBreach::EndAsTyped},
     &SpreadFootingInput::q, &SpreadFootingResult::q},
    {{Breach::Below, kMinBar, 4, "Text2", 25}, &SpreadFootingInput::db, &SpreadFootingResult::db},
    {{Breach::Below, kMinFcPrime, 5, "Text4", 150}, &SpreadFootingInput::fcPrime, &SpreadFootingResult::fcPrime},
    {{Breach::Above, kMaxFcPrime, 6, "Text4", 150, ResetOrder::AfterMessage, AfterBreach::EndWithSafe},
     &SpreadFootingInput::fcPrime, &SpreadFootingResult::fcPrime},
    {{Breach::AtOrBelow, kMinFc, 7, "Text5", 65}, &SpreadFootingInput::fc, &SpreadFootingResult::fc},
    {{Breach::AtOrBelow, kMinFs, 8, "Text6", 1200}, &SpreadFootingInput::fs, &SpreadFootingResult::fs},
};

enum class Ending { Report, NotUsable };

class Calculation {
public:
    Calculation(const SpreadFootingInput& in, SpreadFootingOutcome& out) : in_(in), out_(out), r_(out.result) {}

    Ending run();

private:
    void say(int number) { out_.diagnostics.say(numberedMessage(messages(), number)); }

    const SpreadFootingInput& in_;
    SpreadFootingOutcome& out_;
    SpreadFootingResult& r_;
};

Ending Calculation::run() {
    using chk::div;
    using chk::mul;

    // Self-weight allowance: without one the pad would be sized for the column load alone.
    bool ended = false;  // the allowance never ends the design
    r_.p = holdInput(kAllowanceLimit, in_.p, spreadFootingMessage, out_.diagnostics, ended);
    r_.pf = div(r_.p, 10);
    if (!holdInputs<SpreadFootingInput, SpreadFootingResult>(kInputSteps, in_, r_, spreadFootingMessage,
                                                             out_.diagnostics))
        return Ending::NotUsable;

    const WorkingStress ws = workingStress(r_.fcPrime, r_.fc, r_.fs);
    r_.n = ws.n;
    r_.k = ws.k;
    r_.j = ws.j;
    r_.R = ws.R;

    // Plan size from the bearing, with the self-weight allowance growing with the load.
    r_.cf = chk::toInt16(div(r_.P, 10000) + 5);
    r_.Wf = div(mul(mul(r_.P, r_.pf), r_.cf), 100);
    r_.W = chk::add(r_.Wf, r_.P);
    r_.A = div(r_.W, mul(1000, r_.q));
    r_.L = chk::toInt16(chk::ceilUp(chk::sqrt(mul(10000, r_.A))));
    r_.B = r_.L;
    r_.Aact = Fixed::fromInt(static_cast<std::int64_t>(r_.L) * r_.L);
    r_.w = Fixed::fromDouble(div(mul(10000, r_.W), r_.Aact.toDouble()));

    // Smallest stub, to a multiple of 10 cm.
    r_.cRoot = Fixed::fromDouble(chk::sqrt(mul(0.0158, r_.P)));
    r_.c = Fixed::fromDouble(chk::ceilUp(r_.cRoot.toDouble()));
    r_.a = 10 * chk::ceilUp(div(r_.c.toDouble(), 10));
    if (r_.a < kMinStub) r_.a = kMinStub;

    // Moment at the stub face per metre width of pad.
    const double Lm = static_cast<double>(chk::toSingle(r_.L / 100.0));
    r_.l = Fixed::fromDouble((Lm - r_.a / 100) / 2);
    const double l = r_.l.toDouble();
    r_.M = Fixed::fromDouble(mul(mul(r_.w.toDouble(), 0.5), mul(l, l)));

    // Depth by moment on a 100 cm strip.
    r_.dr = Fixed::fromDouble(chk::sqrt(div(mul(100, r_.M.toDouble()), mul(100, r_.R.toDouble()))));
    if (r_.dr.toDouble() < kMinDepth) r_.dr = Fixed::fromInt(static_cast<std::int64_t>(kMinDepth));
    r_.dreq = chk::ceilUp(r_.dr.toDouble());

    // Punching shear round the stub decides the depth; one-way shear is only reported.
    r_.inc = 0;
    const double w = r_.w.toDouble();
    const double Lw = r_.L / 100.0;
    for (int round = 0;; ++round) {
        if (round >= kMaxPunchRounds) throw ArithmeticError("punching-shear depth does not settle");
        r_.d = r_.dreq + kDepthMargin + r_.inc;
        r_.t = footingThickness(r_.d, r_.db / 10);
        r_.vcb = 0.29 * chk::sqrt(r_.fcPrime);
        r_.Vb = mul(mul(l - r_.d / 100, w), Lw);
        r_.vb = div(r_.Vb, mul(r_.d, r_.L));
        r_.vcp = 0.53 * chk::sqrt(r_.fcPrime);
        const double dm = r_.d / 100;
        r_.Vp = mul(w, mul(Lw, Lw) - mul(dm, dm));
        r_.b0 = 4 * (r_.d + r_.a);
        r_.vp = div(r_.Vp, mul(r_.d, r_.b0));
        if (!(r_.vp > r_.vcp)) break;
        r_.inc += kPunchStep;
    }

    // The pad as designed must not weigh more than was allowed for in sizing it.
    const double plan = static_cast<double>(
        chk::toSingle(static_cast<double>(chk::toSingle(r_.B / 100.0)) * static_cast<double>(chk::toSingle(r_.L / 100.0))));
    r_.Wact = Fixed::fromDouble(mul(mul(kConcreteWeight, plan), r_.t / 100));
    if (r_.Wact.toDouble() > r_.Wf) {
        say(9);
        return Ending::NotUsable;
    }

    // Mesh: area per metre width from the moment.
    const double j = r_.j.toDouble();
    r_.As = Fixed::fromDouble(div(mul(100, r_.M.toDouble()), mul(mul(j, r_.fs), r_.d)));
    const double radius = r_.db / 20;  // cm
    r_.Ab = Fixed::fromDouble(div(mul(22, mul(radius, radius)), 7));
    r_.o = Fixed::fromDouble(div(mul(mul(2, radius), 22), 7));

    // As is per metre, so the bars across the whole pad are As x B/100 over one bar's
    // area; counting As / Ab alone would put a one-metre strip's steel under a wider pad.
    r_.na = Fixed::fromDouble(div(mul(r_.As.toDouble(), r_.B / 100.0), r_.Ab.toDouble()));
    // Least steel on the gross section, by the grade of the bars: per metre, and the
    // bars it asks for across the whole pad.
    r_.roundBars = isRoundBar(r_.fs);
    r_.rho = minSteelRatio(r_.fs);
    r_.AsMin = Fixed::fromDouble(mul(mul(r_.rho, 100), r_.t));
    r_.nMin = Fixed::fromDouble(div(mul(r_.AsMin.toDouble(), r_.B / 100.0), r_.Ab.toDouble()));
    // Bond: V / (u o j d), halved between the two ways of the mesh, with the
    // perimeter term held to four decimals; u is the allowable stress of the bar.
    const double barCm = r_.db / 10;
    r_.u = allowableBond(r_.fcPrime, barCm, r_.roundBars);
    const Fixed Vp = Fixed::fromDouble(r_.Vp);
    const Fixed uoj = Fixed::fromDouble(mul(mul(r_.u.toDouble(), r_.o.toDouble()), j));
    r_.nb = Fixed::fromDouble(div(Vp.toDouble(), mul(r_.d, uoj.toDouble()))).half();

    const Fixed governing = std::max({r_.na, r_.nb, r_.nMin});
    r_.N = chk::toInt16((governing + Fixed::fromInt(1)).toDouble());
    // The bars must develop fs past the stub face before the pad's edge.
    r_.anchorage = meshAnchorage(r_.fs, barCm, r_.u, (r_.L - r_.a) / 2);

    // Spacing over the length less the end covers; a single bar has no spacing.
    r_.s = chk::toSingle(div(r_.L - kEndCover, r_.N - 1));
    r_.Ns = chk::toInt16(div(r_.B - kEndCover, static_cast<double>(r_.s)) + 1);

    // The result panel is written here, before the proportions are judged.
    out_.panelWritten = true;
    out_.diagnostics.markResults();

    r_.sL = chk::toSingle(div(r_.B, r_.N));
    r_.sS = chk::toSingle(div(r_.L, r_.Ns));
    if (r_.B > kMaxLength) {
        say(10);
        return Ending::NotUsable;
    }
    if (r_.a >= r_.L) {
        say(11);
        out_.status = DesignStatus::NotUsable;
    }
    if (const int m = pitchMessage(r_.sL, r_.sS)) {
        say(m);
        return Ending::NotUsable;
    }
    if (!r_.anchorage.holds) {
        say(17);
        return Ending::NotUsable;
    }
    return Ending::Report;
}

}  // namespace

int pitchMessage(float sL, float sS) {
    if (sL > kMaxPitch) return 12;
    if (sS > kMaxPitch) return 13;
    if (sL < kMinPitch) return 14;
    if (sS < kMinPitch) return 15;
    return 0;
}

const Message& spreadFootingMessage(int number) {
    return numberedMessage(messages(), std::clamp(number, 1, 17));
}

SpreadFootingOutcome calculateSpreadFooting(const SpreadFootingInput& input) {
    SpreadFootingOutcome out;  // a fresh record: nothing of an earlier run survives
    out.status = DesignStatus::Usable;
    try {
        Calculation calc(input, out);
        if (calc.run() == Ending::NotUsable) out.status = DesignStatus::NotUsable;
    } catch (const ArithmeticError&) {
        // An impossible operation abandons the design; the values reached so far stay,
        // the later ones remain 0.
        out.status = DesignStatus::NotUsable;
    }
    out.result.status = static_cast<int>(out.status);
    if (out.status == DesignStatus::NotUsable) {
        out.diagnostics.say(numberedMessage(messages(), 16));
        out.verdict = kVerdictNotUsable;
    } else {
        out.verdict = kVerdictUsable;
    }
    return out;
}

}  // namespace mx::spreadfooting
