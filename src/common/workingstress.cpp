#include "common/workingstress.h"

#include "common/checked.h"

namespace mx {

WorkingStress workingStress(double fcPrime, double fc, double fs) {
    WorkingStress w;
    w.n = Fixed::fromDouble(chk::div(2323000.0, chk::mul(1512.0, fcPrime)));
    w.k = Fixed::fromDouble(chk::div(1.0, 1.0 + chk::div(fs, chk::mul(w.n.toDouble(), fc))));
    w.j = Fixed::fromDouble(1.0 - w.k.toDouble() / 3.0);
    w.R = Fixed::fromDouble(0.5 * fc * w.k.toDouble() * w.j.toDouble());
    return w;
}

}  // namespace mx
