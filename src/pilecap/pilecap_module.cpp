#include "pilecap/pilecap_quantities.h"
#include "pilecap/pilecap.h"
#include "pilecap/pilecap_ports.h"
#include "pilecap/pilecap_drawing.h"
#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_module.h"
#include "pilecap/pilecap_sheet.h"

namespace mx::pilecap {

namespace {

void addResult(ResultList& out, const PileCapResult& r) {
    out.add("P", r.P);
    out.add("Ps", r.Ps);
    out.add("q", r.q);
    out.add("db", r.db);
    out.add("fcPrime", r.fcPrime);
    out.add("fc", r.fc);
    out.add("fs", r.fs);
    out.add("p", r.p);
    out.add("pf", r.pf);
    out.add("Wf", r.Wf);
    out.add("W", r.W);
    out.add("np", r.np);
    out.add("Bw", r.Bw);
    out.add("Lc", r.Lc);
    out.add("Pp", r.Pp);
    out.add("c", r.c);
    out.add("a", r.a);
    out.add("stubX", r.stubX);
    out.add("stubY", r.stubY);
    out.add("M", r.M);
    out.add("n", r.n);
    out.add("k", r.k);
    out.add("j", r.j);
    out.add("R", r.R);
    out.add("b", r.b);
    out.add("dr", r.dr);
    out.add("dMoment", r.dMoment);
    out.add("d", r.d);
    out.add("vcp", r.vcp);
    out.add("punchingInside", r.punchingInside ? 1 : 0);
    out.add("b0", r.b0);
    out.add("Vp", r.Vp);
    out.add("vp", r.vp);
    out.add("vcb", r.vcb);
    out.add("bv", r.bv);
    out.add("Vb", r.Vb);
    out.add("vb", r.vb);
    out.add("pileGoverning", r.pileGoverning);
    out.add("pileSides", r.pileSides);
    out.add("pileE1", r.pileE1);
    out.add("pileE2", r.pileE2);
    out.add("b0Pile", r.b0Pile);
    out.add("vPile", r.vPile);
    out.add("t", r.t);
    out.add("Wact", r.Wact);
    out.add("As", r.As);
    out.add("Ab", r.Ab);
    out.add("o", r.o);
    out.add("na", r.na);
    out.add("rho", r.rho);
    out.add("AsMin", r.AsMin);
    out.add("AsMinShort", r.AsMinShort);
    out.add("nMin", r.nMin);
    out.add("nMinShort", r.nMinShort);
    out.add("roundBars", r.roundBars ? 1 : 0);
    out.add("u", r.u);
    out.add("V", r.V);
    out.add("VShort", r.VShort);
    out.add("nb", r.nb);
    out.add("nbShort", r.nbShort);
    addAnchorage(out, r.anchorage);
    out.add("N", r.N);
    out.add("s", r.s);
    out.add("Ns", r.Ns);
    out.add("sL", r.sL);
    out.add("sS", r.sS);
    out.add("status", r.status);
}

ModuleRun run(FormState& state) {
    return footingRun(pileCapCalculation(), state, addResult, initialResultLabels());
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("pilecap", kWindowCaption, pileCapFieldTable());
    m.typeField = typingThrough(changeCheck);
    m.pressGrade = gradePress(pressGradeButton);
    m.run = run;
    m.quantities = pileCapRunQuantities;
    m.noRun = [] { return footingNoRun(pileCapCalculation()); };
    m.drawingArea = kPileCapScreenArea;
    m.ports = pileCapPorts();
    m.targets = pileCapTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::pilecap
