#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/numtext.h"
#include "spreadfooting/spreadfooting.h"

using namespace mx;
using namespace mx::spreadfooting;

namespace {

// The window's defaults with the bearing of an upcountry site, 8 t/m2.
SpreadFootingInput typical() {
    SpreadFootingInput in;
    in.P = 20000;
    in.q = 8;
    in.db = 12;
    in.fcPrime = 150;
    in.fc = 65;
    in.fs = 1200;
    in.p = 17;
    return in;
}

std::vector<int> numbers(const SpreadFootingOutcome& o) {
    std::vector<int> out;
    for (const auto& m : o.diagnostics.messages()) out.push_back(std::atoi(m.text.c_str()));
    return out;
}

std::vector<Correction> corrections(const SpreadFootingOutcome& o) { return o.diagnostics.corrections(); }

}  // namespace

TEST(SpreadFootingDesign, TypicalFootingOnEightTonneSoil) {
    const auto o = calculateSpreadFooting(typical());
    const auto& r = o.result;
    EXPECT_TRUE(o.diagnostics.empty());
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(o.verdict, "ฐานรากที่คุณออกแบบใช้ได้ OK.");
    EXPECT_TRUE(o.panelWritten);

    EXPECT_EQ(r.n.text(), "10.2425");
    EXPECT_EQ(r.k.text(), "0.3568");
    EXPECT_EQ(r.j.text(), "0.8811");
    EXPECT_EQ(r.R.text(), "10.2172");
    EXPECT_EQ(r.cf, 7);
    EXPECT_EQ(numText(r.Wf), "2380");
    EXPECT_EQ(numText(r.W), "22380");
    EXPECT_EQ(numText(r.A), "2.7975");
    EXPECT_EQ(r.L, 168);
    EXPECT_EQ(r.B, 168);
    EXPECT_EQ(r.Aact.text(), "28224");
    EXPECT_EQ(r.w.text(), "7929.4218");
    EXPECT_EQ(r.a, 20);
    EXPECT_EQ(r.l.text(), "0.74");
    EXPECT_EQ(r.M.text(), "2171.0757");
    EXPECT_EQ(r.dreq, 15);
    EXPECT_EQ(r.d, 25);
    EXPECT_EQ(r.t, 30);
    EXPECT_EQ(r.Wact.text(), "2032.1279");  // the plan area is taken in single precision
    EXPECT_EQ(r.As.text(), "8.2135");
    EXPECT_EQ(r.Ab.text(), "1.1314");
    EXPECT_EQ(r.o.text(), "3.7714");
    EXPECT_EQ(r.na.text(), "12.1961");
    // Vp / (d x 11 o j) holds 23.9483; its half 11.97415 is a tie that goes to the even 2.
    EXPECT_EQ(r.nb.text(), "11.9742");
    EXPECT_EQ(r.N, 13);
    EXPECT_EQ(r.Ns, 13);
    EXPECT_FLOAT_EQ(r.s, 158.0f / 12.0f);
    EXPECT_FLOAT_EQ(r.sL, 168.0f / 13.0f);
}

TEST(SpreadFootingDesign, PunchingShearAddsDepthInFiveCentimetreSteps) {
    // At d = 20 the punching stress 6.895 ksc exceeds 0.53 sqrt(150) = 6.4911, so the
    // worked footing gets one 5 cm step.
    const auto o = calculateSpreadFooting(typical());
    EXPECT_EQ(o.result.inc, 5);
    EXPECT_NEAR(o.result.vcp, 6.4911, 1e-4);
    EXPECT_LE(o.result.vp, o.result.vcp);
    EXPECT_NEAR(o.result.vp, 4.8632, 1e-4);

    struct Case {
        double P, q;
        double inc, d;
    } cases[] = {
        {1000, 8, 0, 20},      // light load: moment and punching both within the minimum
        {20000, 8, 5, 25},     // one step
        {50000, 8, 10, 39},    // two steps from d = 29
        {100000, 8, 15, 56},
    };
    for (const auto& c : cases) {
        SpreadFootingInput in = typical();
        in.P = c.P;
        in.q = c.q;
        const auto r = calculateSpreadFooting(in).result;
        EXPECT_EQ(r.inc, c.inc) << c.P;
        EXPECT_EQ(r.d, c.d) << c.P;
        EXPECT_EQ(r.t, r.d + 5) << c.P;
        EXPECT_EQ(r.d, r.dreq + 5 + r.inc) << c.P;
        EXPECT_LE(r.vp, r.vcp) << c.P;
        // One-way shear is reported only: it does not enter the depth.
        EXPECT_NEAR(r.vcb, 0.29 * std::sqrt(150.0), 1e-12);
    }
}

