#include "common/cli_modules.h"
#include "pile/pile_fields.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"

namespace mx::cli {

Module pileCliModule() {
    Module m = moduleRecord("pile", pile::kPileCaption, pile::pileFieldTable());
    m.types = pile::pileTypeList();
    m.typeField = pile::typePileField;
    m.run = [](FormState& s) {
        const pile::PileOutcome o = pile::runPile(s.fields, s.typeCode, pile::kLabel9Quiet);
        s.typeCode = o.result.code;
        ModuleRun rep;
        // No verdict caption in this module; the status is the same test that lets the
        // sheet certify the pile.
        rep.status = static_cast<int>(pile::pileUsable(o) ? DesignStatus::Usable : DesignStatus::NotUsable);
        rep.messages = o.diagnostics.messages();
        rep.labels = pile::pileLabels(o);
        const pile::PileResult& r = o.result;
        rep.result.add("code", r.code);
        rep.result.add("size", r.size);
        rep.result.add("L", r.L);
        rep.result.add("L1", r.L1);
        rep.result.add("L2", r.L2);
        rep.result.add("p", r.p);
        rep.result.add("pF", r.pF);
        rep.result.add("P1", r.P1);
        rep.result.add("f2", r.f2);
        rep.result.add("P2", r.P2);
        rep.result.add("P", r.P);
        rep.result.add("Pw", r.Pw);
        // The sheet's own warning (no pile type) is the print question's, and the
        // calculation's first message already says it: the messages are the same
        // with or without a sheet.
        rep.sheet = [r, usable = pile::pileUsable(o)](const ProjectTitleBlock& tb) {
            return pile::buildPileSheet(r, tb, usable).page;
        };
        return rep;
    };
    return m;
}

}  // namespace mx::cli
