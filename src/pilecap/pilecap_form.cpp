#include "pilecap/pilecap_form.h"

#include <cmath>

#include <variant>
#include <vector>

#include "common/limitrule.h"
#include "common/numtext.h"
#include "pilecap/pilecap_fields_tsv.h"
#include "pilecap/pilecap_piles_tsv.h"
#include "common/recordrows.h"

namespace mx::pilecap {

const FieldTable& pileCapFieldTable() {
    static const FieldTable table = loadFieldTable("pilecap/pilecap_fields.tsv", embedded::pilecap_fields_tsv());
    return table;
}

FieldSet pileCapDefaults() { return defaultsOf(pileCapFieldTable()); }

PileCapInput readPileCapInput(const FieldSet& fields) {
    PileCapInput in;
#include "pilecap/pilecap_inputs.def"
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
// The rows of one list of the standard piles' data file.
const std::vector<StandardPile>& standardPiles(int list) {
    static const std::vector<std::vector<StandardPile>> lists = [] {
        constexpr const char* kSource = "pilecap/pilecap_piles.tsv";
        std::vector<std::vector<StandardPile>> l(std::tuple_size_v<decltype(StandardPileTable)>);
        for (const auto& row : loadRows(kSource, embedded::pilecap_piles_tsv(), 4)) {
            const double n = cellNumber(kSource, row[0]);
            if (n >= 1 && n <= static_cast<double>(l.size()))
                l[static_cast<std::size_t>(n) - 1].push_back({row[1], cellNumber(kSource, row[2]), cellNumber(kSource, row[3])});
        }
        return l;
    }();
    return lists[static_cast<std::size_t>(list) - 1];
}
}  // namespace

const std::array<PileList, 4> StandardPileTable{{
    {"List1", "Command17", "เสาเข็มไม้", standardPiles(1).data(), standardPiles(1).size()},
    {"List2", "Command18", "เสาเข็มเจาะ", standardPiles(2).data(), standardPiles(2).size()},
    {"List3", "Command19", "เสาเข็มคอนกรีตกลวง", standardPiles(3).data(), standardPiles(3).size()},
    {"List4", "Command20", "เสาเข็มคอนกรีตตัวไอ+สี่เหลี่ยม", standardPiles(4).data(), standardPiles(4).size()},
}};

void pickStandardPile(FieldSet& fields, const StandardPile& pile) {
    fields.set("Text3", numText(pile.Ps));
    fields.set("Text4", numText(pile.q));
}

}  // namespace mx::pilecap
