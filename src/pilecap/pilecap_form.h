#pragma once
// The pile-cap window's form without the toolkit: its input fields and defaults, how
// Calculate reads them, how the calculation's corrections land in them, the result
// labels and the verdict caption, the steel-grade and allowance buttons, and the
// pickers of standard piles and bar sizes. The window and the headless tool share it.
#include <array>
#include <string>
#include <string_view>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

inline constexpr const char* kWindowCaption = "ฐานรากชนิดมีเข็ม FOOT-01 MX.7100";

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& pileCapFieldTable();
// Every input field with its default text, then the empty title-block fields, as the
// field table gives them.
FieldSet pileCapDefaults();
// What Calculate reads: the number at the start of each field text.
PileCapInput readPileCapInput(const FieldSet& fields);

// The check a field runs on every edit, the program's own included: the messages to
// show and the texts to write back, in order. A text written back passes its check.
Diagnostics changeCheck(std::string_view field, const FieldSet& fields);

// ---- Result panel ---------------------------------------------------------------------

struct ResultLabelDef {
    const char* label;
    const char* line;  // its line in the summary text Text8 ("" when it has none)
};
extern const std::array<ResultLabelDef, 19> kResultLabels;
inline constexpr const char* kPitchCaption = "ระยะปลอก";  // Label27 and Label28 before a calculation
// The fixed summary text of Text8 beside the labels.
std::string summaryText();

// The result labels and the verdict caption Label36 as a fresh window shows them.
FieldSet initialResultLabels();
inline constexpr const char* kVerdictLabel = "Label36";
// The value labels of a calculation that got as far as writing them.
FieldSet resultLabels(const PileCapResult& r);

// ---- Buttons and pickers --------------------------------------------------------------

inline constexpr const char* kGradeLabel = "Label9";
// The grade buttons are those of both footings: writes the grade's fs into Text7;
// returns the Label9 caption.
std::string pressGradeButton(FieldSet& fields, SteelGrade grade);

struct StandardPile {
    const char* text;
    double Ps;  // safe load, t -> Text3
    double q;   // size, cm -> Text4
};
struct PileList {
    const char* list;     // List1 .. List4
    const char* button;   // Command17 .. Command20
    const char* tooltip;
    const StandardPile* rows;
    std::size_t count;
};
extern const std::array<PileList, 4> StandardPileTable;
// A click on a pile row: its safe load into Text3 and its size into Text4.
void pickStandardPile(FieldSet& fields, const StandardPile& pile);

// List5, the mesh bar sizes of both footings, written to Text2.
inline const auto& kBarSizes = kFootingBarSizes;

}  // namespace mx::pilecap
