#include "spreadfooting/spreadfooting_quantities.h"
#include "spreadfooting/spreadfooting.h"
#include "spreadfooting/spreadfooting_ports.h"
#include "spreadfooting/spreadfooting_drawing.h"
#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"
#include "spreadfooting/spreadfooting_sheet.h"

namespace mx::spreadfooting {

namespace {

void addResult(ResultList& out, const SpreadFootingResult& r) {
    out.add("P", r.P);
    out.add("q", r.q);
    out.add("db", r.db);
    out.add("fcPrime", r.fcPrime);
    out.add("fc", r.fc);
    out.add("fs", r.fs);
    out.add("p", r.p);
    out.add("pf", r.pf);
    out.add("cf", r.cf);
    out.add("Wf", r.Wf);
    out.add("W", r.W);
    out.add("A", r.A);
    out.add("L", r.L);
    out.add("B", r.B);
    out.add("Aact", r.Aact);
    out.add("w", r.w);
    out.add("cRoot", r.cRoot);
    out.add("c", r.c);
    out.add("a", r.a);
    out.add("l", r.l);
    out.add("M", r.M);
    out.add("n", r.n);
    out.add("k", r.k);
    out.add("j", r.j);
    out.add("R", r.R);
    out.add("dr", r.dr);
    out.add("dreq", r.dreq);
    out.add("inc", r.inc);
    out.add("d", r.d);
    out.add("t", r.t);
    out.add("vcb", r.vcb);
    out.add("Vb", r.Vb);
    out.add("vb", r.vb);
    out.add("vcp", r.vcp);
    out.add("Vp", r.Vp);
    out.add("b0", r.b0);
    out.add("vp", r.vp);
    out.add("Wact", r.Wact);
    out.add("As", r.As);
    out.add("Ab", r.Ab);
    out.add("o", r.o);
    out.add("na", r.na);
    out.add("rho", r.rho);
    out.add("AsMin", r.AsMin);
    out.add("nMin", r.nMin);
    out.add("roundBars", r.roundBars ? 1 : 0);
    out.add("u", r.u);
    out.add("nb", r.nb);
    addAnchorage(out, r.anchorage);
    out.add("N", r.N);
    out.add("s", r.s);
    out.add("Ns", r.Ns);
    out.add("sL", r.sL);
    out.add("sS", r.sS);
    out.add("status", r.status);
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("spreadfooting", kWindowCaption, spreadFootingFieldTable());
    m.typeField = typingThrough(changeCheck);
    m.pressGrade = gradePress(pressGrade);
    m.run = [](FormState& s) { return footingRun(spreadFootingCalculation(), s, addResult, FieldSet{}); };
    m.quantities = spreadFootingRunQuantities;
    m.noRun = [] { return footingNoRun(spreadFootingCalculation()); };
    m.drawingArea = kScreenDrawingArea;
    m.targets = spreadFootingTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::spreadfooting
