#include "pilecap/pilecap_quantities.h"
#include "pilecap/pilecap.h"
#include "pilecap/pilecap_ports.h"
#include "pilecap/pilecap_drawing.h"
#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_module.h"
#include "pilecap/pilecap_sheet.h"
#include "common/recordrows.h"

namespace mx::pilecap {

namespace {

void addResult(ResultList& out, const PileCapResult& r) {
#include "pilecap/pilecap_results.def"
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
    m.quantities = runQuantities<PileCapOutcome, pileCapQuantities>;
    m.noRun = [] { return footingNoRun(pileCapCalculation()); };
    m.drawingArea = kPileCapScreenArea;
    m.standsOnAt = kFootingStandsOnAt;
    m.ports = pileCapPorts();
    m.targets = pileCapTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::pilecap
