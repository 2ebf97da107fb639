#include "stair/stair_design.h"
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

cli::Report runStair(FormState& state, bool wantPages) {
    const auto typeCode = static_cast<std::int16_t>(state.typeCode);
    const stair::StairOutcome outcome = stair::calculateStair(stair::readStairInput(state.fields, typeCode));

    cli::Report report;
    report.status = static_cast<int>(outcome.status);
    report.verdict = outcome.verdict;
    // Messages in the order the window shows them; a correction is written into its
    // field when the message before it is dismissed, and its field rule runs then.
    report.messages = replayDiagnostics(state.fields, outcome.diagnostics, stair::checkStairField);
    if (outcome.panelWritten) report.labels = stair::stairResultLabels(outcome.result);
    report.labels.set(stair::kVerdictLabel, outcome.verdict);
    addResult(report.result, outcome.result);
    if (wantPages) {
        const bool usable = outcome.status == DesignStatus::Usable;
        report.sheet = stair::stairSheet(outcome.result, usable, stair::stairTitleBlock(state.fields));
        report.drawing = stair::stairDrawing(outcome.result, stair::kStairScreenArea);
    }
    return report;
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
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::stair
