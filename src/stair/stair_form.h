#pragma once
// The stair window's data without the window: its input fields and their default
// texts, the type and steel-grade buttons, how Calculate reads the fields, how the
// calculation's corrections land in them, each field's change rule, and the texts of
// the result panel. The window and the command-line tool share all of it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"
#include "stair/stair_design.h"

namespace mx::stair {

inline constexpr const char* kWindowCaption = "ออกแบบบันได คสล. ST-01 MX.7100";

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& stairFieldTable();
// The input fields with their defaults, then the empty title-block fields, as the
// field table gives them.
FieldSet stairDefaultFields();

// The type buttons: the button, its tooltip, the caption of the type label Label1 and
// the caption of the span field's label.
struct StairTypeInfo {
    std::int16_t code;
    const char* button;
    const char* tooltip;
    const char* typeCaption;
    const char* spanCaption;
    bool showsTempBar;  // the folded plate hides the temperature-bar field
};
inline constexpr std::array<StairTypeInfo, 3> kStairTypes{{
    {1, "Command18", "บันไดท้องเรียบมีคานรับ2ข้าง", "บันไดท้องเรียบช่วงกว้างมีคานรับบันได 2 ข้าง",
     "L ความกว้างของบันได / ม. =", true},
    {2, "Command19", "บันไดท้องเรียบมีคานรับหัวท้าย-ชานพัก", "บันไดท้องเรียบมีคานรับระดับต่ำและระดับสูง",
     "L ช่วงห่างระหว่างคานรับบันได / เมตร =", true},
    {3, "Command20", "บันไดพับผ้ามีคานรับหัวท้าย-ชานพัก", "บันไดพับผ้ามีคานรับระดับต่ำและระดับสูง",
     "L ช่วงห่างระหว่างคานรับบันได / เมตร =", false},
}};
inline constexpr const char* kNoTypeCaption = "บันไดที่คุณเลือกแบบ ?";

// nullptr for a code that is not a stair type.
const StairTypeInfo* stairTypeInfo(int code);

// The steel-grade buttons Command3 to Command6: fs written into Text11 and the
// caption of Label22.
struct StairGradeInfo {
    const char* button;
    const char* fs;
    const char* caption;
};
inline constexpr std::array<StairGradeInfo, 4> kStairGrades{{
    {"Command3", "1200", "เหล็กที่ใช้เป็นเหล็กเส้นกลม SR.24"},
    {"Command4", "1500", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.30"},
    {"Command5", "1600", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.35"},
    {"Command6", "1700", "เหล็กที่ใช้เป็นเหล็กข้ออ้อย SD.40"},
}};
const StairGradeInfo& stairGrade(SteelGrade g);
// Presses a grade button: writes its fs into Text11.
void pressStairGrade(FieldSet& fields, SteelGrade g);

// Calculate reads each field's leading number; the stair type comes from the buttons.
StairDesignInput readStairInput(const FieldSet& fields, std::int16_t stairType);

// A field's change rule: run on every change of the field text, also the program's
// own. When the number breaks the field's plausibility limit, the message to show and
// the text written back (none for a note that keeps the value).
struct FieldRuleHit {
    Message message;
    std::optional<std::string> reset;
};
std::optional<FieldRuleHit> stairFieldRule(std::string_view field, std::string_view text);

// The working value a field's change rule stores: lengths to four decimals, the live
// load, thickness, bar sizes and fs as 16-bit whole numbers, materials and factors as
// typed. A number the field's kind cannot hold (a bar size of 40000) gives nothing
// and raises nothing: the rule keeps no value of its own, and Calculate's own reading
// of the field then ends the design through its failure path.
std::optional<double> stairFieldValue(std::string_view field, std::string_view text);

// A field's change check, for the window and the tool alike: the rule's message, then
// the text it writes back (whose own rule runs when it is written).
Diagnostics checkStairField(std::string_view field, const FieldSet& fields);

// The result panel as the window shows it (label name -> text), without the verdict.
FieldSet stairResultLabels(const StairDesignResult& r);

// The fixed caption that stands to the left of each result label, as the result panel
// shows it. Spacings are worked and shown in metres (0.1429), so their captions say
// metres; loads per area are kg/m2.
struct ResultCaption {
    const char* label;
    const char* caption;
};
inline constexpr std::array<ResultCaption, 26> kStairResultCaptions{{
    {"Label11", "นน.ขั้นบันได กก. / ตร.ม.="},
    {"Label12", "นน.พื้นบันได/ขั้นบันได กก. / ตร.ม.="},
    {"Label13", "รวม นน.บันได กก. / ตร.ม.="},
    // The factor as entered (Label64, Label65) stands in the gap of its row's caption.
    {"Label14", "คิด                   เท่า รวม นน. ="},
    {"Label15", "นน. จร กก. / ตร.ม.="},
    {"Label16", "คิด                   เท่า รวม นน. ="},
    {"Label18", "รวม นน.ทางราบทั้งสิ้น ="},
    {"Label17", "โมเมนต์ กก.-เมตร ="},
    {"Label23", "ค่า n ="},
    {"Label24", "ค่า k ="},
    {"Label25", "ค่า j ="},
    {"Label26", "ค่า R ="},
    {"Label27", "พท.หน้าตัดเหล็ก / ตร.ซม.="},
    {"Label28", "พท.หน้าตัดเหล็กต่อเส้น / ตร.ซม. ="},
    {"Label30", "จำนวนเส้น  / เส้น ="},
    {"Label31", "ระยะห่าง @ / ม. ="},
    {"Label33", "พท.หน้าตัดเหล็กเสริมกันร้าว / ตร.ซม.="},
    // The recommended thickness, worked from the required depth plus the cover.
    {"Label32", "ความหนาพื้นบันไดที่แนะนำ / ซม. ="},
    {"Label34", "ระยะห่าง @ / ม. ="},
    {"Label36", "แรงเฉือน v / กก. ="},
    {"Label37", "vd / กก. ="},
    {"Label38", "V กก. / ตร.ซม. ="},
    {"Label39", "หน่วยแรงเฉือนที่ยอมให้ Vc กก. / ตร.ซม. ="},
    {"Label40", "เส้นรอบวงเหล็กเสริมหลักต่อเส้น / ซม. ="},
    {"Label41", "รวมเส้นรอบวงเหล็กเสริมหลัก / ซม. ="},
    {"Label42", "แรงยึดเกาะ u กก. / ตร.ซม. ="},
}};
// The recommended thickness Label32 carries this tooltip beside its caption.
inline constexpr const char* kRecommendedThicknessTip = "ความหนาพื้นบันไดที่แนะนำ";
inline constexpr const char* kVerdictCaption = "บันไดที่คุณออกแบบใช้ได้หรือไม่?";
inline constexpr const char* kVerdictLabel = "Label29";

}  // namespace mx::stair
