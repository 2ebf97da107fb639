#include "pilecap/pilecap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/checked.h"
#include "common/fieldtable.h"
#include "common/limitrule.h"
#include "common/workingstress.h"
#include "pilecap/pilecap_messages_tsv.h"

namespace mx::pilecap {

// ---- Messages -----------------------------------------------------------------------

namespace {
// The message boxes, numbered as the calculation says them.
const std::vector<Message>& messages() {
    static const std::vector<Message> table = loadMessages("pilecap/pilecap_messages.tsv", embedded::pilecap_messages_tsv());
    return table;
}
}  // namespace

const Message& pileCapMessage(int number) {
    return numberedMessage(messages(), std::clamp(number, 1, 17));
}

// ---- Calculate ------------------------------------------------------------------------

namespace {

// Ends the steps early; the design is then judged not usable.
struct NotUsable {};

// The inputs Calculate holds to the range the design can use, in the order it checks
// them, each with the value of the result record it gives.
constexpr InputLimit kAllowanceLimit{Breach::AtOrBelow, 0, 1, "Text14", 0.1};
using InputStep = mx::InputStep<PileCapInput, PileCapResult>;
constexpr InputStep kInputSteps[] = {
    {{Breach::Below, 1000, 2, "Text1", 1000}, &PileCapInput::P, &PileCapResult::P},
    // A negative safe load is taken as a small pile; zero cannot carry anything and
    // fails at the pile count.
    {{Breach::Below, 0, 0, "Text3", 0.5}, &PileCapInput::Ps, &PileCapResult::Ps},
    {{Breach::Below, 9, 3, "Text2", 25}, &PileCapInput::db, &PileCapResult::db},
    {{Breach::Below, 100, 4, "Text5", 150}, &PileCapInput::fcPrime, &PileCapResult::fcPrime},
    {{Breach::Above, 1000, 5, "Text5", 150, ResetOrder::AfterMessage, AfterBreach::EndWithSafe},
     &PileCapInput::fcPrime, &PileCapResult::fcPrime},
    {{Breach::AtOrBelow, 30, 6, "Text6", 65}, &PileCapInput::fc, &PileCapResult::fc},
    {{Breach::AtOrBelow, 800, 7, "Text7", 1200}, &PileCapInput::fs, &PileCapResult::fs},
    // A pile smaller than 10 cm is taken as 10 cm without a word.
    {{Breach::Below, 10, 0, "Text4", 10}, &PileCapInput::q, &PileCapResult::q},
    {{Breach::Above, 200, 8, "Text4", 200}, &PileCapInput::q, &PileCapResult::q},
};

class Calculation {
public:
    Calculation(const PileCapInput& in, const PileCapResult& previous) : in_(in) { out_.result = previous; }

