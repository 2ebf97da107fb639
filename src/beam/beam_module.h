#pragma once
// The beam module as the headless tool runs it.
#include "beam/beam_design.h"
#include "common/cli.h"

namespace mx::beam {

// Every value of the result record under its record name.
void addBeamResult(ResultList& out, const BeamDesignResult& r);

// The type buttons (1..5) and the steel-grade buttons acting on a tool state.
bool pressBeamType(FormState& state, int code);
void pressBeamGrade(FormState& state, SteelGrade g);

// Calculate on a state, with the corrections written into state.fields: what the
// window and the tool show of it.
ModuleRun runBeam(FormState& state);

ModuleDescription description();

}  // namespace mx::beam
