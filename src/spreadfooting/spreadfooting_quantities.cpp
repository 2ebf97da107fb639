#include "spreadfooting/spreadfooting_quantities.h"

#include <cmath>

namespace mx::spreadfooting {

Quantities spreadFootingQuantities(const SpreadFootingResult& r, const std::string& grade) {
    // The pad's long bars span B, its short bars L.
    Quantities q = padQuantities(r.B, r.L, r.t, r.db, grade, r.N, r.Ns, r.anchorage);
    const double l = r.L / 100.0, b = r.B / 100.0;
    const int db = static_cast<int>(std::lround(r.db));
    // One bar tied round the top of the pad at the cover, closed by a lap.
    BarSet ring = barOf("เหล็กรัดรอบ", db, grade, 1, 0);
    const double perimeter = 2 * (l + b) - 8 * kTieCover / 100;
    ring.length = cutLength(perimeter + lapLength(db, ring.round), db, ring.round, 0);
    q.bars.push_back(ring);
    return q;
}

}  // namespace mx::spreadfooting