TEST(SpreadFootingDesign, SmallLoadsKeepTheMinimumStubAndDepth) {
    SpreadFootingInput in = typical();
    in.P = 1000;
    const auto o = calculateSpreadFooting(in);
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(o.result.cRoot.text(), "3.9749");
    EXPECT_EQ(o.result.a, 15);  // 10 cm by the root, raised to 15
    EXPECT_EQ(o.result.dr.text(), "15");
    EXPECT_EQ(o.result.dreq, 15);
    EXPECT_EQ(o.result.t, 25);
    EXPECT_EQ(o.result.L, 37);
    EXPECT_EQ(o.result.N, 2);
}

TEST(SpreadFootingDesign, BarsAreCountedOverTheWholeWidth) {
    // 50 t on 8 t/m2: a 2.71 m pad. As is per metre of width, so the pad needs
    // As x 2.71 of steel; a count of As / Ab alone (12 bars, 21 with bond) would
    // give only about 63 % of it.
    SpreadFootingInput in = typical();
    in.P = 50000;
    const auto o = calculateSpreadFooting(in);
    const auto& r = o.result;
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(r.L, 271);
    EXPECT_EQ(r.As.text(), "14.0246");
    EXPECT_EQ(r.na.text(), "33.5926");
    EXPECT_EQ(r.nb.text(), "20.0933");
    EXPECT_EQ(r.N, 35);
    EXPECT_EQ(r.Ns, 35);
    const double provided = r.N * r.Ab.toDouble();
    const double required = r.As.toDouble() * r.B / 100.0;
    EXPECT_GE(provided, required);

    // For every width the steel laid across the pad covers As over that width.
    for (double P : {5000.0, 20000.0, 35000.0, 50000.0, 80000.0}) {
        for (double q : {5.0, 8.0, 10.0, 20.0}) {
            SpreadFootingInput x = typical();
            x.P = P;
            x.q = q;
            const auto rx = calculateSpreadFooting(x).result;
            if (rx.N == 0) continue;
            EXPECT_GE(rx.N * rx.Ab.toDouble(), rx.As.toDouble() * rx.B / 100.0) << P << " " << q;
        }
    }
}

TEST(SpreadFootingDesign, BarCountRoundsTheLargerCountPlusOneToEven) {
    // db = 25: na = 2.81, nb = 5.748 -> N = 6.748 rounded = 7; pitch 24 cm passes.
    SpreadFootingInput in = typical();
    in.db = 25;
    const auto r = calculateSpreadFooting(in).result;
    EXPECT_GT(r.nb, r.na);
    EXPECT_EQ(r.N, static_cast<int>(std::nearbyint(r.nb.toDouble() + 1)));
    EXPECT_EQ(r.N, 7);
    EXPECT_FLOAT_EQ(r.sL, 24.0f);
}

