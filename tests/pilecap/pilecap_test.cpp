#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <variant>
#include <vector>

#include "common/numtext.h"
#include "pilecap/pilecap.h"

using namespace mx;
using namespace mx::pilecap;

namespace {

PileCapInput defaults() { return PileCapInput{80000, 36, 22, 25, 150, 65, 1200, 17}; }

std::vector<int> numbers(const PileCapOutcome& o) {
    std::vector<int> out;
    for (const Message& m : o.diagnostics.messages()) out.push_back(std::atoi(m.text.c_str()));
    return out;
}

Fixed F(double x) { return Fixed::fromDouble(x); }

}  // namespace

TEST(PileCapCalculation, DefaultsDesignThreePileCap) {
    const PileCapOutcome o = calculatePileCap(defaults());
    const PileCapResult& r = o.result;
    EXPECT_TRUE(o.diagnostics.empty());
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(o.verdict, "ฐานรากที่คุณออกแบบใช้ได้ OK.");
    EXPECT_TRUE(o.panelWritten);
    EXPECT_EQ(r.pf, 1.7);
    EXPECT_EQ(r.Wf, 13600);
    EXPECT_EQ(r.W, 93600);
    EXPECT_EQ(r.np, 3);
    EXPECT_EQ(r.Bw, 132);
    EXPECT_EQ(r.Lc, 123);
    EXPECT_EQ(r.Pp, F(31200));
    EXPECT_EQ(r.a, 40);
    EXPECT_EQ(r.stubY - r.Lc / 2.0, 9.5);  // the centroid: (33 + 90 + 90) / 3 = 71
    EXPECT_EQ(r.M, F(5648.7967));        // 31 200 x (2√3 x 22 − 40) x 0.005
    EXPECT_EQ(r.n, F(10.2425));
    EXPECT_EQ(r.k, F(0.3568));
    EXPECT_EQ(r.j, F(0.8811));
    EXPECT_EQ(r.R, F(10.2172));
    EXPECT_EQ(r.dr, F(23.5132));
    EXPECT_EQ(r.dMoment, 29);
    EXPECT_EQ(r.d, 30);  // the least depth; shear then holds
    EXPECT_EQ(r.t, 35);
    EXPECT_EQ(r.Vp, F(45381.8182));  // 31 200 x (9 + 14 + 9) / 22
    EXPECT_EQ(r.vp, F(5.4026));
    EXPECT_EQ(r.vcp, F(6.4911));
    EXPECT_EQ(r.Vb, Fixed());
    EXPECT_EQ(r.Wact, F(1363.8241));  // plan area held in single precision
    EXPECT_EQ(r.As, F(17.8085));
    EXPECT_EQ(r.Ab, F(4.9107));
    EXPECT_EQ(r.o, F(7.8571));
    EXPECT_EQ(r.na, F(3.6265));
    EXPECT_EQ(r.V, F(31200));
    EXPECT_EQ(r.nb, F(6.8284));  // 13.6569 halved, the tie going to even
    EXPECT_EQ(r.N, 8);
    EXPECT_EQ(singleValue(r.s), 17.42857);
    EXPECT_EQ(r.Ns, 7);
    EXPECT_EQ(r.sL, 15.375f);
    EXPECT_EQ(singleValue(r.sS), 18.85714);
}

