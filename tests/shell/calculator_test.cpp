#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/calculator.h"

using mx::shell::CalculatorEngine;

namespace {

struct KeyRun {
    std::string display;
    std::vector<std::string> messages;
};

// Presses keys written as the calculator's captions: "0".."9", ".", "%", "+", "-",
// "X", "/", "=", "CE", "C". A key of more digits types each of them.
KeyRun press(CalculatorEngine& c, const std::vector<std::string>& keys) {
    KeyRun r;
    for (const std::string& k : keys) {
        std::optional<mx::Message> m;
        if (k == "CE") c.clearEntry();
        else if (k == "C") c.clear();
        else if (k == ".") c.point();
        else if (k == "%") m = c.percent();
        else if (k == "+" || k == "-" || k == "X" || k == "/" || k == "=") m = c.operate(k[0]);
        else
            for (char d : k) {
                if (d == '.') c.point();
                else c.digit(d - '0');
            }
        if (m) r.messages.push_back(m->text);
    }
    r.display = c.display();
    return r;
}

KeyRun press(const std::vector<std::string>& keys) {
    CalculatorEngine c;
    return press(c, keys);
}

}  // namespace

TEST(Calculator, KeySequences) {
    struct Case {
        std::vector<std::string> keys;
        std::string display;
        int messages;
    };
    const Case cases[] = {
        {{}, "0.", 0},
        {{"1"}, "1.", 0},
        {{"1", "2"}, "12.", 0},
        {{"0", "0", "5"}, "5.", 0},
        {{"1", "2", "+", "3", "="}, "15", 0},
        {{"1", "2", "+", "3", "=", "="}, "15", 0},
        {{"1", "2", "+", "3", "=", "=", "="}, "15", 0},
        {{"-"}, "-0.", 0},
        {{"-", "5"}, "-5.", 0},
        {{"-", "5", "X", "2", "="}, "-10", 0},
        {{"-", "-", "5", "+", "1", "="}, "-4", 0},
        {{"2", "0", "%"}, "0.2", 0},
        {{"5", "X", "2", "0", "%", "="}, "1", 0},
        {{"8", "/", "0", "="}, "8", 1},
        {{"8", "/", "0", "=", "+", "2", "="}, "10", 1},
        {{"7", "+", "9", "CE", "1", "="}, "8", 0},
        {{"7", "+", "9", "CE"}, "0.", 0},
        {{"3", ".", "5"}, "3.5", 0},
        {{".", "5", "+", ".", "2", "5", "="}, "0.75", 0},
        {{"-", ".", "5"}, "-0.5", 0},
        {{"1", ".", ".", "5"}, "1.5", 0},
        {{"1", "0", "-", "4", "="}, "6", 0},
        {{"5", "+", "-", "3", "="}, "2", 0},
        {{"5", "-", "-", "3", "="}, "8", 0},
        {{"5", "+", "-", "="}, "-", 0},
        {{"1", "+", "2", "+", "3", "="}, "6", 0},
        {{"1", "0", "/", "4", "="}, "2.5", 0},
        {{"1", "/", "3", "="}, "0.333333333333333", 0},
        {{"2", "X", "3", "C"}, "0.", 0},
        {{"2", "X", "3", "C", "4", "+", "1", "="}, "5", 0},
        {{"9", "=", "4", "="}, "4", 0},
        {{"4", "+", "1", "=", "2"}, "2.", 0},
    };
    for (const auto& c : cases) {
        std::string name;
        for (const auto& k : c.keys) name += k + " ";
        const KeyRun r = press(c.keys);
        EXPECT_EQ(r.display, c.display) << name;
        EXPECT_EQ(static_cast<int>(r.messages.size()), c.messages) << name;
    }
}