TEST(SpreadFootingChecks, InputMessagesCorrectAndGoOnOrStop) {
    struct Case {
        const char* name;
        void (*edit)(SpreadFootingInput&);
        std::vector<int> messages;
        std::vector<Correction> corrections;
        DesignStatus status;
    } cases[] = {
        {"no allowance", [](SpreadFootingInput& i) { i.p = 0; }, {1, 9, 16}, {{"Text13", "0.1"}}, DesignStatus::NotUsable},
        {"negative allowance", [](SpreadFootingInput& i) { i.p = -5; }, {1, 9, 16}, {{"Text13", "0.1"}},
         DesignStatus::NotUsable},
        {"light load", [](SpreadFootingInput& i) { i.P = 999; }, {2, 16}, {{"Text1", "1000"}}, DesignStatus::NotUsable},
        {"least load", [](SpreadFootingInput& i) { i.P = 1000; }, {}, {}, DesignStatus::Usable},
        {"no bearing", [](SpreadFootingInput& i) { i.q = 0; }, {3, 16}, {{"Text3", "8"}}, DesignStatus::NotUsable},
        {"weak soil", [](SpreadFootingInput& i) { i.q = 1.99; }, {3, 16}, {{"Text3", "8"}}, DesignStatus::NotUsable},
        {"no bar", [](SpreadFootingInput& i) { i.db = 0; }, {4}, {{"Text2", "25"}}, DesignStatus::Usable},
        {"thin bar", [](SpreadFootingInput& i) { i.db = 8.9; }, {4}, {{"Text2", "25"}}, DesignStatus::Usable},
        {"low fc'", [](SpreadFootingInput& i) { i.fcPrime = 99; }, {5}, {{"Text4", "150"}}, DesignStatus::Usable},
        {"least fc'", [](SpreadFootingInput& i) { i.fcPrime = 100; }, {}, {}, DesignStatus::Usable},
        // Accepted, but the lower modular ratio deepens the pad past its allowance.
        {"fc' 1000", [](SpreadFootingInput& i) { i.fcPrime = 1000; }, {9, 16}, {}, DesignStatus::NotUsable},
        {"fc' 1200", [](SpreadFootingInput& i) { i.fcPrime = 1200; }, {6, 16}, {{"Text4", "150"}},
         DesignStatus::NotUsable},
        {"fc 30", [](SpreadFootingInput& i) { i.fc = 30; }, {7}, {{"Text5", "65"}}, DesignStatus::Usable},
        {"fs 800", [](SpreadFootingInput& i) { i.fs = 800; }, {8}, {{"Text6", "1200"}}, DesignStatus::Usable},
    };
    for (const auto& c : cases) {
        SpreadFootingInput in = typical();
        c.edit(in);
        const auto o = calculateSpreadFooting(in);
        EXPECT_EQ(numbers(o), c.messages) << c.name;
        EXPECT_EQ(corrections(o), c.corrections) << c.name;
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.result.status, static_cast<int>(c.status)) << c.name;
    }
}

TEST(SpreadFootingChecks, CorrectedValuesAreTheOnesDesignedWith) {
    SpreadFootingInput in = typical();
    in.p = 0;
    in.db = 0;
    in.fcPrime = 50;
    in.fc = 10;
    in.fs = 100;
    const auto o = calculateSpreadFooting(in);
    // Each correction follows its own message, in the order of the checks.
    ASSERT_EQ(o.diagnostics.events().size(), 12u);
    const std::vector<Correction> expected{
        {"Text13", "0.1"}, {"Text2", "25"}, {"Text4", "150"}, {"Text5", "65"}, {"Text6", "1200"}};
    EXPECT_EQ(corrections(o), expected);
    EXPECT_EQ(numbers(o), (std::vector<int>{1, 4, 5, 7, 8, 9, 16}));
    for (std::size_t i = 0; i < 10; i += 2) {
        EXPECT_TRUE(std::holds_alternative<Message>(o.diagnostics.events()[i])) << i;
        EXPECT_TRUE(std::holds_alternative<Correction>(o.diagnostics.events()[i + 1])) << i;
    }
    const auto& r = o.result;
    EXPECT_EQ(r.p, 0.1);
    EXPECT_EQ(r.pf, 0.01);
    EXPECT_NEAR(r.Wf, 14, 1e-9);  // 20000 x 0.01 x 7 / 100
    EXPECT_EQ(r.db, 25);
    EXPECT_EQ(r.fcPrime, 150);
    EXPECT_EQ(r.fc, 65);
    EXPECT_EQ(r.fs, 1200);
    EXPECT_EQ(r.R.text(), "10.2172");
}

