#include "pile/pile_ports.h"

#include "pile/blow_calc.h"
#include "pile/pile_calc.h"

namespace mx::pile {

namespace {

// A capacity, t, passed whole (it has no dead and live parts).
PortLoad capacity(Fixed t) { return PortLoad{t.toDouble(), 0, false}; }

// The safe load the sheet concludes with (a timber pile's reduced one); none for a
// pile of no type, no size or an impossible number.
std::optional<PortLoad> safeLoad(const ModuleRun& run, const LinkedLoads&) {
    const PileOutcome* o = recordOf<PileOutcome>(run);
    if (!o || o->failed || o->result.code == kNoType) return std::nullopt;
    const Fixed safe = o->result.code == kTimber ? o->result.Pw : o->result.P;
    if (!(safe > Fixed())) return std::nullopt;
    return capacity(safe);
}

// Ra of a driving record that completed.
std::optional<PortLoad> blowSafeLoad(const ModuleRun& run, const LinkedLoads&) {
    const BlowOutcome* o = recordOf<BlowOutcome>(run);
    if (!o || !o->completed) return std::nullopt;
    return capacity(o->result.Ra);
}

}  // namespace

std::vector<PortInfo> pilePorts() { return {{"safe_load", "นน.ปลอดภัยของเสาเข็ม", "t", safeLoad}}; }
std::vector<std::string> pileTargets() { return {}; }

std::vector<PortInfo> blowPorts() { return {{"ra", "นน.ปลอดภัย Ra จาก Blow count", "t", blowSafeLoad}}; }
std::vector<std::string> blowTargets() { return {"safe_load"}; }

}  // namespace mx::pile
