#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "column/column_design.h"
#include "column/column_form.h"

using namespace mx;
using namespace mx::column;

namespace {

Fixed F(const char* text) {
    // Exact four-decimal value from its text, so expectations do not go through doubles.
    std::string s(text);
    const bool neg = s[0] == '-';
    if (neg) s.erase(0, 1);
    const auto dot = s.find('.');
    std::string whole = s.substr(0, dot);
    std::string frac = dot == std::string::npos ? "" : s.substr(dot + 1);
    frac.resize(4, '0');
    const std::int64_t raw = std::stoll(whole) * 10000 + std::stoll(frac);
    return Fixed::fromRaw(neg ? -raw : raw);
}

ColumnDesignInput square() {
    ColumnDesignInput in;
    in.shape = kShapeSquare;
    return in;
}

// A column well inside every limit: a long column with six bars and a 2.6 % ratio.
ColumnDesignInput sound() {
    ColumnDesignInput in = square();
    in.P = 20000;
    in.t1 = in.t2 = 20;
    in.db = 16;
    return in;
}

std::vector<std::string> texts(const ColumnOutcome& o) {
    std::vector<std::string> out;
    for (const auto& m : o.diagnostics.messages()) out.push_back(m.text);
    return out;
}

}  // namespace

namespace mx {
void PrintTo(const Message& m, std::ostream* os) { *os << m.text; }
}  // namespace mx

TEST(ColumnDesign, DefaultSquareColumnIsALongColumnWithFourBars) {
    const ColumnOutcome o = calculateColumn(square());
    const ColumnDesignResult& r = o.result;
    EXPECT_EQ(r.t, 15);
    EXPECT_EQ(r.ht, F("20"));
    EXPECT_EQ(r.hr, F("33.3333"));
    EXPECT_EQ(r.R, F("0.8033"));
    EXPECT_TRUE(r.isLong);
    EXPECT_EQ(r.columnKind, kLongColumnText);
    EXPECT_EQ(r.m, F("1.2449"));
    EXPECT_EQ(r.W, F("275.4"));
    EXPECT_DOUBLE_EQ(r.Pt, 8275.4);
    EXPECT_EQ(r.N, F("10302.0455"));
    EXPECT_EQ(r.Ag, F("225"));
    EXPECT_EQ(r.Pc, F("7171.875"));
    EXPECT_EQ(r.Ps, F("3130.1705"));
    EXPECT_EQ(r.As, F("3.0688"));
    EXPECT_EQ(r.pg, F("1.3639"));
    EXPECT_EQ(r.Ab, F("1.1314"));
    EXPECT_EQ(r.x, F("2.7124"));
    EXPECT_EQ(r.nb, F("4"));
    EXPECT_DOUBLE_EQ(r.s16, 19.2);
    EXPECT_DOUBLE_EQ(r.s48, 28.8);
    EXPECT_EQ(r.s, 15);
    EXPECT_TRUE(o.diagnostics.empty());
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(o.verdict, kVerdictUsable);
}

TEST(ColumnDesign, HeavierColumnHoldsTheSteelRatioTieToEven) {
    const ColumnOutcome o = calculateColumn(sound());
    const ColumnDesignResult& r = o.result;
    EXPECT_EQ(r.ht, F("15"));
    EXPECT_EQ(r.hr, F("25"));
    EXPECT_EQ(r.R, F("0.87"));
    EXPECT_EQ(r.m, F("1.1494"));
    EXPECT_EQ(r.W, F("489.6"));
    EXPECT_EQ(r.N, F("23550.7462"));
    EXPECT_EQ(r.Ag, F("400"));
    EXPECT_EQ(r.Pc, F("12750"));
    EXPECT_EQ(r.Ps, F("10800.7462"));
    EXPECT_EQ(r.As, F("10.589"));
    EXPECT_EQ(r.pg, F("2.6472"));  // 2.64725 held to four decimals, tie to even
    EXPECT_EQ(r.Ab, F("2.0114"));
    EXPECT_EQ(r.x, F("5.2645"));
    EXPECT_EQ(r.nb, F("6"));
    EXPECT_DOUBLE_EQ(r.s16, 25.6);
    EXPECT_DOUBLE_EQ(r.s48, 28.8);
    EXPECT_EQ(r.s, 20);
    EXPECT_TRUE(o.diagnostics.empty());
}

