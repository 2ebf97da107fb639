#pragma once
// The input form of the spread-footing window without the toolkit: its fields and
// default texts, how Calculate reads them, what the steel-grade buttons write, and the
// texts of the result labels. The window and the headless tool share these so a field
// is read and a label written the same way in both.
#include <array>
#include <string>
#include <string_view>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "spreadfooting/spreadfooting.h"

namespace mx::spreadfooting {

inline constexpr const char* kWindowCaption = "ฐานรากแผ่ (ไม่มีเข็ม ) FOOT -00 MX.7100";

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& spreadFootingFieldTable();
// Input fields in the window's order, with their default texts, then the five title-block
// fields of the print panel (Text8..Text12, empty), as the field table gives them. The
// bearing field starts empty on purpose: the engineer must state the soil.
FieldSet defaultFields();

// Calculate's reading of the fields: the number at the start of each text.
SpreadFootingInput readInput(const FieldSet& fields);

// The check a field runs on every edit, the program's own included: the messages to
// show and the texts to write back, in order. A text written back passes its check,
// so the caller need not run it again.
Diagnostics changeCheck(std::string_view field, const FieldSet& fields);

// Steel-grade buttons Command3..Command6, those of both footings: the tooltip, the
// sentence put into Label8 and fs.
using GradeButton = FootingGrade;
const GradeButton& gradeButton(SteelGrade grade);
// What a grade button does to the fields: fs into Text6.
void pressGrade(FieldSet& fields, SteelGrade grade);

// The pickers of the input panel: a row's text and the number it writes.
struct PickRow {
    const char* text;
    const char* value;
};
// List1: soils and their allowable bearing, written to Text3.
extern const std::array<PickRow, 9> kSoilList;

// Result panel: Label9..Label25 with the plain decimal text of each value, and the
// verdict caption above the drawing.
FieldSet resultLabels(const SpreadFootingResult& result);
inline constexpr const char* kVerdictLabel = "Label33";

// The summary beside the result labels (Text7): a heading and one line per label,
// right-aligned with leading blanks. Fixed text; a calculation never changes it.
struct SummaryLine {
    const char* label;
    const char* text;
};
const std::array<SummaryLine, 17>& summaryLines();
inline constexpr const char* kSummaryHeading = "สรุปผลการคำนวณฐานรากแผ่";
std::string summaryText();

}  // namespace mx::spreadfooting
