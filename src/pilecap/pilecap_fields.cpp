#include "pilecap/pilecap_fields.h"

#include "pilecap/pilecap_form.h"

namespace mx::pilecap {

const FieldTable& pileCapFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            {"Text1", "load", "นน.ที่ลงบนฐานราก / กก. =", "kg", "80000"},
            {"Text3", "pile_load", "เสาเข็มรับ นน.ปลอดภัย ตัน / 1 ต้น =", "t", "36"},
            {"Text4", "pile_width", "ขนาดด้านแคบที่สุดของเสาเข็ม / ซม. =", "cm", "22"},
            {"Text2", "bar", "ขนาดเหล็กตะแกรง / มม. =", "mm", "25"},
            {"Text5", "fc_prime", "ค่าหน่วยแรงอัดประลัยของคอนกรีต fc' กก. / ตร.ซม. =", "ksc", "150"},
            {"Text6", "fc", "ค่าหน่วยแรงอัดของคอนกรีต fc กก. / ตร.ซม. =", "ksc", "65"},
            {"Text7", "fs", "ค่าหน่วยแรงดึงของเหล็ก fs กก. / ตร.ซม. =", "ksc", "1200"},
            {"Text14", "self_weight", "คิด % ของ ฐานราก =", "%", "17", "คิด % ของ ฐานราก"},
        },
        {"Text9", "Text10", "Text11", "Text12", "Text13"}, "ชื่อฐานราก");
    return table;
}

std::vector<Message> typePileCapField(FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, changeCheck);
}

}  // namespace mx::pilecap
