#include "slab/slab_ports.h"

#include "slab/slab_design.h"

namespace mx::slab {

namespace {

// Concrete, kg/m3: the own weight is 2400 t / 100 kg/m2 for a thickness t in cm.
constexpr double kConcrete = 2400;
// A two-way panel carries its load both ways while m = S / L is at least this.
constexpr double kTwoWayRatio = 0.5;

enum class Edge { Short, Long };

// The line load on one edge, kg/m, from w = own weight + live load (kg/m2) by the
// usual tributary shares: a two-way panel S/3 on a short edge and S/3 (3 - m^2)/2 on a
// long one; a one-way panel half its span on each long edge and nothing on a short
// one; a cantilever its whole w S on its supported edge (the long one). None when the
// run stopped before it had its sides and thickness.
std::optional<PortLoad> edgeLoad(const ModuleRun& run, Edge edge) {
    const SlabDesignOutcome* o = recordOf<SlabDesignOutcome>(run);
    if (!o || !(o->result.ws > 0) || !(o->result.S > 0)) return std::nullopt;
    const SlabDesignResult& r = o->result;
    const double S = r.S;
    const double L = r.A > r.B ? r.A : r.B;
    const double m = S / L;
    double share = 0;  // metres of span whose load reaches one metre of this edge
    if (r.slabKind == kCantilever) share = edge == Edge::Long ? S : 0;
    else if (m >= kTwoWayRatio) share = edge == Edge::Short ? S / 3 : S / 3 * (3 - m * m) / 2;
    else share = edge == Edge::Long ? S / 2 : 0;
    return PortLoad{kConcrete * r.t / 100 * share, r.LL * share};
}

}  // namespace

std::vector<PortInfo> slabPorts() {
    return {
        {"short_edge", "นน.ที่ลงคานด้านสั้นของพื้น", "kg/m",
         [](const ModuleRun& run, const LinkedLoads&) { return edgeLoad(run, Edge::Short); }},
        {"long_edge", "นน.ที่ลงคานด้านยาวของพื้น", "kg/m",
         [](const ModuleRun& run, const LinkedLoads&) { return edgeLoad(run, Edge::Long); }},
    };
}

}  // namespace mx::slab
