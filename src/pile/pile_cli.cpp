#include <memory>

#include "common/cli_modules.h"
#include "pile/pile_fields.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"

namespace mx::cli {

namespace {

// The sheet of a result and what it lacks (no pile type), said before it prints. The
// calculation's first message already says it: the tool's messages are the same with
// or without a sheet.
void pileSheet(ModuleRun& run, const pile::PileResult& r, bool usable) {
    run.sheet = [r, usable](const ProjectTitleBlock& tb) { return pile::buildPileSheet(r, tb, usable).page; };
    run.sheetWarning = [r, usable] { return pile::buildPileSheet(r, ProjectTitleBlock{}, usable).warning; };
}

}  // namespace

Module pileCliModule() {
    Module m = moduleRecord("pile", pile::kPileCaption, pile::pileFieldTable());
    m.types = pile::pileTypeList();
    m.typeField = pile::typePileField;
    m.run = [](FormState& s) {
        auto o = std::make_shared<const pile::PileOutcome>(pile::runPile(s.fields, s.typeCode));
        s.typeCode = o->result.code;
        const bool usable = pile::pileUsable(*o);
        ModuleRun rep;
        // No verdict caption in this module; the status is the same test that lets the
        // sheet certify the pile.
        rep.status = static_cast<int>(usable ? DesignStatus::Usable : DesignStatus::NotUsable);
        rep.diagnostics = o->diagnostics;
        rep.messages = o->diagnostics.messages();
        // The results are written once the messages have been read.
        rep.resultsAt = o->diagnostics.events().size();
        rep.labels = pile::pileLabels(*o);
        const pile::PileResult& r = o->result;
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
        pileSheet(rep, r, usable);
        rep.record = o;
        return rep;
    };
    m.noRun = [] {
        ModuleRun none;
        pileSheet(none, pile::PileResult{}, false);
        return none;
    };
    return m;
}

}  // namespace mx::cli
