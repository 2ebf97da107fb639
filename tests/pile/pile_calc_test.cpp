#include <gtest/gtest.h>

#include <cmath>

#include "common/numtext.h"
#include "pile/pile_calc.h"
#include "pile/pile_form.h"

using namespace mx;
using namespace mx::pile;

namespace {

std::vector<std::string> texts(const Diagnostics& d) {
    std::vector<std::string> out;
    for (const auto& m : d.messages()) out.push_back(m.text);
    return out;
}

const std::string kMsg1 = "1.คุณยังไม่ได้เลือกชนิดของเสาเข็ม?";
const std::string kMsg2 = "2.คุณยังไม่ได้กำหนดความยาวของเสาเข็มหรือกำหนดผิดพลาด!!!";
const std::string kMsg3 = "3.ค่าที่คำนวณออกมาผิดปรกติ คุณกรอกข้อมูลผิดพลาด โปรดตรวจสอบใหม่!?!";

}  // namespace

struct LoadCase {
    const char* name;
    int code;
    double size, length;
    double L1, L2;
    const char *pF, *P1, *f2, *P2, *P, *Pw;
};

class SafeLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SafeLoad, FrictionOverBothDepths) {
    const LoadCase& c = GetParam();
    const PileOutcome o = calculatePile(c.code, c.size, c.length, kLabel9Quiet);
    EXPECT_FALSE(o.failed);
    EXPECT_TRUE(o.diagnostics.empty()) << c.name;
    EXPECT_DOUBLE_EQ(o.result.L1, c.L1);
    EXPECT_DOUBLE_EQ(o.result.L2, c.L2);
    EXPECT_EQ(o.result.pF.text(), c.pF);
    EXPECT_EQ(o.result.P1.text(), c.P1);
    EXPECT_EQ(o.result.f2.text(), c.f2);
    EXPECT_EQ(o.result.P2.text(), c.P2);
    EXPECT_EQ(o.result.P.text(), c.P);
    EXPECT_EQ(o.result.Pw.text(), c.Pw);
    EXPECT_EQ(o.label9, kLabel9Quiet);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SafeLoad,
    ::testing::Values(
        LoadCase{"prestressed I 0.26, 21 m", kPrestressed, 126, 21, 7, 14, "1.26", "5.292", "3600", "38.808", "44.1", "34.398"},
        LoadCase{"exactly 7 m", kPrestressed, 126, 7, 7, 0, "1.26", "5.292", "800", "0", "5.292", "4.1278"},
        // Pw = 0.78 x 5.8275 = 4.54545 lies half way and goes to the even neighbour.
        LoadCase{"7.5 m", kPrestressed, 126, 7.5, 7, 0.5, "1.26", "5.292", "900", "0.5355", "5.8275", "4.5454"},
        LoadCase{"timber 8 in, 10 m", kTimber, 8, 10, 7, 3, "0.6386", "2.6821", "1400", "2.1074", "4.7895", "3.7358"},
        LoadCase{"bored 0.6 m, 25 m", kBored, 0.6, 25, 7, 18, "1.8857", "7.9199", "4400", "88.2508", "96.1707", "75.0131"},
        LoadCase{"hollow 160 cm, 5 m", kHollow, 160, 5, 5, 0, "1.6", "4.8", "800", "0", "4.8", "3.744"}),
    [](const auto& info) {
        std::string n;
        for (char ch : std::string(info.param.name)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

TEST(SafeLoadMessages, NoTypeWarnsAndGivesZero) {
    const PileOutcome o = calculatePile(0, 126, 21, kLabel9Quiet);
    EXPECT_EQ(texts(o.diagnostics), std::vector<std::string>{kMsg1});
    EXPECT_EQ(o.diagnostics.messages()[0].title, "เตือนให้เลือกชนิดของเสาเข็ม");
    EXPECT_EQ(o.diagnostics.messages()[0].icon, Icon::Critical);
    EXPECT_EQ(o.result.code, 0);
    EXPECT_EQ(o.result.P.raw(), 0);
    const FieldSet labels = pileLabels(o);
    EXPECT_EQ(labels.get("Label7"), "0");
    EXPECT_EQ(labels.get("Label8"), "0");
    // A negative code (never set by a button) is taken as none.
    EXPECT_EQ(calculatePile(-2, 126, 21, kLabel9Quiet).result.code, 0);
}

TEST(SafeLoadMessages, LengthNotPositive) {
    struct Case {
        double length;
        double L;
    };
    for (const Case c : {Case{0, 0}, Case{-3, 0}}) {
        const PileOutcome o = calculatePile(kPrestressed, 126, c.length, kLabel9Quiet);
        EXPECT_EQ(texts(o.diagnostics), std::vector<std::string>{kMsg2}) << c.length;
        EXPECT_EQ(o.diagnostics.messages()[0].title, "ความยาวเสาเข็ม");
        EXPECT_DOUBLE_EQ(o.result.L, c.L);
        EXPECT_DOUBLE_EQ(o.result.L1, 0);
        EXPECT_DOUBLE_EQ(o.result.L2, 0);
        EXPECT_EQ(o.result.P.raw(), 0);
    }
    // Both warnings come in order.
    EXPECT_EQ(texts(calculatePile(0, 0, 0, kLabel9Quiet).diagnostics), (std::vector<std::string>{kMsg1, kMsg2}));
}

TEST(SafeLoadMessages, ImplausibleLoadStillShowsResults) {
    // 10 m perimeter and 80 m long: far beyond any real pile.
    const PileOutcome o = calculatePile(kPrestressed, 1000, 80, kLabel9Quiet);
    EXPECT_EQ(texts(o.diagnostics), std::vector<std::string>{kMsg3});
    EXPECT_EQ(o.diagnostics.messages()[0].title, "ขนาดเสาเข็มผิดพลาด");
    EXPECT_FALSE(o.failed);
    EXPECT_EQ(o.result.P.text(), "5955");
    EXPECT_EQ(pileLabels(o).get("Label7"), "5955");
    EXPECT_EQ(o.label9, kLabel9Warning);
}

TEST(SafeLoadMessages, NegativeSizeTakenAsZero) {
    const PileOutcome o = calculatePile(kBored, -1, 21, kLabel9Quiet);
    EXPECT_DOUBLE_EQ(o.result.size, 0);
    EXPECT_EQ(o.result.P.raw(), 0);
    EXPECT_TRUE(o.diagnostics.empty());
}

TEST(WarningLine, PerimeterAroundSevenMetres) {
    const std::string previous = "previous text";
    struct Case {
        double size;  // perimeter in cm of a prestressed pile
        std::string expected;
    };
    for (const Case& c : {Case{700, previous}, Case{701, kLabel9Warning}, Case{699, kLabel9Quiet}}) {
        EXPECT_EQ(calculatePile(kPrestressed, c.size, 21, previous).label9, c.expected) << c.size;
    }
}

TEST(SafeLoadFailure, HugeNumbersEndCleanly) {
    // Numbers only the command line can pass (the field checks cap typed values).
    for (double size : {1e300, 1.7976931348623157e308}) {
        const PileOutcome o = calculatePile(kTimber, size, 21, kLabel9Quiet);
        EXPECT_TRUE(o.failed);
        EXPECT_EQ(texts(o.diagnostics), std::vector<std::string>{kMsg3});
        const FieldSet labels = pileLabels(o);
        EXPECT_EQ(labels.get("Label7"), "?");
        EXPECT_EQ(labels.get("Label8"), "?");
        EXPECT_TRUE(std::isfinite(o.result.p) || o.result.p == 0);
    }
    const PileOutcome o = calculatePile(kPrestressed, 100, 1e300, kLabel9Quiet);
    EXPECT_TRUE(o.failed);
    EXPECT_DOUBLE_EQ(o.result.L1, 7);
}

TEST(FieldChecks, SizeAndLengthLimits) {
    struct Case {
        bool size;  // Text1 or Text2
        const char* text;
        bool fires;
    };
    for (const Case& c : {Case{true, "1001", true}, Case{true, "1000", false}, Case{true, "?", false},
                          Case{true, "10000", true}, Case{false, "81", true}, Case{false, "80", false},
                          Case{false, "80.5", true}, Case{false, "", false}}) {
        const Diagnostics d = c.size ? checkSizeField(c.text) : checkLengthField(c.text);
        EXPECT_EQ(!d.empty(), c.fires) << c.text;
        if (!c.fires) continue;
        ASSERT_EQ(d.corrections().size(), 1u);
        EXPECT_EQ(d.corrections()[0], c.size ? (Correction{"Text1", "1000"}) : (Correction{"Text2", "21"}));
        EXPECT_EQ(d.messages()[0].text, c.size ? "คุณแน่ใจหรือว่าคุณป้อนข้อมูลถูกต้อง?" : "คุณป้อนข้อมูลผิดพลาด?");
        EXPECT_EQ(d.messages()[0].title, c.size ? "ข้อมูลผิดพลาด" : "เสาเข็มยาวผิดปรกติ");
        // The text written back passes its own check, so the check does not loop.
        const Correction back = d.corrections()[0];
        EXPECT_TRUE((c.size ? checkSizeField(back.text) : checkLengthField(back.text)).empty());
    }
}

TEST(Sections, ListRowsWriteTheirValues) {
    EXPECT_EQ(prestressedSections().size(), 13u);
    EXPECT_EQ(hollowSections().size(), 13u);
    EXPECT_EQ(sectionValue(1, 2), "126");
    EXPECT_EQ(sectionValue(1, 12), "160");
    EXPECT_EQ(sectionValue(2, 0), "160");
    EXPECT_EQ(sectionValue(2, 12), "50");
    EXPECT_EQ(sectionValue(1, -1), std::nullopt);
    EXPECT_EQ(sectionValue(2, 13), std::nullopt);
    EXPECT_EQ(sectionValue(0, 0), std::nullopt);
}

