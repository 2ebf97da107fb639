#include "slab/slab_quantities.h"
#include "slab/slab_design.h"
#include "slab/slab_ports.h"
#include "slab/slab_drawing.h"
#include "slab/slab_form.h"
#include "slab/slab_module.h"
#include "slab/slab_sheet.h"

namespace mx::slab {

namespace {

void addResult(ResultList& out, const slab::SlabDesignResult& r) {
    out.add("S", r.S);
    out.add("ratio", r.ratio);
    out.add("hMin", r.hMin);
    out.add("H", r.H);
    out.add("n", r.n);
    out.add("k", r.k);
    out.add("j", r.j);
    out.add("R", r.R);
    out.add("ws", r.ws);
    out.add("w", r.w);
    out.add("Mpos", r.Mpos);
    out.add("Mneg1", r.Mneg1);
    out.add("Mneg2", r.Mneg2);
    out.add("M14", r.M14);
    out.add("Mcant", r.Mcant);
    out.add("d", r.d);
    out.add("dReq", r.dReq);
    out.add("tReq", r.tReq);
    out.add("a0", r.a0);
    out.add("a1", r.a1);
    out.add("a2", r.a2);
    out.add("a3", r.a3);
    out.add("a4", r.a4);
    out.add("AsPos", r.AsPos);
    out.add("AsNeg1", r.AsNeg1);
    out.add("AsNeg2", r.AsNeg2);
    out.add("AsMin", r.AsMin);
    out.add("N1", r.N1);
    out.add("N2", r.N2);
    out.add("N3", r.N3);
    out.add("N4", r.N4);
    out.add("s1", r.s1);
    out.add("s2", r.s2);
    out.add("s3", r.s3);
    out.add("s4", r.s4);
    out.add("cutOff", r.cutOff);
    out.add("status", r.status);
    // The inputs as the design used them.
    out.add("slabKind", r.slabKind);
    out.add("continuityCase", r.continuityCase);
    out.add("minSteelRatio", r.minSteelRatio);
    out.add("A", r.A);
    out.add("B", r.B);
    out.add("LL", r.LL);
    out.add("t", r.t);
    out.add("meshSize", r.meshSize);
    out.add("barSize1", r.barSize[0]);
    out.add("barSize2", r.barSize[1]);
    out.add("barSize3", r.barSize[2]);
    out.add("barSize4", r.barSize[3]);
    out.add("fcPrime", r.fcPrime);
    out.add("fc", r.fc);
    out.add("fs", r.fs);
    out.add("fD", r.fD);
    out.add("fL", r.fL);
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
    m.quantities = slabRunQuantities;
    m.noRun = noRunOf<SlabDesignOutcome>(kPages);
    m.drawingArea = kSlabScreenArea;
    m.ports = slabPorts();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::slab
