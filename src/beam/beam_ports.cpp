#include "beam/beam_ports.h"

#include "beam/beam_design.h"
#include "common/checked.h"

namespace mx::beam {

namespace {

// Concrete, kg/m3: the beam's own weight per metre is 2400 b D / 10^4 = 0.24 b D.
constexpr double kOwnWeightPerSection = 0.24;

// The load w the design used, split as it reached the load field: the linked parts in
// their proportion, a typed load (not linked) as dead load, its parts being unknown.
PortLoad carried(double w, const LinkedLoads& linked) {
    for (const auto& [field, load] : linked)
        if (field == "load" && load.total() > 0) {
            const double dead = w * load.dead / load.total();
            return {dead, w - dead};
        }
    return {w, 0};
}

// A reaction at service level: the beam type's end shear under the carried load and
// the beam's own weight, both unfactored. None when the run stopped before its result
// panel (an input error): the span or the type it would need is not settled.
std::optional<PortLoad> reaction(const ModuleRun& run, const LinkedLoads& linked, bool second) {
    const BeamDesignOutcome* o = recordOf<BeamDesignOutcome>(run);
    if (!o || !o->reachedResults) return std::nullopt;
    const BeamDesignResult& r = o->result;
    const PortLoad w = carried(r.liveLoad, linked);
    const double own = kOwnWeightPerSection * r.width * r.depth;
    try {
        const UniformLoadShears dead = uniformLoadShears(r.beamType, w.dead + own, r.spanLength, r.overhangLength);
        const UniformLoadShears live = uniformLoadShears(r.beamType, w.live, r.spanLength, r.overhangLength);
        return second ? PortLoad{dead.r2, live.r2} : PortLoad{dead.r1, live.r1};
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<PortInfo> beamPorts() {
    return {
        {"r1", "แรงปฏิกิริยา R1 ของคาน", "kg",
         [](const ModuleRun& run, const LinkedLoads& l) { return reaction(run, l, false); }},
        {"r2", "แรงปฏิกิริยา R2 ของคาน", "kg",
         [](const ModuleRun& run, const LinkedLoads& l) { return reaction(run, l, true); }},
    };
}

std::vector<std::string> beamTargets() { return {"load"}; }

}  // namespace mx::beam
