#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "common/checked.h"
#include "common/fixed.h"
#include "common/numtext.h"
#include "common/workingstress.h"

using namespace mx;

TEST(Num, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},          {"?", 0},         {"abc", 0},       {"   ", 0},       {"12", 12},
        {"  12", 12},     {"\t7.5", 7.5},   {"-3", -3},       {"+4", 4},        {"-", 0},
        {"+", 0},         {".5", 0.5},      {"5.", 5},        {".", 0},         {"-.25", -0.25},
        {"1e3", 1},       {"1E3", 1},       {"1e", 1},        {"1e+", 1},       {"2e-2", 2},
        {"1d2", 1},       {"12abc", 12},    {"12 34", 12},    {"3.4.5", 3.4},   {"1,5", 1},
        {"0012", 12},     {"-0", 0},        {"ก12", 0},       {"126 ซม.", 126}, {"1e-400", 1},
        {"- 5", 0},       {"+-5", 0},       {"--5", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(num(c.text), c.value) << "text: '" << c.text << "'";
}

TEST(Num, HugeAndLongTextsStayFinite) {
    EXPECT_EQ(num("1e400"), 1);
    EXPECT_EQ(num(std::string(5000, '9')), DBL_MAX);
    EXPECT_EQ(num("-" + std::string(400, '9') + ".5"), -DBL_MAX);
    EXPECT_DOUBLE_EQ(num("1" + std::string(300, '0')), 1e300);
    EXPECT_DOUBLE_EQ(num("0." + std::string(3000, '0') + "1"), 0.0);
    EXPECT_FALSE(std::signbit(num("-0")));
}

TEST(NumText, DoublesAsPlainDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.886 * 30, "26.58"},
        {44.1, "44.1"},
        {5.0, "5"},
        {-2.5, "-2.5"},
        {1e20, "100000000000000000000"},
        {1.5e-7, "0.00000015"},
        {123456789012345678.0, "123456789012346000"},
        {1.0 / 3.0, "0.333333333333333"},
        {std::numeric_limits<double>::infinity(), "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(numText(c.value), c.text) << c.value;
}

TEST(NumText, SheetNumbersCarryTheirBlanks) {
    EXPECT_EQ(sheetNum(44.1), " 44.1 ");
    EXPECT_EQ(sheetNum(-3.25), "-3.25 ");
    EXPECT_EQ(sheetNum(0.0), " 0 ");
    EXPECT_EQ(sheetNum(Fixed::fromDouble(5.292)), " 5.292 ");
    EXPECT_EQ(sheetNum(12), " 12 ");
    EXPECT_EQ(sheetText(""), "  ");
}

TEST(Fixed, ConversionRoundsTheScaledDoubleTiesToEven) {
    struct Case {
        double value;
        std::int64_t raw;
    };
    const Case cases[] = {
        {2.64725, 26472},     // the scaled double is a tie: to even
        {45.9029 / 2, 229514},
        {0.00005, 0},          // tie at zero goes to 0
        {0.00015, 1},          // 0.00015 * 10000 is 1.4999999999999998 as a double
        {0.00025, 2},          // exactly 2.5: to even
        {0.00035, 4},          // exactly 3.5: to even
        {1.26, 12600},
        {0.638628571, 6386},
        {7.91994, 79199},
        {-1.23456, -12346},
    };
    for (const auto& c : cases) EXPECT_EQ(Fixed::fromDouble(c.value).raw(), c.raw) << c.value;
}

TEST(Fixed, ExactIntegerArithmetic) {
    const Fixed a = Fixed::fromDouble(5.292), b = Fixed::fromDouble(38.808);
    EXPECT_EQ((a + b).text(), "44.1");
    EXPECT_EQ((b - a).text(), "33.516");
    EXPECT_EQ((-a).text(), "-5.292");
    EXPECT_EQ(Fixed::fromRaw(459029).half().raw(), 229514);  // 22.95145 -> even
    EXPECT_EQ(Fixed::fromRaw(459031).half().raw(), 229516);  // 22.95155 -> even
    EXPECT_EQ(Fixed::fromRaw(-459029).half().raw(), -229514);
    EXPECT_EQ(Fixed::fromRaw(7).half().raw(), 4);
    EXPECT_EQ(Fixed::fromInt(3).times(7).text(), "21");
    EXPECT_LT(a, b);
}

TEST(Fixed, TextDropsTrailingZeros) {
    EXPECT_EQ(Fixed::fromDouble(25.2).text(), "25.2");
    EXPECT_EQ(Fixed::fromDouble(18.5).text(), "18.5");
    EXPECT_EQ(Fixed().text(), "0");
    EXPECT_EQ(Fixed::fromDouble(-0.00004).text(), "0");
    EXPECT_EQ(Fixed::fromDouble(0.0001).text(), "0.0001");
    EXPECT_EQ(Fixed::fromDouble(-0.05).text(), "-0.05");
    EXPECT_EQ(Fixed::fromRaw(INT64_MIN).text(), "-922337203685477.5808");
}

