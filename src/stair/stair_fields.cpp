#include "stair/stair_fields.h"

#include "stair/stair_form.h"

namespace mx::stair {

const FieldTable& stairFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            // The span's caption until a type button names the span it means.
            {"Text1", "span", kDefaultSpanCaption, "m", "1.20"},
            {"Text2", "live_load", "นน.จรที่บันไดรับ กก./ ตร.ม. =", "kg/m2", "300"},
            {"Text3", "tread", "ลูกนอนบันไดกว้าง / ซม. =", "cm", "25"},
            {"Text4", "riser", "ลูกตั้งบันไดสูง / ซม. =", "cm", "18"},
            {"Text5", "main_bar", "ขนาดเหล็กเสริมหลัก / มม. =", "mm", "9"},
            {"Text6", "temperature_bar", "ขนาดเหล็กเสริมกันร้าว / มม. =", "mm", "6"},
            {"Text7", "thickness", "ความหนาของพื้นบันได / ซม. =", "cm", "8"},
            {"Text9", "fc_prime", "fc' หน่วยแรงอัดประลัยของคอนกรีต กก. / ตร.ซม. =", "ksc", "150"},
            {"Text10", "fc", "fc ค่าหน่วยแรงอัดของคอนกรีต กก. / ตร.ซม. =", "ksc", "65"},
            {"Text11", "fs", "fs ค่าหน่วยแรงดึงของเหล็ก กก. / ตร.ซม. =", "ksc", "1200"},
            {"Text18", "dead_factor", "คิด นน.บันได ( DEAD LOAD ) กี่เท่า =", "", "1.7", "คิดกี่เท่าของ DEAD LOAD"},
            {"Text19", "live_factor", "คิด นน.จร ( LIVE LOAD ) กี่เท่า =", "", "2", "คิดกี่เท่าของ LIVE LOAD"},
        },
        {"Text12", "Text13", "Text14", "Text15", "Text16"}, "ชื่อบันได");
    return table;
}

std::vector<TypeInfo> stairTypes() {
    std::vector<TypeInfo> types;
    for (const StairTypeInfo& s : kStairTypes) types.push_back({s.code, s.typeCaption});
    return types;
}

std::vector<Message> typeStairField(FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, checkStairField);
}

}  // namespace mx::stair
