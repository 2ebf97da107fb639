#include "stair/stair_quantities.h"

#include <cmath>

namespace mx::stair {

Quantities stairQuantities(const StairDesignResult& r, const std::string& grade) {
    Quantities q;
    const double span = r.L.toDouble();  // m
    const double tread = r.T.toDouble(), rise = r.Rs.toDouble(), t = r.t / 100.0;  // cm, cm, m
    // Length along the slope for each metre on plan, and the triangle of the steps
    // over each metre on plan (m² of side).
    const double slope = std::sqrt(tread * tread + rise * rise) / tread;
    const double stepsSide = rise / 200.0;
    const double risersPerMetre = rise / tread;  // m² of riser form per m² of plan
    if (r.stairType == kFlatAcross) {
        // Spanning L across between side beams: one metre of the flight on plan.
        q.note = "ต่อความยาวบันได 1 ม. ตามแนวราบ";
        q.concrete = (slope * t + stepsSide) * span;
        q.formwork = (slope + risersPerMetre) * span;
        q.bars.push_back(meshRun("เหล็กหลัก", r.mainBar, grade, r.countMain, span));
        q.bars.push_back(meshRun("เหล็กกันร้าว", r.tempBar, grade, barsAtPitch(span * 100, r.sTemp.toDouble() * 100), slope));
        return q;
    }
    // Spanning L along the flight between the beams at its ends: a flight one metre wide.
    q.note = "ต่อความกว้างบันได 1 ม.";
    double along = slope * span;  // the main bars' run, m
    if (r.stairType == kFoldedPlate) {
        // The plate folds over every tread and riser.
        along = (tread + rise) / tread * span;
        q.concrete = along * t;
        q.formwork = along + risersPerMetre * span + 2 * along * t;  // underside, risers, sides
    } else {
        q.concrete = (slope * t + stepsSide) * span;
        q.formwork = slope * span + risersPerMetre * span + 2 * q.concrete;  // soffit, risers, sides
    }
    q.bars.push_back(meshRun("เหล็กหลัก", r.mainBar, grade, r.countMain, along));
    q.bars.push_back(meshRun("เหล็กกันร้าว", r.tempBar, grade, barsAtPitch(along * 100, r.sTemp.toDouble() * 100), 1.0));
    return q;
}

}  // namespace mx::stair