// Every arrangement, with q = 40 cm and a 40 cm stub (P = 80 000 kg, with an allowance
// large enough for every cap to pass its weight check): the cap sides, the moment
// factor Σ m (c − 1) (so M = 0.2 Pp Σ, lever arm 40 (c − 1) cm) and the piles counted
// for shear.
TEST(PileCapCalculation, EveryArrangementByPileCount) {
    const double s2 = std::sqrt(2.0), s3 = std::sqrt(3.0);
    struct Row {
        int np, Bw, Lc;
        double sum;  // Σ m (c − 1)
        int shear;
    };
    const Row rows[] = {
        {1, 120, 120, 0, 1},    {2, 120, 240, 2, 1},   {3, 240, 224, 2 * s3 - 1, 1},
        {4, 240, 240, 4, 2},    {5, 290, 290, 2 * (3 * s2 - 1), 2},
        {6, 240, 360, 10, 2},   {7, 328, 360, 14, 3},  {8, 240, 480, 20, 4},
        {9, 360, 360, 15, 3},   {10, 328, 480, 20, 4}, {11, 328, 480, 25, 5},
        {12, 360, 480, 30, 6},  {13, 328, 600, 36, 6}, {14, 448, 480, 30, 6},
        {15, 360, 600, 48, 6},  {16, 480, 480, 40, 8}, {17, 480, 536, 30 * s3 - 7, 7},
        {18, 480, 536, 33 * s3 - 7, 8},                {19, 536, 600, 46, 8},
        {20, 480, 600, 64, 8},
    };
    for (const Row& row : rows) {
        PileCapInput in = defaults();
        in.q = 40;
        in.p = 1000;                     // W = 880 000 kg
        in.Ps = 880 / (row.np - 0.5);    // W / 1000 Ps = np - 0.5
        const PileCapResult r = calculatePileCap(in).result;
        SCOPED_TRACE(row.np);
        EXPECT_EQ(r.np, row.np);
        EXPECT_EQ(r.Bw, row.Bw);
        EXPECT_EQ(r.Lc, row.Lc);
        EXPECT_EQ(r.a, 40);
        if (row.np == 1)
            EXPECT_EQ(r.M, r.Pp);
        else
            EXPECT_NEAR(r.M.toDouble(), 0.2 * r.Pp.toDouble() * row.sum, 1.5e-4);
        EXPECT_EQ(r.V, r.Pp.times(row.shear));
    }
}

// The depth is worked on a strip as wide as the cap, up to 1 m: a cap of 1 m or more
// keeps the 1 m strip, a narrower one has only its own width to carry the moment.
TEST(PileCapCalculation, NarrowCapDepthFromItsOwnWidth) {
    // Two piles of 22 cm: a cap 66 cm wide. On a 1 m strip √(5265 / 10.2172) = 22.70
    // would give d = 28; on its 66 cm the depth is √(5265 x 100 / (10.2172 x 66)).
    PileCapInput in = defaults();
    in.P = 50000;
    in.db = 28;
    const PileCapOutcome o = calculatePileCap(in);
    const PileCapResult& r = o.result;
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(r.np, 2);
    EXPECT_EQ(r.Bw, 66);
    EXPECT_EQ(r.Lc, 132);
    EXPECT_EQ(r.M, F(5265));
    EXPECT_EQ(r.b, 66);
    EXPECT_EQ(r.dr, F(27.9422));
    EXPECT_EQ(r.d, 33);
    EXPECT_EQ(r.t, 38);
    EXPECT_EQ(r.As, F(15.0896));

    // A wide cap keeps the 1 m strip (the defaults: 132 cm, d = 25 as before).
    EXPECT_EQ(calculatePileCap(defaults()).result.b, 100);
}