TEST(SpreadFootingChecks, LoadAndBearingCorrectionsComeBeforeTheirMessage) {
    SpreadFootingInput in = typical();
    in.q = 0;
    const auto o = calculateSpreadFooting(in);
    ASSERT_EQ(o.diagnostics.events().size(), 3u);
    EXPECT_EQ(std::get<Correction>(o.diagnostics.events()[0]), (Correction{"Text3", "8"}));
    const auto& m3 = std::get<Message>(o.diagnostics.events()[1]);
    EXPECT_EQ(m3.text, "3.คุณกำหนดหน่วยแรงต้านทานของดินน้อยเกินไป?");
    EXPECT_EQ(m3.title, "หน่วยแรงดันต้านทานของดิน");
    EXPECT_EQ(m3.icon, Icon::Critical);
    const auto& m16 = std::get<Message>(o.diagnostics.events()[2]);
    EXPECT_EQ(m16.text, "16.ฐานรากที่คุณออกแบบยังใช้ไม่ได้? โปรดแก้ไขข้อมูลใหม่");
    EXPECT_EQ(m16.title, "โปรดแก้ไขข้อมูลใหม่");
    EXPECT_EQ(o.verdict, "ฐานรากที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข!?!");
    EXPECT_FALSE(o.panelWritten);
}

TEST(SpreadFootingChecks, HighStrengthConcreteEndsTheDesignAfterCorrecting) {
    SpreadFootingInput in = typical();
    in.fcPrime = 1200;
    const auto o = calculateSpreadFooting(in);
    EXPECT_EQ(o.diagnostics.messages()[0].text,
              "6.คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.");
    EXPECT_EQ(o.diagnostics.messages()[0].title, "ค่าหน่วยแรงอัด fc' มากเกินไป");
    EXPECT_EQ(o.result.fcPrime, 150);
    EXPECT_EQ(o.result.L, 0);  // nothing designed
    EXPECT_FALSE(o.panelWritten);
}

TEST(SpreadFootingJudgement, ProportionMessages) {
    struct Case {
        const char* name;
        SpreadFootingInput in;
        std::vector<int> messages;
        bool panel;
    };
    auto with = [](double P, double q, double db, double p = 17) {
        SpreadFootingInput in = typical();
        in.P = P;
        in.q = q;
        in.db = db;
        in.p = p;
        return in;
    };
    const Case cases[] = {
        {"self-weight underestimated", with(20000, 8, 12, 1), {9, 16}, false},
        {"footing over 10 m", with(1000000, 100, 12, 100), {10, 16}, true},
        {"stub as wide as the pad, pitch fine", with(30000, 400, 32), {11, 16}, true},
        {"stub as wide as the pad, pitch close", with(30000, 400, 28), {11, 14, 16}, true},
        {"bars too far apart", with(20000, 8, 40), {12, 16}, true},
        {"bars too close", with(100000, 8, 9), {14, 16}, true},
    };
    for (const auto& c : cases) {
        const auto o = calculateSpreadFooting(c.in);
        EXPECT_EQ(numbers(o), c.messages) << c.name;
        EXPECT_EQ(o.status, DesignStatus::NotUsable) << c.name;
        EXPECT_EQ(o.verdict, kVerdictNotUsable) << c.name;
        EXPECT_EQ(o.panelWritten, c.panel) << c.name;
        EXPECT_TRUE(o.diagnostics.corrections().empty()) << c.name;
    }
    EXPECT_EQ(spreadFootingMessage(10).icon, Icon::Question);
    EXPECT_EQ(spreadFootingMessage(10).title, "ฐานใหญ่ผิดปรกติ");
    EXPECT_EQ(spreadFootingMessage(11).text, "11.ขนาดเสาใหญ่กว่าความกว้างของฐานราก!?! ยังใช้ไม่ได้");
}

