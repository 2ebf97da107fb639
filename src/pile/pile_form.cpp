#include "pile/pile_form.h"

#include "common/limitrule.h"
#include "common/numtext.h"
#include "pile/pile_fields.h"

namespace mx::pile {

const std::vector<PileTypeInfo>& pileTypes() {
    static const std::vector<PileTypeInfo> types = {
        {kPrestressed, "เสาเข็มคอนกรีตอัดแรง", "เส้นรอบรูปของเสาเข็ม / ซม. =", "ความยาวของเสาเข็มอัดแรง / เมตร =",
         "เสาเข็มไอและสี่เหลี่ยม", "Command3", "Command18", 1},
        {kHollow, "เสาเข็มคอนกรีตกลวง", "เส้นรอบรูปภายใน + ภายนอกเสาเข็ม / ซม. =", "ความยาวของเสาเข็มอัดแรง / เมตร =",
         "เสาเข็มกลวง", "Command4", "Command19", 2},
        {kBored, "เสาเข็มเจาะ หล่อในที่", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มเจาะ / เมตร =", "ความยาวของเสาเข็มเจาะ / เมตร =",
         "เสาเข็มเจาะ", "Command5", "Command20", 0},
        {kTimber, "เสาเข็มไม้", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มไม้ / นิ้ว =", "ความยาวของเสาเข็มไม้ / เมตร =", "เสาเข็มไม้",
         "Command6", "Command21", 0},
    };
    return types;
}

const PileTypeInfo* pileTypeInfo(int code) {
    for (const auto& t : pileTypes())
        if (t.code == code) return &t;
    return nullptr;
}

std::string sizeCaption(int code) {
    const PileTypeInfo* t = pileTypeInfo(code);
    return t ? t->sizeCaption : kDefaultSizeCaption;
}

std::string lengthCaption(int code) {
    const PileTypeInfo* t = pileTypeInfo(code);
    return t ? t->lengthCaption : kDefaultLengthCaption;
}

const std::vector<SectionRow>& prestressedSections() {
    static const std::vector<SectionRow> rows = {
        {"เสาเข็มรูปตัวไอ ขนาด 0.18 x 0.18 ม.", 83},        {"เสาเข็มรูปตัวไอ ขนาด 0.22 x 0.22 ม.", 105},
        {"เสาเข็มรูปตัวไอ ขนาด 0.26 x 0.26 ม.", 126},       {"เสาเข็มรูปตัวไอ ขนาด 0.30 x 0.30 ม.", 154},
        {"เสาเข็มรูปตัวไอ ขนาด 0.35 x 0.35 ม.", 165},       {"เสาเข็มรูปตัวไอ ขนาด 0.40 x 0.40 ม.", 180},
        {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.16 x 0.16 ม.", 64},    {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.18 x 0.18 ม.", 72},
        {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.22 x 0.22 ม.", 88},    {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.26 x 0.26 ม.", 104},
        {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.30 x 0.30 ม.", 120},   {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.35 x 0.35 ม.", 140},
        {"เสาเข็มสี่เหลี่ยมตัน ขนาด 0.40 x 0.40 ม.", 160},
    };
    return rows;
}

const std::vector<SectionRow>& hollowSections() {
    static const std::vector<SectionRow> rows = {
        {"เสาเข็มสี่เหลี่ยมกลวง ขนาด 0.40 x 0.40 ม.", 160},
        {"เสาเข็มสี่เหลี่ยมกลวง ขนาด 0.45 x 0.45 ม.", 180},
        {"เสาเข็มสี่เหลี่ยมกลวง ขนาด 0.525 x 0.525 ม.", 210},
        {"เสาเข็มสี่เหลี่ยมกลวง ขนาด 0.65 x 0.65 ม.", 260},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.30 ม.", 95},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.35 ม.", 110},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.40 ม.", 126},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.45 ม.", 142},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.50 ม.", 157},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.60 ม.", 189},
        {"เสาเข็มกลมกลวงขนาดเส้นผ่าศูนย์กลางภายนอก 0.80 ม.", 251},
        {"เสาเข็มหกเหลี่ยมกลวงขนาด 6 นิ้ว", 52},
        {"เสาเข็มแปดเหลี่ยมกลวงขนาด 6 นิ้ว", 50},
    };
    return rows;
}

std::optional<std::string> sectionValue(int list, int row) {
    const std::vector<SectionRow>* rows = list == 1 ? &prestressedSections() : list == 2 ? &hollowSections() : nullptr;
    if (!rows || row < 0 || row >= static_cast<int>(rows->size())) return std::nullopt;
    return std::to_string((*rows)[static_cast<std::size_t>(row)].value);
}

FieldSet pileDefaults() { return defaultsOf(pileFieldTable()); }

namespace {
constexpr LimitRule kLimits[] = {
    {"Text1", Breach::Above, 1000, "ข้อมูลผิดพลาด", "คุณแน่ใจหรือว่าคุณป้อนข้อมูลถูกต้อง?", Icon::Critical, "1000"},
    {"Text2", Breach::Above, 80, "เสาเข็มยาวผิดปรกติ", "คุณป้อนข้อมูลผิดพลาด?", Icon::Critical, "21"},
};
}  // namespace

Diagnostics checkPileField(std::string_view field, const FieldSet& fields) { return checkLimits(kLimits, field, fields); }

Diagnostics checkSizeField(const std::string& text) { return checkPileField("Text1", FieldSet{{"Text1", text}}); }

Diagnostics checkLengthField(const std::string& text) { return checkPileField("Text2", FieldSet{{"Text2", text}}); }

PileOutcome runPile(const FieldSet& fields, int typeCode) {
    const std::string line = fields.has(kDataWarningLabel) ? fields.get(kDataWarningLabel) : kLabel9Quiet;
    return calculatePile(typeCode, fields.num("Text1"), fields.num("Text2"), line);
}

FieldSet pileLabels(const PileOutcome& o) {
    FieldSet labels;
    // A calculation stopped by an impossible number has no safe load to show.
    labels.set("Label7", o.failed ? kNoResult : numText(o.result.P));
    labels.set("Label8", o.failed ? kNoResult : numText(o.result.Pw));
    labels.set(kDataWarningLabel, o.label9);
    return labels;
}

ProjectTitleBlock pileTitleBlock(const FieldSet& f) {
    return ProjectTitleBlock{f.get("Text3"), f.get("Text4"), f.get("Text5"), f.get("Text6"), f.get("Text7")};
}

bool pileUsable(const PileOutcome& o) {
    // The safe load the sheet concludes with: a timber pile's reduced one, else P. A
    // pile of no size carries nothing, and nothing is no load to certify.
    const Fixed safe = o.result.code == kTimber ? o.result.Pw : o.result.P;
    return !o.failed && o.diagnostics.messages().empty() && o.label9 != kLabel9Warning && safe > Fixed();
}

}  // namespace mx::pile