TEST(PileCapCalculation, PileCountBoundaryAtTwenty) {
    // W = 120 000 kg exactly 20 000 Ps: the last arrangement.
    PileCapInput in = defaults();
    in.P = 100000;
    in.p = 20;
    in.Ps = 6;
    PileCapOutcome o = calculatePileCap(in);
    EXPECT_EQ(o.result.np, 20);
    EXPECT_EQ(o.result.Bw, 264);
    EXPECT_EQ(o.result.Lc, 330);
    EXPECT_EQ(o.result.Pp, F(6000));
    EXPECT_EQ(o.result.M, F(37920));  // 6000 x 0.005 x (4 x 224 + 4 x 92)
    EXPECT_EQ(o.result.V, F(48000));
    for (int n : numbers(o)) EXPECT_NE(n, 9);

    // Any more and there are too many piles: the cap is left without a size.
    const double tooSmall[] = {5.99, 0.001, 1e-9, 1e-300};
    for (double Ps : tooSmall) {
        in.Ps = Ps;
        o = calculatePileCap(in, calculatePileCap(defaults()).result);
        SCOPED_TRACE(Ps);
        EXPECT_EQ(numbers(o), (std::vector<int>{9, 16}));
        EXPECT_EQ(o.diagnostics.messages()[0].title, "เสาเข็มเกิน 20 ต้น");
        EXPECT_GT(o.result.np, 20);
        EXPECT_TRUE(std::isfinite(o.result.np));
        EXPECT_EQ(o.result.Bw, 0);
        EXPECT_EQ(o.result.Lc, 0);
        EXPECT_EQ(o.result.Pp, F(31200));  // later values stay from the last calculation
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_FALSE(o.panelWritten);
    }
    // So small that the count would overflow a double: still too many piles.
    for (double Ps : {1e-306, 1e-310, 5e-324}) {
        in.Ps = Ps;
        o = calculatePileCap(in);
        SCOPED_TRACE(Ps);
        EXPECT_EQ(numbers(o), (std::vector<int>{9, 16}));
        EXPECT_TRUE(std::isfinite(o.result.np));
    }
}

TEST(PileCapCalculation, OnePileCap) {
    PileCapInput in = defaults();
    in.P = 20000;
    in.Ps = 30;
    in.q = 40;
    const PileCapOutcome o = calculatePileCap(in);
    const PileCapResult& r = o.result;
    EXPECT_EQ(r.np, 1);
    EXPECT_EQ(r.Bw, 120);
    EXPECT_EQ(r.Lc, 120);
    EXPECT_EQ(r.Pp, F(23400));
    EXPECT_EQ(r.M, r.Pp);
    EXPECT_EQ(r.V, r.Pp);
    EXPECT_EQ(r.a, 20);
    EXPECT_EQ(r.d, 53);  // √(23400 / 10.2172) = 47.86
    EXPECT_EQ(r.N, 10);
    EXPECT_EQ(r.Ns, 10);
    EXPECT_EQ(o.status, DesignStatus::Usable);
}

TEST(PileCapCalculation, SafeLoadOfOnePile) {
    // Zero cannot carry the load: the count divides by zero and only the closing
    // message is shown.
    PileCapInput in = defaults();
    in.Ps = 0;
    PileCapOutcome o = calculatePileCap(in);
    EXPECT_EQ(numbers(o), std::vector<int>{16});
    EXPECT_TRUE(o.diagnostics.corrections().empty());
    EXPECT_EQ(o.status, DesignStatus::NotUsable);
    EXPECT_EQ(o.verdict, "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!");
    EXPECT_EQ(o.result.W, 93600);  // values before the failing step are kept
    EXPECT_EQ(o.result.np, 0);
    EXPECT_FALSE(o.panelWritten);

    // A negative safe load is quietly taken as 0.5 t; 93 600 kg then needs 188 piles.
    for (double Ps : {-3.0, -0.0001}) {
        in.Ps = Ps;
        o = calculatePileCap(in);
        EXPECT_EQ(o.diagnostics.corrections(), (std::vector<Correction>{{"Text3", "0.5"}}));
        EXPECT_EQ(o.result.Ps, 0.5);
        EXPECT_EQ(o.result.np, 188);
        EXPECT_EQ(numbers(o), (std::vector<int>{9, 16}));
    }
}

