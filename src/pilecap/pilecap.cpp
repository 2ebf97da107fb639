#include "pilecap/pilecap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "common/checked.h"
#include "common/workingstress.h"

namespace mx::pilecap {

// ---- Tables -------------------------------------------------------------------------
// Piles stand 3q apart centre to centre and 1.5q from the cap edge, so a cap is 3q
// wider than the outermost pile centres. Staggered rows use the 60° triangle: rows
// 1.5√3 q apart.

namespace {
constexpr CapSide mul(double whole) { return CapSide{whole, 0, 1, 0, 0}; }
constexpr CapSide surd(double coef, int root, double whole) { return CapSide{whole, coef, root, 0, 0}; }
}  // namespace

const std::array<PileLayout, kMaxPiles> PileLayoutTable{{
    {mul(3), mul(3)},                                    // 1
    {mul(3), mul(6)},                                    // 2
    {mul(6), CapSide{3, 0, 1, 3, 1.5}},                  // 3: triangle of piles
    {mul(6), mul(6)},                                    // 4
    {surd(3, 2, 3), surd(3, 2, 3)},                      // 5: four corners and the centre
    {mul(6), mul(9)},                                    // 6
    {surd(3, 3, 3), mul(9)},                             // 7
    {mul(6), mul(12)},                                   // 8
    {mul(9), mul(9)},                                    // 9
    {surd(3, 3, 3), mul(12)},                            // 10
    {surd(3, 3, 3), mul(12)},                            // 11
    {mul(9), mul(12)},                                   // 12
    {surd(3, 3, 3), mul(15)},                            // 13
    {surd(3, 3, 6), mul(12)},                            // 14
    {mul(9), mul(15)},                                   // 15
    {mul(12), mul(12)},                                  // 16
    {mul(12), surd(6, 3, 3)},                            // 17
    {mul(12), surd(6, 3, 3)},                            // 18
    {surd(6, 3, 3), mul(15)},                            // 19
    {mul(12), mul(15)},                                  // 20
}};

namespace {
constexpr PileMomentTerm t(int m, double whole) { return PileMomentTerm{m, whole, 0, 1}; }
constexpr PileMomentTerm ts(int m, double coef, int root) { return PileMomentTerm{m, 0, coef, root}; }
}  // namespace

// Row 0 (one pile) is not used: the moment of a single pile is taken as its load.
// Three piles: the stub stands over the piles' centroid, so the apex pile lies √3 q
// from it (c = 2√3) and the pair, √3 q / 2 the other way, stands within the stub face.
const std::array<std::array<PileMomentTerm, 4>, kMaxPiles> PileMomentTable{{
    {{}},                                       // 1
    {{t(1, 3)}},                                // 2
    {{ts(1, 2, 3)}},                            // 3: apex pile √3 q from the stub
    {{t(2, 3)}},                                // 4
    {{ts(2, 3, 2)}},                            // 5
    {{t(2, 6)}},                                // 6
    {{t(2, 6), t(2, 3)}},                       // 7
    {{t(2, 9), t(2, 3)}},                       // 8
    {{t(3, 6)}},                                // 9
    {{t(1, 9), t(2, 6), t(1, 3)}},              // 10
    {{t(2, 9), t(1, 6), t(2, 3)}},              // 11
    {{t(3, 9), t(3, 3)}},                       // 12
    {{t(1, 12), t(2, 9), t(1, 6), t(2, 3)}},    // 13
    {{t(2, 9), t(2, 6), t(2, 3)}},              // 14
    {{t(3, 12), t(3, 6)}},                      // 15
    {{t(4, 9), t(4, 3)}},                       // 16
    {{ts(4, 3, 3), ts(3, 6, 3)}},               // 17
    {{ts(3, 3, 3), ts(4, 6, 3)}},               // 18
    {{t(1, 12), t(2, 9), t(3, 6), t(2, 3)}},    // 19
    {{t(4, 12), t(4, 6)}},                      // 20
}};

const std::array<int, kMaxPiles> PileShearTable{1, 1, 1, 2, 2, 2, 3, 4, 3, 4, 5, 6, 6, 6, 6, 8, 7, 8, 8, 8};

double capSide(const CapSide& side, double q) {
    double v = 0;
    if (side.surd != 0)
        v = chk::mul(side.surd * chk::sqrt(side.root) + side.whole, q);
    else
        v = chk::mul(side.whole, q);
    if (side.hyp != 0) {
        const double h = chk::mul(side.hyp, q);
        const double l = chk::mul(side.leg, q);
        v = chk::add(v, chk::sqrt(chk::mul(h, h) - chk::mul(l, l)));
    }
    return v;
}

double termFactor(const PileMomentTerm& term) {
    return term.surd != 0 ? term.surd * chk::sqrt(term.root) + term.whole : term.whole;
}

// ---- Pile centres -----------------------------------------------------------------------
// Piles stand 3q apart and 1.5q in from the cap edge; a staggered (hexagonal) row lies
// 1.5√3 q from its neighbour, so its places are 1.5 + 1.5√3 (h1) and 1.5 + 4.5√3 (h2).

namespace {

using From = PilePlace::From;

PilePlace at(double whole) { return PilePlace{From::Start, whole, 0}; }
PilePlace mid(double offset = 0) { return PilePlace{From::Middle, offset, 0}; }
PilePlace end(double back) { return PilePlace{From::End, back, 0}; }
const PilePlace h1{From::Start, 1.5, 1.5};
const PilePlace h2{From::Start, 1.5, 4.5};

std::vector<PilePlace> row(std::initializer_list<double> wholes) {
    std::vector<PilePlace> out;
    for (double w : wholes) out.push_back(at(w));
    return out;
}

const std::array<std::vector<PileGroup>, kMaxPiles>& table() {
    static const std::array<std::vector<PileGroup>, kMaxPiles> t{{
        /* 1 */ {{{mid()}, {mid()}}},
        /* 2 */ {{{mid()}, row({1.5, 4.5})}},
        /* 3 */ {{{at(1.5)}, {end(1.5)}}, {{mid()}, {at(1.5)}}, {{at(4.5)}, {end(1.5)}}},
        /* 4 */ {{row({1.5, 4.5}), row({1.5, 4.5})}},
        /* 5 */ {{{at(1.5), end(1.5)}, {at(1.5), end(1.5)}}, {{mid()}, {mid()}}},
        /* 6 */ {{row({1.5, 4.5}), row({1.5, 4.5, 7.5})}},
        /* 7 */ {{{at(1.5), end(1.5)}, row({3, 6})}, {{mid()}, {at(1.5), mid(), end(1.5)}}},
        /* 8 */ {{row({1.5, 4.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 9 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5})}},
        /* 10 */ {{{at(1.5), end(1.5)}, row({3, 6, 9})}, {{mid()}, row({1.5, 4.5, 7.5, 10.5})}},
        /* 11 */ {{{at(1.5), end(1.5)}, row({1.5, 4.5, 7.5, 10.5})}, {{mid()}, row({3, 6, 9})}},
        /* 12 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 13 */ {{{at(1.5), end(1.5)}, row({3, 6, 9, 12})}, {{mid()}, row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 14 */ {{{at(1.5), end(1.5)}, row({3, 6, 9})}, {{mid(-1.5), mid(1.5)}, row({1.5, 4.5, 7.5, 10.5})}},
        /* 15 */ {{row({1.5, 4.5, 7.5}), row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 16 */ {{row({1.5, 4.5, 7.5, 10.5}), row({1.5, 4.5, 7.5, 10.5})}},
        /* 17 */ {{row({1.5, 4.5, 7.5, 10.5}), {h1, h2}}, {row({3, 6, 9}), {at(1.5), mid(), end(1.5)}}},
        /* 18 */ {{row({1.5, 4.5, 7.5, 10.5}), {at(1.5), mid(), end(1.5)}}, {row({3, 6, 9}), {h1, h2}}},
        /* 19 */
        {{{at(1.5), end(1.5)}, {at(4.5), mid(), at(10.5)}},
         {{h1, h2}, row({3, 6, 9, 12})},
         {{mid()}, row({1.5, 4.5, 7.5, 10.5, 13.5})}},
        /* 20 */ {{row({1.5, 4.5, 7.5, 10.5}), row({1.5, 4.5, 7.5, 10.5, 13.5})}},
    }};
    return t;
}

double place(const PilePlace& p, double q, double side) {
    const double along = (p.whole + p.root3 * std::sqrt(3.0)) * q;
    switch (p.from) {
        case From::Middle: return side / 2 + along;
        case From::End: return side - along;
        case From::Start: break;
    }
    return along;
}

}  // namespace

const std::vector<PileGroup>& pileCentreTable(int piles) {
    static const std::vector<PileGroup> none;
    if (piles < 1 || piles > kMaxPiles) return none;
    return table()[static_cast<std::size_t>(piles - 1)];
}

std::vector<PileCentre> pileCentres(double piles, double q, double Bw, double Lc) {
    std::vector<PileCentre> out;
    // Only a whole count that is one of the arrangements has centres.
    if (!(piles >= 1 && piles <= kMaxPiles) || piles != std::floor(piles)) return out;
    for (const PileGroup& g : pileCentreTable(static_cast<int>(piles)))
        for (const PilePlace& x : g.across)
            for (const PilePlace& y : g.along) out.push_back(PileCentre{place(x, q, Bw), place(y, q, Lc)});
    return out;
}

// ---- Shear ------------------------------------------------------------------------------
// The piles' reactions reach the stub through the cap; a section near the stub carries
// the reactions of the piles beyond it. A pile straddling a section is counted in
// proportion to how much of it lies beyond.

double pileShareBeyond(double beyond, double q) {
    if (!(q > 0)) return beyond > 0 ? 1.0 : 0.0;
    return std::clamp((beyond + q / 2) / q, 0.0, 1.0);
}

bool checkCapShear(PileCapResult& r, const std::vector<PileCentre>& centres) {
    const double Pp = r.Pp.toDouble();
    const double d = r.d;

    // Punching on the square of side a + d round the stub (d/2 from its faces). Once
    // that square reaches past the cap's edges the cap cannot punch through it, and
    // one-way shear decides.
    const double half = (r.a + d) / 2;
    r.b0 = chk::mul(4, chk::add(r.a, d));
    r.punchingInside = r.stubX - half >= 0 && r.stubX + half <= r.Bw && r.stubY - half >= 0 && r.stubY + half <= r.Lc;
    r.Vp = Fixed();
    r.vp = Fixed();
    if (r.punchingInside) {
        double share = 0;
        for (const PileCentre& c : centres)
            share += pileShareBeyond(std::max(std::abs(c.x - r.stubX), std::abs(c.y - r.stubY)) - half, r.q);
        r.Vp = Fixed::fromDouble(chk::mul(Pp, share));
        r.vp = Fixed::fromDouble(chk::div(r.Vp.toDouble(), chk::mul(r.b0, d)));
    }

    // One-way shear on the four lines d from the stub faces, each across the whole cap:
    // the lines either side across the width run the cap's length, and the other two
    // its width. The line with the highest stress governs.
    const double reach = r.a / 2 + d;
    struct Line {
        double dx, dy;  // the direction beyond the line
        double width;   // the cap along the line, cm
    };
    const Line lines[] = {{1, 0, static_cast<double>(r.Lc)},
                          {-1, 0, static_cast<double>(r.Lc)},
                          {0, 1, static_cast<double>(r.Bw)},
                          {0, -1, static_cast<double>(r.Bw)}};
    r.Vb = Fixed();
    r.vb = Fixed();
    r.bv = lines[0].width;
    for (const Line& line : lines) {
        double share = 0;
        for (const PileCentre& c : centres)
            share += pileShareBeyond(line.dx * (c.x - r.stubX) + line.dy * (c.y - r.stubY) - reach, r.q);
        const Fixed V = Fixed::fromDouble(chk::mul(Pp, share));
        const Fixed v = Fixed::fromDouble(chk::div(V.toDouble(), chk::mul(line.width, d)));
        if (v > r.vb) {
            r.Vb = V;
            r.vb = v;
            r.bv = line.width;
        }
    }
    return (!r.punchingInside || r.vp <= r.vcp) && r.vb <= r.vcb;
}

// ---- Messages -----------------------------------------------------------------------

namespace {
const std::array<Message, 17> kMessages{{
    {"", "", Icon::Critical},
    {"1.คุณยังไม่ได้บวก นน.ฐานรากว่าเพิ่มขึ้นอีกกี่เปอร์เซนต์!?!", "กำหนด นน .ฐานราก", Icon::Critical},
    {"2.นน.ที่ลงบนฐานรากน้อยมาก?", "นน.ที่ลงบนฐานราก", Icon::Critical},
    {"3.คุณยังไม่ได้กำหนดขนาดของเหล็กตะแกรง!?!หรือกำหนดขนาดเหล็กตะแกรงไม่เหมาะสม", "กำหนดขนาดเหล็กตะแกรง",
     Icon::Critical},
    {"4.ค่าหน่วยแรงอัดคอนกรีตที่คุณกำหนดน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ", "หน่วยแรงอัดคอนกรีตน้อยเกิน", Icon::Critical},
    {"5.คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.",
     "ค่าหน่วยแรงอัด fc' มากเกินไป", Icon::Critical},
    {"6.คุณกำหนดค่าหน่วยแรงอัดของคอนกรีตน้อยเกินไป? แก้ไขอัตโนมัติ", "หน่วยแรงอัดคอนกรีต", Icon::Critical},
    {"7.คุณกำหนดค่าหน่วยแรงดึงของเหล็กน้อยเกินไป? แก้ไขอัตโนมัติ", "ค่าหน่วยแรงดึงของเหล็ก", Icon::Critical},
    {"8.ขนาดของเสาเข็มใหญ่ผิดปรกติ?", "เสาเข็มใหญ่ผิดปรกติ", Icon::Critical},
    {"9.คุณเลือกเสาเข็มเล็กเกินไป?โปรดแก้ไข!!!", "เสาเข็มเกิน 20 ต้น", Icon::Critical},
    {"10.นน.ฐานรากจริงที่คำนวณออกมามากกว่าที่คาดการณ์โปรดแก้ไขโดยเปลี่ยนค่าเปอร์เซนต์ นน. ฐานรากเพิ่มขึ้น",
     "แก้ไขค่า % นน.ฐานรากเพิ่มขึ้น", Icon::Critical},
    {"11.คุณต้องเปลี่ยนขนาดเหล็กตะแกรงให้เล็กลง", "ระยะห่างเหล็กตะแกรงมากเกินไป", Icon::Critical},
    {"12.คุณต้องเปลี่ยนขนาดเหล็กตะแกรงให้เล็กลง", "ระยะห่างเหล็กตะแกรงมากเกินไป", Icon::Critical},
    {"13.คุณต้องเปลี่ยนขนาดเหล็กตะแกรงให้ใหญ่ขึ้น", "ระยะห่างเหล็กตะแกรงชิดเกินไป", Icon::Critical},
    {"14.คุณต้องเปลี่ยนขนาดเหล็กตะแกรงให้ใหญ่ขึ้น", "ระยะห่างเหล็กตะแกรงชิดเกินไป", Icon::Critical},
    {"15.ขนาดเสาใหญ่กว่าความกว้างของฐานราก!?! ยังใช้ไม่ได้", "ขนาดฐานรากที่ออกแบบไม่เหมาะสม", Icon::Critical},
    {"16.ฐานรากที่คุณออกแบบยังใช้ไม่ได้? โปรดแก้ไขข้อมูลใหม่", "โปรดแก้ไขข้อมูลใหม่", Icon::Critical},
}};
}  // namespace

const Message& pileCapMessage(int number) {
    return kMessages.at(static_cast<std::size_t>(std::clamp(number, 1, 16)));
}

double singleValue(float x) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(x));
    return std::strtod(buf, nullptr);
}

// ---- Calculate ------------------------------------------------------------------------

namespace {

// Ends the steps early; the design is then judged not usable.
struct NotUsable {};

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
    void correct(const char* field, const char* text) { out_.diagnostics.correct(field, text); }

    void steps() {
        PileCapResult& r = out_.result;

        // Self-weight allowance: without one the cap's own weight would be ignored.
        double p = in_.p;
        if (p <= 0) {
            say(1);
            p = 0.1;
            correct("Text14", "0.1");
        }
        r.p = p;
        r.pf = chk::div(p, 10);

        double P = in_.P;
        if (P < 1000) {
            say(2);
            P = 1000;
            correct("Text1", "1000");
        }
        r.P = P;

        // A negative safe load is taken as a small pile; zero cannot carry anything and
        // fails at the pile count below.
        double Ps = in_.Ps;
        if (Ps < 0) {
            Ps = 0.5;
            correct("Text3", "0.5");
        }
        r.Ps = Ps;

        double db = in_.db;
        if (db < 9) {
            say(3);
            db = 25;
            correct("Text2", "25");
        }
        r.db = db;

        double fcPrime = in_.fcPrime;
        if (fcPrime < 100) {
            say(4);
            fcPrime = 150;
            correct("Text5", "150");
        }
        if (fcPrime > 1000) {
            say(5);
            fcPrime = 150;
            correct("Text5", "150");
            r.fcPrime = fcPrime;
            throw NotUsable{};
        }
        r.fcPrime = fcPrime;

        double fc = in_.fc;
        if (fc <= 30) {
            say(6);
            fc = 65;
            correct("Text6", "65");
        }
        r.fc = fc;

        double fs = in_.fs;
        if (fs <= 800) {
            say(7);
            fs = 1200;
            correct("Text7", "1200");
        }
        r.fs = fs;

        double q = in_.q;
        if (q < 10) {
            q = 10;
            correct("Text4", "10");
        }
        if (q > 200) {
            say(8);
            q = 200;
            correct("Text4", "200");
        }
        r.q = q;

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
        }
        r.t = r.d + 5;

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

        // Mesh by bond, allowable bond stress 11 ksc.
        r.V = r.Pp.times(PileShearTable[row]);
        const Fixed bond = Fixed::fromDouble(chk::mul(chk::mul(11, r.o.toDouble()), r.j.toDouble()));
        r.nb = Fixed::fromDouble(chk::div(r.V.toDouble(), chk::mul(r.d, bond.toDouble()))).half();

        // Bars each way: the larger need plus one, 5 cm end cover each side.
        const Fixed need = (r.nb > r.na ? r.nb : r.na) + Fixed::fromInt(1);
        r.N = chk::toInt16(need.toDouble());
        r.s = chk::toSingle(chk::div(chk::add16(r.Bw, -10), chk::add16(r.N, -1)));
        r.Ns = chk::toInt16(chk::add(chk::div(chk::add16(r.Lc, -10), r.s), 1));
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
    }

    const PileCapInput& in_;
    PileCapOutcome out_;
};

}  // namespace

PileCapOutcome calculatePileCap(const PileCapInput& in, const PileCapResult& previous) {
    return Calculation(in, previous).run();
}

}  // namespace mx::pilecap
