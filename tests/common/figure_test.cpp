#include <gtest/gtest.h>

#include <limits>
#include <variant>

#include "common/certify.h"
#include "common/figure.h"
#include "common/limitrule.h"

using namespace mx;

TEST(PenAdvances, ThaiMarksAboveAndBelowTakeNoRoom) {
    const std::pair<const char*, std::size_t> rows[] = {
        {"", 0}, {"ab 12", 5}, {"เส้น", 3}, {"ที่", 1}, {"กึ่งกลาง", 6}, {"ปลอดภัย", 6}, {"\xE0\xB8", 1}};
    for (const auto& [text, n] : rows) EXPECT_EQ(penAdvances(text), n) << text;
}

TEST(Relation, NeverEqualsANaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<double, double, std::string> rows[] = {{1, 2, "<"}, {2, 1, ">"}, {2, 2, "="}, {nan, 1, "?"}};
    for (const auto& [a, b, r] : rows) EXPECT_EQ(relation(a, b), r) << a << " " << b;
}

TEST(LimitRule, EachBreachAndReadingOfABound) {
    const LimitRule rules[] = {
        {"A", Breach::Above, 10, "t", "above", Icon::Critical, "10"},
        {"A", Breach::Above, 5, nullptr, "note", Icon::None},
        {"B", Breach::Below, 1, nullptr, nullptr, Icon::None, "1", ResetOrder::BeforeMessage, Reading::AsTyped, "C"},
        {"D", Breach::AtOrBelow, 0, "t", "none", Icon::Critical, "15", ResetOrder::BeforeMessage},
        {"W", Breach::Above, 3, "t", "whole", Icon::Critical, nullptr, ResetOrder::AfterMessage, Reading::Whole},
        {"F", Breach::Above, 8, "t", "four", Icon::Critical, nullptr, ResetOrder::AfterMessage, Reading::FourDecimals},
    };
    const std::tuple<const char*, const char*, std::vector<std::string>> rows[] = {
        {"A", "7", {"note"}},        {"A", "11", {"above", "A=10", "note"}}, {"A", "5", {}},
        {"B", "0.5", {"C=1"}},       {"D", "0", {"D=15", "none"}},          {"D", "0.1", {}},
        {"W", "3.4", {}},            {"W", "3.5", {"whole"}},                {"F", "8.00004", {}},
        {"F", "8.00006", {"four"}},  {"X", "1e300", {}},
    };
    for (const auto& [field, text, expected] : rows) {
        std::vector<std::string> events;
        const Diagnostics d = checkLimits(rules, field, FieldSet{{field, text}});
        for (const auto& e : d.events()) {
            if (const auto* m = std::get_if<Message>(&e)) events.push_back(m->text);
            else events.push_back(std::get<Correction>(e).field + "=" + std::get<Correction>(e).text);
        }
        EXPECT_EQ(events, expected) << field << "=" << text;
    }
    EXPECT_EQ(limitMessage(rules[1]).title, kProgramTitle);
}
