#include "spreadfooting/spreadfooting_fields.h"

#include "spreadfooting/spreadfooting_form.h"

namespace mx::spreadfooting {

const FieldTable& spreadFootingFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            {"Text1", "load", "นน.ทั้งหมดที่ลงบนฐานราก / กก. =", "kg", "20000"},
            {"Text3", "soil_pressure", "หน่วยแรงดันต้านทานของดิน ตัน / ตร.ม. =", "t/m2", ""},
            {"Text2", "bar", "ขนาดของเหล็กตะแกรงฐานราก / มม. =", "mm", "12"},
            {"Text4", "fc_prime", "หน่วยแรงอัดประลัยของคอนกรีต fc' กก. / ตร.ซม. =", "ksc", "150"},
            {"Text5", "fc", "หน่วยแรงอัดของคอนกรีต fc กก. / ตร.ซม. =", "ksc", "65"},
            {"Text6", "fs", "หน่วยแรงดึงของเหล็ก fs กก. / ตร.ซม. =", "ksc", "1200"},
            {"Text13", "self_weight", "คิด % ของ ฐานราก =", "%", "17", "คิด % ของ ฐานราก"},
        },
        {"Text8", "Text9", "Text10", "Text11", "Text12"}, "ชื่อฐานรากแผ่");
    return table;
}

std::vector<Message> typeSpreadFootingField(FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, changeCheck);
}

}  // namespace mx::spreadfooting
