#pragma once
// The pocket calculator's key logic, apart from its window: the display text and the
// state of the running calculation, with one method per key. Keys that can fail
// (an operator with a zero divisor or a result too large) return the message the
// window is to show.
#include <cstdint>
#include <optional>
#include <string>

#include "common/message.h"

namespace mx::shell {

class CalculatorEngine {
public:
    // Kind of the last key pressed.
    enum class Last { None, Nums, Ops, OpsPercent, Neg, CE };

    CalculatorEngine() { clear(); }

    const std::string& display() const { return display_; }
    Last lastInput() const { return last_; }
    char pendingOperator() const { return pending_; }
    int operandCount() const { return count_; }
    bool decimalFlag() const { return decimal_; }
    double firstOperand() const { return first_; }
    double secondOperand() const { return second_; }

    void digit(int d);                      // 0..9; anything else is ignored
    void point();
    std::optional<Message> percent();
    // '+', '-', 'X', '/', '='; anything else is ignored.
    std::optional<Message> operate(char op);
    void clearEntry();                      // CE
    void clear();                           // C

    static Message divideByZeroMessage();
    static Message overflowMessage();

private:
    // The display's value; empty when it cannot be held (a number beyond a double).
    std::optional<double> displayValue() const;
    void showNumber(double x);

    std::string display_;
    Last last_ = Last::None;
    char pending_ = ' ';
    int count_ = 0;
    bool decimal_ = false;
    double first_ = 0;
    double second_ = 0;
};

}  // namespace mx::shell
