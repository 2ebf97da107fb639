#include "column/column_quantities.h"
#include "column/column_design.h"
#include "column/column_ports.h"
#include "column/column_drawing.h"
#include "column/column_form.h"
#include "column/column_module.h"
#include "column/column_sheet.h"
#include "common/recordrows.h"

namespace mx::column {

namespace {

// What the minimum steel of a column was taken as 1 % of, as the tool names it.
const char* minimumBasisName(SteelMinimum basis) {
    switch (basis) {
    case SteelMinimum::GrossArea: return "gross area";
    case SteelMinimum::NeededArea: return "area the load needs";
    case SteelMinimum::HalfArea: break;
    }
    return "half the gross area";
}

void addResult(ResultList& out, const ColumnDesignResult& r) {
#include "column/column_results.def"
}

// The window's drawing surface left free for the section.
constexpr PageBox kScreenDrawingArea{0, 0, 9000, 7500};

std::vector<TypeInfo> columnTypes() {
    std::vector<TypeInfo> types;
    for (const ColumnShapeButton& s : kColumnShapes) types.push_back({s.code, s.label1});
    return types;
}

std::vector<Message> typeColumnField(FormState& state, std::string_view field, const std::string& text) {
    std::vector<Message> shown;
    setColumnField(state.fields, state.typeCode, field, text, shown);
    return shown;
}

constexpr ResultPages<ColumnDesignResult> kPages{columnSheet, columnDrawing, columnHasSection};

ModuleRun runColumn(FormState& state) {
    ColumnOutcome outcome = calculateColumn(readColumnInput(state.fields, state.typeCode));
    ModuleRun run;
    applyCorrections(outcome.diagnostics, state.fields, state.typeCode, run.messages);
    // The captions the shape and grade buttons wrote, then the result panel (and the
    // short/long caption with it) at its moment among the messages; the verdict once
    // they are all shown. A run that stops before the panel writes what it reached
    // after its messages.
    FieldSet labels;
    if (const ColumnShapeButton* shape = columnShape(state.typeCode)) labels.set("Label1", shape->label1);
    if (state.grade) writeGradeLabels(*state.grade, labels);
    writeColumnLabels(outcome, labels);
    if (outcome.resultsReached) {
        for (const auto& [name, text] : labels.entries())
            (name == "Label65" ? run.closingLabels : run.labels).set(name, text);
        run.resultsAt = outcome.diagnostics.resultsAt();
    } else {
        run.closingLabels = std::move(labels);
    }
    return finishRun(std::move(run), std::move(outcome), nullptr, addResult, kPages);
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("column", kWindowCaption, columnFieldTable());
    m.types = columnTypes();
    m.typeField = typeColumnField;
    m.pressGrade = gradePress(pressColumnGrade);
    // A round column is designed as its square of equal area: the diameter box's OK
    // writes that side into both width fields before Calculate, when a diameter is given.
    m.pressBeforeRun = [](FormState& state) {
        std::vector<Message> shown;
        if (state.typeCode == kShapeRound && state.fields.num("Text11") > 0) applyRoundDiameter(state.fields, shown);
        return shown;
    };
    m.run = runColumn;
    m.quantities = runQuantities<ColumnOutcome, columnQuantities>;
    m.noRun = noRunOf<ColumnOutcome>(kPages);
    m.drawingArea = kScreenDrawingArea;
    m.ports = columnPorts();
    m.targets = columnTargets();
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::column
