#include "stair/stair_ports.h"

#include "stair/stair_design.h"

namespace mx::stair {

namespace {

// The line load on each of the two supports, kg/m: the weight of the steps and the
// waist slab and the live load, per square metre of plan, over half the span. None
// when the run stopped before it had them.
std::optional<PortLoad> supportLoad(const ModuleRun& run) {
    const StairOutcome* o = recordOf<StairOutcome>(run);
    if (!o || !(o->result.D > Fixed()) || !(o->result.L > Fixed())) return std::nullopt;
    const StairDesignResult& r = o->result;
    const double half = r.L.toDouble() / 2;
    return PortLoad{r.D.toDouble() * half, r.LL * half};
}

}  // namespace

std::vector<PortInfo> stairPorts() {
    return {{"support", "นน.ที่ลงที่รองรับของบันได", "kg/m",
             [](const ModuleRun& run, const LinkedLoads&) { return supportLoad(run); }}};
}

}  // namespace mx::stair