// Each check's effect: the messages in order, the corrections, and whether the design
// goes on (a corrected value leads to the usable default design) or stops.
TEST(PileCapCalculation, EachMessageAndItsEffect) {
    struct Case {
        const char* what;
        PileCapInput in;
        std::vector<int> messages;
        std::vector<Correction> corrections;
        int status;
    };
    auto with = [](auto change) {
        PileCapInput in = defaults();
        change(in);
        return in;
    };
    const std::vector<Case> cases{
        {"no allowance", with([](auto& i) { i.p = 0; }), {1, 10, 16}, {{"Text14", "0.1"}}, 1},
        {"negative allowance", with([](auto& i) { i.p = -5; }), {1, 10, 16}, {{"Text14", "0.1"}}, 1},
        {"small load", with([](auto& i) { i.P = 999; }), {2, 10, 16}, {{"Text1", "1000"}}, 1},
        {"small load goes on", with([](auto& i) { i.P = 500; i.p = 100; }), {2}, {{"Text1", "1000"}}, 2},
        {"no bar size", with([](auto& i) { i.db = 8.9; }), {3}, {{"Text2", "25"}}, 2},
        {"bar size 9 accepted", with([](auto& i) { i.db = 9; }), {13, 16}, {}, 1},
        {"weak concrete", with([](auto& i) { i.fcPrime = 99; }), {4}, {{"Text5", "150"}}, 2},
        {"too strong concrete", with([](auto& i) { i.fcPrime = 1000.5; }), {5, 16}, {{"Text5", "150"}}, 1},
        {"low fc", with([](auto& i) { i.fc = 30; }), {6}, {{"Text6", "65"}}, 2},
        {"low fs", with([](auto& i) { i.fs = 800; }), {7}, {{"Text7", "1200"}}, 2},
        {"small pile, no message", with([](auto& i) { i.q = 9.9; }), {16}, {{"Text4", "10"}}, 1},
        {"large pile", with([](auto& i) { i.q = 200.5; }), {8, 10, 16}, {{"Text4", "200"}}, 1},
        {"pile size 200 accepted", with([](auto& i) { i.q = 200; }), {10, 16}, {}, 1},
        {"heavier cap than allowed", with([](auto& i) { i.p = 0.5; }), {10, 16}, {}, 1},
        {"wide pitch long way", PileCapInput{1000, 1, 10, 9, 150, 65, 1200, 100}, {11, 16}, {}, 1},
        {"wide pitch short way", PileCapInput{20000, 10, 40, 16, 150, 65, 1200, 50}, {12, 16}, {}, 1},
        {"close pitch long way", PileCapInput{1000, 3, 10, 9, 150, 65, 1200, 17}, {13, 16}, {}, 1},
        {"close pitch short way", PileCapInput{1000, 10, 10, 9, 150, 65, 1200, 1000}, {14, 16}, {}, 1},
        {"stub as wide as the cap", PileCapInput{50000, 100, 10, 40, 150, 65, 1200, 17}, {15, 16}, {}, 1},
        {"one bar each way", PileCapInput{1000, 1, 10, 10, 150, 65, 1200, 17}, {16}, {}, 1},
        // Each limit itself passes its check untouched.
        {"load 1000 accepted", with([](auto& i) { i.P = 1000; }), {10, 16}, {}, 1},
        {"fc' 100 accepted", with([](auto& i) { i.fcPrime = 100; }), {}, {}, 2},
        {"fc' 1000 accepted", with([](auto& i) { i.fcPrime = 1000; }), {11, 16}, {}, 1},
        {"fc just above 30", with([](auto& i) { i.fc = 30.01; }), {12, 16}, {}, 1},
        {"fs just above 800", with([](auto& i) { i.fs = 800.01; }), {}, {}, 2},
        {"pile size 10 kept", with([](auto& i) { i.q = 10; }), {16}, {}, 1},
        {"tiny allowance kept", with([](auto& i) { i.p = 0.01; }), {10, 16}, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PileCapOutcome o = calculatePileCap(c.in);
        EXPECT_EQ(numbers(o), c.messages);
        EXPECT_EQ(o.diagnostics.corrections(), c.corrections);
        EXPECT_EQ(o.result.status, c.status);
        EXPECT_EQ(static_cast<int>(o.status), c.status);
        EXPECT_EQ(o.verdict, c.status == 2 ? kUsableVerdict : kNotUsableVerdict);
        for (const Message& m : o.diagnostics.messages()) EXPECT_EQ(m.icon, Icon::Critical);
    }
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(std::atoi(pileCapMessage(i).text.c_str()), i);
}

TEST(PileCapCalculation, CorrectionFollowsItsMessage) {
    PileCapInput in = defaults();
    in.p = 0;
    in.P = 10;
    in.db = 0;
    const PileCapOutcome o = calculatePileCap(in);
    const auto& events = o.diagnostics.events();
    ASSERT_GE(events.size(), 6u);
    EXPECT_EQ(std::atoi(std::get<Message>(events[0]).text.c_str()), 1);
    EXPECT_EQ(std::get<Correction>(events[1]), (Correction{"Text14", "0.1"}));
    EXPECT_EQ(std::atoi(std::get<Message>(events[2]).text.c_str()), 2);
    EXPECT_EQ(std::get<Correction>(events[3]), (Correction{"Text1", "1000"}));
    EXPECT_EQ(std::atoi(std::get<Message>(events[4]).text.c_str()), 3);
    EXPECT_EQ(std::get<Correction>(events[5]), (Correction{"Text2", "25"}));
}

TEST(PileCapCalculation, StoppingEarlyKeepsLaterValues) {
    const PileCapResult previous = calculatePileCap(defaults()).result;
    PileCapInput in = defaults();
    in.fcPrime = 5000;
    const PileCapOutcome o = calculatePileCap(in, previous);
    EXPECT_EQ(numbers(o), (std::vector<int>{5, 16}));
    EXPECT_EQ(o.result.fcPrime, 150);
    EXPECT_EQ(o.result.status, 1);
    EXPECT_EQ(o.result.np, 3);  // from the previous design
    EXPECT_EQ(o.result.N, 8);

    // The cap outweighs its allowance: the mesh is not designed and the labels stay.
    in = defaults();
    in.p = 1;
    const PileCapOutcome heavy = calculatePileCap(in, PileCapResult{});
    EXPECT_EQ(numbers(heavy), (std::vector<int>{10, 16}));
    EXPECT_GT(heavy.result.Wact.toDouble(), heavy.result.Wf);
    EXPECT_EQ(heavy.result.As, Fixed());
    EXPECT_FALSE(heavy.panelWritten);
}

// A stub wider than the pile spacing puts the piles inside the stub face: the moment
// comes out negative and its root fails, ending the design as not usable.
TEST(PileCapCalculation, NegativeMomentEndsThroughFailure) {
    PileCapInput in = defaults();
    in.q = 10;
    const PileCapOutcome o = calculatePileCap(in);
    EXPECT_LT(o.result.M, Fixed());
    EXPECT_EQ(numbers(o), std::vector<int>{16});
    EXPECT_EQ(o.result.d, 0);
}

TEST(PileCapCalculation, OddInputsNeverLeakNonFiniteValues) {
    const double big = DBL_MAX;
    const PileCapInput odd[] = {
        {big, 36, 22, 25, 150, 65, 1200, 17},   {80000, big, 22, 25, 150, 65, 1200, 17},
        {80000, 36, big, 25, 150, 65, 1200, 17}, {80000, 36, 22, big, 150, 65, 1200, 17},
        {80000, 36, 22, 25, 999.9, 65, 1200, 17}, {80000, 36, 22, 25, 150, big, 1200, 17},
        {80000, 36, 22, 25, 150, 65, big, 17},   {80000, 36, 22, 25, 150, 65, 1200, big},
        {1e30, 1e27, 22, 25, 150, 65, 1200, 17}, {80000, 4.9e-324, 22, 25, 150, 65, 1200, 17},
        {-big, -big, -big, -big, -big, -big, -big, -big}, {0, 0, 0, 0, 0, 0, 0, 0},
        {1e6, 500, 200, 40, 1000, 1e5, 1e9, 1e4},
    };
    for (const PileCapInput& in : odd) {
        const PileCapOutcome o = calculatePileCap(in);
        const PileCapResult& r = o.result;
        for (double v : {r.P, r.Ps, r.q, r.db, r.fcPrime, r.fc, r.fs, r.p, r.pf, r.Wf, r.W, r.np, r.a, r.d, r.t,
                         static_cast<double>(r.s), static_cast<double>(r.sL), static_cast<double>(r.sS)})
            EXPECT_TRUE(std::isfinite(v));
        EXPECT_TRUE(o.status == DesignStatus::Usable || numbers(o).back() == 16);
    }
}

// Shear decides the depth where the moment does not. Worked by hand: piles stand at
// their arrangement's centres, measured from the stub over their centroid; a pile
// counts clamp((beyond + q/2) / q, 0, 1) of Pp past a section.
TEST(PileCapCalculation, ShearDeepensTheCap) {
    struct Case {
        const char* what;
        PileCapInput in;
        double dMoment, d;
        bool inside;  // the punching square lies inside the cap
        double Vp, vp, Vb, vb;
    };
    const Case cases[] = {
        // Defaults: d 29 held at 30; piles (±33, +19), (0, −38) against half-side 35
        // count 9/22, 14/22, 9/22; no pile lies past the one-way lines 50 cm out.
        {"held at 30", defaults(), 29, 30, true, 45381.8182, 5.4026, 0, 0},
        // Three piles of 26 667 kg under a 30 cm stub: at d 30 (half-side 30) they count
        // 14/22, 19/22, 14/22, vp = 56 970 / (240 x 30) = 7.91 > 6.49; at d 35 the
        // shares 11.5/22, 16.5/22, 11.5/22 give 47 879 / (260 x 35) = 5.26.
        {"punching", PileCapInput{50000, 36, 22, 25, 150, 65, 1200, 60}, 30, 35, true, 47878.7879, 5.2614, 0, 0},
        // Two piles 60 cm either side of a 30 cm stub: at d 41 the line 56 cm out takes
        // 24/40 of 29 250 kg, 17 550 / (120 x 41) = 3.57 > 3.55; at d 46, 19/40:
        // 13 893.75 / (120 x 46) = 2.52. Punching takes both piles whole.
        {"one-way", PileCapInput{50000, 36, 40, 25, 150, 65, 1200, 17}, 41, 46, true, 58500, 4.1834, 13893.75, 2.517},
        // Two piles on a 66 cm cap under a 40 cm stub: the square 40 + 37 passes the
        // edges, and the one-way lines 57 cm out pass the piles 33 cm out.
        {"square past the edge", PileCapInput{80000, 60, 22, 25, 150, 65, 1200, 30}, 37, 37, false, 0, 0, 0, 0},
        // Twenty piles of 6 000 kg, d 66, half-side 53: all but the two at (±33, 0)
        // count whole; a column of five lies past the line 86 cm out (330 cm long).
        {"twenty piles", PileCapInput{100000, 6, 22, 25, 150, 65, 1200, 20}, 66, 66, true, 108000, 3.8593, 30000, 1.3774},
        // One pile under the stub: no section between them, no least depth.
        {"one pile", PileCapInput{4000, 5, 40, 25, 150, 65, 1200, 17}, 27, 27, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PileCapResult r = calculatePileCap(c.in).result;
        EXPECT_EQ(r.dMoment, c.dMoment);
        EXPECT_EQ(r.d, c.d);
        EXPECT_EQ(r.t, c.d + 5);
        EXPECT_EQ(r.punchingInside, c.inside);
        EXPECT_EQ(r.Vp, F(c.Vp));
        EXPECT_EQ(r.vp, F(c.vp));
        EXPECT_EQ(r.Vb, F(c.Vb));
        EXPECT_EQ(r.vb, F(c.vb));
        if (r.np >= 2) {
            EXPECT_LE(r.vb, r.vcb);
            if (r.punchingInside) {
                EXPECT_LE(r.vp, r.vcp);
            }
        }
    }
    // Proportional counting at its ends and middle.
    const std::pair<double, double> shares[] = {{-11, 0}, {-11.5, 0}, {0, 0.5}, {5.5, 0.75}, {11, 1}, {40, 1}};
    for (const auto& [beyond, share] : shares) EXPECT_DOUBLE_EQ(pileShareBeyond(beyond, 22), share) << beyond;
}
