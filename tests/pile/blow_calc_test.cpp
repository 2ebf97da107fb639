#include <gtest/gtest.h>

#include "pile/blow_calc.h"
#include "pile/blow_form.h"

using namespace mx;
using namespace mx::pile;

namespace {

BlowInput defaults(double A, double R) { return BlowInput{21, 3, 30, 50, R, A}; }

std::vector<std::string> numbers(const Diagnostics& d) {
    std::vector<std::string> out;
    for (const auto& m : d.messages()) out.push_back(m.text.substr(0, m.text.find('.')));
    return out;
}

}  // namespace

// The compressions under the ultimate load itself: c = (0.34 L1 + 0.06 + 1.4) / A,
// K = N E W h, Rn = (√(S² + 2cK) − S) / c. For A 480: c = 8.6 / 480, K = 41.868,
// Rn = (√1.86027 − 0.6) / 0.0179167 = 42.637.
TEST(Hiley, WorkedExamples) {
    struct Case {
        double A, R;
        const char *P, *C1, *C2, *C3, *C, *N, *Rn, *Ra, *Wmin, *Wmax;
    };
    const Case cases[] = {
        {480, 25, "2.4192", "0.6342", "0.0053", "0.1244", "0.7639", "0.5815", "42.6372", "21.3186", "1.6934", "4.8384"},
        {660, 30, "3.3264", "0.4527", "0.0038", "0.0888", "0.5453", "0.5071", "41.8416", "20.9208", "2.3285", "6.6528"},
    };
    for (const Case& c : cases) {
        const BlowOutcome o = calculateBlow(defaults(c.A, c.R));
        ASSERT_TRUE(o.completed);
        EXPECT_EQ(numbers(o.diagnostics), std::vector<std::string>{"10"});  // Ra < R
        const BlowResult& r = o.result;
        EXPECT_EQ(r.P.text(), c.P);
        EXPECT_DOUBLE_EQ(r.S, 0.6);
        EXPECT_EQ(r.C1.text(), c.C1);
        EXPECT_EQ(r.C2.text(), c.C2);
        EXPECT_EQ(r.C3.text(), c.C3);
        EXPECT_EQ(r.C.text(), c.C);
        EXPECT_EQ(r.N.text(), c.N);
        EXPECT_EQ(r.Rn.text(), c.Rn);
        EXPECT_EQ(r.Ra.text(), c.Ra);
        EXPECT_EQ(r.Wmin.text(), c.Wmin);
        EXPECT_EQ(r.Wmax.text(), c.Wmax);
        // Hiley's own form holds with the compressions at Rn, to their rounding.
        EXPECT_NEAR(r.Rn.toDouble(), r.K / (r.S + r.C.toDouble() / 2), 5e-3);
        const FieldSet labels = blowLabels(r);
        EXPECT_EQ(labels.get("Label11"), c.Rn);
        EXPECT_EQ(labels.get("Label12"), c.Ra);
        EXPECT_EQ(labels.get("Label18"), c.P);
        EXPECT_EQ(labels.get("Label15"), c.Wmin);
        EXPECT_EQ(labels.get("Label17"), c.Wmax);
    }
}

// Usable only with a set of at most 1 cm and Ra at least R. The criterion: at Rn = 2R
// the set is S* = K / (2R) − c R; Breq = max(30, ⌈30 / S*⌉), none past 200 blows.
TEST(Hiley, BlowCountProvesTheDesignLoad) {
    struct Case {
        double R, B;
        bool usable;
        std::vector<std::string> messages;
        int Breq;
    };
    const Case cases[] = {
        {25, 50, false, {"10"}, 78},  // S* = 0.83736 − 0.44792 = 0.38944: 77.03 blows
        {25, 78, true, {}, 78},       // Rn 50.19
        {25, 77, false, {"10"}, 78},  // Rn 49.99
        {15, 30, true, {}, 30},       // S* 1.12685 asks only 27: the 1 cm set asks 30
        {15, 29, false, {"7"}, 30},   // carries 15.87 t but sinks more than 1 cm
        {32, 200, false, {"10"}, 0},  // S* 0.0812 would need 370 blows
        {200, 50, false, {"10"}, 0},  // S* below nothing: no blow count proves it
    };
    for (const Case& c : cases) {
        BlowInput in = defaults(480, c.R);
        in.B = c.B;
        const BlowOutcome o = calculateBlow(in);
        SCOPED_TRACE(std::to_string(c.R) + " t, " + std::to_string(c.B) + " blows");
        EXPECT_EQ(blowUsable(o), c.usable);
        EXPECT_EQ(numbers(o.diagnostics), c.messages);
        EXPECT_EQ(o.result.Breq, c.Breq);
        EXPECT_EQ(blowLabels(o.result).get("Label26"), c.Breq ? std::to_string(c.Breq) : "-");
    }
}

