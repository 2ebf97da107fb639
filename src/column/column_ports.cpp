#include "column/column_ports.h"

#include "column/column_design.h"

namespace mx::column {

namespace {

// Concrete, kg/m3.
constexpr double kConcrete = 2400;

// The load at the base, kg: the load P on the column and its own weight 2400 H t1 t2,
// both unfactored (the design multiplies the own weight by k; the footing applies its
// own allowance). P keeps the parts it was linked with; a typed P counts as dead load.
// None when the run stopped before it weighed the column.
std::optional<PortLoad> baseLoad(const ModuleRun& run, const LinkedLoads& linked) {
    const ColumnOutcome* o = recordOf<ColumnOutcome>(run);
    if (!o || !(o->result.W > Fixed())) return std::nullopt;
    const ColumnDesignResult& r = o->result;
    const double own = kConcrete * r.H * (r.t1 / 100) * (r.t2 / 100);
    PortLoad p{r.P, 0};
    for (const auto& [field, load] : linked)
        if (field == "load" && load.total() > 0) p = {r.P * load.dead / load.total(), r.P * load.live / load.total()};
    return PortLoad{p.dead + own, p.live};
}

}  // namespace

std::vector<PortInfo> columnPorts() {
    return {{"base", "นน.ที่โคนเสา (P + นน.เสา)", "kg", baseLoad}};
}

// A linked load replaces the floor-area estimate: the design reads only the load.
std::vector<std::string> columnTargets() { return {"load"}; }

}  // namespace mx::column
