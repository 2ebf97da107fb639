#include "beam/beam_ports.h"

#include <algorithm>
#include <span>

#include "beam/beam_design.h"
#include "common/checked.h"

namespace mx::beam {

namespace {

// Concrete, kg/m3: the beam's own weight per metre is 2400 b D / 10^4 = 0.24 b D.
constexpr double kOwnWeightPerSection = 0.24;

// A load as its source gave it: in the proportion of the linked parts that make it, or
// as dead load where it was typed (not linked), its parts being unknown.
PortLoad splitAs(double w, const LinkedLoads& linked, std::span<const char* const> fields) {
    PortLoad parts;
    for (const auto& [field, load] : linked)
        if (std::find(fields.begin(), fields.end(), field) != fields.end()) {
            parts.dead += load.dead;
            parts.live += load.live;
        }
    if (!(parts.total() > 0)) return {w, 0};
    const double dead = w * parts.dead / parts.total();
    return {dead, w - dead};
}

// The load w the design used, split as it reached the beam: the load field's and the
// linked point loads' equivalent, each by its own parts.
PortLoad carried(const BeamDesignResult& r, const LinkedLoads& linked) {
    static constexpr const char* kLoad[] = {"load"};
    const PortLoad field = splitAs(r.fieldLoad, linked, kLoad);
    const PortLoad points = splitAs(r.pointEquivalent.toDouble(), linked, kPointLoadNames);
    return {field.dead + points.dead, field.live + points.live};
}

// A reaction at service level: the beam type's end shear under the carried load and
// the beam's own weight, both unfactored. None when the run stopped before its result
// panel (an input error): the span or the type it would need is not settled.
std::optional<PortLoad> reaction(const ModuleRun& run, const LinkedLoads& linked, bool second) {
    const BeamDesignOutcome* o = recordOf<BeamDesignOutcome>(run);
    if (!o || !o->reachedResults) return std::nullopt;
    const BeamDesignResult& r = o->result;
    const PortLoad w = carried(r, linked);
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

// A girder carrying a beam takes its reaction as a point load.
std::vector<std::string> beamTargets() {
    std::vector<std::string> targets{"load"};
    targets.insert(targets.end(), kPointLoadNames.begin(), kPointLoadNames.end());
    return targets;
}

}  // namespace mx::beam
