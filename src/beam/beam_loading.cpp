#include "beam/beam_loading.h"

#include <algorithm>
#include <cmath>

#include "beam/beam_design.h"
#include "beam/beam_form.h"
#include "common/checked.h"
#include "common/fieldtable.h"

namespace mx::beam {

UniformLoadMoments uniformLoadMoments(int beamType, double w, double L, double a) {
    const double wL2 = chk::mul(w, chk::mul(L, L));
    UniformLoadMoments m;
    switch (beamType) {
    case kSimple: m.positive = wL2 / 8; break;
    case kEndSpan:  // propped: fixed at the continuous end, pinned at the other
        m.negative = wL2 / 8;
        m.positive = 0.0703125 * wL2;  // 9/128
        break;
    case kContinuous:
        m.negative = wL2 / 12;
        m.positive = wL2 / 24;
        break;
    case kOverhang:
        m.negative = chk::mul(w, a * a) / 2;
        m.positive = chk::mul(chk::mul(chk::div(w, 8 * L * L), (L + a) * (L + a)), (L - a) * (L - a));
        break;
    case kCantilever: m.negative = wL2 / 2; break;
    default: break;
    }
    return m;
}

UniformLoadShears uniformLoadShears(int beamType, double w, double L, double a) {
    UniformLoadShears v;
    switch (beamType) {
    case kSimple:
    case kContinuous:
        v.r1 = v.r2 = chk::mul(w, L) / 2;
        break;
    case kEndSpan:
        v.r1 = 3 * chk::mul(w, L) / 8;
        v.r2 = 5 * chk::mul(w, L) / 8;
        break;
    case kOverhang:
        v.r1 = chk::div(chk::mul(w, L * L - a * a), 2 * L);
        v.r2 = chk::div(chk::mul(w, (L + a) * (L + a)), 2 * L);
        break;
    case kCantilever: v.r2 = chk::mul(w, L); break;
    default: break;
    }
    return v;
}

// Why each k holds, worked for a single load P anywhere on the beam against the type's
// coefficients for a uniform load w = k P / L (uniformLoadMoments, uniformLoadShears):
// - simple beam: P at midspan gives P L / 4 against w L^2 / 8, so k = 2; P at a support
//   gives an end shear P against w L / 2, k = 2 again.
// - cantilever: P at the tip gives P L against w L^2 / 2 and a shear P against w L:
//   k = 2 and 1, so 2.
// - end span, pinned at one end and fixed at the other: P at x = u L from the pinned
//   end gives the span moment P L u (1 - u)^2 (2 + u) / 2, largest at u = (sqrt 3 - 1) / 2,
//   0.1741 P L, against the type's 9/128 w L^2: k = 2.48, so 2.5. The fixed-end moment
//   P L u (1 - u^2) / 2 is largest at u = 1 / sqrt 3, 0.1925 P L, against w L^2 / 8:
//   k = 1.54. The end shear is at most P against the larger end shear the stirrups are
//   designed for, 5 w L / 8: k = 1.6.
// - continuous span, fixed at both ends: P at midspan gives P L / 8 against the type's
//   w L^2 / 24, so k = 3; the end moment P a b^2 / L^2 is largest at a = L / 3,
//   4 P L / 27, against w L^2 / 12: k = 1.78; the shear P against w L / 2: k = 2.
// - overhang a beyond the span L, loaded over both: P at midspan gives P L / 4 against
//   w (L^2 - a^2)^2 / (8 L^2), so k = 2 L^4 / (L^2 - a^2)^2; P at the tip gives P a
//   against w a^2 / 2, so k = 2 L / a. The end shears (P near the first support against
//   w (L^2 - a^2) / (2 L), P (L + a) / L at the tip against w (L + a)^2 / (2 L)) need
//   2 L^2 / (L^2 - a^2) when a < L, and 2 L / (L + a): each is below one of the two
//   terms. Near a = L the uniform load's span moment vanishes and the first term grows
//   without bound; at a = L there is no factor at all.
std::optional<double> pointLoadFactor(int beamType, double span, double overhang) {
    double k = 0;
    switch (beamType) {
    case kSimple:
    case kCantilever: k = 2; break;
    case kEndSpan: k = 2.5; break;
    case kContinuous: k = 3; break;
    case kOverhang: {
        const double L2 = chk::mul(span, span);
        const double gap = L2 - chk::mul(overhang, overhang);
        if (gap == 0 || !(overhang > 0)) return std::nullopt;
        k = std::max(chk::div(2 * chk::mul(L2, L2), chk::mul(gap, gap)), chk::div(2 * span, overhang));
        break;
    }
    default: return std::nullopt;
    }
    // Up to the next hundredth, never below the factor worked out (the small allowance
    // keeps a factor that is a whole hundredth, such as 2, from rounding up by a float's
    // last digit).
    return chk::finite(std::ceil(chk::mul(k, 100) - 1e-9) / 100);
}

double designOverhang(double typed) { return typed > 0 ? typed : 1; }

const std::vector<std::string>& pointLoadFields() {
    static const std::vector<std::string> fields = [] {
        std::vector<std::string> out;
        for (const char* name : kPointLoadNames) out.push_back(findField(beamFieldTable(), name)->object);
        return out;
    }();
    return fields;
}

double linkedPointLoads(const FieldSet& fields, const std::vector<std::string>& linked) {
    double sum = 0;
    // A net uplift (an overhanging beam's negative R1) would lighten the girder and hide
    // another load's worst place: it is not counted, erring on the side of the downward
    // load the girder is designed for.
    for (const std::string& p : pointLoadFields())
        if (std::find(linked.begin(), linked.end(), p) != linked.end())
            sum = chk::add(sum, std::max(0.0, fields.num(p)));
    return sum;
}

}  // namespace mx::beam
