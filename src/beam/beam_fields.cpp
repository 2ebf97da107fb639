#include "beam/beam_fields.h"

#include "beam/beam_form.h"

namespace mx::beam {

const FieldTable& beamFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            {"Text1", "span", "คานยาว / เมตร =", "m", "?"},
            {"Text5", "overhang", "มีคานยื่นที่ปลายยาว /เมตร =", "m", "?"},
            {"Text2", "load", "นน.ที่ลงบนคาน กก./ เมตร =", "kg/m", "150"},
            {"Text3", "width", "ความกว้างของคาน / ซ.ม.=", "cm", "20"},
            {"Text4", "depth", "ความลึกของคาน / ซ.ม. =", "cm", "40"},
            {"Text6", "top_bar", "ขนาดเหล็กบน(รับแรงอัด)/ มม. =", "mm", "12"},
            {"Text7", "bottom_bar", "ขนาดเหล็กล่าง(รับแรงดึง)/ มม. =", "mm", "12"},
            {"Text8", "stirrup", "ป. ขนาดเหล็กปลอก / มม. =", "mm", "6"},
            {"Text10", "stirrup_sets", "1 ปลอกเดี่ยว, 2 ปลอกคู่, 3 ปลอกซ้อน 3", "", "1"},
            {"Text12", "fc_prime", "fc' แรงอัดประลัยของคอนกรีต กก./ตร.ซม.=", "ksc", "150"},
            {"Text13", "fc", "fc หน่วยแรงอัดคอนกรีต กก./ตร.ซม.=", "ksc", "65"},
            {"Text14", "fs", "fs หน่วยแรงดึงของเหล็กเส้น กก./ตร.ซม.=", "ksc", "1200",
             "เปลี่ยนค่าโดยเลือกเหล็กเส้นกลมหรือเหล็กข้ออ้อย"},
            {"Text32", "dead_factor", "คิดกี่เท่าของ DEAD LOAD", "", "1.7"},
            {"Text31", "live_factor", "คิดกี่เท่าของ LIVE LOAD", "", "2"},
            // Live-load calculator.
            {"Text17", "floor_width", "พื้นกว้าง / เมตร =", "m", "4"},
            {"Text18", "floor_length", "พื้นยาว  /  เมตร =", "m", "0"},
            {"Text19", "floor_load", "นน.จรเฉลี่ย / ตร.เมตร =", "kg/m2", "300"},
            {"Text21", "wall_width", "ผนังกว้าง / เมตร =", "m", "?"},
            {"Text22", "wall_height", "ผนังสูง / เมตร =", "m", "3"},
            {"Text23", "wall_weight", "นน.ผนัง กก. / ตร.ม. =", "kg/m2", "180"},
            {"Text25", "p1", "แรง P1 ( กก.) =", "kg", "?"},
            {"Text26", "p2", "แรง P2 ( กก.) =", "kg", "?"},
            {"Text27", "p3", "แรง P3 ( กก.) =", "kg", "?"},
        },
        {"Text20", "Text30", "Text24", "Text28", "Text29"}, "ชื่อคาน", "หน้า  / แผ่นที่");
    return table;
}

std::vector<TypeInfo> beamTypes() {
    std::vector<TypeInfo> types;
    for (int code = 1; beamTypeButton(code); ++code) types.push_back({code, beamTypeButton(code)->tooltip});
    return types;
}

Diagnostics beamFieldRule(std::string_view field, const FieldSet& fields, int beamType) {
    Diagnostics d;
    if (field == "Text1") {
        // A span over the limit is written back as 1 m first; then its message, then
        // the sizes the span suggests, each an edit of its own field.
        const SpanCheck c = checkSpan(fields.get("Text1"));
        if (c.resetToOne) d.correct("Text1", "1");
        if (c.message) d.say(*c.message);
        for (auto& [name, text] : spanSuggestions(c.span, beamType)) d.correct(name, text);
        return d;
    }
    const auto check = checkBeamField(field, fields.get(field));
    if (!check) return d;
    if (check->correction && !check->correctionAfterMessage) d.correct(std::string(field), *check->correction);
    d.say(check->message);
    if (check->correction && check->correctionAfterMessage) d.correct(std::string(field), *check->correction);
    return d;
}

std::vector<Message> typeBeamField(FormState& state, std::string_view field, const std::string& text) {
    const int type = state.typeCode;
    return typeField(state.fields, field, text, [type](std::string_view f, const FieldSet& fields) {
        return beamFieldRule(f, fields, type);
    });
}

}  // namespace mx::beam
