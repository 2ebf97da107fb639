#pragma once
// The pile window's form without the widgets: its fields and defaults, the captions
// each pile type puts up, the two lists of standard sections, the checks made while
// typing, and Calculate as the window and the command-line tool both run it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/message.h"
#include "common/titleblock.h"
#include "pile/pile_calc.h"

namespace mx::pile {

inline constexpr const char* kPileCaption = "คำนวณหาค่าการรับ นน.ปลอดภัยของเสาเข็ม PILE -01 MX.7100";
inline constexpr const char* kDefaultTypeText = "ยังไม่ได้เลือกชนิดของเสาเข็ม";
inline constexpr const char* kDefaultSizeCaption = "ขนาดของเสาเข็ม               =";
inline constexpr const char* kDefaultLengthCaption = "ความยาวของเสาเข็ม / เมตร =";
inline constexpr const char* kNoResult = "?";

// What choosing a pile type puts on the form.
struct PileTypeInfo {
    int code;
    const char* typeText;       // Label1
    const char* sizeCaption;    // Label2
    const char* lengthCaption;  // Label3
    const char* tooltip;
    const char* toolbarButton;  // Command3..Command6
    const char* panelButton;    // Command18..Command21
    int list;                   // 1 = List1, 2 = List2, 0 = neither
};

// The four types in toolbar order (codes 2, 4, 3, 1).
const std::vector<PileTypeInfo>& pileTypes();
// The entry of a code, or nullptr for no type.
const PileTypeInfo* pileTypeInfo(int code);
// Captions of the size and length fields for a code (the form defaults for no type).
std::string sizeCaption(int code);
std::string lengthCaption(int code);

struct SectionRow {
    const char* text;
    int value;  // written into the size field as plain integer text
};
const std::vector<SectionRow>& prestressedSections();  // List1
const std::vector<SectionRow>& hollowSections();       // List2
// The text a list click writes into the size field, or none for a row that does not exist.
std::optional<std::string> sectionValue(int list, int row);

// Every input field with its default, in window order: size, length, then the title block.
FieldSet pileDefaults();
inline const std::vector<std::string> kPileFields = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};

// Checks made at every change of a field: a message and the text written back. A
// size above 1000 or a length above 80 m is refused and set back.
Diagnostics checkPileField(std::string_view field, const FieldSet& fields);
Diagnostics checkSizeField(const std::string& text);    // Text1: at most 1000
Diagnostics checkLengthField(const std::string& text);  // Text2: at most 80 m

// The data-warning line under the results.
inline constexpr const char* kDataWarningLabel = "Label9";
// Calculate: reads the size and length fields and runs the calculation. The data-warning
// line is taken as it stands from the fields where they hold it (a window's, whose line
// a perimeter of exactly 7 m leaves as it was); without it the line starts quiet, as a
// fresh window's does.
PileOutcome runPile(const FieldSet& fields, int typeCode);
// The result labels as the window shows them after a calculation.
FieldSet pileLabels(const PileOutcome& outcome);
// Whether the sheet may certify the result, and the design is usable: the calculation
// ran through without a warning (no pile type, no length, an implausible load), the
// perimeter is one a real pile has, and the safe load is above zero.
bool pileUsable(const PileOutcome& outcome);

// The title block typed into Text3..Text7.
ProjectTitleBlock pileTitleBlock(const FieldSet& fields);

}  // namespace mx::pile
