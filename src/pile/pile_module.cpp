#include <memory>

#include "pile/pile_ports.h"
#include "pile/pile_fields.h"
#include "pile/pile_form.h"
#include "pile/pile_module.h"
#include "pile/pile_sheet.h"
#include "common/recordrows.h"

namespace mx::pile {

namespace {

void addResult(ResultList& out, const PileResult& r) {
#include "pile/pile_results.def"
}

// The sheet of a result and what it lacks (no pile type), said before it prints. The
// calculation's first message already says it: the tool's messages are the same with
// or without a sheet.
void pileSheet(ModuleRun& run, const PileResult& r, bool usable) {
    run.sheet = [r, usable](const ProjectTitleBlock& tb) { return buildPileSheet(r, tb, usable).page; };
    run.sheetWarning = [r, usable] { return buildPileSheet(r, ProjectTitleBlock{}, usable).warning; };
}

}  // namespace

ModuleDescription pileDescription() {
    ModuleDescription m = moduleRecord("pile", kPileCaption, pileFieldTable());
    m.types = pileTypeList();
    m.typeField = typePileField;
    // Piles are bought precast and driven: nothing of them is cast or bent on site.
    m.quantities = [](const ModuleRun&, const FormState&) { return noQuantities(kPileQuantities); };
    m.run = [](FormState& s) {
        auto o = std::make_shared<const PileOutcome>(runPile(s.fields, s.typeCode));
        s.typeCode = o->result.code;
        const bool usable = pileUsable(*o);
        ModuleRun rep;
        // No verdict caption in this module; the status is the same test that lets the
        // sheet certify the pile.
        rep.status = static_cast<int>(usable ? DesignStatus::Usable : DesignStatus::NotUsable);
        rep.diagnostics = o->diagnostics;
        rep.messages = o->diagnostics.messages();
        // The results are written once the messages have been read.
        rep.resultsAt = o->diagnostics.events().size();
        rep.labels = pileLabels(*o);
        const PileResult& r = o->result;
        addResult(rep.result, r);
        pileSheet(rep, r, usable);
        rep.record = o;
        return rep;
    };
    m.noRun = [] {
        ModuleRun none;
        pileSheet(none, PileResult{}, false);
        return none;
    };
    m.ports = pilePorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {pileDescription(), blowDescription()}; }

}  // namespace mx::pile
