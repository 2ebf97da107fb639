#include "column/column_fields.h"

#include "column/column_form.h"

namespace mx::column {

const FieldTable& columnFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            {"Text1", "load", "นน.ทั้งหมดที่กระทำลงบนเสา / กก. =", "kg", "8000"},
            {"Text2", "width", "ความกว้างของเสา / ซม. =", "cm", "15"},
            {"Text3", "depth", "ความลึกของเสา / ซม. =", "cm", "15"},
            {"Text5", "height", "ความสูงของเสา /  เมตร  =", "m", "3"},
            {"Text6", "main_bar", "ขนาดเหล็กยืนในเสา / มม. =", "mm", "12"},
            {"Text7", "tie", "ขนาดเหล็กปลอก / มม. =", "mm", "6"},
            {"Text9", "fc_prime", "หน่วยแรงอัดประลัยของคอนกรีต fc' / กก./ตร.ซม. =", "ksc", "150"},
            {"Text10", "fs", "หน่วยแรงอัดของเหล็กเสริม fs / กก./ตร.ซม. =", "ksc", "1200"},
            {"Text23", "dead_factor", "คิด นน.เสา ( DEAD LOAD ) กี่เท่า =", "", "1.7", "คิดกี่เท่าของ DEAD LOAD"},
            {"Text11", "diameter", "ขนาดเส้นผ่าศูนย์กลางเสากลม/ ซม. =", "cm", "?"},
            // Load estimator.
            {"Text13", "area_width", "พื้นที่รับ นน. กว้าง / เมตร =", "m", "4"},
            {"Text14", "area_length", "พื้นที่รับ นน.  ยาว / เมตร =", "m", "4"},
            {"Text15", "floor_load", "นน.จรเฉลี่ยตาม พรบ. กก. / ตร.ม. =", "kg/m2", "300"},
            {"Text16", "floors", "จำนวนพื้น / ชั้น =", "", "1"},
            {"Text17", "point_load", "นน. POINT LOAD เพิ่ม(ถ้ามี) =", "kg", "?"},
        },
        {"Text18", "Text19", "Text20", "Text21", "Text22"}, "ชื่อเสา");
    return table;
}

std::vector<TypeInfo> columnTypes() {
    std::vector<TypeInfo> types;
    for (const ColumnShapeButton& s : kColumnShapes) types.push_back({s.code, s.label1});
    return types;
}

std::vector<Message> typeColumnField(FormState& state, std::string_view field, const std::string& text) {
    std::vector<Message> shown;
    setColumnField(state.fields, state.typeCode, field, text, shown);
    return shown;
}

}  // namespace mx::column
