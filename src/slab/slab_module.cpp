#include "slab/slab_quantities.h"
#include "slab/slab_design.h"
#include "slab/slab_ports.h"
#include "slab/slab_drawing.h"
#include "slab/slab_form.h"
#include "slab/slab_module.h"
#include "slab/slab_sheet.h"
#include "common/recordrows.h"

namespace mx::slab {

namespace {

void addResult(ResultList& out, const slab::SlabDesignResult& r) {
#include "slab/slab_results.def"
}

}  // namespace

namespace {

std::vector<TypeInfo> slabTypes() { return {{kCantilever, slabKindCaption(kCantilever)}, {kTwoWay, slabKindCaption(kTwoWay)}}; }

constexpr ResultPages<SlabDesignResult> kPages{slabSheet, slabDrawing, slabHasFigure};

}  // namespace

void addSlabPages(ModuleRun& run, SlabDesignOutcome outcome) { keepOutcome(run, std::move(outcome), kPages); }

ModuleRun runSlab(FormState& s) {
    SlabDesignOutcome outcome = calculateSlab(readSlabInput(s.fields, s.typeCode, slabMinSteelRatio(s.grade)));
    ModuleRun run;
    run.messages = replaySlabDiagnostics(s.fields, outcome.diagnostics);
    if (outcome.resultsShown) {
        run.labels = slabResultPanel(outcome.result);
        run.resultsAt = outcome.diagnostics.resultsAt();
    }
    return finishRun(std::move(run), std::move(outcome), "Label48", addResult, kPages);
}

// type=1 is the cantilever slab (canopy), type=2 the two-way slab with beams all
// round; the continuity case is the field Text6.
ModuleDescription description() {
    ModuleDescription m = moduleRecord("slab", kWindowCaption, slabFieldTable());
    m.types = slabTypes();
    m.typeField = [](FormState& state, std::string_view field, const std::string& text) {
        return setSlabField(state.fields, field, text);
    };
    m.pressGrade = gradePress(pressSlabGrade);
    m.run = runSlab;
    m.quantities = runQuantities<SlabDesignOutcome, slabQuantities>;
    m.noRun = noRunOf<SlabDesignOutcome>(kPages);
    m.drawingArea = kSlabScreenArea;
    m.ports = slabPorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::slab