TEST(SpreadFootingJudgement, PitchLimitsAndTheirOrder) {
    struct Case {
        float sL, sS;
        int message;
    } cases[] = {
        {12.9f, 12.9f, 0},  {25.0f, 25.0f, 0},  {5.0f, 5.0f, 0},    {25.01f, 12.0f, 12}, {12.0f, 25.01f, 13},
        {30.0f, 30.0f, 12}, {4.99f, 12.0f, 14}, {12.0f, 4.99f, 15}, {4.0f, 4.0f, 14},    {30.0f, 4.0f, 12},
        {4.0f, 30.0f, 13},
    };
    for (const auto& c : cases) EXPECT_EQ(pitchMessage(c.sL, c.sS), c.message) << c.sL << " " << c.sS;
    EXPECT_EQ(spreadFootingMessage(13).text, "13.คุณต้องเปลี่ยนขนาดเหล็กตะแกรงให้เล็กลง");
    EXPECT_EQ(spreadFootingMessage(15).title, "ระยะห่างเหล็กตะแกรงชิดเกินไป");
}

TEST(SpreadFootingFailure, ArithmeticErrorsEndWithTheClosingMessageOnly) {
    struct Case {
        const char* name;
        SpreadFootingInput in;
        std::int16_t L;  // how far the design got before the failure
    };
    auto with = [](double P, double q, double fs = 1200, double db = 12) {
        SpreadFootingInput in = typical();
        in.P = P;
        in.q = q;
        in.fs = fs;
        in.db = db;
        return in;
    };
    const Case cases[] = {
        {"single bar: no spacing", with(20000, 1000), 15},
        {"load beyond 16-bit factor", with(1e300, 8), 0},
        {"footing side beyond 16 bits", with(3e8, 2), 0},
        {"steel stress without lever", with(20000, 8, 1e12), 168},
        {"bar too large for fixed point", with(20000, 8, 1200, 1e20), 168},
    };
    for (const auto& c : cases) {
        const auto o = calculateSpreadFooting(c.in);
        EXPECT_EQ(numbers(o), std::vector<int>{16}) << c.name;
        EXPECT_EQ(o.status, DesignStatus::NotUsable) << c.name;
        EXPECT_EQ(o.result.status, 1) << c.name;
        EXPECT_FALSE(o.panelWritten) << c.name;
        EXPECT_EQ(o.result.L, c.L) << c.name;
        for (double v : {o.result.Vp, o.result.vp, o.result.W, o.result.d, static_cast<double>(o.result.s)})
            EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
}

TEST(SpreadFootingFailure, SingleBarKeepsWhatWasComputed) {
    SpreadFootingInput in = typical();
    in.q = 1000;
    const auto o = calculateSpreadFooting(in);
    EXPECT_EQ(o.result.a, 20);
    EXPECT_EQ(o.result.N, 1);
    EXPECT_EQ(o.result.d, 20);
    EXPECT_EQ(o.result.s, 0.0f);  // never reached
    EXPECT_EQ(o.result.Ns, 0);
}

TEST(SpreadFootingLifecycle, StepsNotReachedKeepThePreviousValues) {
    const auto first = calculateSpreadFooting(typical());
    SpreadFootingInput in = typical();
    in.p = 1;  // stops at the self-weight check
    const auto second = calculateSpreadFooting(in, first.result);
    EXPECT_EQ(numbers(second), (std::vector<int>{9, 16}));
    EXPECT_EQ(second.result.L, 159);        // redesigned
    EXPECT_EQ(second.result.As.text(), "8.2135");  // kept from the first design
    EXPECT_EQ(second.result.N, 13);
    EXPECT_EQ(second.result.status, 1);
    EXPECT_EQ(second.result.inc, 0);

    // A new design overwrites everything it reaches.
    const auto third = calculateSpreadFooting(typical(), second.result);
    EXPECT_EQ(third.result.L, 168);
    EXPECT_EQ(third.result.status, 2);
    EXPECT_EQ(third.result.inc, 5);
}
