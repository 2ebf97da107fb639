#include "stair/stair_quantities.h"
#include "stair/stair_design.h"
#include "stair/stair_ports.h"
#include "stair/stair_drawing.h"
#include "stair/stair_fields.h"
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

void addPages(ModuleRun& run, StairOutcome outcome) {
    const auto o = std::make_shared<const StairOutcome>(std::move(outcome));
    const bool usable = o->status == DesignStatus::Usable;
    run.sheet = [o, usable](const ProjectTitleBlock& tb) { return stairSheet(o->result, usable, tb); };
    run.drawing = [o](const PageBox& area) { return stairDrawing(o->result, area); };
    run.record = o;
}

ModuleRun runStair(FormState& state) {
    const auto typeCode = static_cast<std::int16_t>(state.typeCode);
    StairOutcome outcome = calculateStair(readStairInput(state.fields, typeCode));

    ModuleRun run;
    run.status = static_cast<int>(outcome.status);
    run.verdict = outcome.verdict;
    // Messages in the order the window shows them; a correction is written into its
    // field when the message before it is dismissed, and its field rule runs then.
    run.messages = replayDiagnostics(state.fields, outcome.diagnostics, checkStairField);
    if (outcome.panelWritten) {
        // The panel is filled when the final checks pass, before the closing message
        // (after the last, where there is none).
        run.labels = stairResultLabels(outcome.result);
        run.resultsAt = outcome.diagnostics.resultsAt().value_or(outcome.diagnostics.events().size());
    }
    run.closingLabels.set(kVerdictLabel, outcome.verdict);
    addResult(run.result, outcome.result);
    run.diagnostics = outcome.diagnostics;
    addPages(run, std::move(outcome));
    return run;
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("stair", stair::kWindowCaption, stair::stairFieldTable());
    m.types = stair::stairTypes();
    m.typeField = stair::typeStairField;
    m.pressGrade = [](FormState& s, SteelGrade g) {
        s.grade = g;
        stair::pressStairGrade(s.fields, g);
    };
    m.run = runStair;
    m.quantities = stairRunQuantities;
    m.noRun = [] {
        ModuleRun run;
        addPages(run, {});
        return run;
    };
    m.drawingArea = kStairScreenArea;
    m.ports = stairPorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::stair
