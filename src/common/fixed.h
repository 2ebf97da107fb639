#pragma once
// Four-decimal fixed point: a signed 64-bit integer holding value x 10 000.
// Converting a double rounds the double product x * 10 000 to the nearest integer,
// ties to even; the worked examples of the design modules depend on exactly this
// (45.9029 / 2 must give 22.9514). Sums, differences and halving are done on the
// integers, so they are exact.
#include <compare>
#include <cstdint>
#include <string>

namespace mx {

class Fixed {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed() = default;
    static constexpr Fixed fromRaw(std::int64_t raw) { return Fixed(raw); }
    // Checked: a non-finite value or one beyond the 64-bit range raises ArithmeticError.
    static Fixed fromDouble(double x);
    static Fixed fromInt(std::int64_t whole);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    // Plain decimal text, at most four decimals, no trailing zeros or point.
    std::string text() const;

    Fixed operator+(Fixed o) const;
    Fixed operator-(Fixed o) const;
    Fixed operator-() const;
    Fixed& operator+=(Fixed o) { return *this = *this + o; }
    Fixed& operator-=(Fixed o) { return *this = *this - o; }
    // Exact product with an integer.
    Fixed times(std::int64_t k) const;
    // Half of the value, the odd last digit rounded to even.
    Fixed half() const;

    constexpr auto operator<=>(const Fixed&) const = default;

private:
    constexpr explicit Fixed(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// Shorthand: hold a double to four decimals and give it back as a double.
inline double fx(double x) { return Fixed::fromDouble(x).toDouble(); }

}  // namespace mx
