#include "beam/beam_form.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "beam/beam_fields_tsv.h"
#include "beam/beam_floor_loads_tsv.h"
#include "beam/beam_wall_weights_tsv.h"
#include "common/checked.h"
#include "common/limitrule.h"
#include "common/numtext.h"
#include "common/recordrows.h"

namespace mx::beam {

const FieldTable& beamFieldTable() {
    static const FieldTable table = loadFieldTable("beam/beam_fields.tsv", embedded::beam_fields_tsv());
    return table;
}

FieldSet beamDefaultFields() { return defaultsOf(beamFieldTable()); }

BeamDesignInput readBeamInput(const FieldSet& fields, int beamType) {
    BeamDesignInput in;
    in.beamType = beamType;
#include "beam/beam_inputs.def"
    return in;
}

std::vector<std::string> beamResultLabelNames() {
    std::vector<std::string> names;
    for (int i = 14; i <= 36; ++i) names.push_back("Label" + std::to_string(i));
    return names;
}

FieldSet beamResultLabels(const BeamDesignResult& r) {
    return FieldSet{
        {"Label14", numText(r.recommendedDepth)},
        {"Label15", numText(r.momentPos)},
        {"Label16", numText(r.momentNeg)},
        {"Label17", numText(r.momentMax)},
        {"Label18", numText(r.momentConcrete)},
        {"Label19", numText(r.momentSteel)},
        {"Label20", numText(r.steelAreaConcrete)},
        {"Label21", numText(r.steelAreaSteel)},
        {"Label22", numText(r.steelArea)},
        {"Label23", numText(r.bottomBarDia)},
        {"Label24", numText(r.bottomBarCount)},
        {"Label25", numText(r.compressionArea)},
        {"Label26", numText(r.topBarDia)},
        {"Label27", numText(r.topBarCount)},
        {"Label28", numText(r.concreteShearStress)},
        {"Label29", numText(r.concreteShear)},
        {"Label30", numText(r.reaction1)},
        {"Label31", numText(r.reaction2)},
        {"Label32", numText(r.stirrupShear)},
        {"Label33", numText(r.stirrupArea)},
        {"Label34", numText(r.stirrupDia)},
        {"Label35", numText(r.stirrupSets)},
        {"Label36", numText(r.stirrupSpacing)},
    };
}

const std::vector<ResultLine>& beamResultLines() {
    static const std::vector<ResultLine> lines{
        {"รายการคำนวณ", ""},
        {"โมเมนต์บวก M+ (กก.-เมตร) =", "Label15"},
        {"โมเมนต์ลบ M- (กก.-เมตร)     =", "Label16"},
        {"โมเมนต์ดัดสูงสุดที่กระทำบนคาน MR (กก.-เมตร)=", "Label17"},
        {kDotLine, ""},
        {"โมเมนต์ต้านทานโดยคอนกรีต Mc (กก.-เมตร)=", "Label18"},
        {"โมเมนต์ต้านทานโดยเหล็กเสริม Ms (กก.-เมตร) =", "Label19"},
        {"พท.หน้าตัดเหล็กเสริมรับแรงดึงโดย", ""},
        {"คอนกรีต As1 (ตร.ซม.) =", "Label20"},
        {"พท.หน้าตัดเหล็กเสริมรับแรงดึงโดยเหล็ก", ""},
        {"As2 (ตร.ซม.) =", "Label21"},
        {"รวม พท.หน้าตัดเหล็กเสริมรับแรงดึง As (ตร.ซม.) =", "Label22"},
        {"ใช้เหล็กเสริมรับแรงดึง ขนาด(มม.)=", "Label23"},
        {"จำนวน(เส้น) =", "Label24"},
        {kDotLine, ""},
        {"พท.หน้าตัดเหล็กเสริมรับแรงอัด As' (ตร.ซม.) =", "Label25"},
        {"ใช้เหล็กเสริมรับแรงอัดขนาด(มม.) =", "Label26"},
        {"จำนวน(เส้น) =", "Label27"},
        {kDotLine, ""},
        {"ค่าหน่วยแรงเฉือนของคอนกรีต vc (กก./ตร.ซม.) =", "Label28"},
        {"แรงเฉือนต้านทานโดยคอนกรีต Vc (กก.) =", "Label29"},
        {"แรงปฏิกิริยาที่กระทำลงเสา R1 (กก.) =", "Label30"},
        {"แรงปฏิกิริยาที่กระทำลงเสา R2 (กก.) =", "Label31"},
        {"แรงเฉือนที่เหล็กปลอกรับ Vs1 (กก.) =", "Label32"},
        {"พท.หน้าตัดเหล็กปลอกรับแรงเฉือน AV1 (ตร.ซม.) =", "Label33"},
        {"ใช้เหล็กปลอกรับแรงเฉือนขนาด(มม.) =", "Label34"},
        {"จำนวนปลอก(ป.) =", "Label35"},
        {"ระยะห่างเหล็กปลอก(ซม.) =", "Label36"},
    };
    return lines;
}

const BeamTypeButton* beamTypeButton(int type) {
    static const std::array<BeamTypeButton, 5> buttons{{
        {"Command17", "คานเดี่ยว", "1.คานที่ออกแบบเป็นคานเดี่ยว"},
        {"Command18", "คานหัว-ท้าย", "2.คานที่ออกแบบเป็นคานหัว-ท้าย"},
        {"Command19", "คานต่อเนื่อง", "3.คานที่ออกแบบเป็นคานต่อเนื่อง"},
        {"Command20", "คานมีปลายยื่น", "4.คานที่ออกแบบมีปลายเป็นคานยื่น"},
        {"Command21", "คานยื่น", "5.คานที่ออกแบบเป็นคานยื่น"},
    }};
    if (type < 1 || type > 5) return nullptr;
    return &buttons[static_cast<std::size_t>(type - 1)];
}

BarHeadings barHeadings(int type) {
    if (type == kCantilever) return {"เหล็กนอนบน", "เหล็กนอนล่าง"};
    return {"เหล็กนอนล่าง", "เหล็กนอนบน"};
}

const std::vector<GradeButton>& gradeButtons() {
    static const std::vector<GradeButton> buttons{
        {SteelGrade::SR24, "Command6", "เหล็กเส้นกลม", "1200", "เหล็กนอนที่ใช้คุณเลือกเป็นเหล็กเส้นกลม SR.-24"},
        {SteelGrade::SD30, "Command11", "เหล็กข้ออ้อย", "1500", "เหล็กนอนที่ใช้คุณเลือกเป็นเหล็กข้ออ้อย SD.-30"},
        {SteelGrade::SD35, "Command13", "เหล็กข้ออ้อย", "1600", "เหล็กนอนที่ใช้คุณเลือกเป็นเหล็กข้ออ้อย SD.-35"},
        {SteelGrade::SD40, "Command12", "เหล็กข้ออ้อย", "1700", "เหล็กนอนที่ใช้คุณเลือกเป็นเหล็กข้ออ้อย SD.-40"},
    };
    return buttons;
}

const GradeButton& gradeButton(SteelGrade g) { return gradeButtons()[static_cast<std::size_t>(g)]; }

void pressBeamGrade(FieldSet& fields, SteelGrade g) { fields.set("Text14", gradeButton(g).fs); }

namespace {

// A field above (or below) its limit shows its message; where a correction is given
// it is written back, before the message unless the row says after. A field kept as a
// 16-bit integer is read as the nearest whole number.
constexpr const char* kWrongEntry = "คุณใส่ข้อมูลผิดพลาด!?!";

constexpr LimitRule kFieldLimits[] = {
    {"Text2", Breach::Above, 17000, "นน.บรรทุกจรมากผิดปรกติ", "4.ข้อมูลผิดพลาด!?!โปรดตรวจสอบใหม่ให้แน่ชัด!!!", Icon::Critical,
     nullptr, ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text3", Breach::Above, 120, "ความกว้างของคานมากเกินไป",
     "5.ไม่สามารถคำนวณคานที่มีความกว้างเกินกว่า 120 ซม.!?! ควรเลือกออกแบบเป็นคอนกรีตอัดแรงหรือโครงสร้างชนิดอื่น!?! "
     "จะสิ้นเปลืองน้อยกว่า!!!",
     Icon::Critical, "20", ResetOrder::BeforeMessage, Reading::Whole},
    {"Text4", Breach::Above, 280, "คานลึกมากเกินไป",
     "6.ไม่สามารถคำนวณคานที่มีความลึกมากกว่า 280 ซม.ควรเลือกออกแบบโครงสร้างเป็นโครงสร้างคอนกรีตอัดแรง!?!"
     "หรือโครงสร้างชนิดอื่น!?!จะสิ้นเปลืองน้อยกว่า!!!",
     Icon::Critical, "40", ResetOrder::BeforeMessage, Reading::Whole},
    {"Text5", Breach::Above, 5, "คานยื่นยื่นมากกว่าปรกติ", "7.คุณแน่ใจหรือว่าคานยื่นคุณยื่นมากเกินกว่า 5 เมตร?", Icon::Exclamation,
     nullptr, ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text6", Breach::Above, 40, "ขนาดเหล็กรับแรงอัดใหญ่เกินไป",
     "10.เหล็กขนาดใหญ่เกินกว่า 40 มม.ไม่มีในท้องตลาด!?! โปรดแก้ไขนาดเหล็กใหม่!!!", Icon::Critical, "25",
     ResetOrder::BeforeMessage, Reading::Whole},
    {"Text7", Breach::Above, 40, "ขนาดเหล็กรับแรงดึงใหญ่เกินไป",
     "11.เหล็กขนาดใหญ่เกินกว่า 40 มม.ไม่มีในท้องตลาด!?! โปรดแก้ไขนาดเหล็กใหม่!!!", Icon::Critical, "25",
     ResetOrder::BeforeMessage, Reading::Whole},
    {"Text8", Breach::Above, 15, "เหล็กปลอกใหญ่เกินปรกติ", "12.ขนาดของเหล็กปลอกใหญ่เกินกว่า 15 มม.?โปรดแก้ไข!!!", Icon::Critical,
     "15", ResetOrder::BeforeMessage, Reading::Whole},
    {"Text10", Breach::Above, 3, nullptr, "เหล็กปลอกไม่ควรมากกว่า 3ป. !?!", Icon::None, "1", ResetOrder::BeforeMessage,
     Reading::Whole},
    fcPrimeRule("Text12"),
    {"Text13", Breach::Above, 65, "ค่าหน่วยแรงของคอนกรีต",
     "ค่าหน่วยแรงอัดของคอนกรีต fc พรบ.ควบคุมอาคารกำหนดให้ใช้ได้ไม่เกิน 65 กก./ตร.ซม.!!!", Icon::Critical, "45",
     ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text14", Breach::Above, 1700, "ค่าหน่วยแรงดึงของเหล็กเสริม",
     "ค่า fs มากเกินกว่า 1700 กก./ตร.ซม.? เหล็กเส้นกลม = 1200 ,เหล็กข้ออ้อย SD-30=1500 ,เหล็กข้ออ้อย SD-35=1600 "
     ",เหล็กข้ออ้อย SD-40=1700 ",
     Icon::Critical, "1200", ResetOrder::BeforeMessage, Reading::Whole},
    {"Text31", Breach::Below, 1, "กำหนดค่า LIVE LOAD ผิด", "คุณกำหนดค่า SAFTY FACTOR นน. LIVE LOAD น้อยกว่า 1 ไม่ได้!?!",
     Icon::Critical, "1", ResetOrder::AfterMessage, Reading::AsTyped},
    {"Text32", Breach::Below, 1, "กำหนดค่า DEAD LOAD ผิด", "คุณกำหนดค่า SAFTY FACTORนน. DEAD LOAD น้อยกว่า 1 ไม่ได้!?!",
     Icon::Critical, "1", ResetOrder::AfterMessage, Reading::AsTyped},
    {"Text17", Breach::Above, 20, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text18", Breach::Above, 20, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text21", Breach::Above, 20, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text22", Breach::Above, 10, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text19", Breach::Above, 1000, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
    {"Text23", Breach::Above, 500, nullptr, kWrongEntry, Icon::None, "0", ResetOrder::BeforeMessage, Reading::AsTyped},
};

}  // namespace

std::optional<FieldCheck> checkBeamField(std::string_view field, std::string_view text) {
    const LimitRule* l = brokenLimit(kFieldLimits, field, num(text));
    if (!l) return std::nullopt;
    FieldCheck c;
    c.message = limitMessage(*l);
    if (l->reset) c.correction = l->reset;
    c.correctionAfterMessage = l->order == ResetOrder::AfterMessage;
    return c;
}

SpanCheck checkSpan(std::string_view text) {
    SpanCheck c;
    c.span = num(text);
    if (c.span > 20) {
        c.span = 1;
        c.resetToOne = true;
        c.message = Message{
            "2.ไม่สามารถคำนวณความยาวคานที่ยาวเกินกว่า 20 เมตร!?! ควรเลือกเป็นโครงสร้างคอนกรีตอัดแรงหรือโครงสร้างชนิดอื่น!?! "
            "จะประหยัดกว่า!!!",
            "ความยาวคานมากเกินไป", Icon::Critical};
    }
    if (c.span <= 0) {
        c.span = 1;
        c.message = Message{"3.คุณยังไม่ได้กำหนดความยาวของคาน?", "ยังไม่ได้กำหนดความยาวของคาน", Icon::Critical};
    }
    return c;
}

std::vector<std::pair<std::string, std::string>> spanSuggestions(double L, int beamType) {
    std::vector<std::pair<std::string, std::string>> w;
    if (!(L > 0 && L <= 20)) return w;  // the span check keeps L within these bounds
    w.emplace_back("Text2", numText((L / 2) * L * 800 / L));
    w.emplace_back("Text3", numText(5 * L));
    w.emplace_back("Text4", numText((L / 10) * 100));
    w.emplace_back("Text17", numText(L));
    w.emplace_back("Text18", numText(L));
    w.emplace_back("Text21", numText(L));
    if (L > 3) {
        w.emplace_back("Text6", "15");
        w.emplace_back("Text7", "15");
    }
    if (L > 4) {
        w.emplace_back("Text6", "19");
        w.emplace_back("Text7", "19");
    }
    if (L > 6) {
        w.emplace_back("Text6", "25");
        w.emplace_back("Text7", "25");
        w.emplace_back("Text8", "9");
    }
    if (beamType == kCantilever) {
        w.emplace_back("Text3", numText(10 * L));
        w.emplace_back("Text4", numText((L / 10) * 200));
    }
    return w;
}

namespace {
const Message kPointLoadsNoType{
    "2.คุณยังไม่ได้เลือกลักษณะของคาน แรงกระทำเป็นจุดจึงยังคิดเป็น นน.แผ่สม่ำเสมอเทียบเท่าไม่ได้ โปรดเลือกลักษณะของคานก่อน",
    "BEAM-01", Icon::Critical};
const Message kPointLoadsOverhangAsSpan{
    "3.ปลายยื่นยาวเท่ากับช่วงคาน แรงกระทำเป็นจุดคิดเป็น นน.แผ่สม่ำเสมอเทียบเท่าไม่ได้ โปรดคำนวณโมเมนต์ของแรงกระทำเป็นจุดเอง",
    "BEAM-01", Icon::Critical};
}  // namespace

LiveLoadEstimate estimateLiveLoad(const FieldSet& f, int beamType, const std::vector<std::string>& linked) {
    LiveLoadEstimate e;
    e.floor = chk::mul(chk::mul(f.num("Text17"), f.num("Text18")), f.num("Text19"));
    e.wall = chk::mul(chk::mul(f.num("Text21"), f.num("Text22")), f.num("Text23"));
    // A point load a link gives reaches the design by itself: counted here too, it
    // would be carried twice.
    for (const std::string& p : pointLoadFields())
        if (std::find(linked.begin(), linked.end(), p) == linked.end()) e.points = chk::add(e.points, f.num(p));
    double L = f.num("Text1");
    if (L <= 0) {
        L = 1;
        e.message = Message{"1.คุณยังไม่ได้กำหนดค่าความยาวของคาน", "BEAM-01", Icon::Critical};
    }
    e.pointFactor = pointLoadFactor(beamType, L, designOverhang(f.num("Text5")));
    if (e.points != 0) {
        if (!e.pointFactor) {
            e.refusal = beamType == kOverhang ? kPointLoadsOverhangAsSpan : kPointLoadsNoType;
            return e;
        }
        e.pointEquivalent = chk::mul(*e.pointFactor, e.points);
    }
    e.total = chk::add(chk::add(e.floor, e.wall), e.pointEquivalent);
    e.perMetre = chk::div(e.total, L);
    return e;
}

namespace {

// A pick list's rows from its data file: the text, then the load it writes.
std::vector<LoadEntry> loadEntries(std::string_view source, std::string_view text) {
    std::vector<LoadEntry> entries;
    for (const auto& row : loadRows(source, text, 2))
        entries.push_back({row[0], static_cast<int>(cellNumber(source, row[1]))});
    return entries;
}

}  // namespace

const std::vector<LoadEntry>& floorLoadTable() {
    static const std::vector<LoadEntry> table = loadEntries("beam/beam_floor_loads.tsv", embedded::beam_floor_loads_tsv());
    return table;
}

const std::vector<LoadEntry>& wallWeightTable() {
    static const std::vector<LoadEntry> table = loadEntries("beam/beam_wall_weights.tsv", embedded::beam_wall_weights_tsv());
    return table;
}

const std::vector<int>& mainBarSizes() {
    static const std::vector<int> sizes{6, 9, 10, 12, 15, 16, 19, 20, 25, 28, 32, 36, 40};
    return sizes;
}

const std::vector<int>& stirrupBarSizes() {
    static const std::vector<int> sizes{6, 9, 10, 12, 15};
    return sizes;
}

std::string barSizeText(int mm) { return std::to_string(mm) + " มม."; }

Message exitQuestion() {
    return Message{"ท่านแน่ใจหรือว่าจะออกจากการคำนวณออกแบบคาน?", "ออกจากโปรแกรม", Icon::Critical};
}

Message overhangAdvice() {
    return Message{"ปลายคานส่วนที่ยื่นไม่ควรเกิน 2 เท่าของความยาวคาน ไม่นิยมยื่นเกิน 3.00 เมตร? เนื่องจากไม่ประหยัด",
                   "BEAM-01", Icon::Critical};
}

}  // namespace mx::beam
