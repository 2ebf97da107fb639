#include "pilecap/pilecap_quantities.h"

#include <cmath>

namespace mx::pilecap {

Quantities pileCapQuantities(const PileCapResult& r, const std::string& grade) {
    Quantities q;
    const double w = r.Bw / 100.0, l = r.Lc / 100.0, t = r.t / 100.0;
    const int db = static_cast<int>(std::lround(r.db));
    q.concrete = w * l * t;
    q.formwork = 2 * (w + l) * t;  // the sides only: the cap is cast on the ground over its piles
    // Mesh bars stop the ground cover short of each edge, and end in standard hooks
    // where the anchorage asks for them (round bars always do).
    const double covers = 2 * kGroundCover / 100;
    q.bars.push_back(meshRun("ตะแกรงทางยาว", db, grade, r.N, l - covers, r.anchorage.hooks));
    q.bars.push_back(meshRun("ตะแกรงทางสั้น", db, grade, r.Ns, w - covers, r.anchorage.hooks));
    return q;
}

Quantities pileCapRunQuantities(const ModuleRun& run, const FormState& state) {
    return quantitiesOfRun<PileCapOutcome>(
        run, [&](const PileCapOutcome& o) { return pileCapQuantities(o.result, memberGrade(state.grade, o.result.fs)); });
}

}  // namespace mx::pilecap
