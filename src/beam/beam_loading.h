#pragma once
// How loads act on each beam type: its moments and end shears under a uniform load,
// and point loads taken as their equivalent uniform load k x P / L, one rule for the
// load aid's typed point loads and a girder carrying another beam's reaction. No Qt.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/fieldset.h"

namespace mx::beam {

// The beam type's own coefficients under a uniform load w (kg/m) on a span L (m), the
// overhang a (m) of type 4 loaded as well: the design moments M- and M+ (kg-m) and the
// end shears R1 and R2 (kg). Nothing for a type outside 1..5. Raises ArithmeticError
// where the arithmetic cannot be done (an overhang beam without a span).
struct UniformLoadMoments {
    double negative = 0;
    double positive = 0;
};
UniformLoadMoments uniformLoadMoments(int beamType, double w, double L, double a);
struct UniformLoadShears {
    double r1 = 0;
    double r2 = 0;
};
UniformLoadShears uniformLoadShears(int beamType, double w, double L, double a);

// Point loads P on a beam of span L (m) taken as the uniform load k x P / L that gives,
// under the beam type's own moment and shear coefficients, at least the largest moment
// and end shear the point load causes wherever it stands. `overhang` is the type-4
// overhang a (m) as the design takes it. No factor for a type outside 1..5, nor for an
// overhang as long as the span (there the uniform load leaves the span no positive
// moment to match). The factor is rounded up to the next hundredth. Raises
// ArithmeticError on numbers too large to work with.
std::optional<double> pointLoadFactor(int beamType, double span, double overhang);

// The overhang a (m) as the design takes it: 1 m where none is given.
double designOverhang(double typed);

// The point loads P1, P2, P3 by their short names, as links name them.
inline constexpr std::array<const char*, 3> kPointLoadNames{"p1", "p2", "p3"};
// Their fields' object names, from the field table.
const std::vector<std::string>& pointLoadFields();

// The sum of the point loads (kg) that links put into P1..P3 (`linked`: the object
// names of the linked fields). Typed ones are the load aid's and count nothing here:
// the aid has already put them into the beam's load, or the engineer has not asked it to.
// An uplift (a negative point load) counts as none.
double linkedPointLoads(const FieldSet& fields, const std::vector<std::string>& linked);

}  // namespace mx::beam
