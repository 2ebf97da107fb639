#include "stair/stair_quantities.h"
#include "stair/stair_design.h"
#include "stair/stair_ports.h"
#include "stair/stair_drawing.h"
#include "stair/stair_form.h"
#include "stair/stair_module.h"
#include "stair/stair_sheet.h"

namespace mx::stair {

namespace {

void addResult(ResultList& out, const stair::StairDesignResult& r) {
    out.add("stairType", r.stairType);
    out.add("L", r.L);
    out.add("LL", r.LL);
    out.add("T", r.T);
    out.add("Rs", r.Rs);
    out.add("mainBar", r.mainBar);
    out.add("tempBar", r.tempBar);
    out.add("t", r.t);
    out.add("fcPrime", r.fcPrime);
    out.add("fc", r.fc);
    out.add("fs", r.fs);
    out.add("fD", r.fD);
    out.add("fL", r.fL);
    out.add("n", r.n);
    out.add("k", r.k);
    out.add("j", r.j);
    out.add("R", r.R);
    out.add("stepsPerMetre", r.stepsPerMetre);
    out.add("Wstep", r.Wstep);
    out.add("Wslab", r.Wslab);
    out.add("D", r.D);
    out.add("fDxD", r.fDxD);
    out.add("fLxLL", r.fLxLL);
    out.add("w", r.w);
    out.add("M", r.M);
    out.add("d", r.d);
    out.add("dReq", r.dReq);
    out.add("As", r.As);
    out.add("aMain", r.aMain);
    out.add("Nmain", r.Nmain);
    out.add("countMain", r.countMain);
    out.add("sMain", r.sMain);
    out.add("AsT", r.AsT);
    out.add("aTemp", r.aTemp);
    out.add("countTemp", r.countTemp);
    out.add("sTemp", r.sTemp);
    out.add("V", r.V);
    out.add("Vd", r.Vd);
    out.add("v", r.v);
    out.add("vc", r.vc);
    out.add("perimeter", r.perimeter);
    out.add("sumPerimeter", r.sumPerimeter);
    out.add("u", r.u);
    out.add("status", static_cast<int>(r.status));
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
    m.quantities = stairRunQuantities;
    m.noRun = noRunOf<StairOutcome>(kPages);
    m.drawingArea = kStairScreenArea;
    m.ports = stairPorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::stair
