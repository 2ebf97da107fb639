#pragma once
// The column window's inputs without the window: its fields with their default texts,
// how Calculate reads them, what the shape, grade and round-diameter buttons write, and
// the texts of the result labels. The window and the command-line tool share these.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "column/column_design.h"
#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"

namespace mx::column {

inline constexpr const char* kWindowCaption = "ออกแบบเสา คสล. COLUMN-01 MX.7100";

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& columnFieldTable();
// Every input field of the window with its default text, as the field table gives
// them: the input panel, the load estimator, then the title block.
FieldSet columnDefaultFields();

// Calculate's reading of the fields: the leading number of each text. A round column
// with a diameter in Text11 is designed with the section it is printed with: both
// widths are the diameter box's side, 0.886 D, whatever the hidden width fields hold
// (a load edit after the diameter box may have rewritten them).
ColumnDesignInput readColumnInput(const FieldSet& fields, int shape);

// Change checks. Every edit of a field, the program's own included, runs its field's
// check; a check may show a message and write other fields (or its own), which runs
// their checks in turn. The checks take the chosen shape: the load proposes a square
// section, which a round column (sized by its diameter) does not take.
//
// The check of one field on its current text, without the cascade: the messages in
// order and the writes it makes, each write following the message that asked for it.
Diagnostics checkColumnField(std::string_view field, const FieldSet& fields, int shape);
// Writes a field the way the window does: when the text changes, the field's check
// runs and its writes are made the same way. Messages shown are appended to `shown`.
void setColumnField(FieldSet& fields, int shape, std::string_view field, std::string text,
                    std::vector<Message>& shown);

// Replays a calculation's messages and corrections in order, as the window shows and
// applies them: each correction is written with setColumnField, so its field's check
// runs. Every message shown, the checks' own included, is appended to `shown`.
void applyCorrections(const Diagnostics& diagnostics, FieldSet& fields, int shape, std::vector<Message>& shown);

// Writes the labels a calculation sets: the short/long caption when the design got
// that far, the whole result panel when it got to the results, and the verdict always.
// Labels a calculation did not reach keep their texts.
void writeColumnLabels(const ColumnOutcome& outcome, FieldSet& labels);

// The load estimator (Frame6): the floor load a x b x w x n of the area the column
// carries (Text13 to Text16) plus an extra point load (Text17). Its diagnostics hold the
// messages of a floor load or total above 2 000 000 kg, the moment its totals are shown
// (the results mark), and the total written into Text1, whose load rule then runs. After
// an arithmetic failure they hold the failure message only and nothing is written.
struct ColumnLoadEstimate {
    Diagnostics diagnostics;
    bool computed = false;
    FieldSet labels;  // Label56 floor load, Label57 total, kg
    std::string total;  // the text written into Text1
};
ColumnLoadEstimate estimateColumnLoad(const FieldSet& fields);

// Steel-grade buttons of the column window; the column takes lower allowable steel
// stresses than the other members, capped at 1600 ksc.
struct ColumnGradeButton {
    const char* button;
    const char* tooltip;
    const char* label7;    // grade caption of the input panel
    const char* label55;   // grade caption of the material panel
};
inline constexpr std::array<ColumnGradeButton, 4> kColumnGrades{{
    {"Command3", "เหล็กยืนเส้นกลม", "เหล็กเส้นกลม SR.24", "เหล็กเส้นกลม SR.24"},
    {"Command4", "เหล็กยืนข้ออ้อย", "เหล็กข้ออ้อย SD.30", "เหล็กเส้นข้ออ้อย SD.30"},
    {"Command5", "เหล็กยืนข้ออ้อย", "เหล็กข้ออ้อย SD.35", "เหล็กเส้นข้ออ้อย SD.35"},
    {"Command6", "เหล็กยืนข้ออ้อย", "เหล็กข้ออ้อย SD.40", "เหล็กเส้นข้ออ้อย SD.40"},
}};
const ColumnGradeButton& columnGrade(SteelGrade grade);
// What a grade button writes: the column's fs of the grade (kColumnGradeFs) into Text10.
void pressColumnGrade(FieldSet& fields, SteelGrade grade);
// The grade captions (Label7, Label55) of a pressed grade.
void writeGradeLabels(SteelGrade grade, FieldSet& labels);

// Shape buttons and the caption each writes into Label1.
struct ColumnShapeButton {
    int code;
    const char* button;
    const char* tooltip;
    const char* label1;
};
inline constexpr std::array<ColumnShapeButton, 2> kColumnShapes{{
    {kShapeSquare, "Command17", "เลือกเสาสี่เหลี่ยม", "เสาที่คุณเลือกออกแบบเป็นเสาสี่เหลี่ยม"},
    {kShapeRound, "Command18", "เลือกเสาแบบกลม", "เสาที่คุณเลือกออกแบบเป็นเสากลม"},
}};
// The shape button of a code, or nullptr when there is none.
const ColumnShapeButton* columnShape(int code);

// Side of the square of equal area to a circle of diameter D (0.886^2 is about pi/4).
inline constexpr double kRoundToSquareSide = 0.886;
// That side as the diameter box writes it (plain number text read back), so the
// design, the fields and the sheet agree to the last digit.
double roundColumnSide(double D);
// The diameter box's OK button: D = num(Text11), and 0.886 D into Text2 and Text3.
void applyRoundDiameter(FieldSet& fields, std::vector<Message>& shown);

}  // namespace mx::column
