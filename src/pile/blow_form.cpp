#include "pile/blow_form.h"

#include "common/fieldtable.h"
#include "common/numtext.h"
#include "pile/blow_sections_tsv.h"
#include "common/recordrows.h"

namespace mx::pile {

const std::vector<BlowField>& blowInputFields() {
    static const std::vector<BlowField> fields = {
        {"Text1", "พท.หน้าตัดของเสาเข็ม / ตร.ซม. =", "Label1", "?", 5000,
         {"พื้นที่หน้าตัดเสาเข็มที่คุณกำหนดมากเกินไปคุณแน่ใจหรือว่าเสาเข็มของคุณใหญ่ขนาดนั้น!?!",
          "พื้นที่หน้าตัดของเสาเข็มมากเกินไป"},
         "100"},
        {"Text3", " นน.ปลอดภัยเสาเข็มที่ออกแบบไว้ ตัน / ต้น =", "Label2", "?", 500,
         {"คุณแน่ใจหรือว่าเสาเข็มรับ นน.ปลอดภัยได้มากขนาดนั้น!?!", "ข้อมูลที่คุณป้อนผิดพลาด"}, "3"},
        {"Text2", "ความยาวของเสาเข็ม / เมตร =", "Label3", "21", 80,
         {"คุณแน่ใจหรือว่าเสาเข็มยาวขนาดนั้น!?!", "เสาเข็มยาวผิดปรกติ"}, "21"},
        {"Text9", "นน. ลูกตุ้มที่ใช้ตอก / ตัน =", "Label4", "3", 50,
         {"คุณแน่ใจหรือว่าลูกตุ้มที่ใช้ตอกหนักขนาดนั้น!?!โปรดถามบริษัทที่รับจ้างตอกเสาเข็ม", "ลูกตุ้มที่ใช้ตอกหนักผิดปรกติ"},
         "3"},
        {"Text10", "ความสูงหรือระยะยกของลูกตุ้มเหนือหัวเข็ม / ซม. =", "Label5", "30", 120,
         {"ระยะยกลูกตุ้มสูงเกินไป!?!หัวเสาเข็มอาจแตก", "ระยะยกลูกตุ้มจากหัวเสาเข็มมากเกินไป"}, "30"},
        {"Text11", "จำนวนครั้งที่ตอกในฟุตสุดท้าย / ครั้ง =", "Label6", "50", 200,
         {"จำนวนครั้งในการตอกในฟุตสุดท้ายมากเกินไป!?!", "BLOW COUNT มากผิดปรกติ"}, "50"},
    };
    return fields;
}

FieldSet blowDefaults() {
    FieldSet f;
    for (const BlowField& b : blowInputFields()) f.set(b.name, b.defaultText);
    for (const std::string& t : kBlowTitleFields) f.set(t, "");
    return f;
}

const std::vector<BlowTypeInfo>& blowTypes() {
    static const std::vector<BlowTypeInfo> types = {
        {1, "เสาเข็มไอ และสี่เหลี่ยม", "เสาเข็มคอนกรีตอัดแรง", "Command3", "Command17", 1},
        {2, "เสาเข็มกลวง", "เสาเข็มกลวง", "Command4", "Command18", 2},
        {3, "เสาเข็มไม้", "เสาเข็มไม้", "Command5", "Command19", 3},
    };
    return types;
}

const BlowTypeInfo* blowTypeInfo(int code) {
    for (const auto& t : blowTypes())
        if (t.code == code) return &t;
    return nullptr;
}

namespace {

// The rows of one list of the standard sections' data file.
std::vector<BlowSectionRow> standardSections(int list) {
    std::vector<BlowSectionRow> rows;
    for (const auto& row : loadRows("pile/blow_sections.tsv", embedded::blow_sections_tsv(), 4))
        if (row[0] == std::to_string(list)) rows.push_back({row[1], row[2], row[3]});
    return rows;
}

std::vector<BlowSectionRow> timberRows() {
    // Area and design load of round timber piles of 2 to 12 inches (5 to 30 cm in
    // steps of 2.5 cm). Each row takes the pair of its own diameter, so the 3-inch
    // row (7.5 cm) gets 44 cm², and the 2-inch pair is not offered.
    static const std::pair<const char*, const char*> pairs[] = {
        {"19", "0.14"},  {"44", "0.33"},  {"78", "0.59"},  {"122", "0.93"}, {"176", "1.34"}, {"240", "1.83"},
        {"314", "2.54"}, {"397", "3.47"}, {"491", "4.67"}, {"594", "6.16"}, {"707", "8"}};
    std::vector<BlowSectionRow> rows;
    for (int inch = 3; inch <= 12; ++inch) {
        const auto& p = pairs[inch - 2];
        rows.push_back({"เสาเข็มไม้เส้นผ่าศูนย์กลางภายนอก ขนาด  " + std::to_string(inch) + " นิ้ว", p.first, p.second});
    }
    return rows;
}

}  // namespace

const std::vector<BlowSectionRow>& blowSections(int list) {
    static const std::vector<BlowSectionRow> prestressed = standardSections(1);
    static const std::vector<BlowSectionRow> hollow = standardSections(2);
    static const std::vector<BlowSectionRow> timber = timberRows();
    static const std::vector<BlowSectionRow> none;
    switch (list) {
    case 1: return prestressed;
    case 2: return hollow;
    case 3: return timber;
    default: return none;
    }
}

std::optional<std::pair<std::string, std::string>> blowSectionValues(int list, int row) {
    const auto& rows = blowSections(list);
    if (row < 0 || row >= static_cast<int>(rows.size())) return std::nullopt;
    const BlowSectionRow& r = rows[static_cast<std::size_t>(row)];
    return std::make_pair(std::string(r.area), std::string(r.load));
}

Diagnostics checkBlowField(const std::string& name, const std::string& text) {
    Diagnostics d;
    for (const BlowField& f : blowInputFields()) {
        if (name != f.name || num(text) <= f.limit) continue;
        d.say(f.message);
        d.correct(f.name, f.reset);
    }
    return d;
}

BlowInput readBlowInput(const FieldSet& fields) {
    BlowInput in;
#include "pile/blow_inputs.def"
    return in;
}

FieldSet blowLabels(const BlowResult& r) {
    FieldSet l;
    l.set("Label11", numText(r.Rn));
    l.set("Label12", numText(r.Ra));
    l.set("Label18", numText(r.P));
    l.set("Label15", numText(r.Wmin));
    l.set("Label17", numText(r.Wmax));
    l.set("Label26", r.Breq > 0 ? numText(r.Breq) : std::string(kBlowNoCriterion));
    return l;
}

ProjectTitleBlock blowTitleBlock(const FieldSet& f) {
    return ProjectTitleBlock{f.get("Text4"), f.get("Text5"), f.get("Text6"), f.get("Text7"), f.get("Text8")};
}

bool blowUsable(const BlowOutcome& o) { return o.completed && !o.failed && o.usable; }

}  // namespace mx::pile
