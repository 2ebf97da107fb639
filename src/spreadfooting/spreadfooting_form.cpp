#include "spreadfooting/spreadfooting_form.h"

#include <algorithm>
#include <variant>

#include "common/numtext.h"

namespace mx::spreadfooting {

namespace {

const std::array<GradeButton, 4> kGrades{{
    {"Command3", "เหล็กเส้นกลม", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24", 1200},
    {"Command4", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30", 1500},
    {"Command5", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35", 1600},
    {"Command6", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40", 1700},
}};

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

std::size_t displayColumns(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = c;
        std::size_t len = 1;
        if (c >= 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            len = 2;
            cp = c & 0x1F;
        }
        for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        const bool mark = cp == 0x0E31 || (cp >= 0x0E34 && cp <= 0x0E3A) || (cp >= 0x0E47 && cp <= 0x0E4E);
        if (!mark) ++n;
    }
    return n;
}

FieldSet defaultFields() {
    return FieldSet{{"Text1", "20000"}, {"Text3", ""},     {"Text2", "12"},  {"Text4", "150"},
                    {"Text5", "65"},    {"Text6", "1200"}, {"Text13", "17"},
                    // The title block of the print panel, empty until the engineer types it.
                    {"Text8", ""},      {"Text9", ""},     {"Text10", ""},   {"Text11", ""},
                    {"Text12", ""}};
}

SpreadFootingInput readInput(const FieldSet& fields) {
    SpreadFootingInput in;
    in.P = fields.num("Text1");
    in.q = fields.num("Text3");
    in.db = fields.num("Text2");
    in.fcPrime = fields.num("Text4");
    in.fc = fields.num("Text5");
    in.fs = fields.num("Text6");
    in.p = fields.num("Text13");
    return in;
}

Diagnostics changeCheck(std::string_view field, const FieldSet& fields) {
    Diagnostics d;
    const double v = fields.num(field);
    if (field == "Text1") {
        // A load this large is beyond any pad this design covers.
        if (v > 1000000) {
            d.say("1.ค่านน.ที่ลงฐานรากมากผิดปรกติไม่สามารถคำนวณได้โปรดแก้ไข", "นน.ที่ลงฐานมากผิดปรกติ", Icon::Critical);
            d.correct("Text1", "1000000");
        }
        // Heavy loads need a heavy mesh.
        if (v > 100000) d.correct("Text2", "25");
    } else if (field == "Text2") {
        if (v > 40) {
            d.say("3.ขนาดเหล็กตะแกรงที่คุณกำหนดใหญ่เกินกว่ามาตรฐานที่มีในท้องตลาด ตกลงแก้ไข?", "ขนาดเหล็กตะแกรงใหญ่ผิดปรกติ",
                  Icon::Exclamation);
            d.correct("Text2", "25");
        }
    } else if (field == "Text3") {
        if (v > 100) {
            d.say("คุณกำหนด นน.บรรทุกของดินมากเกินไป!?! โปรดตรวจดูให้ถูกต้อง", "นน.บรรทุกบนดินของฐานรากมากเกินไป",
                  Icon::Critical);
            d.correct("Text3", "8");
        }
    } else if (field == "Text4") {
        if (v > 150)
            d.say("หน่วยแรงอัดประลัยของคอนกรีต พรบ.ควบคุมอาคารห้ามใช้เกิน 150 กก./ตร.ซม.คุณแน่ใจหรือว่าจะใช้ค่า fc' เท่านี้",
                  "หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด", Icon::Information);
    } else if (field == "Text5") {
        if (v > 65) {
            d.correct("Text5", "65");
            d.say("พรบ.ควบคุมอาคารกำหนดให้ใช้หน่วยแรงอัดคอนกรีตไม่เกิน 65 กก./ตร.ซม.!?!", "ค่าหน่วยแรงอัดของคอนกรีต fc มากเกินไป",
                  Icon::Critical);
        }
    } else if (field == "Text6") {
        if (v > 1700) {
            d.correct("Text6", "1200");
            d.say("ค่าหน่วยแรงดึงของเหล็ก fs เกินกว่าที่ พรบ.ควบคุมอาคารกำหนด!?!", "ค่าหน่วยแรงดึงของเหล็ก fs มากกว่ากำหนด",
                  Icon::Critical);
        }
    }
    return d;
}

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

const std::array<PickRow, 12> kBarSizeList{{
    {"9 มม.", "9"},   {"10 มม.", "10"}, {"12 มม.", "12"}, {"15 มม.", "15"}, {"16 มม.", "16"}, {"19 มม.", "19"},
    {"20 มม.", "20"}, {"25 มม.", "25"}, {"28 มม.", "28"}, {"32 มม.", "32"}, {"36 มม.", "36"}, {"40 มม.", "40"},
}};

const GradeButton& gradeButton(SteelGrade grade) { return kGrades[static_cast<std::size_t>(grade)]; }

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
    for (const auto& line : kSummary) width = std::max(width, displayColumns(line.text));
    std::string out = kSummaryHeading;
    for (const auto& line : kSummary) {
        out += '\n';
        out.append(width - displayColumns(line.text), ' ');
        out += line.text;
    }
    return out;
}

}  // namespace mx::spreadfooting
