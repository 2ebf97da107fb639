#pragma once
// The beam window's form without the toolkit: its input fields and defaults, how
// Calculate reads them, the result-panel texts, the type and grade buttons, the field
// limits checked on every edit, the span suggestions, the live-load calculator and the
// pick-list tables. The window and the command-line tool share all of it.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "beam/beam_design.h"
#include "beam/beam_loading.h"
#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"

namespace mx::beam {

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& beamFieldTable();
// Every input field of the window with its default text, in window order: the design
// fields, the live-load calculator and the title block.
FieldSet beamDefaultFields();

// Reads the design fields the way Calculate does.
BeamDesignInput readBeamInput(const FieldSet& fields, int beamType);

// Texts of the result labels Label14..Label36 after a run that reached the result panel.
FieldSet beamResultLabels(const BeamDesignResult& r);
// Names of the result labels, in panel order (Label14 first).
std::vector<std::string> beamResultLabelNames();

// One line of the result panel's caption column and the label beside it (empty for a
// separator or the heading).
struct ResultLine {
    const char* caption;
    const char* label;
};
const std::vector<ResultLine>& beamResultLines();
inline constexpr const char* kDotLine =
    "................................................................................";

// The type buttons Command17..Command21.
struct BeamTypeButton {
    const char* button;
    const char* tooltip;
    const char* caption;  // Label1 once chosen
};
const BeamTypeButton* beamTypeButton(int type);  // nullptr outside 1..5
inline constexpr const char* kTypePrompt = "เลือกลักษณะของคานที่จะออกแบบ ?";

// Group headings of the result panel: tension bars (Label40) and compression bars
// (Label41). A cantilever carries its tension bars at the top.
struct BarHeadings {
    const char* label40;
    const char* label41;
};
BarHeadings barHeadings(int type);

// The steel-grade buttons: fs written into Text14 and the sentence of Label50.
struct GradeButton {
    SteelGrade grade;
    const char* button;
    const char* tooltip;
    const char* fs;
    const char* caption;
};
const std::vector<GradeButton>& gradeButtons();
const GradeButton& gradeButton(SteelGrade g);
// What a grade button writes into the fields: its allowable steel stress fs.
void pressBeamGrade(FieldSet& fields, SteelGrade g);
inline constexpr const char* kGradePrompt = "เหล็กนอนใช้เหล็กเส้นกลม SR.-24";

// A field's limit check on an edit: the message and the text written back. The
// correction is written before the message unless correctionAfterMessage is set.
struct FieldCheck {
    Message message;
    std::optional<std::string> correction;
    bool correctionAfterMessage = false;
};
std::optional<FieldCheck> checkBeamField(std::string_view field, std::string_view text);

// The span field's own check. L > 20 writes "1" back into Text1 (before the message)
// and goes on with 1 m; an empty or zero span goes on with 1 m and leaves the text.
struct SpanCheck {
    double span = 1;
    bool resetToOne = false;
    std::optional<Message> message;
};
SpanCheck checkSpan(std::string_view text);
// The fields the span suggests, in the order they are written.
std::vector<std::pair<std::string, std::string>> spanSuggestions(double span, int beamType);

// The calculator's note under its point loads.
inline constexpr const char* kPointLoadNote =
    "*แรงกระทำเป็นจุดคิดเป็น นน.แผ่สม่ำเสมอเทียบเท่า = k x รวมแรง / ความยาวคาน "
    "k ตามลักษณะของคาน ให้โมเมนต์และแรงเฉือนไม่น้อยกว่าแรงกระทำเป็นจุดที่ตำแหน่งใดๆ";

// The live-load calculator. Point loads count as their equivalent uniform load.
struct LiveLoadEstimate {
    double floor = 0;   // block 1, kg
    double wall = 0;    // block 2, kg
    double points = 0;  // block 3, the point loads' sum, kg
    std::optional<double> pointFactor;  // k of the beam type (pointLoadFactor)
    double pointEquivalent = 0;         // k x the point loads' sum, kg
    double total = 0;   // block 1 + block 2 + the point loads' equivalent, kg
    double perMetre = 0;
    std::optional<Message> message;  // shown before the results are written
    // Point loads with no factor to take them by: shown instead, and nothing written.
    std::optional<Message> refusal;
};
// Raises ArithmeticError when the entries are too large to add up. The point loads of
// `linked` fields (object names) are left out: the design takes them itself.
LiveLoadEstimate estimateLiveLoad(const FieldSet& fields, int beamType, const std::vector<std::string>& linked = {});

// Pick lists.
struct LoadEntry {
    const char* text;
    int load;
};
const std::vector<LoadEntry>& floorLoadTable();  // List1, kg/m2
const std::vector<LoadEntry>& wallWeightTable();  // List2, kg/m2
const std::vector<int>& mainBarSizes();           // List3, List4, mm
const std::vector<int>& stirrupBarSizes();        // List5, mm
std::string barSizeText(int mm);                  // "12 มม."

// Window texts shared with the tool.
inline constexpr const char* kWindowCaption = "ออกแบบคาน ค.ส.ล. BEAM - 01 MX.7100";
inline constexpr const char* kVerdictPrompt = "สรุปผลคานที่คุณออกแบบ ?";
Message exitQuestion();
Message overhangAdvice();

}  // namespace mx::beam
