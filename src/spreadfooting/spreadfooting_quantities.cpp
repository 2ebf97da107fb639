#include "spreadfooting/spreadfooting_quantities.h"

#include <cmath>

namespace mx::spreadfooting {

Quantities spreadFootingQuantities(const SpreadFootingResult& r, const std::string& grade) {
    Quantities q;
    const double l = r.L / 100.0, b = r.B / 100.0, t = r.t / 100.0;
    const int db = static_cast<int>(std::lround(r.db));
    q.concrete = l * b * t;
    q.formwork = 2 * (l + b) * t;  // the sides; none under a pad cast on the ground
    // Mesh bars stop the ground cover short of each edge, and end in standard hooks
    // where the anchorage asks for them (round bars always do).
    const double covers = 2 * kGroundCover / 100;
    q.bars.push_back(meshRun("ตะแกรงทางยาว", db, grade, r.N, b - covers, r.anchorage.hooks));
    q.bars.push_back(meshRun("ตะแกรงทางสั้น", db, grade, r.Ns, l - covers, r.anchorage.hooks));
    // One bar tied round the top of the pad at the cover, closed by a lap.
    BarSet ring = barOf("เหล็กรัดรอบ", db, grade, 1, 0);
    const double perimeter = 2 * (l + b) - 8 * kTieCover / 100;
    ring.length = cutLength(perimeter + lapLength(db, ring.round), db, ring.round, 0);
    q.bars.push_back(ring);
    return q;
}

Quantities spreadFootingRunQuantities(const ModuleRun& run, const FormState& state) {
    return quantitiesOfRun<SpreadFootingOutcome>(run, [&](const SpreadFootingOutcome& o) {
        return spreadFootingQuantities(o.result, memberGrade(state.grade, o.result.fs));
    });
}

}  // namespace mx::spreadfooting