    PileCapOutcome run() {
        PileCapResult& r = out_.result;
        r.status = 2;
        try {
            steps();
        } catch (const NotUsable&) {
            r.status = 1;
        } catch (const ArithmeticError&) {
            // An impossible operation abandons the remaining steps; the design cannot
            // be used and only the closing message is shown for it.
            r.status = 1;
        }
        if (r.status == 1) {
            say(16);
            out_.status = DesignStatus::NotUsable;
            out_.verdict = kNotUsableVerdict;
        } else {
            out_.status = DesignStatus::Usable;
            out_.verdict = kUsableVerdict;
        }
        return std::move(out_);
    }

private:
    void say(int number) { out_.diagnostics.say(pileCapMessage(number)); }
    void steps() {
        PileCapResult& r = out_.result;

        // Self-weight allowance: without one the cap's own weight would be ignored.
        bool ended = false;
        r.p = holdInput(kAllowanceLimit, in_.p, pileCapMessage, out_.diagnostics, ended);
        r.pf = chk::div(r.p, 10);
        if (!holdInputs<PileCapInput, PileCapResult>(kInputSteps, in_, r, pileCapMessage, out_.diagnostics))
            throw NotUsable{};
        const double P = r.P, Ps = r.Ps, db = r.db, fcPrime = r.fcPrime, fc = r.fc, fs = r.fs, q = r.q;

        const WorkingStress ws = workingStress(fcPrime, fc, fs);
        r.n = ws.n;
        r.k = ws.k;
        r.j = ws.j;
        r.R = ws.R;

        // Number of piles. The count stays a real number until it is known to be one
        // of the arrangements, so a very small safe load ends in the message for too
        // many piles instead of overflowing an integer.
        r.Wf = chk::div(chk::mul(P, r.pf), 10);
        r.W = chk::add(r.Wf, P);
        const double perPile = chk::mul(1000, Ps);
        // Compared before dividing: a safe load so small that the count itself would
        // overflow a double is still a case of too many piles.
        const bool tooMany = perPile > 0 && r.W > kMaxPiles * perPile;
        if (!tooMany || std::isfinite(r.W / perPile)) r.np = chk::ceilUp(chk::div(r.W, perPile));
        if (tooMany || r.np > kMaxPiles) {
            say(9);
            r.Bw = 0;
            r.Lc = 0;
            throw NotUsable{};
        }
        if (r.np < 1) throw ArithmeticError("no pile");  // W > 0 and Ps > 0 rule it out
        const int piles = static_cast<int>(r.np);
        const std::size_t row = static_cast<std::size_t>(piles - 1);
        r.Bw = chk::toInt16(capSide(PileLayoutTable[row].Bw, q));
        r.Lc = chk::toInt16(capSide(PileLayoutTable[row].Lc, q));

        r.Pp = Fixed::fromDouble(chk::div(r.W, r.np));

        // The stub stands over the centroid of the piles, so that each carries W / np:
        // the cap's centre for every arrangement but the triangle of three piles, where
        // it lies q √3 / 4 from the centre towards the pair.
        const std::vector<PileCentre> centres = pileCentres(r.np, q, r.Bw, r.Lc);
        r.stubX = r.Bw / 2.0;
        r.stubY = r.Lc / 2.0;
        if (!centres.empty()) {
            double sx = 0, sy = 0;
            for (const PileCentre& c : centres) {
                sx += c.x;
                sy += c.y;
            }
            r.stubX = sx / static_cast<double>(centres.size());
            r.stubY = sy / static_cast<double>(centres.size());
        }

        // Smallest square column stub for the load, to whole 10 cm, at least 15 cm.
        r.c = Fixed::fromDouble(chk::sqrt(chk::mul(0.0158, P)));
        const double c = chk::ceilUp(r.c.toDouble());
        r.a = 10 * chk::ceilUp(c / 10);
        if (r.a < 15) r.a = 15;

        // Moment at the stub face from the pile reactions beyond it; lever arm
        // (c q − a) / 2 cm, and 1/100 turns kg-cm into kg-m.
        if (piles == 1) {
            r.M = r.Pp;
        } else {
            const double Pp = r.Pp.toDouble();
            double sum = 0;
            for (const PileMomentTerm& term : PileMomentTable[row]) {
                if (term.m == 0) continue;
                const double arm = chk::mul(termFactor(term), q) - r.a;
                sum = chk::add(sum, chk::mul(chk::mul(term.m * Pp, arm), 0.005));
            }
            r.M = Fixed::fromDouble(sum);
        }

        // Depth from the moment, at least 15 cm, plus cover. The moment is that of the
        // whole cap; working it on a 1 m strip is on the safe side for a cap 1 m wide
        // or wider, but a narrower cap has less concrete than the strip assumes, so it
        // is worked on its own width: dr = √(M × 100 / (R × b)), b = min(Bw, 100) cm.
        r.b = std::min<double>(r.Bw, 100);
        double perStrip = chk::div(r.M.toDouble(), r.R.toDouble());
        if (r.b < 100) perStrip = chk::div(chk::mul(perStrip, 100), r.b);
        r.dr = Fixed::fromDouble(chk::sqrt(perStrip));
        if (r.dr < Fixed::fromInt(15)) r.dr = Fixed::fromInt(15);
        r.dMoment = chk::ceilUp(r.dr.toDouble()) + 5;
        r.d = r.dMoment;

        // Shear decides the depth too. A cap on two or more piles is at least 30 cm deep
        // above its bars, then deepened 5 cm at a time until neither punching round the
        // stub nor one-way shear across the cap exceeds its allowable stress. A single
        // pile stands under the stub itself: no section lies between them.
        r.vcp = Fixed::fromDouble(chk::mul(0.53, chk::sqrt(fcPrime)));
        r.vcb = Fixed::fromDouble(chk::mul(0.29, chk::sqrt(fcPrime)));
        if (piles >= 2) {
            r.d = std::max(r.d, kLeastCapDepth);
            // Deep enough, the punching square leaves the cap and the one-way lines pass
            // every pile, so the loop ends; the bound only guards against the impossible.
            int steps = 0;
            while (!checkCapShear(r, centres)) {
                if (++steps > 5000) throw ArithmeticError("shear depth");
                r.d = chk::add(r.d, kDepthStep);
            }
        } else {
            r.b0 = 0;
            r.punchingInside = false;
            r.Vp = r.vp = r.Vb = r.vb = Fixed();
            r.bv = 0;
            r.pileGoverning = r.pileSides = 0;
            r.pileE1 = r.pileE2 = 0;
            r.b0Pile = r.vPile = Fixed();
        }
        // The bars lie 7.5 cm above the ground they are cast on, plus half a bar.
        const double barCm = db / 10;
        r.t = footingThickness(r.d, barCm);

        // Actual weight of the cap (concrete 2400 kg/m³) against the allowance.
        const float lc = chk::toSingle(r.Lc / 100.0);
        const float bw = chk::toSingle(r.Bw / 100.0);
        const float area = chk::toSingle(static_cast<double>(lc) * static_cast<double>(bw));
        r.Wact = Fixed::fromDouble(chk::mul(chk::mul(2400, area), r.t / 100));
        if (r.Wact.toDouble() > r.Wf) {
            say(10);
            throw NotUsable{};
        }

        // Mesh by area, with π as 22/7 and the bar radius db/20 cm.
        r.As = Fixed::fromDouble(chk::div(chk::mul(100, r.M.toDouble()), chk::mul(chk::mul(r.j.toDouble(), fs), r.d)));
        const double radius = db / 20;
        r.Ab = Fixed::fromDouble(chk::mul(22, chk::mul(radius, radius)) / 7);
        r.o = Fixed::fromDouble(chk::mul(2 * radius, 22) / 7);
        r.na = Fixed::fromDouble(chk::div(r.As.toDouble(), r.Ab.toDouble()));

        // Least steel each way on the cap's gross section, by the grade of the bars.
        r.roundBars = isRoundBar(fs);
        r.rho = minSteelRatio(fs);
        r.AsMin = Fixed::fromDouble(chk::mul(chk::mul(r.rho, r.Bw), r.t));
        r.AsMinShort = Fixed::fromDouble(chk::mul(chk::mul(r.rho, r.Lc), r.t));
        r.nMin = Fixed::fromDouble(chk::div(r.AsMin.toDouble(), r.Ab.toDouble()));
        r.nMinShort = Fixed::fromDouble(chk::div(r.AsMinShort.toDouble(), r.Ab.toDouble()));

        // Mesh by bond: the bars crossing a stub face carry the reactions of the piles
        // beyond it, u = V / (Σo j d) with Σo = nb π D. A single pile stands under the
        // stub and its whole reaction is taken each way.
        r.u = allowableBond(fcPrime, barCm, r.roundBars);
        StubFaceReactions faces{r.Pp.toDouble(), r.Pp.toDouble()};
        if (piles > 1) faces = reactionsBeyondStubFaces(r, centres);
        r.V = Fixed::fromDouble(faces.longBars);
        r.VShort = Fixed::fromDouble(faces.shortBars);
        const double bond =
            Fixed::fromDouble(chk::mul(chk::mul(r.u.toDouble(), r.o.toDouble()), r.j.toDouble())).toDouble();
        r.nb = Fixed::fromDouble(chk::div(r.V.toDouble(), chk::mul(r.d, bond)));
        r.nbShort = Fixed::fromDouble(chk::div(r.VShort.toDouble(), chk::mul(r.d, bond)));

        // Bars each way: the largest need plus one, 5 cm end cover each side. The short
        // bars follow the long bars' pitch, and are added to where their own bond or
        // least steel asks for more.
        const Fixed need = std::max({r.na, r.nb, r.nMin}) + Fixed::fromInt(1);
        r.N = chk::toInt16(need.toDouble());
        r.s = chk::toSingle(chk::div(chk::add16(r.Bw, -10), chk::add16(r.N, -1)));
        r.Ns = chk::toInt16(chk::add(chk::div(chk::add16(r.Lc, -10), r.s), 1));
        const Fixed needShort = std::max(r.nbShort, r.nMinShort) + Fixed::fromInt(1);
        r.Ns = std::max(r.Ns, chk::toInt16(needShort.toDouble()));

        // Anchorage past the stub face nearest an edge, for the bars that carry load
        // there: the long bars end at the cap's ends along Lc, the short bars at its
        // sides. The set that fails, else the set that needs hooks, else the one with
        // the smaller margin is reported, so the sheet and the drawing ask for hooks
        // whenever either set needs them.
        const double half = r.a / 2;
        auto rank = [](const MeshAnchorage& m) {
            const Fixed reach = m.straight + (m.hooks ? m.hook : Fixed());
            return std::pair{!m.holds ? 0 : m.hooks ? 1 : 2, (reach - m.ld).toDouble()};
        };
        std::vector<MeshAnchorage> sets;
        if (faces.longBars > 0) sets.push_back(meshAnchorage(fs, barCm, r.u, std::min(r.stubY, r.Lc - r.stubY) - half));
        if (faces.shortBars > 0) sets.push_back(meshAnchorage(fs, barCm, r.u, std::min(r.stubX, r.Bw - r.stubX) - half));
        if (sets.empty())
            sets.push_back(meshAnchorage(fs, barCm, r.u, std::min({r.stubX, r.Bw - r.stubX, r.stubY, r.Lc - r.stubY}) - half));
        r.anchorage = *std::min_element(sets.begin(), sets.end(),
                                        [&](const MeshAnchorage& x, const MeshAnchorage& y) { return rank(x) < rank(y); });
        r.sL = chk::toSingle(chk::div(r.Lc, r.N));
        r.sS = chk::toSingle(chk::div(r.Bw, r.Ns));
        // The result panel is written here, before the mesh and the stub are judged.
        out_.panelWritten = true;
        out_.diagnostics.markResults();

        // Judgement of the mesh pitch and the stub against the cap.
        if (r.sL > 25) {
            say(11);
            throw NotUsable{};
        }
        if (r.sS > 25) {
            say(12);
            throw NotUsable{};
        }
        if (r.sL < 5) {
            say(13);
            throw NotUsable{};
        }
        if (r.sS < 5) {
            say(14);
            throw NotUsable{};
        }
        if (r.a >= r.Bw) {
            say(15);
            throw NotUsable{};
        }
        if (!r.anchorage.holds) {
            say(17);
            throw NotUsable{};
        }
    }

    const PileCapInput& in_;
    PileCapOutcome out_;
};

}  // namespace

PileCapOutcome calculatePileCap(const PileCapInput& in, const PileCapResult& previous) {
    return Calculation(in, previous).run();
}

}  // namespace mx::pilecap
