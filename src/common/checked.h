#pragma once
// Checked arithmetic. C++ does not stop on a division by zero or the root of a
// negative number: it quietly produces infinity or NaN, and converting those to an
// integer is undefined. Every calculation goes through these helpers instead, so the
// first impossible operation raises ArithmeticError and Calculate can end the design
// through its failure path before a bad number reaches a label, a field or a sheet.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace mx {

class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(const std::string& what) : std::runtime_error(what) {}
};

namespace chk {

// Throws unless x is finite; returns x so it can wrap any expression.
double finite(double x);
// a / b; a zero divisor or a non-finite quotient is an error.
double div(double a, double b);
// Square root; a negative argument is an error.
double sqrt(double x);
// Power a^b with a finite result.
double pow(double a, double b);
// Products and sums whose result must stay finite.
double mul(double a, double b);
double add(double a, double b);
// Conversion to a 16-bit integer: nearest integer, ties to even; outside
// -32768..32767 (or not finite) is an error.
std::int16_t toInt16(double x);
// 16-bit products and sums with the same range rule.
std::int16_t mul16(std::int32_t a, std::int32_t b);
std::int16_t add16(std::int32_t a, std::int32_t b);
// Conversion to single precision, for the values a calculation holds as float.
float toSingle(double x);
// Rounding up: the integer part of x plus 1 when a fraction remains.
double ceilUp(double x);

}  // namespace chk
}  // namespace mx
