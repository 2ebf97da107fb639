#include <memory>

#include "pile/pile_ports.h"
#include "pile/blow_form.h"
#include "pile/pile_fields.h"
#include "pile/pile_module.h"
#include "pile/pile_sheet.h"
#include "common/recordrows.h"

namespace mx::pile {

namespace {

void addResult(ResultList& out, const BlowResult& r) {
#include "pile/blow_results.def"
}

}  // namespace

ModuleDescription blowDescription() {
    ModuleDescription m = moduleRecord("blow", kBlowCaption, blowFieldTable());
    m.types = blowTypeList();
    m.typeField = typeBlowField;
    m.quantities = [](const ModuleRun&, const FormState&) { return noQuantities(kBlowQuantities); };
    m.run = [](FormState& s) {
        auto outcome = std::make_shared<const BlowOutcome>(calculateBlow(readBlowInput(s.fields)));
        const BlowOutcome& o = *outcome;
        // The values of a stop are those of no earlier run: the inputs as read, zeros beyond.
        const BlowResult r = heldBlowResult(BlowResult{}, o);
        const bool usable = blowUsable(o);
        ModuleRun rep;
        // No verdict caption in this module; the status is the same test that lets the
        // sheet certify the pile.
        rep.status = static_cast<int>(usable ? DesignStatus::Usable : DesignStatus::NotUsable);
        rep.diagnostics = o.diagnostics;
        rep.messages = o.diagnostics.messages();
        if (o.completed) {
            // Written before the advice, which is about them.
            rep.resultsAt = 0;
            rep.labels = blowLabels(r);
        } else {
            // A stop writes no results: a window keeps those it showed, the tool has none.
            for (const std::string& l : kBlowResultLabels) rep.labels.set(l, kBlowNoResult);
        }
        addResult(rep.result, r);
        // The sheet prints what the run reached, zeros beyond.
        rep.sheet = [outcome, usable](const ProjectTitleBlock& tb) {
            return buildBlowSheet(outcome->result, tb, usable);
        };
        rep.record = outcome;
        return rep;
    };
    m.noRun = [] {
        ModuleRun none;
        none.sheet = [](const ProjectTitleBlock& tb) { return buildBlowSheet(BlowResult{}, tb, false); };
        return none;
    };
    m.ports = blowPorts();
    m.targets = blowTargets();
    return m;
}

}  // namespace mx::pile
