#include "pilecap/pilecap_ports.h"

#include "pilecap/pilecap.h"

namespace mx::pilecap {

namespace {

// The load on each pile Pp, t: what the blow count of the piles must prove. The cap
// works it in kg. Passed whole: it includes the cap's own weight allowance. None when
// the run stopped before it shared the load among the piles.
std::optional<PortLoad> pileLoad(const ModuleRun& run, const LinkedLoads&) {
    const PileCapOutcome* o = recordOf<PileCapOutcome>(run);
    if (!o || !(o->result.Pp > Fixed()) || !(o->result.np > 0)) return std::nullopt;
    return PortLoad{o->result.Pp.toDouble() / 1000, 0, false};
}

}  // namespace

std::vector<PortInfo> pileCapPorts() { return {{"pile_load", "นน.ที่ลงเสาเข็มแต่ละต้น Pp", "t", pileLoad}}; }

std::vector<std::string> pileCapTargets() { return {"load", "pile_load"}; }

}  // namespace mx::pilecap
