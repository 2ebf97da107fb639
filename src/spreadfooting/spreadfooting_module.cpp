#include "spreadfooting/spreadfooting_quantities.h"
#include "spreadfooting/spreadfooting.h"
#include "spreadfooting/spreadfooting_ports.h"
#include "spreadfooting/spreadfooting_drawing.h"
#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"
#include "spreadfooting/spreadfooting_sheet.h"
#include "common/recordrows.h"

namespace mx::spreadfooting {

namespace {

void addResult(ResultList& out, const SpreadFootingResult& r) {
#include "spreadfooting/spreadfooting_results.def"
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("spreadfooting", kWindowCaption, spreadFootingFieldTable());
    m.typeField = typingThrough(changeCheck);
    m.pressGrade = gradePress(pressGrade);
    m.run = [](FormState& s) { return footingRun(spreadFootingCalculation(), s, addResult, FieldSet{}); };
    m.quantities = runQuantities<SpreadFootingOutcome, spreadFootingQuantities>;
    m.noRun = [] { return footingNoRun(spreadFootingCalculation()); };
    m.drawingArea = kScreenDrawingArea;
    m.standsOnAt = kFootingStandsOnAt;
    m.targets = spreadFootingTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::spreadfooting
