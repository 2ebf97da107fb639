#include "stair/stair_quantities.h"
#include "stair/stair_design.h"
#include "stair/stair_ports.h"
#include "stair/stair_drawing.h"
#include "stair/stair_form.h"
#include "stair/stair_module.h"
#include "stair/stair_sheet.h"
#include "common/recordrows.h"

namespace mx::stair {

namespace {

void addResult(ResultList& out, const stair::StairDesignResult& r) {
#include "stair/stair_results.def"
}

std::vector<TypeInfo> stairTypes() {
    std::vector<TypeInfo> types;
    for (const StairTypeInfo& s : kStairTypes) types.push_back({s.code, s.typeCaption});
    return types;
}

constexpr ResultPages<StairDesignResult> kPages{stairSheet, stairDrawing};

ModuleRun runStair(FormState& state) {
    const auto typeCode = static_cast<std::int16_t>(state.typeCode);
    StairOutcome outcome = calculateStair(readStairInput(state.fields, typeCode));

    ModuleRun run;
    // Messages in the order the window shows them; a correction is written into its
    // field when the message before it is dismissed, and its field rule runs then.
    run.messages = replayDiagnostics(state.fields, outcome.diagnostics, checkStairField);
    if (outcome.panelWritten) {
        // The panel is filled when the final checks pass, before the closing message
        // (after the last, where there is none).
        run.labels = stairResultLabels(outcome.result);
        run.resultsAt = outcome.diagnostics.resultsAt().value_or(outcome.diagnostics.events().size());
    }
    return finishRun(std::move(run), std::move(outcome), kVerdictLabel, addResult, kPages);
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("stair", kWindowCaption, stairFieldTable());
    m.types = stairTypes();
    m.typeField = typingThrough(checkStairField);
    m.pressGrade = gradePress(pressStairGrade);
    m.run = runStair;
    m.quantities = runQuantities<StairOutcome, stairQuantities>;
    m.noRun = noRunOf<StairOutcome>(kPages);
    m.drawingArea = kStairScreenArea;
    m.ports = stairPorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::stair
