#include "common/checked.h"

#include <cfloat>
#include <cmath>

namespace mx::chk {

double finite(double x) {
    if (!std::isfinite(x)) throw ArithmeticError("non-finite value");
    return x;
}

double div(double a, double b) {
    if (b == 0.0) throw ArithmeticError("division by zero");
    return finite(finite(a) / finite(b));
}

double sqrt(double x) {
    if (!(x >= 0.0)) throw ArithmeticError("square root of a negative number");
    return finite(std::sqrt(finite(x)));
}

double pow(double a, double b) { return finite(std::pow(finite(a), finite(b))); }

double mul(double a, double b) { return finite(finite(a) * finite(b)); }

double add(double a, double b) { return finite(finite(a) + finite(b)); }

std::int16_t toInt16(double x) {
    finite(x);
    const double r = std::nearbyint(x);  // default rounding mode: ties to even
    if (r < -32768.0 || r > 32767.0) throw ArithmeticError("16-bit overflow");
    return static_cast<std::int16_t>(r);
}

std::int16_t mul16(std::int32_t a, std::int32_t b) {
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    if (p < -32768 || p > 32767) throw ArithmeticError("16-bit overflow");
    return static_cast<std::int16_t>(p);
}

std::int16_t add16(std::int32_t a, std::int32_t b) {
    const std::int64_t s = static_cast<std::int64_t>(a) + b;
    if (s < -32768 || s > 32767) throw ArithmeticError("16-bit overflow");
    return static_cast<std::int16_t>(s);
}

float toSingle(double x) {
    finite(x);
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) throw ArithmeticError("single-precision overflow");
    return static_cast<float>(x);
}

double ceilUp(double x) {
    finite(x);
    const double whole = std::trunc(x);
    return (x - whole > 0.0) ? whole + 1.0 : whole;
}

}  // namespace mx::chk