TEST(Calculator, ZeroDivisorShowsTheMessageAndKeepsTheFirstOperand) {
    CalculatorEngine c;
    press(c, {"8", "/"});
    c.digit(0);
    const auto m = c.operate('=');
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "Can't divide by zero");
    EXPECT_EQ(m->title, "Calculator");
    EXPECT_EQ(m->icon, mx::Icon::Exclamation);
    EXPECT_EQ(c.firstOperand(), 8);
    EXPECT_EQ(c.display(), "8");
    EXPECT_EQ(c.operandCount(), 1);
}

TEST(Calculator, OverflowKeepsTheFirstOperandAndNeverShowsInfinity) {
    const std::string huge(400, '9');
    struct Case {
        std::vector<std::string> keys;
        std::string display;
    };
    const Case cases[] = {
        // A typed number beyond a double, as second operand and as first.
        {{"7", "+", huge, "="}, "7"},
        {{huge, "+"}, "0"},
        {{huge, "+", "2", "="}, "2"},
        {{huge, "%"}, "0"},
        // Results beyond a double.
        {{"9" + std::string(300, '0'), "X", "9" + std::string(300, '0'), "="}, "9" + std::string(300, '0')},
        {{"9" + std::string(300, '0'), "X", "9" + std::string(300, '0'), "=", "/", "3", "="},
         "3" + std::string(300, '0')},
    };
    for (const auto& c : cases) {
        const KeyRun r = press(c.keys);
        EXPECT_EQ(r.display, c.display);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], CalculatorEngine::overflowMessage().text);
        EXPECT_EQ(r.display.find("inf"), std::string::npos);
        EXPECT_EQ(r.display.find("nan"), std::string::npos);
    }
}

TEST(Calculator, TypingStopsAtTheReadoutsWidth) {
    // Digits held down: the readout stops growing, and the number, beyond a double
    // either way, ends in the overflow message.
    const std::vector<std::vector<std::string>> held = {
        {std::string(5000, '9')}, {"-", std::string(5000, '1')}, {"0." + std::string(5000, '7')}};
    for (const auto& keys : held) {
        const KeyRun r = press(keys);
        EXPECT_LE(r.display.size(), 330u);
        EXPECT_EQ(r.display.find('e'), std::string::npos);
    }
    const KeyRun r = press({std::string(5000, '9'), "+"});
    EXPECT_EQ(r.display, "0");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], CalculatorEngine::overflowMessage().text);
}

TEST(Calculator, StateAfterKeys) {
    CalculatorEngine c;
    EXPECT_EQ(c.lastInput(), CalculatorEngine::Last::None);
    EXPECT_EQ(c.pendingOperator(), ' ');
    c.digit(4);
    EXPECT_EQ(c.lastInput(), CalculatorEngine::Last::Nums);
    c.operate('X');
    EXPECT_EQ(c.operandCount(), 1);
    EXPECT_EQ(c.pendingOperator(), 'X');
    EXPECT_EQ(c.firstOperand(), 4);
    c.digit(5);
    c.percent();
    EXPECT_EQ(c.lastInput(), CalculatorEngine::Last::OpsPercent);
    EXPECT_EQ(c.pendingOperator(), '%');
    EXPECT_EQ(c.operandCount(), 2);
    EXPECT_TRUE(c.decimalFlag());
    // Repeated percent never holds more than two operands, so the next operator works.
    c.percent();
    c.percent();
    EXPECT_EQ(c.operandCount(), 2);
    c.operate('=');
    EXPECT_EQ(c.operandCount(), 1);
    EXPECT_EQ(c.display(), "0.00002");  // 4 x (5 / 100 / 100 / 100)
    c.clearEntry();
    EXPECT_EQ(c.lastInput(), CalculatorEngine::Last::CE);
    EXPECT_DOUBLE_EQ(c.firstOperand(), 0.00002);
    c.clear();
    EXPECT_EQ(c.firstOperand(), 0);
    EXPECT_EQ(c.operandCount(), 0);
    EXPECT_EQ(c.display(), "0.");
    // Keys that are not the calculator's change nothing.
    c.digit(12);
    c.operate('^');
    EXPECT_EQ(c.display(), "0.");
    EXPECT_EQ(c.lastInput(), CalculatorEngine::Last::None);
}
