#include "beam/beam_quantities.h"

namespace mx::beam {

// Beams deeper than this carry two side bars that hold the stirrups at mid-depth.
constexpr int kSideBarDepth = 61;  // cm

Quantities beamQuantities(const BeamDesignResult& r, const std::string& grade) {
    Quantities q;
    // Centre to centre of the supports, and the overhang beyond them where there is one.
    const double length = r.spanLength + (r.beamType == kOverhang ? r.overhangLength : 0);
    const double b = r.width / 100.0, h = r.depth / 100.0;
    q.concrete = b * h * length;
    q.formwork = (b + 2 * h) * length;  // soffit and both sides
    // Main bars run the beam's length with a standard hook at each end.
    q.bars.push_back(barRun("เหล็กล่าง", r.bottomBarDia, grade, r.bottomBarCount, length, 2));
    q.bars.push_back(barRun("เหล็กบน", r.topBarDia, grade, r.topBarCount, length, 2));
    if (r.depth >= kSideBarDepth) q.bars.push_back(barRun("เหล็กเสริมข้าง", r.topBarDia, grade, 2, length, 0));
    // Stirrups at the designed spacing over the whole length, sets of one, two or three.
    const int places = barsAtPitch(length * 100, r.stirrupSpacing.toDouble());
    q.bars.push_back(barOf("เหล็กปลอก", r.stirrupDia, grade, places * r.stirrupSets, tieLength(r.width, r.depth, r.stirrupDia)));
    return q;
}

}  // namespace mx::beam
