#pragma once
// The beam's takeoff: its concrete, the forms of its soffit and sides, its top and
// bottom bars, side bars and stirrups, from the beam it designed.
#include <string>

#include "beam/beam_design.h"
#include "common/module.h"

namespace mx::beam {

// The beam measured on its span (and its overhang, for an overhanging beam).
Quantities beamQuantities(const BeamDesignResult& r, const std::string& grade);

}  // namespace mx::beam
