#include "stair/stair_form.h"

#include <cmath>

#include "common/checked.h"
#include "common/limitrule.h"
#include "common/numtext.h"
#include "stair/stair_fields_tsv.h"
#include "common/recordrows.h"

namespace mx::stair {

const FieldTable& stairFieldTable() {
    static const FieldTable table = loadFieldTable("stair/stair_fields.tsv", embedded::stair_fields_tsv());
    return table;
}

FieldSet stairDefaultFields() { return defaultsOf(stairFieldTable()); }

const StairTypeInfo* stairTypeInfo(int code) {
    for (const auto& t : kStairTypes)
        if (t.code == code) return &t;
    return nullptr;
}

const StairGradeInfo& stairGrade(SteelGrade g) { return kStairGrades[static_cast<std::size_t>(g)]; }

void pressStairGrade(FieldSet& fields, SteelGrade g) { fields.set("Text11", stairGrade(g).fs); }

StairDesignInput readStairInput(const FieldSet& fields, std::int16_t stairType) {
    StairDesignInput in;
    in.stairType = stairType;
#include "stair/stair_inputs.def"
    return in;
}

namespace {

// How a field holds its number: lengths to four decimals, the live load and the
// thickness as whole numbers, the materials and factors as typed. The limit rows read
// the number the same way; a number too large for the held kind is simply over them.
enum class Held { FourDecimals, Whole, AsTyped };

constexpr LimitRule kFieldRules[] = {
    {"Text1", Breach::Above, 8, "ระยะห่างคานบันไดมากผิดปรกติ", "บันไดกว้างผิดปรกติ โปรดตรวจสอบใหม่ !?!", Icon::Critical,
     "3", ResetOrder::AfterMessage, Reading::FourDecimals},
    {"Text2", Breach::Above, 800, "นน.จรมากผิดปรกติ", "นน.จรที่คุณกำหนดมากผิดปรกติ โปรดแก้ไข !?!", Icon::Critical, "400",
     ResetOrder::AfterMessage, Reading::Whole},
    {"Text3", Breach::Above, 50, "ลูกนอนบันไดกว้างผิดปรกติ", "ลูกนอนบันไดกว้างผิดปรกติ โปรดแก้ไขใหม่ !?!", Icon::Critical,
     "25", ResetOrder::AfterMessage, Reading::FourDecimals},
    {"Text4", Breach::Above, 20, "ลูกตั้งขั้นบันไดสูงเกินมาตรฐาน", "ความสูงของลูกตั้งของบันไดแต่ละขั้นต้องไม่เกิน 20 ซม.!?!",
     Icon::Critical, "18", ResetOrder::AfterMessage, Reading::FourDecimals},
    {"Text7", Breach::Above, 50, "พื้นบันไดหนาผิดปรกติ", "คุณกำหนดความหนาพื้นบันไดมากผิดปรกติ โปรดแก้ไข !?!",
     Icon::Critical, "10", ResetOrder::AfterMessage, Reading::Whole},
    fcPrimeRule("Text9"),
    {"Text10", Breach::Above, 65, "ค่า fc สูงกว่ามาตรฐาน",
     "คุณกำหนดค่าหน่วยแรงอัดของคอนกรีต fc สูงกว่าที่ พรบ.ควบคุมอาคาร !?! ห้ามใช้เกิน 65 กก. / ตร.ซม.", Icon::Critical,
     "65"},
    {"Text18", Breach::Below, 1, "นน.บันไดน้อยเกินไป", "คุณกำหนดนน.บันได DEAD LOAD น้อยกว่า 1 เท่าไม่ได้!?!",
     Icon::Critical, "1"},
    {"Text19", Breach::Below, 1, "นน.จรบนบันไดน้อยเกินไป", "คุณกำหนดนน.จรบนบันไดน้อยกว่า 1 เท่าไม่ได้!?!", Icon::Critical,
     "1"},
};

// How each field holds the number its rule stores; a field not listed is free text.
struct HeldField {
    const char* field;
    Held held;
};
constexpr std::array<HeldField, 12> kHeldFields{{
    {"Text1", Held::FourDecimals}, {"Text2", Held::Whole},    {"Text3", Held::FourDecimals},
    {"Text4", Held::FourDecimals}, {"Text5", Held::Whole},    {"Text6", Held::Whole},
    {"Text7", Held::Whole},        {"Text9", Held::AsTyped},  {"Text10", Held::AsTyped},
    {"Text11", Held::Whole},       {"Text18", Held::AsTyped}, {"Text19", Held::AsTyped},
}};

}  // namespace

std::optional<double> stairFieldValue(std::string_view field, std::string_view text) {
    for (const auto& h : kHeldFields) {
        if (field != h.field) continue;
        const double x = num(text);
        switch (h.held) {
        case Held::FourDecimals: {
            const double scaled = x * static_cast<double>(Fixed::kScale);
            if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18) return std::nullopt;
            return std::nearbyint(scaled) / static_cast<double>(Fixed::kScale);
        }
        case Held::Whole: {
            const double whole = std::nearbyint(x);
            if (!(whole >= INT16_MIN && whole <= INT16_MAX)) return std::nullopt;
            return whole;
        }
        case Held::AsTyped: return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<FieldRuleHit> stairFieldRule(std::string_view field, std::string_view text) {
    const LimitRule* rule = brokenLimit(kFieldRules, field, num(text));
    if (!rule) return std::nullopt;
    FieldRuleHit hit{limitMessage(*rule), std::nullopt};
    if (rule->reset) hit.reset = rule->reset;
    return hit;
}

Diagnostics checkStairField(std::string_view field, const FieldSet& fields) {
    return checkLimits(kFieldRules, field, fields);
}

FieldSet stairResultLabels(const StairDesignResult& r) {
    FieldSet l;
    l.set("Label11", numText(r.Wstep));
    l.set("Label12", numText(r.Wslab));
    l.set("Label13", numText(r.D));
    l.set("Label64", numText(r.fD));
    l.set("Label14", numText(r.fDxD));
    l.set("Label15", numText(r.LL));
    l.set("Label65", numText(r.fL));
    l.set("Label16", numText(r.fLxLL));
    l.set("Label18", numText(r.w));
    l.set("Label17", numText(r.M));
    l.set("Label23", numText(r.n));
    l.set("Label24", numText(r.k));
    l.set("Label25", numText(r.j));
    l.set("Label26", numText(r.R));
    l.set("Label27", numText(r.As));
    l.set("Label28", numText(r.aMain));
    l.set("Label30", numText(r.countMain));
    l.set("Label31", numText(r.sMain));
    // The recommended waist thickness: the required depth plus cover and half a bar.
    l.set("Label32", numText(r.dReq + Fixed::fromRaw(25000)));
    l.set("Label33", numText(r.AsT));
    l.set("Label34", numText(r.sTemp));
    l.set("Label36", numText(r.V));
    l.set("Label37", numText(r.Vd));
    l.set("Label38", numText(r.v));
    l.set("Label39", numText(r.vc));
    l.set("Label40", numText(r.perimeter));
    l.set("Label41", numText(r.sumPerimeter));
    l.set("Label42", numText(r.u));
    return l;
}

}  // namespace mx::stair
