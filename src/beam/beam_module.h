#pragma once
// The beam module as the headless tool runs it.
#include "beam/beam_design.h"
#include "common/cli.h"

namespace mx::beam {

// Every value of the result record under its record name.
void addBeamResult(ResultList& out, const BeamDesignResult& r);

// The change rule of one field as the window runs it: the limit check of the field,
// and for the span its own check followed by the sizes the span suggests.
Diagnostics beamFieldRule(std::string_view field, const FieldSet& fields, int beamType);

// The type buttons (1..5) acting on a tool state.
bool pressBeamType(FormState& state, int code);

// Calculate on a state, with the corrections written into state.fields: what the
// window and the tool show of it.
ModuleRun runBeam(FormState& state);

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::beam
