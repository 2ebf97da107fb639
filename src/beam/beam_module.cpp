#include "beam/beam_quantities.h"
#include "beam/beam_module.h"
#include "beam/beam_ports.h"

#include "beam/beam_drawing.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"

namespace mx::beam {

void addBeamResult(ResultList& out, const BeamDesignResult& r) {
    out.add("beamType", r.beamType);
    out.add("spanLength", r.spanLength);
    out.add("liveLoad", r.liveLoad);
    out.add("width", r.width);
    out.add("depth", r.depth);
    out.add("overhangLength", r.overhangLength);
    out.add("topBarDia", r.topBarDia);
    out.add("bottomBarDia", r.bottomBarDia);
    out.add("stirrupDia", r.stirrupDia);
    out.add("stirrupSets", r.stirrupSets);
    out.add("fcPrime", r.fcPrime);
    out.add("fc", r.fc);
    out.add("fs", r.fs);
    out.add("deadLoadFactor", r.deadLoadFactor);
    out.add("liveLoadFactor", r.liveLoadFactor);
    if (r.pointLoads != 0) {  // only a beam with linked point loads has them
        out.add("fieldLoad", r.fieldLoad);
        out.add("pointLoads", r.pointLoads);
        out.add("pointFactor", r.pointFactor);
        out.add("pointEquivalent", r.pointEquivalent);
    }
    out.add("slenderness", r.slenderness);
    out.add("narrowFactor", r.narrowFactor);
    out.add("bottomBarArea", r.bottomBarArea);
    out.add("topBarArea", r.topBarArea);
    out.add("deadLoad", r.deadLoad);
    out.add("designLoad", r.designLoad);
    out.add("n", r.n);
    out.add("k", r.k);
    out.add("j", r.j);
    out.add("r", r.r);
    out.add("momentNeg", r.momentNeg);
    out.add("momentPos", r.momentPos);
    out.add("momentMax", r.momentMax);
    out.add("requiredDepth", r.requiredDepth);
    out.add("cover", r.cover);
    out.add("depthTolerance", r.depthTolerance);
    out.add("effectiveDepth", r.effectiveDepth);
    out.add("recommendedDepth", r.recommendedDepth);
    out.add("depthMargin", r.depthMargin);
    out.add("momentConcrete", r.momentConcrete);
    out.add("momentSteel", r.momentSteel);
    out.add("steelAreaConcrete", r.steelAreaConcrete);
    out.add("steelAreaSteel", r.steelAreaSteel);
    out.add("steelArea", r.steelArea);
    out.add("bottomBarRatio", r.bottomBarRatio);
    out.add("bottomBarCount", r.bottomBarCount);
    out.add("bottomBarGap", r.bottomBarGap);
    out.add("bottomBarsPerLayer", r.bottomBarsPerLayer);
    out.add("bottomLayers", r.bottomLayers);
    out.add("compressionArea", r.compressionArea);
    out.add("topBarRatio", r.topBarRatio);
    out.add("topBarCount", r.topBarCount);
    out.add("topBarGap", r.topBarGap);
    out.add("topBarsPerLayer", r.topBarsPerLayer);
    out.add("topLayers", r.topLayers);
    out.add("reaction1", r.reaction1);
    out.add("reaction2", r.reaction2);
    out.add("concreteShearStress", r.concreteShearStress);
    out.add("concreteShear", r.concreteShear);
    out.add("maxShear", r.maxShear);
    out.add("stirrupShear", r.stirrupShear);
    out.add("stirrupArea", r.stirrupArea);
    out.add("stirrupSpacing", r.stirrupSpacing);
    out.add("maxStirrupSpacing", r.maxStirrupSpacing);
    out.add("DesignStatus", static_cast<int>(r.status));
}

bool pressBeamType(FormState& state, int code) {
    if (!beamTypeButton(code)) return false;
    state.typeCode = code;
    return true;
}

Diagnostics beamFieldRule(std::string_view field, const FieldSet& fields, int beamType) {
    Diagnostics d;
    if (field == "Text1") {
        // A span over the limit is written back as 1 m first; then its message, then
        // the sizes the span suggests, each an edit of its own field.
        const SpanCheck c = checkSpan(fields.get("Text1"));
        if (c.resetToOne) d.correct("Text1", "1");
        if (c.message) d.say(*c.message);
        for (auto& [name, text] : spanSuggestions(c.span, beamType)) d.correct(name, text);
        return d;
    }
    const auto check = checkBeamField(field, fields.get(field));
    if (!check) return d;
    if (check->correction && !check->correctionAfterMessage) d.correct(std::string(field), *check->correction);
    d.say(check->message);
    if (check->correction && check->correctionAfterMessage) d.correct(std::string(field), *check->correction);
    return d;
}

namespace {

std::vector<TypeInfo> beamTypes() {
    std::vector<TypeInfo> types;
    for (int code = 1; beamTypeButton(code); ++code) types.push_back({code, beamTypeButton(code)->tooltip});
    return types;
}

std::vector<Message> typeBeamField(FormState& state, std::string_view field, const std::string& text) {
    const int type = state.typeCode;
    return typeField(state.fields, field, text, [type](std::string_view f, const FieldSet& fields) {
        return beamFieldRule(f, fields, type);
    });
}

constexpr ResultPages<BeamDesignResult> kPages{
    [](const BeamDesignResult& r, bool usable, const ProjectTitleBlock& tb) { return beamSheet(r, tb, usable); },
    beamDrawing, beamHasFigure};

}  // namespace

ModuleRun runBeam(FormState& state) {
    BeamDesignInput in = readBeamInput(state.fields, state.typeCode);
    in.pointLoads = linkedPointLoads(state.fields, state.linked);
    BeamDesignOutcome outcome = calculateBeam(in);
    ModuleRun run;
    // Corrections land in the fields as the window writes them. None of them breaks
    // a field limit, and the span field's "0" deliberately runs no suggestions.
    for (const Correction& c : outcome.diagnostics.corrections()) state.fields.set(c.field, c.text);
    if (outcome.reachedResults) {
        // The messages up to the result panel, the panel, then the final checks.
        run.labels = beamResultLabels(outcome.result);
        run.resultsAt = outcome.resultEventIndex;
    } else {
        for (const std::string& name : beamResultLabelNames()) run.labels.set(name, "");
    }
    run.messages = outcome.diagnostics.messages();
    return finishRun(std::move(run), std::move(outcome), "Label49", addBeamResult, kPages);
}

ModuleDescription description() {
    ModuleDescription m = moduleRecord("beam", kWindowCaption, beamFieldTable());
    m.types = beamTypes();
    m.typeField = typeBeamField;
    m.pressType = pressBeamType;
    m.pressGrade = gradePress(pressBeamGrade);
    m.run = runBeam;
    m.quantities = beamRunQuantities;
    m.noRun = noRunOf<BeamDesignOutcome>(kPages);
    m.drawingArea = kBeamScreenArea;
    m.ports = beamPorts();
    m.targets = beamTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::beam