TEST(Fixed, OutOfRangeIsAnArithmeticError) {
    EXPECT_THROW(Fixed::fromDouble(1e300), ArithmeticError);
    EXPECT_THROW(Fixed::fromDouble(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(Fixed::fromDouble(std::nan("")), ArithmeticError);
    EXPECT_THROW(Fixed::fromRaw(INT64_MAX) + Fixed::fromRaw(1), ArithmeticError);
    EXPECT_THROW(Fixed::fromRaw(INT64_MIN) - Fixed::fromRaw(1), ArithmeticError);
    EXPECT_THROW(Fixed::fromInt(INT64_MAX / 100), ArithmeticError);
    EXPECT_NO_THROW(Fixed::fromDouble(9e14));
}

TEST(Int16, RoundsTiesToEvenWithinRange) {
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {{0.5, 0},  {1.5, 2},         {2.5, 2},          {-2.5, -2},     {2.4999, 2},
                          {2.51, 3}, {32767.0, 32767}, {32767.4, 32767},  {-32768, -32768}, {-32768.5, -32768}};
    for (const auto& c : cases) EXPECT_EQ(chk::toInt16(c.value), c.expected) << c.value;
    for (double bad : {32767.5, 32768.0, -32768.51, -40000.0, 1e10, std::numeric_limits<double>::infinity(),
                       std::nan("")})
        EXPECT_THROW(chk::toInt16(bad), ArithmeticError) << bad;
}

TEST(Int16, ProductsAndSumsAreRangeChecked) {
    EXPECT_EQ(chk::mul16(181, 181), 32761);
    EXPECT_THROW(chk::mul16(182, 181), ArithmeticError);
    EXPECT_EQ(chk::mul16(-256, 128), -32768);
    EXPECT_EQ(chk::add16(32000, 767), 32767);
    EXPECT_THROW(chk::add16(32000, 768), ArithmeticError);
}

TEST(Checked, ImpossibleOperationsRaiseOneError) {
    EXPECT_THROW(chk::div(1, 0), ArithmeticError);
    EXPECT_THROW(chk::div(0, 0), ArithmeticError);
    EXPECT_THROW(chk::div(1e308, 1e-308), ArithmeticError);
    EXPECT_THROW(chk::sqrt(-1e-12), ArithmeticError);
    EXPECT_THROW(chk::sqrt(std::nan("")), ArithmeticError);
    EXPECT_THROW(chk::mul(1e200, 1e200), ArithmeticError);
    EXPECT_THROW(chk::toSingle(1e39), ArithmeticError);
    EXPECT_DOUBLE_EQ(chk::div(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(chk::sqrt(0), 0);
    EXPECT_FLOAT_EQ(chk::toSingle(0.1), 0.1f);
}

TEST(Checked, CeilUpAddsOneForAnyFraction) {
    EXPECT_EQ(chk::ceilUp(3.0), 3);
    EXPECT_EQ(chk::ceilUp(3.0001), 4);
    EXPECT_EQ(chk::ceilUp(0.0), 0);
    EXPECT_EQ(chk::ceilUp(-2.5), -2);
    EXPECT_THROW(chk::ceilUp(std::nan("")), ArithmeticError);
}

TEST(WorkingStress, HeldToFourDecimalsStepByStep) {
    const WorkingStress w = workingStress(150, 65, 1200);
    EXPECT_EQ(w.n.text(), "10.2425");  // 2323000 / 226800
    // k from the held n: 1 / (1 + 1200 / (10.2425 * 65))
    EXPECT_EQ(w.k, Fixed::fromDouble(1.0 / (1.0 + 1200.0 / (10.2425 * 65.0))));
    EXPECT_EQ(w.j, Fixed::fromDouble(1.0 - w.k.toDouble() / 3.0));
    EXPECT_EQ(w.R, Fixed::fromDouble(0.5 * 65 * w.k.toDouble() * w.j.toDouble()));
    EXPECT_THROW(workingStress(0, 65, 1200), ArithmeticError);
    EXPECT_THROW(workingStress(150, 0, 1200), ArithmeticError);
}

// A float reads as the shortest decimal that is the same float, so the two footings'
// pitches print alike; a non-finite one never leaks.
TEST(SingleValue, ShortestDecimalOfTheFloat) {
    const struct {
        float in;
        double out;
    } cases[] = {{168.0f / 13, 12.923077}, {61.0f / 7, 8.714286}, {123.0f / 9, 13.666667}, {0.1f, 0.1},
                 {25.0f, 25.0},           {0.0f, 0.0},           {std::numeric_limits<float>::infinity(), 0.0}};
    for (const auto& c : cases) EXPECT_EQ(singleValue(c.in), c.out) << c.in;
}