TEST(ColumnDesign, BarsForRatio) {
    const struct {
        const char* x;
        std::int64_t bars;
    } cases[] = {
        {"3.2", 4}, {"3.7", 5}, {"4", 5},   {"0.6", 1},  {"2.5", 3},   {"4.5", 5},  {"3.5", 5},
        {"0.5", 0}, {"1", 2},   {"0", 0},   {"-2.3", -2}, {"-2.5", -2}, {"0.9999", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(barsForRatio(F(c.x)), c.bars) << c.x;
}

TEST(ColumnDesign, ShortAndLongColumnBoundary) {
    const struct {
        double t, H;
        bool isLong;
    } cases[] = {
        {30, 3, false},      // ht exactly 10
        {30, 3.0003, true},  // ht 10.001
        {30, 2.9997, false},
        {15, 1.5, false},
        {15, 1.5002, true},
    };
    for (const auto& c : cases) {
        ColumnDesignInput in = square();
        in.t1 = in.t2 = c.t;
        in.H = c.H;
        const ColumnOutcome o = calculateColumn(in);
        EXPECT_EQ(o.result.isLong, c.isLong) << c.t << " " << c.H;
        EXPECT_EQ(o.result.columnKind, c.isLong ? kLongColumnText : kShortColumnText);
        if (!c.isLong) {
            EXPECT_EQ(o.result.m, Fixed::fromInt(1));
        } else {
            EXPECT_GT(o.result.m, Fixed::fromInt(1));
        }
    }
}

TEST(ColumnDesign, SlendernessLimitByRadiusOfGyration) {
    const struct {
        double H;
        bool tooSlender;
    } cases[] = {{12, false}, {12.0001, true}, {11.9999, false}};  // hr 100, 100.0008, 99.9992
    for (const auto& c : cases) {
        ColumnDesignInput in = square();
        in.t1 = in.t2 = 20;
        in.H = c.H;
        const ColumnOutcome o = calculateColumn(in);
        const auto m = texts(o);
        const bool before = !m.empty() && m.front() == msg::kTooSlenderBefore.text;
        EXPECT_EQ(before, c.tooSlender) << c.H;
        const auto after = std::find(m.begin(), m.end(), msg::kTooSlenderAfter.text) != m.end();
        EXPECT_EQ(after, c.tooSlender) << c.H;
        EXPECT_EQ(o.status == DesignStatus::NotUsable, c.tooSlender) << c.H;
        if (c.tooSlender) {
            EXPECT_TRUE(o.resultsReached);  // the results are still worked out
            EXPECT_EQ(m.back(), msg::kClosing.text);
        }
    }
}

// Each input check: the message, its correction, and whether the design goes on.
TEST(ColumnDesign, InputChecks) {
    struct Case {
        const char* name;
        std::function<void(ColumnDesignInput&)> set;
        std::vector<Message> messages;  // before the closing message
        std::vector<Correction> corrections;
        bool ends;
        std::function<void(const ColumnDesignResult&)> check;
    };
    const Case cases[] = {
        {"narrow width", [](auto& in) { in.t1 = 9.99; }, {msg::kWidthTooSmall}, {}, true, nullptr},
        {"width 10 accepted",
         [](auto& in) {
             in.t1 = 10;
             in.t2 = 40;
         },
         {}, {}, false, [](const auto& r) { EXPECT_EQ(r.t, 10); }},
        {"narrow depth", [](auto& in) { in.t2 = 0; }, {msg::kDepthTooSmall}, {}, true, nullptr},
        {"weak concrete", [](auto& in) { in.fcPrime = 50; }, {msg::kConcreteTooWeak}, {{"Text9", "150"}}, false,
         [](const auto& r) { EXPECT_EQ(r.fcPrime, 150); }},
        {"fc' 100 accepted", [](auto& in) { in.fcPrime = 100; }, {}, {}, false,
         [](const auto& r) { EXPECT_EQ(r.fcPrime, 100); }},
        {"fc' 1000 accepted", [](auto& in) { in.fcPrime = 1000; }, {msg::kFewerThanFourBars, msg::kSteelRatioLow}, {},
         false,
         [](const auto& r) { EXPECT_EQ(r.Pc, F("85000")); }},
        {"high strength", [](auto& in) { in.fcPrime = 1500; }, {msg::kHighStrength}, {{"Text9", "150"}}, false,
         [](const auto& r) { EXPECT_EQ(r.Pc, F("12750")); }},
        {"low steel stress", [](auto& in) { in.fs = 799; }, {msg::kSteelStressLow}, {{"Text10", "1200"}}, false,
         [](const auto& r) { EXPECT_EQ(r.As, F("10.589")); }},
        {"fs 800 accepted", [](auto& in) { in.fs = 800; }, {}, {}, false,
         [](const auto& r) { EXPECT_EQ(r.fs, 800); }},
        {"thin main bar", [](auto& in) { in.db = 10; }, {msg::kMainBarTooSmall}, {{"Text6", "12"}}, false,
         [](const auto& r) { EXPECT_EQ(r.Ab, F("1.1314")); }},
        {"thin tie", [](auto& in) { in.dt = 4; }, {msg::kTieTooSmall}, {{"Text7", "6"}}, false,
         [](const auto& r) { EXPECT_DOUBLE_EQ(r.s48, 28.8); }},
        {"no height", [](auto& in) { in.H = 0; }, {msg::kNoHeight}, {}, false,
         [](const auto& r) {
             EXPECT_EQ(r.H, 1);
             EXPECT_EQ(r.ht, F("5"));
             EXPECT_FALSE(r.isLong);
         }},
        {"no own-weight multiplier", [](auto& in) { in.k = 0; }, {}, {{"Text23", "0.1"}}, false,
         [](const auto& r) {
             EXPECT_EQ(r.k, 0.1);
             EXPECT_EQ(r.W, F("28.8"));
         }},
        {"all corrections in order",
         [](auto& in) {
             in.k = -1;
             in.fcPrime = 0;
             in.fs = 0;
             in.db = 0;
             in.dt = 0;
             in.H = -3;
         },
         {msg::kConcreteTooWeak, msg::kSteelStressLow, msg::kMainBarTooSmall, msg::kTieTooSmall, msg::kNoHeight},
         {{"Text23", "0.1"}, {"Text9", "150"}, {"Text10", "1200"}, {"Text6", "12"}, {"Text7", "6"}},
         false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnDesignInput in = sound();
        c.set(in);
        const ColumnOutcome o = calculateColumn(in);
        std::vector<Message> expected = c.messages;
        if (c.ends) expected.push_back(msg::kClosing);
        EXPECT_EQ(o.diagnostics.messages(), expected);
        EXPECT_EQ(o.diagnostics.corrections(), c.corrections);
        EXPECT_EQ(o.status, c.ends ? DesignStatus::NotUsable : DesignStatus::Usable);
        EXPECT_EQ(o.resultsReached, !c.ends);
        EXPECT_EQ(o.kindReached, !c.ends);
        if (c.check) c.check(o.result);
    }
}

TEST(ColumnDesign, CorrectionFollowsItsMessage) {
    ColumnDesignInput in = square();
    in.fcPrime = 20;
    const ColumnOutcome o = calculateColumn(in);
    const auto& events = o.diagnostics.events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(std::get<Message>(events[0]), msg::kConcreteTooWeak);
    EXPECT_EQ(std::get<Correction>(events[1]), (Correction{"Text9", "150"}));
}

// Steel ratio limits and the bar minimums, through the whole design.
TEST(ColumnDesign, SteelRatioAndBarMinimums) {
    const struct {
        const char* name;
        int shape;
        double P, t;
        std::vector<Message> messages;
        const char* nb;
        DesignStatus status;
    } cases[] = {
        {"ratio within limits", kShapeSquare, 16000, 20, {}, "6", DesignStatus::Usable},
        {"ratio below 1 %", kShapeSquare, 14000, 20, {msg::kSteelRatioLow}, "4", DesignStatus::Usable},
        {"fewer than four bars", kShapeSquare, 12000, 20, {msg::kFewerThanFourBars, msg::kSteelRatioLow}, "4",
         DesignStatus::Usable},
        {"concrete alone enough", kShapeSquare, 8000, 30, {msg::kFewerThanFourBars, msg::kSteelRatioLow}, "4",
         DesignStatus::Usable},
        {"round, concrete alone enough", kShapeRound, 8000, 30,
         {msg::kFewerThanFourBars, msg::kFewerThanSixBars, msg::kSteelRatioLow}, "6", DesignStatus::Usable},
        {"round with five bars", kShapeRound, 15000, 20, {msg::kFewerThanSixBars}, "6", DesignStatus::Usable},
        {"round with six bars", kShapeRound, 16000, 20, {}, "6", DesignStatus::Usable},
        {"other shape code designs as round", 7, 15000, 20, {msg::kFewerThanSixBars}, "6", DesignStatus::Usable},
        {"ratio above 8 %", kShapeSquare, 60000, 20, {msg::kSteelRatioHigh, msg::kClosing}, "50",
         DesignStatus::NotUsable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnDesignInput in;
        in.shape = c.shape;
        in.P = c.P;
        in.t1 = in.t2 = c.t;
        const ColumnOutcome o = calculateColumn(in);
        EXPECT_EQ(o.diagnostics.messages(), c.messages);
        EXPECT_EQ(o.result.nb, F(c.nb));
        EXPECT_EQ(o.status, c.status);
        EXPECT_TRUE(o.resultsReached);
    }
}

TEST(ColumnDesign, NegativeSteelShareKeepsItsSign) {
    ColumnDesignInput in = square();
    in.t1 = in.t2 = 30;
    const ColumnDesignResult r = calculateColumn(in).result;
    EXPECT_LT(r.Ps, Fixed());
    EXPECT_LT(r.As, Fixed());
    EXPECT_LT(r.pg, Fixed());
    EXPECT_EQ(r.nb, F("4"));
}

TEST(ColumnDesign, TieSpacingIsTheLeastOfThree) {
    const struct {
        double db, dt, t, s16, s48, s;
    } cases[] = {
        {16, 6, 20, 25.6, 28.8, 20},
        {12, 6, 40, 19.2, 28.8, 19.2},
        {25, 6, 40, 40, 28.8, 28.8},
        {18, 6, 40, 28.8, 28.8, 28.8},
        {20, 9, 32, 32, 43.2, 32},
    };
    for (const auto& c : cases) {
        ColumnDesignInput in = square();
        in.db = c.db;
        in.dt = c.dt;
        in.t1 = c.t;
        in.t2 = c.t + 10;
        in.P = 40000;
        const ColumnDesignResult r = calculateColumn(in).result;
        EXPECT_DOUBLE_EQ(r.s16, c.s16);
        EXPECT_DOUBLE_EQ(r.s48, c.s48);
        EXPECT_DOUBLE_EQ(r.s, c.s);
        EXPECT_EQ(r.t, c.t);
    }
}

TEST(ColumnDesign, NoShapeEndsAfterTheBarChecks) {
    ColumnDesignInput in;  // shape not chosen
    in.fcPrime = 50;
    in.t1 = in.t2 = 30;
    const ColumnOutcome o = calculateColumn(in);
    EXPECT_EQ(o.diagnostics.messages(),
              (std::vector<Message>{msg::kConcreteTooWeak, msg::kFewerThanFourBars, msg::kNoShape, msg::kClosing}));
    EXPECT_EQ(o.status, DesignStatus::NotUsable);
    EXPECT_EQ(o.verdict, kVerdictNotUsable);
    EXPECT_TRUE(o.kindReached);
    EXPECT_FALSE(o.resultsReached);

    FieldSet labels{{"Label12", "old"}, {"Label8", "old"}};
    writeColumnLabels(o, labels);
    EXPECT_EQ(labels.entries(), (std::vector<std::pair<std::string, std::string>>{
                                    {"Label12", "old"}, {"Label8", kShortColumnText}, {"Label65", kVerdictNotUsable}}));
}

// An impossible operation ends the design as not usable with the closing message only,
// keeping what was worked out before it.
TEST(ColumnDesign, ArithmeticFailureEndsThroughTheClosingMessage) {
    const struct {
        const char* name;
        std::function<void(ColumnDesignInput&)> set;
        std::vector<Message> messages;
        bool kindReached;
    } cases[] = {
        {"no load on a long column", [](auto& in) { in.P = 0; }, {msg::kClosing}, true},
        {"reduction factor zero",
         [](auto& in) {
             in.t1 = in.t2 = 10;
             in.H = 8.025;  // hr 133.75
         },
         {msg::kTooSlenderBefore, msg::kClosing}, true},
        {"section beyond any number", [](auto& in) { in.t1 = 1e300; }, {msg::kClosing}, true},
        {"height beyond any number", [](auto& in) { in.H = 1e300; }, {msg::kClosing}, false},
        {"earlier corrections stay",
         [](auto& in) {
             in.P = 0;
             in.db = 9;
         },
         {msg::kMainBarTooSmall, msg::kClosing}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnDesignResult previous;
        previous.N = F("123.4");
        previous.nb = F("8");
        previous.pg = F("2.5");
        ColumnDesignInput in = sound();
        c.set(in);
        const ColumnOutcome o = calculateColumn(in, previous);
        EXPECT_EQ(o.diagnostics.messages(), c.messages);
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_EQ(o.result.status, DesignStatus::NotUsable);
        EXPECT_EQ(o.verdict, kVerdictNotUsable);
        EXPECT_EQ(o.kindReached, c.kindReached);
        EXPECT_FALSE(o.resultsReached);
        EXPECT_EQ(o.result.N, F("123.4"));  // not reached: kept from the last calculation
        EXPECT_EQ(o.result.nb, Fixed());    // reset at the start of every calculation
        EXPECT_EQ(o.result.pg, Fixed());
    }
}

TEST(ColumnDesign, LongColumnCaptionSurvivesAFailedMultiplier) {
    ColumnDesignInput in = square();
    in.P = 0;
    const ColumnOutcome o = calculateColumn(in);
    EXPECT_TRUE(o.result.isLong);
    EXPECT_EQ(o.result.columnKind, kLongColumnText);
    EXPECT_EQ(o.result.hr, F("33.3333"));  // worked out before the failure
}

TEST(ColumnDesign, ShortColumnWithoutLoadCarriesItsOwnWeight) {
    ColumnDesignInput in = square();
    in.P = 0;
    in.t1 = in.t2 = 30;
    const ColumnOutcome o = calculateColumn(in);
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(o.result.N, F("1101.6"));
}
