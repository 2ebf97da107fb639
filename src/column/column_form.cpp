#include "column/column_form.h"

#include <variant>

#include "common/numtext.h"

namespace mx::column {

FieldSet columnDefaultFields() {
    FieldSet f;
    for (const auto& d : kColumnFields) f.set(d.name, d.text);
    return f;
}

ColumnDesignInput readColumnInput(const FieldSet& fields, int shape) {
    ColumnDesignInput in;
    in.shape = shape;
    in.P = fields.num("Text1");
    in.t1 = fields.num("Text2");
    in.t2 = fields.num("Text3");
    in.H = fields.num("Text5");
    in.db = fields.num("Text6");
    in.dt = fields.num("Text7");
    in.fcPrime = fields.num("Text9");
    in.fs = fields.num("Text10");
    in.k = fields.num("Text23");
    return in;
}

void applyCorrections(const Diagnostics& diagnostics, FieldSet& fields) {
    for (const auto& e : diagnostics.events())
        if (const auto* c = std::get_if<Correction>(&e)) fields.set(c->field, c->text);
}

void writeColumnLabels(const ColumnOutcome& outcome, FieldSet& labels) {
    const ColumnDesignResult& r = outcome.result;
    if (outcome.kindReached) labels.set("Label8", r.columnKind);
    if (outcome.resultsReached) {
        labels.set("Label9", numText(r.t1));
        labels.set("Label10", numText(r.t2));
        labels.set("Label11", numText(r.H));
        labels.set("Label18", numText(r.P));
        labels.set("Label23", numText(r.db));
        labels.set("Label25", numText(r.dt));
        labels.set("Label50", numText(r.t));
        labels.set("Label27", numText(r.hr));
        labels.set("Label20", numText(r.R));
        labels.set("Label17", numText(r.W));
        labels.set("Label19", numText(r.Pt));
        labels.set("Label16", numText(r.N));
        labels.set("Label13", numText(r.Ag));
        labels.set("Label14", numText(r.Pc));
        labels.set("Label15", numText(r.Ps));
        labels.set("Label21", numText(r.As));
        labels.set("Label12", numText(r.pg));
        labels.set("Label22", numText(r.Ab));
        labels.set("Label24", numText(r.nb));
        labels.set("Label48", numText(r.s16));
        labels.set("Label49", numText(r.s48));
        labels.set("Label26", numText(r.s));
    }
    labels.set("Label65", outcome.verdict);
}

const ColumnGradeButton& columnGrade(SteelGrade grade) { return kColumnGrades[static_cast<std::size_t>(grade)]; }

void pressColumnGrade(FieldSet& fields, SteelGrade grade) {
    fields.set("Text10", std::to_string(gradeFs(grade, kColumnGradeFs)));
}

void writeGradeLabels(SteelGrade grade, FieldSet& labels) {
    labels.set("Label7", columnGrade(grade).label7);
    labels.set("Label55", columnGrade(grade).label55);
}

const ColumnShapeButton* columnShape(int code) {
    for (const auto& s : kColumnShapes)
        if (s.code == code) return &s;
    return nullptr;
}

void applyRoundDiameter(FieldSet& fields) {
    // num() never exceeds the largest double, so 0.886 D stays finite.
    const std::string side = numText(kRoundToSquareSide * fields.num("Text11"));
    fields.set("Text2", side);
    fields.set("Text3", side);
}

}  // namespace mx::column
