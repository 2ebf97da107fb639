#include "common/cli_modules.h"
#include "pile/pile_fields.h"
#include "pile/blow_form.h"
#include "pile/pile_sheet.h"

namespace mx::cli {

Module blowCliModule() {
    Module m = moduleRecord("blow", pile::kBlowCaption, pile::blowFieldTable());
    m.types = pile::blowTypeList();
    m.typeField = pile::typeBlowField;
    m.run = [](FormState& s) {
        const pile::BlowOutcome o = pile::calculateBlow(pile::readBlowInput(s.fields));
        const pile::BlowResult r = pile::heldBlowResult(pile::BlowResult{}, o);
        ModuleRun rep;
        // No verdict caption in this module; the status is the same test that lets the
        // sheet certify the pile.
        rep.status = static_cast<int>(pile::blowUsable(o) ? DesignStatus::Usable : DesignStatus::NotUsable);
        rep.messages = o.diagnostics.messages();
        if (o.completed) {
            rep.labels = pile::blowLabels(r);
        } else {
            for (const std::string& l : pile::kBlowResultLabels) rep.labels.set(l, pile::kBlowNoResult);
        }
        rep.result.add("L1", r.in.L1);
        rep.result.add("W", r.in.W);
        rep.result.add("h", r.in.h);
        rep.result.add("B", r.in.B);
        rep.result.add("R", r.in.R);
        rep.result.add("A", r.in.A);
        rep.result.add("P", r.P);
        rep.result.add("S", r.S);
        rep.result.add("C1", r.C1);
        rep.result.add("C2", r.C2);
        rep.result.add("C3", r.C3);
        rep.result.add("C", r.C);
        rep.result.add("N", r.N);
        rep.result.add("K", r.K);
        rep.result.add("c", r.c);
        rep.result.add("Rn", r.Rn);
        rep.result.add("Ra", r.Ra);
        rep.result.add("Wmin", r.Wmin);
        rep.result.add("Wmax", r.Wmax);
        rep.result.add("Sreq", r.Sreq);
        rep.result.add("Breq", r.Breq);
        rep.sheet = [r, usable = pile::blowUsable(o)](const ProjectTitleBlock& tb) {
            return pile::buildBlowSheet(r, tb, usable);
        };
        return rep;
    };
    return m;
}

}  // namespace mx::cli
