#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <variant>
#include <vector>

#include "common/numtext.h"
#include "pilecap/pilecap.h"
#include "pilecap/pilecap_sheet.h"

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

// The defaults: a corner pile punches through a cap 30 cm deep (b0 118, 8.81 ksc), so
// the depth goes to 40; the round 25 mm bars carry only 7.89 ksc of bond, so bond asks
// for 15 bars; and 95 cm of anchorage cannot be had from 24.5 cm of straight bar and a
// hook worth 55.5 cm: the design is not usable and says why.
TEST(PileCapCalculation, DefaultsDesignThreePileCap) {
    const PileCapOutcome o = calculatePileCap(defaults());
    const PileCapResult& r = o.result;
    EXPECT_EQ(numbers(o), (std::vector<int>{17, 16}));
    EXPECT_EQ(o.status, DesignStatus::NotUsable);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(o.verdict, "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ !?! ต้องแก้ไข !!!");
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
    EXPECT_EQ(r.d, 40);                  // a corner pile: 31 200 / (128 x 40) = 6.09 <= 6.49
    EXPECT_EQ(r.t, 49);                  // 40 + 7.5 + 1.25 = 48.75, to the whole cm
    EXPECT_EQ(r.b0Pile, F(128));
    EXPECT_EQ(r.vPile, F(6.0938));
    EXPECT_EQ(r.Wact, F(1909.3537));     // 2400 x 1.6236 x 0.49, plan area in single precision
    EXPECT_EQ(r.As, F(13.3564));
    EXPECT_EQ(r.Ab, F(4.9107));
    EXPECT_EQ(r.o, F(7.8571));
    EXPECT_EQ(r.na, F(2.7199));
    EXPECT_EQ(r.AsMin, F(16.17));        // 0.0025 x 132 x 49
    EXPECT_EQ(r.nMin, F(3.2928));
    EXPECT_TRUE(r.roundBars);
    EXPECT_EQ(r.u, F(7.8874));           // 1.61 √150 / 2.5
    EXPECT_EQ(r.V, F(31200));            // the apex pile, wholly beyond its face
    EXPECT_EQ(r.VShort, F(31200));       // a pile of the pair, 13 cm beyond its face
    EXPECT_EQ(r.nb, F(14.2848));         // 31 200 / (40 x 7.8874 x 7.8571 x 0.8811)
    EXPECT_EQ(r.N, 15);
    EXPECT_EQ(singleValue(r.s), 8.714286);
    EXPECT_EQ(r.Ns, 15);
    EXPECT_EQ(r.sL, 8.2f);
    EXPECT_EQ(r.sS, 8.8f);
    EXPECT_EQ(r.anchorage.ld, F(95.0884));  // 1200 x 2.5 / (4 x 7.8874)
    EXPECT_EQ(r.anchorage.straight, F(24.5));  // the pair's side: 123 − 71 − 20 − 7.5
    EXPECT_EQ(r.anchorage.hook, F(55.4682));   // 700 x 2.5 / (4 x 7.8874)
    EXPECT_TRUE(r.anchorage.hooks);
    EXPECT_FALSE(r.anchorage.holds);
}

