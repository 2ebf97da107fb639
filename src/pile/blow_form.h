#pragma once
// The blow-count window's form without the widgets: fields and defaults, the pile
// types and their lists of standard sections, the checks made while typing, and
// Calculate as the window and the command-line tool both run it.
#include <optional>
#include <string>
#include <vector>

#include "common/fieldset.h"
#include "common/message.h"
#include "common/titleblock.h"
#include "pile/blow_calc.h"

namespace mx::pile {

inline constexpr const char* kBlowCaption = "คำนวณหาการรับ นน.ของเสาเข็มจาก BLOW COUNT ที่ตอก MX.7100";
inline constexpr const char* kBlowDefaultTypeText = "ชนิดของเสาเข็ม ?";

// The six inputs with their captions, in window order, then the title block.
struct BlowField {
    const char* name;
    const char* caption;  // label beside the field
    const char* label;    // that label's object name
    const char* defaultText;
    double limit;         // the change check fires above this
    Message message;      // and shows this
    const char* reset;    // then writes this back
};
const std::vector<BlowField>& blowInputFields();
inline const std::vector<std::string> kBlowTitleFields = {"Text4", "Text5", "Text6", "Text7", "Text8"};
FieldSet blowDefaults();

// The pile types of the toolbar and the input panel; the choice only changes the
// caption and the list on show, never the calculation.
struct BlowTypeInfo {
    int code;  // 1, 2, 3 in toolbar order
    const char* tooltip;
    const char* typeText;  // Label14
    const char* toolbarButton;
    const char* panelButton;
    int list;  // List1..List3
};
const std::vector<BlowTypeInfo>& blowTypes();
const BlowTypeInfo* blowTypeInfo(int code);

struct BlowSectionRow {
    std::string text;
    const char* area;  // written into Text1
    const char* load;  // written into Text3
};
const std::vector<BlowSectionRow>& blowSections(int list);  // empty for no such list
// The area and load a list click writes, or none for a row that does not exist.
std::optional<std::pair<std::string, std::string>> blowSectionValues(int list, int row);

// The check made at every change of an input field (nothing for other fields).
Diagnostics checkBlowField(const std::string& name, const std::string& text);

BlowInput readBlowInput(const FieldSet& fields);
// Result labels after a calculation that completed (a stop leaves them as they were).
FieldSet blowLabels(const BlowResult& r);
inline const std::vector<std::string> kBlowResultLabels = {"Label11", "Label12", "Label18", "Label15", "Label17",
                                                          "Label26"};
// Label26 shows the blows the design load needs, or this when no blow count proves it.
inline constexpr const char* kBlowNoCriterion = "-";
inline constexpr const char* kBlowNoResult = "?";

ProjectTitleBlock blowTitleBlock(const FieldSet& fields);

// Whether the design is usable and the sheet may certify it: the calculation completed,
// the driving record is usable (a set of at most 1 cm per blow) and the safe load the
// pile showed is at least its design load. The hammer advice concerns the next piles
// driven, not the capacity this pile showed.
bool blowUsable(const BlowOutcome& outcome);

}  // namespace mx::pile
