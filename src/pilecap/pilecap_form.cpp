#include "pilecap/pilecap_form.h"

#include <cmath>

#include <variant>

#include "common/limitrule.h"
#include "common/numtext.h"
#include "pilecap/pilecap_fields.h"

namespace mx::pilecap {

FieldSet pileCapDefaults() { return defaultsOf(pileCapFieldTable()); }

PileCapInput readPileCapInput(const FieldSet& fields) {
    PileCapInput in;
    in.P = fields.num("Text1");
    in.Ps = fields.num("Text3");
    in.q = fields.num("Text4");
    in.db = fields.num("Text2");
    in.fcPrime = fields.num("Text5");
    in.fc = fields.num("Text6");
    in.fs = fields.num("Text7");
    in.p = fields.num("Text14");
    return in;
}

namespace {
constexpr LimitRule kLimits[] = {
    {"Text1", Breach::Above, 1000000, "นน.ที่ลงฐานมากผิดปรกติ", "นน.ที่ลงบนฐานรากมากผิดปรกติ ? โปรดแก้ไข !!!", Icon::Critical,
     "1000000"},
    // Bars beyond 40 mm are not sold.
    {"Text2", Breach::Above, 40, "ขนาดเหล็กตะแกรงใหญ่ผิดปรกติ",
     "3.ขนาดเหล็กตะแกรงที่คุณกำหนดใหญ่เกินกว่ามาตรฐานที่มีในท้องตลาด ตกลงแก้ไข?", Icon::Exclamation, "25"},
    {"Text3", Breach::Above, 500, "เสาเข็มรับ นน. มากผิดปรกติ",
     "เสาเข็มที่คุณกำหนดรับนน.ได้มากผิดปรกติ?โปรดตรวจสอบและแก้ไข!!!", Icon::Critical, "36"},
    // A pile needs a size for the layout; a common small pile stands in until given.
    {"Text4", Breach::AtOrBelow, 0, "เตือนให้กำหนดความกว้างด้านแคบของเสาเข็ม",
     "คุณยังไม่ได้กำหนดขนาดความกว้างด้านแคบของเสาเข็มว่ากว้างกี่ ซม.?", Icon::Critical, "15",
     ResetOrder::BeforeMessage},
    fcPrimeRule("Text5"),
    fcRule("Text6"),
    fsRule("Text7"),
};
}  // namespace

Diagnostics changeCheck(std::string_view field, const FieldSet& fields) { return checkLimits(kLimits, field, fields); }

// ---- Result panel ---------------------------------------------------------------------

const std::array<ResultLabelDef, 19> kResultLabels{{
    {"Label10", "นน.ที่ลงบนฐานราก / กก. ="},
    {"Label11", "นน.ฐานราก / กก. ="},
    {"Label12", "รวม นน.ฐานราก + นน.บรรทุก / กก. ="},
    {"Label13", "เสาเช็มรับ นน. ปลอดภัยได้ต้นละ / ตัน ="},
    {"Label14", "ใช้เสาเข็มทั้งสิ้นรวม / ต้น ="},
    {"Label15", "แรงรับ นน. ที่เสาเข็มรับ กก. / ต้น ="},
    {"Label16", "ความกว้างฐานราก / ซม. ="},
    {"Label17", "ความยาวฐานราก / ซม. ="},
    {"Label18", "ความลึกฐานราก / ซม. ="},
    {"Label19", "ขนาดเสาตอม่อเล็กที่สุด / ซม. ="},
    {"Label20", "โมเมนต์ที่ขอบเสา / กก. - เมตร ="},
    {"Label21", "พท.หน้าตัดเหล็กเสริมทางยาว / ตร. ซม. ="},
    {"Label22", "จำนวนเส้น / เหล็กคิดจาก พท.หน้าตัด ="},
    {"Label23", "จำนวนเส้น / คิดจากหน่วยแรงยึดเกาะ ="},
    {"Label24", "ขนาดเหล็กตะแกรง / มม. ="},
    {"Label25", "จำนวนเส้น เหล็กตะแกรงทางยาว / เส้น ="},
    {"Label26", "จำนวนเส้น เหล็กตะแกรงทางสั้น / เส้น ="},
    {"Label27", ""},
    {"Label28", ""},
}};

std::string summaryText() {
    std::string text = "สรุปผลการคำนวณ";
    for (const ResultLabelDef& def : kResultLabels) {
        if (*def.line == '\0') continue;
        text += '\n';
        text += def.line;
    }
    return text;
}

FieldSet initialResultLabels() {
    FieldSet labels;
    for (const ResultLabelDef& def : kResultLabels) labels.set(def.label, "");
    labels.set("Label27", kPitchCaption);
    labels.set("Label28", kPitchCaption);
    labels.set(kVerdictLabel, kVerdictBeforeCalculation);
    return labels;
}

namespace {

// A mean pitch, worked in single precision, as the sheets write every value: to four
// decimals at most (132 / 7 cm reads 18.8571, not 18.85714).
std::string pitchText(float pitch) {
    const double v = singleValue(pitch);
    return numText(std::abs(v) < 1e11 ? std::nearbyint(v * 10000) / 10000 : v);
}

}  // namespace

FieldSet resultLabels(const PileCapResult& r) {
    const std::array<std::string, 19> texts{
        numText(r.P),  numText(r.Wf), numText(r.W),  numText(r.Ps), numText(r.np),
        numText(r.Pp), numText(r.Bw), numText(r.Lc), numText(r.t),  numText(r.a),
        numText(r.M),  numText(r.As), numText(r.na), numText(r.nb), numText(r.db),
        numText(r.N),  numText(r.Ns), pitchText(r.sL), pitchText(r.sS),
    };
    FieldSet labels;
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) labels.set(kResultLabels[i].label, texts[i]);
    return labels;
}