// The new checks, worked by hand:
// - RB16 on the defaults' cap: u = 1.61 √150 / 1.6 = 12.32, held at 11; bond asks
//   31 200 / (40 x 11 x 5.0286 x 0.8811) = 16.0 bars; ld = 1200 x 1.6 / 44 = 43.64 cm
//   against 24.5 cm straight, so the bars end in hooks worth 700 x 1.6 / 44 = 25.45 cm.
// - Four piles under 140 400 kg, SD30 DB12: the corner piles deepen the cap to 46
//   (b0 = 88 + d: 6.64 ksc at 41, 5.69 at 46); t = 46 + 7.5 + 0.6 = 54.1, so 55; the
//   least steel 0.0020 x 132 x 55 = 14.52 cm2 asks for 12.83 bars, more than area
//   (8.02) or bond (two piles 8 cm beyond each face, 19/22 each: 11.81): N = 14.
// - Two 40 cm piles of 46 800 kg, SD40 DB16: the long bars carry one pile wholly, the
//   short bars none (the piles stand on the stub's axis); b0 = 160 + d = 213 at 53;
//   ld = 1700 x 1.6 / (4 x 24.7245) = 27.5 cm against 92.5 cm straight, no hooks.
TEST(PileCapCalculation, PunchingBondAnchorageAndLeastSteel) {
    struct Case {
        const char* what;
        PileCapInput in;
        std::vector<int> messages;
        double d, t, b0Pile, vPile, u, V, VShort, nb, nMin, N, Ns, ld, straight;
        bool hooks;
    };
    const Case cases[] = {
        {"hooks", {80000, 36, 22, 16, 150, 65, 1200, 17}, {}, 40, 49, 128, 6.0938, 11, 31200, 31200, 16.004, 8.0392, 17,
         17, 43.6364, 24.5, true},
        {"least steel", {120000, 36, 22, 12, 150, 65, 1500, 17}, {}, 46, 55, 134, 5.6944, 32.966, 60627.2727, 60627.2727,
         11.8115, 12.8337, 14, 14, 13.6504, 33.5, false},
        {"two piles", {80000, 50, 40, 16, 150, 65, 1700, 17}, {}, 53, 62, 213, 4.1456, 24.7245, 46800, 0, 7.8374, 6.658,
         12, 24, 27.5031, 92.5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PileCapOutcome o = calculatePileCap(c.in);
        const PileCapResult& r = o.result;
        EXPECT_EQ(numbers(o), c.messages);
        EXPECT_EQ(std::vector<double>({r.d, r.t, r.b0Pile.toDouble(), r.vPile.toDouble(), r.u.toDouble(), r.V.toDouble(),
                                       r.VShort.toDouble(), r.nb.toDouble(), r.nMin.toDouble(), double(r.N), double(r.Ns),
                                       r.anchorage.ld.toDouble(), r.anchorage.straight.toDouble()}),
                  std::vector<double>({c.d, c.t, c.b0Pile, c.vPile, c.u, c.V, c.VShort, c.nb, c.nMin, c.N, c.Ns, c.ld,
                                       c.straight}));
        EXPECT_EQ(r.anchorage.hooks, c.hooks);
        EXPECT_TRUE(r.anchorage.holds);
        EXPECT_EQ(r.pileSides, 2);  // a corner pile governs in each
        // The sheet says whether the bars end in hooks, and certifies the anchorage.
        bool said = false;
        for (const std::string& l : pileCapSheet(r, true, {}).lines())
            said = said || (l.find(c.hooks ? "งอขอมาตรฐาน" : "ไม่ต้องงอขอ") != std::string::npos &&
                            l.find("O.K.") != std::string::npos);
        EXPECT_TRUE(said);
    }
}

// The section round one pile: the least of the full square, the three-sided section
// to the nearest edge and the two-sided one to the nearest corner. The defaults'
// corner pile (w 22, 33 cm from both edges) at d = 30, 35, 40: 118, 123, 128.
TEST(PileCapCalculation, PunchingSectionRoundOnePile) {
    struct Case {
        double w, d, e1, e2, b0;
        int sides;
    };
    const Case cases[] = {
        {22, 30, 33, 33, 118, 2}, {22, 35, 33, 33, 123, 2}, {22, 40, 33, 33, 128, 2},
        {22, 30, 33, 200, 170, 3},   // by one edge: 52 + 2 x 59
        {22, 30, 100, 100, 208, 4},  // clear of the edges: 4 x 52
        {40, 53, 60, 60, 213, 2},    // the two-pile cap's piles
    };
    for (const Case& c : cases) {
        const PilePunchingSection s = pilePunchingSection(c.w, c.d, c.e1, c.e2);
        EXPECT_EQ(s.b0, c.b0) << c.d << " " << c.e2;
        EXPECT_EQ(s.sides, c.sides) << c.d << " " << c.e2;
    }
}

// Every arrangement, with q = 40 cm and a 40 cm stub (P = 80 000 kg, with an allowance
// large enough for every cap to pass its weight check): the cap sides, the moment
// factor Σ m (c − 1) (so M = 0.2 Pp Σ, lever arm 40 (c − 1) cm) and the piles beyond
// the busier stub face for the long and the short bars (a pile counts offset / 40 of
// itself, offset its centre's distance from the stub's axis, whole from 40 cm).
TEST(PileCapCalculation, EveryArrangementByPileCount) {
    const double s2 = std::sqrt(2.0), s3 = std::sqrt(3.0);
    struct Row {
        int np, Bw, Lc;
        double sum;                 // Σ m (c − 1)
        double beyond, beyondShort;  // piles beyond the faces the long / short bars cross
    };
    // Three piles: the apex √3 q beyond, the pair √3 q / 2 = 34.6 cm on the other side
    // (0.866 each); the staggered rows of 17 to 19 piles stand 40.2 cm off the axis.
    const double st = 7.0054;
    const Row rows[] = {
        {1, 120, 120, 0, 1, 1},    {2, 120, 240, 2, 1, 0},   {3, 240, 224, 2 * s3 - 1, s3, 1},
        {4, 240, 240, 4, 2, 2},    {5, 290, 290, 2 * (3 * s2 - 1), 2, 2},
        {6, 240, 360, 10, 2, 3},   {7, 328, 360, 14, 3, 2},  {8, 240, 480, 20, 4, 4},
        {9, 360, 360, 15, 3, 3},   {10, 328, 480, 20, 4, 3}, {11, 328, 480, 25, 5, 4},
        {12, 360, 480, 30, 6, 4},  {13, 328, 600, 36, 6, 4}, {14, 448, 480, 30, 6, 7},
        {15, 360, 600, 48, 6, 5},  {16, 480, 480, 40, 8, 8}, {17, 480, 536, 30 * s3 - 7, st, 7},
        {18, 480, 536, 33 * s3 - 7, st, 8},                 {19, 536, 600, 46, 8, st},
        {20, 480, 600, 64, 8, 10},
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
        EXPECT_NEAR(r.V.toDouble() / r.Pp.toDouble(), row.beyond, 5e-3);
        EXPECT_NEAR(r.VShort.toDouble() / r.Pp.toDouble(), row.beyondShort, 5e-3);
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
    EXPECT_EQ(r.np, 2);
    EXPECT_EQ(r.Bw, 66);
    EXPECT_EQ(r.Lc, 132);
    EXPECT_EQ(r.M, F(5265));
    EXPECT_EQ(r.b, 66);
    EXPECT_EQ(r.dr, F(27.9422));
    EXPECT_EQ(r.dMoment, 33);
    // The corner piles then deepen it: 29 250 / ((88 + d) d) is 7.33 ksc at 33, 6.11 at 38.
    EXPECT_EQ(r.d, 38);
    EXPECT_EQ(r.t, 47);  // 38 + 7.5 + 1.4 = 46.9
    EXPECT_EQ(r.As, F(13.1041));
    // Bond asks for 14 bars of 28 mm in the 66 cm cap: too close for the pitch check.
    EXPECT_EQ(numbers(o), (std::vector<int>{14, 16}));

    // A wide cap keeps the 1 m strip (the defaults: 132 cm).
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
    // From the defaults with RB16, whose cap is usable (the defaults' RB25 cannot be
    // anchored in it).
    auto with = [](auto change) {
        PileCapInput in = defaults();
        in.db = 16;
        change(in);
        return in;
    };
    const std::vector<Case> cases{
        {"no allowance", with([](auto& i) { i.p = 0; }), {1, 10, 16}, {{"Text14", "0.1"}}, 1},
        {"negative allowance", with([](auto& i) { i.p = -5; }), {1, 10, 16}, {{"Text14", "0.1"}}, 1},
        {"small load", with([](auto& i) { i.P = 999; }), {2, 10, 16}, {{"Text1", "1000"}}, 1},
        {"small load goes on", with([](auto& i) { i.P = 500; i.p = 100; i.db = 12; }), {2}, {{"Text1", "1000"}}, 2},
        // RB25 is put in its place, and cannot be anchored in the defaults' cap.
        {"no bar size", with([](auto& i) { i.db = 8.9; }), {3, 17, 16}, {{"Text2", "25"}}, 1},
        {"bar size 9 accepted", with([](auto& i) { i.db = 9; }), {13, 16}, {}, 1},
        {"weak concrete", with([](auto& i) { i.fcPrime = 99; }), {4}, {{"Text5", "150"}}, 2},
        {"too strong concrete", with([](auto& i) { i.fcPrime = 1000.5; }), {5, 16}, {{"Text5", "150"}}, 1},
        {"low fc", with([](auto& i) { i.fc = 30; }), {6}, {{"Text6", "65"}}, 2},
        {"low fs", with([](auto& i) { i.fs = 800; }), {7}, {{"Text7", "1200"}}, 2},
        {"small pile, no message", with([](auto& i) { i.q = 9.9; }), {16}, {{"Text4", "10"}}, 1},
        {"large pile", with([](auto& i) { i.q = 200.5; }), {8, 10, 16}, {{"Text4", "200"}}, 1},
        {"pile size 200 accepted", with([](auto& i) { i.q = 200; }), {10, 16}, {}, 1},
        {"heavier cap than allowed", with([](auto& i) { i.p = 0.5; }), {10, 16}, {}, 1},
        {"wide pitch long way", PileCapInput{1000, 1, 10, 16, 150, 65, 1200, 17}, {11, 16}, {}, 1},
        {"wide pitch short way", PileCapInput{20000, 100, 40, 40, 1000, 65, 1200, 1000}, {12, 16}, {}, 1},
        {"close pitch long way", PileCapInput{1000, 3, 10, 9, 150, 65, 1200, 17}, {13, 16}, {}, 1},
        {"close pitch short way", PileCapInput{1000, 10, 10, 9, 150, 65, 1200, 1000}, {14, 16}, {}, 1},
        {"stub as wide as the cap", PileCapInput{50000, 100, 10, 25, 150, 65, 1700, 17}, {15, 16}, {}, 1},
        // Deformed bars of 25 mm under a light load: less than half a bar is asked for.
        {"one bar each way", PileCapInput{1000, 1, 10, 25, 150, 65, 1700, 17}, {16}, {}, 1},
        // Each limit itself passes its check untouched.
        {"load 1000 accepted", with([](auto& i) { i.P = 1000; }), {10, 16}, {}, 1},
        {"fc' 100 accepted", with([](auto& i) { i.fcPrime = 100; }), {}, {}, 2},
        {"fc' 1000 accepted", with([](auto& i) { i.fcPrime = 1000; }), {}, {}, 2},
        {"fc just above 30", with([](auto& i) { i.fc = 30.01; }), {}, {}, 2},
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
    for (int i = 1; i <= 17; ++i) EXPECT_EQ(std::atoi(pileCapMessage(i).text.c_str()), i);
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
    EXPECT_EQ(o.result.N, 15);

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
// counts clamp((beyond + q/2) / q, 0, 1) of Pp past a section. Each case's sheet row
// says what decided.
TEST(PileCapCalculation, ShearDeepensTheCap) {
    struct Case {
        PileCapInput in;
        double dMoment, d, Vp, vp, Vb, vb;
        const char* row;  // a shear row of the sheet
    };
    const Case cases[] = {
        // Defaults: d 29 held at 30, then 40 for the corner piles; piles (±33, +19),
        // (0, −38) against half-side 40 count 4/22, 4/22, 9/22; no pile lies past the
        // one-way lines 60 cm out.
        {defaults(), 29, 40, 24109.0909, 1.8835, 0, 0, "vp = Vp / ( b0 x d ) =  1.8835 < 6.4911 "},
        // Three piles of 26 667 kg under a 30 cm stub: at d 30 they count 14/22, 19/22,
        // 14/22, vp = 56 970 / (240 x 30) = 7.91 > 6.49; at d 35, 11.5/22, 16.5/22,
        // 11.5/22: 47 879 / (260 x 35) = 5.26.
        {{50000, 36, 22, 25, 150, 65, 1200, 60}, 30, 35, 47878.7879, 5.2614, 0, 0, "b0 = 4 x ( a + d ) =  260 "},
        // Two piles 60 cm either side of a 30 cm stub: at d 41 the line 56 cm out takes
        // 24/40 of 29 250 kg, 17 550 / (120 x 41) = 3.57 > 3.55; at d 46, 19/40:
        // 13 893.75 / (120 x 46) = 2.52. Punching takes both piles whole.
        {{50000, 36, 40, 25, 150, 65, 1200, 17}, 41, 46, 58500, 4.1834, 13893.75, 2.517, " 2.517 < 3.5518 "},
        // Two piles of 52 000 kg on a 66 cm cap: the corner piles take d to 57
        // (52 000 / (145 x 57) = 6.29); the square 40 + 57 passes the cap's edges and
        // the one-way lines 77 cm out pass the piles 33 cm out.
        {{80000, 60, 22, 25, 150, 65, 1200, 30}, 37, 57, 0, 0, 0, 0, "หน้าตัด a + d =  97  ซม. เลยขอบฐานราก"},
        // Twenty piles of 6 000 kg, d 66, half-side 53: all but the two at (±33, 0)
        // count whole; a column of five lies past the line 86 cm out (330 cm long).
        {{100000, 6, 22, 25, 150, 65, 1200, 20}, 66, 66, 108000, 3.8593, 30000, 1.3774, "Vb =  30000 "},
        // One pile under the stub: no section between them, no least depth.
        {{4000, 5, 40, 25, 150, 65, 1200, 17}, 27, 27, 0, 0, 0, 0, "เสาเข็มต้นเดียวอยู่ใต้เสาตอม่อ"},
    };
    for (const Case& c : cases) {
        const PileCapResult r = calculatePileCap(c.in).result;
        EXPECT_EQ(std::vector<double>({r.dMoment, r.d, r.t, r.Vp.toDouble(), r.vp.toDouble(), r.Vb.toDouble(),
                                       r.vb.toDouble()}),
                  // 7.5 cm of cover and half a 25 mm bar under d, to the whole cm.
                  std::vector<double>({c.dMoment, c.d, c.d + 9, c.Vp, c.vp, c.Vb, c.vb}));
        std::string sheet;
        for (const std::string& l : pileCapSheet(r, true, {}).lines()) sheet += l + "\n";
        EXPECT_NE(sheet.find(c.row), std::string::npos) << c.row;
    }
}
