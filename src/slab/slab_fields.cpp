#include "slab/slab_fields.h"

#include "slab/slab_form.h"

namespace mx::slab {

const FieldTable& slabFieldTable() {
    static const FieldTable table = withTitleBlock(
        {
            {"Text1", "live_load", "นน.จรเฉลี่ยที่พื้นรับ นน. กก. / ตร.เมตร =", "kg/m2", "300"},
            {"Text2", "short_side", "พื้นด้านสั้นกว้าง / เมตร =", "m", "2"},
            {"Text3", "long_side", "พื้นด้านยาว ยาว / เมตร =", "m", "4.5"},
            {"Text4", "thickness", "พื้นหนา / ซม. =", "cm", "11"},
            {"Text5", "mesh_bar", "ขนาดเหล็กตะแกรง / มม. =", "mm", "6"},
            {"Text6", "continuity", "กรณีความต่อเนื่องของพื้น ( 1 - 3 ) =", "", "3"},
            {"Text7", "fc_prime", "หน่วยแรงอัดประลัยของคอนกรีต กก. / ตร. ซม. fc' =", "ksc", "150"},
            {"Text8", "fc", "หน่วยแรงอัดของคอนกรีต กก. / ตร.ซม. fc =", "ksc", "65"},
            {"Text9", "fs", "หน่วยแรงดึงของเหล็ก กก. / ตร.ซม. fs =", "ksc", "1200"},
            {"Text23", "dead_factor", "คิด นน.พื้น ( DEAD LOAD ) กี่เท่า =", "", "1.7", "คิดกี่เท่าของ DEAD LOAD"},
            {"Text24", "live_factor", "คิด นน.จร ( LIVE LOAD ) กี่เท่า =", "", "2", "คิดกี่เท่าของ LIVE LOAD"},
            {"Text10", "short_bottom_bar", "เหล็กตะแกรงล่างทางสั้น / มม. =", "mm", "6"},
            {"Text11", "long_bottom_bar", "เหล็กตะแกรงล่างทางยาว / มม. =", "mm", "6"},
            {"Text12", "short_top_bar", "เหล็กเสริมบนทางสั้น(คอม้า) / มม. =", "mm", "6"},
            {"Text13", "long_top_bar", "เหล็กเสริมบนทางยาว(คอม้า) / มม. =", "mm", "6"},
        },
        {"Text18", "Text19", "Text20", "Text21", "Text22"}, "ชื่อพื้น");
    return table;
}

std::vector<TypeInfo> slabTypes() { return {{kCantilever, slabKindCaption(kCantilever)}, {kTwoWay, slabKindCaption(kTwoWay)}}; }

std::vector<Message> typeSlabField(FormState& state, std::string_view field, const std::string& text) {
    return setSlabField(state.fields, field, text);
}

}  // namespace mx::slab
