#include "column/column_form.h"

#include <iterator>

#include "column/column_fields_tsv.h"
#include "common/checked.h"
#include "common/fieldedit.h"
#include "common/limitrule.h"
#include "common/numtext.h"
#include "common/recordrows.h"

namespace mx::column {

const FieldTable& columnFieldTable() {
    static const FieldTable table = loadFieldTable("column/column_fields.tsv", embedded::column_fields_tsv());
    return table;
}

FieldSet columnDefaultFields() { return defaultsOf(columnFieldTable()); }

ColumnDesignInput readColumnInput(const FieldSet& fields, int shape) {
    ColumnDesignInput in;
    in.shape = shape;
#include "column/column_inputs.def"
    if (shape == kShapeRound) {
        in.D = fields.num("Text11");
        if (in.D > 0) in.t1 = in.t2 = roundColumnSide(in.D);
    }
    return in;
}

namespace {

// Change checks that compare a field with one limit and show one message.
constexpr LimitRule kFieldLimits[] = {
    {"Text3", Breach::Above, 200, "เสาที่คุณกำหนดใหญ่เกินไป",
     "2.คุณแน่ใจหรือว่าเสาที่คุณจะออกแบบใหญ่ขนาดนั้น?โปรดแก้ไข!!!", Icon::Critical, "15"},
    {"Text5", Breach::Above, 12, "เสาสูงผิดปรกติ", "7.คุณแน่ใจหรือว่าเสาของคุณสูงเกิน 12 เมตร?", Icon::Critical, "3"},
    fcPrimeRule("Text9"),
    {"Text10", Breach::Above, 1600, "หน่วยแรงอัดของเหล็กมากกว่ากำหนด",
     "9.หน่วยแรงอัดของเหล็กเสริมตาม พรบ.ควบคุมอาคารให้ใช้ไม่เกิน 1600 กก./ตร.ซม.(เหล็กข้ออ้อย SD-40)", Icon::Critical,
     "1200"},
    {"Text23", Breach::Below, 1, "กำหนดค่า DEAD LOAD ผิด", "คุณกำหนด SAFTY FACTOR นน.เสาน้อยกว่า 1 เท่าไม่ได้!?!",
     Icon::Critical, "1"},
    {"Text13", Breach::Above, 20, "ข้อมูลผิดพลาด", "คุณกำหนดความกว้างมากเกินไป?", Icon::Critical},
    {"Text14", Breach::Above, 20, "ข้อมูลผิดพลาด", "คุณกำหนดความยาวมากเกินไป?", Icon::Critical},
    {"Text15", Breach::Above, 1000, "ข้อมูลผิดพลาด", "คุณกำหนด นน. จร มากเกินไป?", Icon::Critical},
    {"Text16", Breach::Above, 90, "ข้อมูลผิดพลาด", "คุณกำหนดจำนวนชั้นมากเกินไป", Icon::Critical},
    {"Text17", Breach::Above, 900000, "ข้อมูลผิดพลาด", "คุณกำหนดนน.POINT LOAD มากเกินไป?", Icon::Critical},
};

const Message kNoLoad{"3.คุณยังไม่ได้กำหนดนน.ที่กระทำลงบนเสา?", "กำหนด นน.ที่กระทำลงบนเสา", Icon::Critical};
const Message kLoadTooLarge{"4.คุณแน่ใจหรือว่า นน.ที่ลงบนเสามากขนาดนี้?โปรดแก้ไข!!!", "นน.ลงบนเสามากเกินปรกติ",
                            Icon::Critical};
const Message kWidthTooLarge{"1.คุณแน่ใจหรือว่าเสาที่คุณจะออกแบบใหญ่ขนาดนั้น?โปรดแก้ไข!!!", "เสาที่คุณกำหนดใหญ่เกินไป",
                             Icon::Critical};
constexpr double kMaxLoad = 2000000;

// The load proposes a main bar and a section for it: the side of a square that carries
// the load at a modest stress, sqrt(0.3 * 145 * P / 2900) cm. A round column is sized
// by its diameter, so it gets no proposed widths.
void checkLoad(const FieldSet& fields, int shape, Diagnostics& d) {
    const double P = fields.num("Text1");
    if (P <= 0) {
        d.say(kNoLoad);
        d.correct("Text1", "8000");  // the default load then makes its own proposal
        return;
    }
    if (P > kMaxLoad) {
        d.say(kLoadTooLarge);
        d.correct("Text1", "2000000");
        return;
    }
    if (P > 18000) {
        d.correct("Text6", "25");
    } else if (P > 14000) {
        d.correct("Text6", "19");
    } else if (P > 11000) {
        d.correct("Text6", "15");
    }
    if (shape == kShapeRound) return;
    const std::int16_t side = chk::toInt16(chk::sqrt(0.3 * (145 * (P / 2900))));  // at most 173 cm here
    d.correct("Text2", numText(side));
    d.correct("Text3", numText(side));
}

// The width sets the tie: 6 mm up to 60 cm, 9 mm beyond.
void checkWidth(const FieldSet& fields, Diagnostics& d) {
    const double t1 = fields.num("Text2");
    d.correct("Text7", t1 <= 60 ? "6" : "9");
    if (t1 > 200) {
        d.say(kWidthTooLarge);
        d.correct("Text2", "15");
    }
}

}  // namespace

Diagnostics checkColumnField(std::string_view field, const FieldSet& fields, int shape) {
    Diagnostics d;
    if (field == "Text1") {
        checkLoad(fields, shape, d);
    } else if (field == "Text2") {
        checkWidth(fields, d);
    } else {
        checkLimits(kFieldLimits, field, fields, d);
    }
    return d;
}

namespace {
FieldCheck columnCheck(int shape) {
    return [shape](std::string_view field, const FieldSet& fields) { return checkColumnField(field, fields, shape); };
}
void append(std::vector<Message>& shown, std::vector<Message> more) {
    shown.insert(shown.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}
}  // namespace

void setColumnField(FieldSet& fields, int shape, std::string_view field, std::string text,
                    std::vector<Message>& shown) {
    append(shown, typeField(fields, field, std::move(text), columnCheck(shape)));
}

void applyCorrections(const Diagnostics& diagnostics, FieldSet& fields, int shape, std::vector<Message>& shown) {
    append(shown, replayDiagnostics(fields, diagnostics, columnCheck(shape)));
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
        // The area the bars are chosen for and its ratio: the required area, or the
        // least steel where that is more (never a negative area beside the verdict).
        labels.set("Label21", numText(r.AsUsed));
        labels.set("Label12", numText(r.pgUsed));
        labels.set("Label22", numText(r.Ab));
        labels.set("Label24", numText(r.nb));
        labels.set("Label48", numText(r.s16));
        labels.set("Label49", numText(r.s48));
        labels.set("Label26", numText(r.s));
    }
    labels.set("Label65", outcome.verdict);
}

namespace {

const Message kFloorLoadTooLarge{"1.ข้อมูลผิดพลาดหรือตัวเลขที่คำนวณออกมามากเกินไป?", "นน.พื้น ข้อมูลผิดพลาด",
                                 Icon::Critical};
const Message kTotalLoadTooLarge{"2.ข้อมูลผิดพลาดหรือตัวเลขที่คำนวณออกมามากเกินไป?", "นน.รวม ข้อมูลผิดพลาด",
                                 Icon::Critical};
const Message kEstimateFailed{"ข้อมูลผิดพลาดโปรดตรวจสอบใหม่", "ข้อมูลผิดพลาด", Icon::Critical};

}  // namespace

ColumnLoadEstimate estimateColumnLoad(const FieldSet& fields) {
    ColumnLoadEstimate e;
    Diagnostics& d = e.diagnostics;
    try {
        const double floorLoad = chk::mul(
            chk::mul(chk::mul(fields.num("Text13"), fields.num("Text14")), fields.num("Text15")), fields.num("Text16"));
        if (floorLoad > kMaxLoad) d.say(kFloorLoadTooLarge);  // advice; the estimate goes on
        const double total = chk::add(fields.num("Text17"), floorLoad);
        if (total > kMaxLoad) d.say(kTotalLoadTooLarge);
        e.labels.set("Label56", numText(floorLoad));
        e.labels.set("Label57", numText(total));
        e.total = numText(total);
        e.computed = true;
        d.markResults();
        d.correct("Text1", e.total);
    } catch (const ArithmeticError&) {
        d.say(kEstimateFailed);
    }
    return e;
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

double roundColumnSide(double D) {
    // num() never exceeds the largest double, so 0.886 D stays finite.
    return num(numText(kRoundToSquareSide * D));
}

void applyRoundDiameter(FieldSet& fields, std::vector<Message>& shown) {
    const std::string side = numText(roundColumnSide(fields.num("Text11")));
    setColumnField(fields, kShapeRound, "Text2", side, shown);
    setColumnField(fields, kShapeRound, "Text3", side, shown);
}

}  // namespace mx::column
