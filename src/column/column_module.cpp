#include "column/column_design.h"
#include "column/column_drawing.h"
#include "column/column_fields.h"
#include "column/column_form.h"
#include "column/column_module.h"
#include "column/column_sheet.h"

namespace mx::column {

namespace {

void addResult(ResultList& out, const ColumnDesignResult& r) {
    out.add("shape", r.shape);
    out.add("P", r.P);
    out.add("t1", r.t1);
    out.add("t2", r.t2);
    out.add("D", r.D);
    out.add("H", r.H);
    out.add("db", r.db);
    out.add("dt", r.dt);
    out.add("fcPrime", r.fcPrime);
    out.add("fs", r.fs);
    out.add("k", r.k);
    out.add("t", r.t);
    out.add("ht", r.ht);
    out.add("hr", r.hr);
    out.add("R", r.R);
    out.add("isLong", r.isLong);
    out.addText("columnKind", r.columnKind);
    out.add("m", r.m);
    out.add("W", r.W);
    out.add("Pt", r.Pt);
    out.add("N", r.N);
    out.add("Ag", r.Ag);
    out.add("Pc", r.Pc);
    out.add("Ps", r.Ps);
    out.add("As", r.As);
    out.add("pg", r.pg);
    out.add("AgNeeded", r.AgNeeded);
    out.add("AsMin", r.AsMin);
    out.addText("minimumBasis", r.minimumBasis == SteelMinimum::GrossArea    ? "gross area"
                                : r.minimumBasis == SteelMinimum::NeededArea ? "area the load needs"
                                                                             : "half the gross area");
    out.add("minimumGoverns", r.minimumGoverns);
    out.add("AsUsed", r.AsUsed);
    out.add("pgUsed", r.pgUsed);
    out.add("Ab", r.Ab);
    out.add("x", r.x);
    out.add("nb", r.nb);
    out.add("s16", r.s16);
    out.add("s48", r.s48);
    out.add("s", r.s);
    out.add("status", static_cast<int>(r.status));
}

// The window's drawing surface left free for the section.
constexpr PageBox kScreenDrawingArea{0, 0, 9000, 7500};

cli::Report runColumn(FormState& state, bool wantPages) {
    // A round column is designed as its square of equal area: the diameter box's OK
    // writes that side into both width fields before Calculate, when a diameter is given.
    cli::Report report;
    if (state.typeCode == kShapeRound && state.fields.num("Text11") > 0)
        applyRoundDiameter(state.fields, report.messages);

    const ColumnOutcome outcome = calculateColumn(readColumnInput(state.fields, state.typeCode));
    applyCorrections(outcome.diagnostics, state.fields, state.typeCode, report.messages);

    report.status = static_cast<int>(outcome.status);
    report.verdict = outcome.verdict;
    if (const ColumnShapeButton* shape = columnShape(state.typeCode)) report.labels.set("Label1", shape->label1);
    if (state.grade) writeGradeLabels(*state.grade, report.labels);
    writeColumnLabels(outcome, report.labels);
    addResult(report.result, outcome.result);
    if (wantPages) {
        report.sheet = columnSheet(outcome.result, outcome.status == DesignStatus::Usable, columnTitleBlock(state.fields));
        report.drawing = columnDrawing(outcome.result, kScreenDrawingArea);
    }
    return report;
}

}  // namespace

ModuleDescription description() {
    ModuleDescription m = moduleRecord("column", kWindowCaption, columnFieldTable());
    m.types = columnTypes();
    m.typeField = typeColumnField;
    m.pressGrade = [](FormState& s, SteelGrade g) {
        s.grade = g;
        pressColumnGrade(s.fields, g);
    };
    m.run = runColumn;
    return m;
}

std::vector<ModuleDescription> descriptions() { return {description()}; }

}  // namespace mx::column
