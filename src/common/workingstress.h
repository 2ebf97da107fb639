#pragma once
// Working-stress design constants of a concrete and steel pair, as used by the beam,
// slab, stair and footing designs. Each is held to four decimals and the next one is
// computed from the held value, as the hand calculation on the sheet does.
#include "common/fixed.h"

namespace mx {

struct WorkingStress {
    Fixed n;  // modular ratio 2 323 000 / (1512 fc')
    Fixed k;  // neutral-axis depth ratio 1 / (1 + fs / (n fc))
    Fixed j;  // lever-arm ratio 1 - k / 3
    Fixed R;  // resisting-moment coefficient 0.5 fc k j (printed "r")
};

// fcPrime, fc and fs in ksc. Raises ArithmeticError on a zero divisor.
WorkingStress workingStress(double fcPrime, double fc, double fs);

}  // namespace mx
