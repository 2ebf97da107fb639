#include "beam/beam_quantities.h"
#include "beam/beam_module.h"
#include "beam/beam_ports.h"

#include "beam/beam_drawing.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"
#include "common/recordrows.h"

namespace mx::beam {

void addBeamResult(ResultList& out, const BeamDesignResult& r) {
#include "beam/beam_results.def"
    // Only a beam with linked point loads has these.
    if (r.pointLoads != 0) {
        out.add("fieldLoad", r.fieldLoad);
        out.add("pointLoads", r.pointLoads);
        out.add("pointFactor", r.pointFactor);
        out.add("pointEquivalent", r.pointEquivalent);
    }
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
    m.quantities = runQuantities<BeamDesignOutcome, beamQuantities>;
    m.noRun = noRunOf<BeamDesignOutcome>(kPages);
    m.drawingArea = kBeamScreenArea;
    m.ports = beamPorts();
    m.targets = beamTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::beam