TEST(Hiley, MissingInputStopsAtTheFirstInOrder) {
    struct Case {
        const char* name;
        double BlowInput::*field;
        const char* number;
    };
    const Case cases[] = {
        {"L1", &BlowInput::L1, "1"}, {"W", &BlowInput::W, "2"}, {"h", &BlowInput::h, "3"},
        {"B", &BlowInput::B, "4"},   {"R", &BlowInput::R, "5"}, {"A", &BlowInput::A, "6"},
    };
    for (const Case& c : cases) {
        for (double bad : {0.0, -4.0}) {
            BlowInput in = defaults(480, 25);
            in.*c.field = bad;
            const BlowOutcome o = calculateBlow(in);
            EXPECT_FALSE(o.completed) << c.name;
            EXPECT_EQ(numbers(o.diagnostics), std::vector<std::string>{c.number}) << c.name;
            EXPECT_DOUBLE_EQ(o.result.in.*c.field, 1) << c.name;  // held as 1
        }
    }
    // Everything missing: only the first message.
    const BlowOutcome o = calculateBlow(BlowInput{});
    EXPECT_EQ(numbers(o.diagnostics), std::vector<std::string>{"1"});
    EXPECT_EQ(o.diagnostics.messages()[0].title, "ยังไม่ได้กำหนดความยาวของเสาเข็ม");
}

TEST(Hiley, StopKeepsThePreviousResults) {
    const BlowResult first = calculateBlow(defaults(480, 25)).result;
    const BlowOutcome stopped = calculateBlow(defaults(0, 25));
    const BlowResult held = heldBlowResult(first, stopped);
    EXPECT_EQ(held.Rn, first.Rn);
    EXPECT_EQ(held.P, first.P);
    EXPECT_DOUBLE_EQ(held.in.A, 1);
    const BlowOutcome next = calculateBlow(defaults(660, 30));
    EXPECT_EQ(heldBlowResult(first, next).Rn.text(), "41.8416");
}

TEST(Hiley, AdviceOnSetAndHammer) {
    struct Case {
        double W, B;
        std::vector<std::string> expected;
    };
    // P = 2.4192: Wmax = 4.8384, Wmin = 1.6934.
    const Case cases[] = {
        {3, 30, {}},                 // S = 1 exactly
        {3, 29, {"7"}},              // S just above 1
        {4.8384, 50, {}},            // exactly 2 P
        {1.6934, 50, {}},            // exactly 0.7 P
        {4.8385, 50, {"8"}},
        {1.6933, 50, {"9"}},
        {5, 20, {"7", "8"}},         // two pieces of advice in a row
        {1, 10, {"7", "9"}},
    };
    for (const Case& c : cases) {
        BlowInput in = defaults(480, 1);  // a design load every case here proves
        in.W = c.W;
        in.B = c.B;
        const BlowOutcome o = calculateBlow(in);
        EXPECT_TRUE(o.completed);
        EXPECT_EQ(numbers(o.diagnostics), c.expected) << c.W << " " << c.B;
    }
    BlowInput in = defaults(480, 1);
    in.W = 5;
    in.B = 20;
    const auto m = calculateBlow(in).diagnostics.messages();
    EXPECT_EQ(m[0].title, "ระยะเข็มจมดินมากกว่า 1 ซม.");
    EXPECT_EQ(m[1].text, "8.นน.ลูกตุ้มที่ใช้ตอกเข็มใหญ่เกินไป?");
}

