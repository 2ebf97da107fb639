#include "shell/calculator.h"

#include <cfloat>
#include <cmath>

#include "common/numtext.h"

namespace mx::shell {

namespace {
// Sign, 320 digits and the point: more than the 309 digits of the largest double.
constexpr std::size_t kMaxTypedDisplay = 322;
}  // namespace

Message CalculatorEngine::divideByZeroMessage() { return Message{"Can't divide by zero", "Calculator", Icon::Exclamation}; }

Message CalculatorEngine::overflowMessage() {
    return Message{"Number too large for the calculator", "Calculator", Icon::Exclamation};
}

std::optional<double> CalculatorEngine::displayValue() const {
    const double v = num(display_);
    // num() reads a number too large for a double as the largest double; the
    // calculator treats it as beyond its range rather than working with a false value.
    if (!std::isfinite(v) || std::fabs(v) >= DBL_MAX) return std::nullopt;
    return v;
}

void CalculatorEngine::showNumber(double x) { display_ = numText(x); }

void CalculatorEngine::digit(int d) {
    if (d < 0 || d > 9) return;
    // The readout takes as many digits as a double's range needs and no more: further
    // digits of the number being typed are ignored, so holding a key down cannot
    // widen the label without end. A whole part that long is already beyond a double
    // and ends in the overflow message at the next operator.
    if (last_ == Last::Nums && display_.size() >= kMaxTypedDisplay) return;
    const char c = static_cast<char>('0' + d);
    if (last_ != Last::Nums) {
        display_ = ".";
        decimal_ = false;
    }
    if (decimal_) {
        display_ += c;
    } else {
        std::string whole = display_.substr(0, display_.find('.'));
        // A lone zero before the point gives way to the digit typed ("0." then 5 is "5.").
        if (whole == "0")
            whole.clear();
        else if (whole == "-0")
            whole = "-";
        display_ = whole + c + ".";
    }
    if (last_ == Last::Neg) display_ = "-" + display_;
    last_ = Last::Nums;
}

void CalculatorEngine::point() {
    if (last_ == Last::Neg)
        display_ = "-0.";
    else if (last_ != Last::Nums)
        display_ = "0.";
    decimal_ = true;
    last_ = Last::Nums;
}

std::optional<Message> CalculatorEngine::percent() {
    const auto v = displayValue();
    if (!v) {
        showNumber(first_);
        last_ = Last::Ops;
        return overflowMessage();
    }
    showNumber(*v / 100.0);
    last_ = Last::OpsPercent;
    pending_ = '%';
    // Two operands at most are held; a third percent works on the display alone.
    if (count_ < 2) ++count_;
    decimal_ = true;
    return std::nullopt;
}

std::optional<Message> CalculatorEngine::operate(char op) {
    if (op != '+' && op != '-' && op != 'X' && op != '/' && op != '=') return std::nullopt;
    std::optional<Message> message;
    if (last_ == Last::Nums) ++count_;

    if (count_ == 0) {
        if (op == '-' && last_ != Last::Neg) {
            display_ = "-" + display_;
            last_ = Last::Neg;
        }
    } else if (count_ == 1) {
        // After a minus typed as a sign the display holds no operand yet; the first
        // operand already held is kept.
        if (last_ != Last::Neg) {
            if (const auto v = displayValue()) {
                first_ = *v;
            } else {
                message = overflowMessage();
                showNumber(first_);
            }
        }
        if (op == '-' && last_ != Last::Nums && pending_ != '=') {
            display_ = "-";
            last_ = Last::Neg;
        }
    } else {
        const auto v = displayValue();
        if (!v) {
            message = overflowMessage();
        } else {
            second_ = *v;
            double result = first_;
            switch (pending_) {
                case '+': result = first_ + second_; break;
                case '-': result = first_ - second_; break;
                case 'X': result = first_ * second_; break;
                case '%': result = first_ * second_; break;
                case '=': result = second_; break;
                case '/':
                    if (second_ == 0.0)
                        message = divideByZeroMessage();
                    else
                        result = first_ / second_;
                    break;
                default: break;
            }
            if (!message) {
                if (std::isfinite(result) && std::fabs(result) < DBL_MAX)
                    first_ = result == 0.0 ? 0.0 : result;
                else
                    message = overflowMessage();
            }
        }
        showNumber(first_);
        count_ = 1;
    }

    if (last_ != Last::Neg) {
        last_ = Last::Ops;
        pending_ = op;
    }
    return message;
}

void CalculatorEngine::clearEntry() {
    display_ = "0.";
    decimal_ = false;
    last_ = Last::CE;
}

void CalculatorEngine::clear() {
    display_ = "0.";
    first_ = 0;
    second_ = 0;
    last_ = Last::None;
    pending_ = ' ';
    count_ = 0;
    decimal_ = false;
}

}  // namespace mx::shell
