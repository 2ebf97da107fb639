#include "spreadfooting/spreadfooting_form.h"

#include <algorithm>
#include <variant>

#include "common/figure.h"
#include "common/limitrule.h"
#include "common/numtext.h"
#include "spreadfooting/spreadfooting_fields_tsv.h"
#include "common/recordrows.h"

namespace mx::spreadfooting {

namespace {

const std::array<SummaryLine, 17> kSummary{{
    {"Label9", "นน. ที่ลงบนเสาตอม่อ / กก. ="},
    {"Label10", "นน.ของฐานราก / กก. ="},
    {"Label11", "รวม นน. ทั้งสิ้น / กก. ="},
    {"Label12", "หน่วยแรงดันของดิน ตัน / ตร.ม. ="},
    {"Label13", "พื้นที่ของฐานราก / ตร. ม. ="},
    {"Label14", "หน่วยแรงดันของดิน / กก. ="},
    {"Label15", "ความกว้างของฐานราก / ซม. ="},
    {"Label16", "ความยาวของฐานราก / ซม. ="},
    {"Label17", "ความลึกของฐานราก / ซม. ="},
    {"Label18", "ขนาดของเสาตอม่อน้อยที่สุด / ซม. ="},
    {"Label19", "โมเมนต์ที่ขอบเสา / กก.-เมตร ="},
    {"Label20", "พท.หน้าตัดเหล็กเสริมทางยาว As / ตร.ซม. ="},
    {"Label21", "จำนวนเส้นคิดจากพท.หน้าตัด / เส้น ="},
    {"Label22", "จำนวนเส้นคิดจากหน่วยแรงยึดเกาะ / เส้น ="},
    {"Label23", "ขนาดเหล็กตะแกรง / มม. ="},
    {"Label24", "จำนวนเส้นเหล็กตะแกรงทางยาว / เส้น ="},
    {"Label25", "จำนวนเส้นเหล็กตะแกรงทางสั้น / เส้น ="},
}};

}  // namespace

const FieldTable& spreadFootingFieldTable() {
    static const FieldTable table = loadFieldTable("spreadfooting/spreadfooting_fields.tsv", embedded::spreadfooting_fields_tsv());
    return table;
}

FieldSet defaultFields() { return defaultsOf(spreadFootingFieldTable()); }

SpreadFootingInput readInput(const FieldSet& fields) {
    SpreadFootingInput in;
#include "spreadfooting/spreadfooting_inputs.def"
    return in;
}

namespace {
constexpr LimitRule kLimits[] = {
    // A load this large is beyond any pad this design covers.
    {"Text1", Breach::Above, 1000000, "นน.ที่ลงฐานมากผิดปรกติ", "1.ค่านน.ที่ลงฐานรากมากผิดปรกติไม่สามารถคำนวณได้โปรดแก้ไข",
     Icon::Critical, "1000000"},
    // Heavy loads need a heavy mesh.
    {"Text1", Breach::Above, 100000, nullptr, nullptr, Icon::None, "25", ResetOrder::AfterMessage, Reading::AsTyped,
     "Text2"},
    {"Text2", Breach::Above, 40, "ขนาดเหล็กตะแกรงใหญ่ผิดปรกติ",
     "3.ขนาดเหล็กตะแกรงที่คุณกำหนดใหญ่เกินกว่ามาตรฐานที่มีในท้องตลาด ตกลงแก้ไข?", Icon::Exclamation, "25"},
    {"Text3", Breach::Above, 100, "นน.บรรทุกบนดินของฐานรากมากเกินไป",
     "คุณกำหนด นน.บรรทุกของดินมากเกินไป!?! โปรดตรวจดูให้ถูกต้อง", Icon::Critical, "8"},
    fcPrimeRule("Text4"),
    fcRule("Text5"),
    fsRule("Text6"),
};
}  // namespace

Diagnostics changeCheck(std::string_view field, const FieldSet& fields) { return checkLimits(kLimits, field, fields); }

// Bangkok's soft clay and the usual upcountry soil are listed beside the soil kinds,
// since most engineers pick by place.
const std::array<PickRow, 9> kSoilList{{
    {"ดินอ่อนหรือดินถมไว้แน่น  2 ตัน / ตร.ม.", "2"},
    {"ดินปานกลางหรือทรายร่วน 5 ตัน / ตร.ม.", "5"},
    {"ดินแน่นหรือทรายแน่น 10 ตัน / ตร.ม.", "10"},
    {"กรวดหรือดินดาน 20 ตัน / ตร.ม.", "20"},
    {"หินดินดาน 25 ตัน / ตร.ม.", "25"},
    {"หินปูนหรือหินทราย 30 ตัน / ตร.ม.", "30"},
    {"หินอัคนีที่ยังไม่แปรสภาพ 100 ตัน / ตร.ม.", "100"},
    {"พื้นที่ในกรุงเทพ 2 ตัน / ตร.ม.", "2"},
    {"ต่างจังหวัด 8 ตัน / ตร.ม.", "8"},
}};

const GradeButton& gradeButton(SteelGrade grade) { return footingGrade(grade); }

void pressGrade(FieldSet& fields, SteelGrade grade) { fields.set("Text6", std::to_string(gradeButton(grade).fs)); }

FieldSet resultLabels(const SpreadFootingResult& r) {
    FieldSet l;
    l.set("Label9", numText(r.P));
    l.set("Label10", numText(r.Wf));
    l.set("Label11", numText(r.W));
    l.set("Label12", numText(r.q));
    l.set("Label13", numText(r.Aact.toDouble() / 10000));  // m2
    l.set("Label14", numText(r.w));
    l.set("Label15", numText(r.L));
    l.set("Label16", numText(r.B));
    l.set("Label17", numText(r.t));
    l.set("Label18", numText(r.a));
    l.set("Label19", numText(r.M));
    l.set("Label20", numText(r.As));
    l.set("Label21", numText(r.na));
    l.set("Label22", numText(r.nb));
    l.set("Label23", numText(r.db));
    l.set("Label24", numText(r.N));
    l.set("Label25", numText(r.Ns));
    return l;
}

const std::array<SummaryLine, 17>& summaryLines() { return kSummary; }

std::string summaryText() {
    std::size_t width = 0;
    for (const auto& line : kSummary) width = std::max(width, penAdvances(line.text));
    std::string out = kSummaryHeading;
    for (const auto& line : kSummary) {
        out += '\n';
        out.append(width - penAdvances(line.text), ' ');
        out += line.text;
    }
    return out;
}

}  // namespace mx::spreadfooting