TEST(Hiley, WeightlessPileAndImpossibleNumbersStopWithAMessage) {
    // A pile whose weight rounds to nothing.
    BlowOutcome o = calculateBlow(BlowInput{0.01, 3, 30, 50, 25, 1});
    EXPECT_FALSE(o.completed);
    EXPECT_TRUE(o.failed);
    EXPECT_EQ(o.result.P.text(), "1");
    ASSERT_EQ(o.diagnostics.messages().size(), 1u);
    // A section so small the compressions overflow.
    o = calculateBlow(BlowInput{80, 3, 30, 50, 500, 1e-300});
    EXPECT_FALSE(o.completed);
    EXPECT_EQ(o.diagnostics.messages().size(), 1u);
    o = calculateBlow(BlowInput{1e300, 3, 30, 50, 25, 1e300});
    EXPECT_TRUE(o.failed);
}

TEST(BlowForm, FieldChecks) {
    struct Case {
        const char* field;
        const char* above;
        const char* at;
        const char* reset;
        const char* title;
    };
    const Case cases[] = {
        {"Text1", "5001", "5000", "100", "พื้นที่หน้าตัดของเสาเข็มมากเกินไป"},
        {"Text2", "81", "80", "21", "เสาเข็มยาวผิดปรกติ"},
        {"Text3", "501", "500", "3", "ข้อมูลที่คุณป้อนผิดพลาด"},
        {"Text9", "51", "50", "3", "ลูกตุ้มที่ใช้ตอกหนักผิดปรกติ"},
        {"Text10", "121", "120", "30", "ระยะยกลูกตุ้มจากหัวเสาเข็มมากเกินไป"},
        {"Text11", "201", "200", "50", "BLOW COUNT มากผิดปรกติ"},
    };
    for (const Case& c : cases) {
        const Diagnostics d = checkBlowField(c.field, c.above);
        ASSERT_EQ(d.messages().size(), 1u) << c.field;
        EXPECT_EQ(d.messages()[0].title, c.title);
        EXPECT_EQ(d.corrections(), std::vector<Correction>{(Correction{c.field, c.reset})});
        EXPECT_TRUE(checkBlowField(c.field, c.at).empty()) << c.field;
        EXPECT_TRUE(checkBlowField(c.field, c.reset).empty()) << c.field;
    }
    EXPECT_TRUE(checkBlowField("Text4", "99999").empty());  // the title block has no limit
}

TEST(BlowForm, ListsFillAreaAndLoad) {
    struct Case {
        int list, row;
        const char *area, *load;
    };
    const Case cases[] = {
        {1, 1, "480", "25"}, {1, 6, "400", "20"},  {1, 11, "1660", "80"}, {2, 0, "1286", "70"},
        {2, 11, "138", "2"}, {3, 0, "44", "0.33"}, {3, 9, "707", "8"},
    };
    for (const Case& c : cases) {
        const auto v = blowSectionValues(c.list, c.row);
        ASSERT_TRUE(v) << c.list << "/" << c.row;
        EXPECT_EQ(v->first, c.area);
        EXPECT_EQ(v->second, c.load);
    }
    EXPECT_EQ(blowSections(1).size(), 13u);
    EXPECT_EQ(blowSections(2).size(), 12u);
    ASSERT_EQ(blowSections(3).size(), 10u);
    EXPECT_EQ(blowSections(3)[0].text, "เสาเข็มไม้เส้นผ่าศูนย์กลางภายนอก ขนาด  3 นิ้ว");
    EXPECT_EQ(blowSections(3)[9].text, "เสาเข็มไม้เส้นผ่าศูนย์กลางภายนอก ขนาด  12 นิ้ว");
    EXPECT_FALSE(blowSectionValues(3, 10));
    EXPECT_FALSE(blowSectionValues(1, -1));
    EXPECT_FALSE(blowSectionValues(4, 0));
}
