#include "common/fixed.h"

#include <cmath>

#include "common/checked.h"

namespace mx {

namespace {
std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) throw ArithmeticError("fixed-point overflow");
    return r;
}
std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) throw ArithmeticError("fixed-point overflow");
    return r;
}
}  // namespace

Fixed Fixed::fromDouble(double x) {
    const double scaled = chk::finite(chk::finite(x) * static_cast<double>(kScale));
    const double r = std::nearbyint(scaled);  // ties to even in the default rounding mode
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (r >= 9223372036854775808.0 || r < -9223372036854775808.0) throw ArithmeticError("fixed-point overflow");
    return Fixed(static_cast<std::int64_t>(r));
}

Fixed Fixed::fromInt(std::int64_t whole) { return Fixed(checkedMul(whole, kScale)); }

Fixed Fixed::operator+(Fixed o) const { return Fixed(checkedAdd(raw_, o.raw_)); }

Fixed Fixed::operator-(Fixed o) const {
    if (o.raw_ == INT64_MIN) throw ArithmeticError("fixed-point overflow");
    return Fixed(checkedAdd(raw_, -o.raw_));
}

Fixed Fixed::operator-() const { return Fixed() - *this; }

Fixed Fixed::times(std::int64_t k) const { return Fixed(checkedMul(raw_, k)); }

Fixed Fixed::half() const {
    std::int64_t q = raw_ / 2;
    const std::int64_t r = raw_ % 2;  // -1, 0 or 1
    if (r != 0 && (q % 2 != 0)) q += r;  // exactly half way: go to the even neighbour
    return Fixed(q);
}

std::string Fixed::text() const {
    const bool negative = raw_ < 0;
    // Work on the magnitude as unsigned so INT64_MIN is safe.
    const std::uint64_t mag = negative ? (~static_cast<std::uint64_t>(raw_) + 1) : static_cast<std::uint64_t>(raw_);
    const std::uint64_t whole = mag / kScale;
    std::uint64_t frac = mag % kScale;
    std::string s = negative && mag != 0 ? "-" : "";
    s += std::to_string(whole);
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        s += '.';
        s += digits;
    }
    return s;
}

}  // namespace mx