// ---- Buttons and pickers --------------------------------------------------------------

std::string pressGradeButton(FieldSet& fields, SteelGrade grade) {
    const FootingGrade& b = footingGrade(grade);
    fields.set("Text7", std::to_string(b.fs));
    return b.caption;
}

namespace {
const StandardPile kTimberPiles[] = {
    {"เสาเข็มไม้  3 นิ้ว x 3.00 เมตร", 0.33, 7.5},
    {"เสาเข็มไม้  4 นิ้ว x 4.00 เมตร", 0.59, 10},
    {"เสาเข็มไม้  5 นิ้ว x 5.00 เมตร", 0.93, 12.5},
    {"เสาเข็มไม้  6 นิ้ว x 6.00 เมตร", 0.89, 15},
};
const StandardPile kBoredPiles[] = {
    {"เสาเข็มเจาะ 0.20 ม. x 21.00 ม.", 22, 20},  {"เสาเข็มเจาะ 0.25 ม. x 21.00 ม.", 27, 25},
    {"เสาเข็มเจาะ 0.30 ม. x 21.00 ม.", 33, 30},  {"เสาเข็มเจาะ 0.35 ม. x 21.00 ม.", 38, 35},
    {"เสาเข็มเจาะ 0.40 ม. x 21.00 ม.", 43, 40},  {"เสาเข็มเจาะ 0.45 ม. x 21.00 ม.", 49, 45},
    {"เสาเข็มเจาะ 0.50 ม. x 21.00 ม.", 54, 50},  {"เสาเข็มเจาะ 0.60 ม. x 21.00 ม.", 65, 60},
    {"เสาเข็มเจาะ 0.70 ม. x 21.00 ม.", 77, 70},  {"เสาเข็มเจาะ 0.80 ม. x 21.00 ม.", 88, 80},
    {"เสาเข็มเจาะ 0.90 ม. x 21.00 ม.", 99, 90},  {"เสาเข็มเจาะ 1.00 ม. x 21.00 ม.", 110, 100},
    {"เสาเข็มเจาะ 1.10 ม. x 21.00 ม.", 120, 110}, {"เสาเข็มเจาะ 1.20 ม. x 21.00 ม.", 131, 120},
};
const StandardPile kHollowPiles[] = {
    {"เสาเข็มสี่เหลี่ยมกลวง 0.40 x 0.40 ม. x 21.00 ม.", 56, 40},
    {"เสาเข็มสี่เหลี่ยมกลวง 0.45 x 0.45 ม. x 21.00 ม.", 63, 45},
    {"เสาเข็มสี่เหลี่ยมกลวง 0.525 x 0.525 ม. x 21.00 ม.", 73, 52.5},
    {"เสาเข็มสี่เหลี่ยมกลวง 0.65 x 0.65 ม. x 21.00 ม.", 91, 65},
    {"เสาเข็มกลมกลวง 0.30 ม. x 21.00 ม.", 33, 30},
    {"เสาเข็มกลมกลวง 0.35 ม. x 21.00 ม.", 38, 35},
    {"เสาเข็มกลมกลวง 0.40 ม. x 21.00 ม.", 44, 40},
    {"เสาเข็มกลมกลวง 0.45 ม. x 21.00 ม.", 49, 45},
    {"เสาเข็มกลมกลวง 0.50 ม. x 21.00 ม.", 54, 50},
    {"เสาเข็มกลมกลวง 0.60 ม. x 21.00 ม.", 66, 60},
    {"เสาเข็มกลมกลวง 0.80 ม. x 21.00 ม.", 87, 80},
    {"เสาเข็มหกเหลี่ยมกลวง 6 นิ้ว x 6.00 ม.", 1.87, 15},
    {"เสาเข็มแปดเหลี่ยมกลวง 6 นิ้ว x 6.00 ม.", 1.8, 15},
};
const StandardPile kSectionPiles[] = {
    {"เสาเข็มตัวไอ 0.18 x 0.18 ม. x 21.00 ม.", 29, 18},
    {"เสาเข็มตัวไอ 0.22 x 0.22 ม. x 21.00 ม.", 36, 22},
    {"เสาเข็มตัวไอ 0.26 x 0.26 ม. x 21.00 ม.", 44, 26},
    {"เสาเข็มตัวไอ 0.30 x 0.30 ม. x 21.00 ม.", 53, 30},
    {"เสาเข็มตัวไอ 0.35 x 0.35 ม. x 21.00 ม.", 57, 35},
    {"เสาเข็มตัวไอ 0.40 x 0.40 ม. x 21.00 ม.", 63, 40},
    {"เสาเข็มสี่เหลี่ยมตัน 0.18 x 0.18 ม. x 21.00 ม.", 25, 18},
    {"เสาเข็มสี่เหลี่ยมตัน 0.22 x 0.22 ม. x 21.00 ม.", 30, 22},
    {"เสาเข็มสี่เหลี่ยมตัน 0.26 x 0.26 ม. x 21.00 ม.", 36, 26},
    {"เสาเข็มสี่เหลี่ยมตัน 0.30 x 0.30 ม. x 21.00 ม.", 42, 30},
    {"เสาเข็มสี่เหลี่ยมตัน 0.35 x 0.35 ม. x 21.00 ม.", 49, 35},
    {"เสาเข็มสี่เหลี่ยมตัน 0.40 x 0.40 ม. x 21.00 ม.", 56, 40},
};
}  // namespace

const std::array<PileList, 4> StandardPileTable{{
    {"List1", "Command17", "เสาเข็มไม้", kTimberPiles, std::size(kTimberPiles)},
    {"List2", "Command18", "เสาเข็มเจาะ", kBoredPiles, std::size(kBoredPiles)},
    {"List3", "Command19", "เสาเข็มคอนกรีตกลวง", kHollowPiles, std::size(kHollowPiles)},
    {"List4", "Command20", "เสาเข็มคอนกรีตตัวไอ+สี่เหลี่ยม", kSectionPiles, std::size(kSectionPiles)},
}};

void pickStandardPile(FieldSet& fields, const StandardPile& pile) {
    fields.set("Text3", numText(pile.Ps));
    fields.set("Text4", numText(pile.q));
}

}  // namespace mx::pilecap
