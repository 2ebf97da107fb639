#include "slab/slab_quantities.h"

#include <algorithm>

namespace mx::slab {

Quantities slabQuantities(const SlabDesignResult& r, const std::string& grade) {
    Quantities q;
    const double t = r.t / 100.0;
    const auto size = [&](int i) { return static_cast<int>(r.barSize[static_cast<std::size_t>(i)]); };
    if (r.slabKind == kCantilever) {
        // A canopy projecting A from its beam, B wide: soffit, outer edge and both ends
        // formed; the top bars carry the moment and run as far back into the floor
        // behind the beam as they project.
        const double a = r.A, b = r.B;
        q.concrete = a * b * t;
        q.formwork = a * b + b * t + 2 * a * t;
        q.bars.push_back(meshRun("เหล็กบนรับโมเมนต์", size(2), grade, barsAtPitch(b * 100, r.s3), 2 * a));
        q.bars.push_back(meshRun("เหล็กล่าง", size(0), grade, barsAtPitch(b * 100, r.s1), a));
        q.bars.push_back(meshRun("เหล็กกันร้าว", size(1), grade, barsAtPitch(a * 100, r.s2), b));
        return q;
    }
    // A panel between beams: the soffit is formed, its edges sit on the beams. The
    // spans are measured centre to centre of the beams.
    const double s = std::min(r.A, r.B), l = std::max(r.A, r.B);
    q.concrete = s * l * t;
    q.formwork = s * l;
    q.bars.push_back(meshRun("เหล็กล่างทางสั้น", size(0), grade, barsAtPitch(l * 100, r.s1), s));
    q.bars.push_back(meshRun("เหล็กล่างทางยาว", size(1), grade, barsAtPitch(s * 100, r.s2), l));
    // Top bars at every edge reach S/4 into the panel: across the long edges the
    // short-way bars (size 3), across the short edges the long-way bars (size 4). A
    // continuous edge's bars go on into the next panel, which counts that half.
    q.bars.push_back(meshRun("เหล็กบนทางสั้น", size(2), grade, 2 * barsAtPitch(l * 100, r.s3), s / 4));
    q.bars.push_back(meshRun("เหล็กบนทางยาว", size(3), grade, 2 * barsAtPitch(s * 100, r.s4), s / 4));
    return q;
}

}  // namespace mx::slab
