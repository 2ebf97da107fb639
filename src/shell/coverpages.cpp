#include "shell/coverpages.h"

namespace mx::shell {

FieldSet coverDefaults() {
    return {
        {"Text2", "รายการคำนวณโครงสร้าง"},
        {"Text1", "โครงการก่อสร้างหอประชุมโรงเรียน"},
        {"Text5", "ณ ตำบลบ้านใหม่ อำเภอเมือง จังหวัดนครราชสีมา"},
        {"Text6", "วันที่ 24 กันยายน 2541"},
        {"Text3", "นายวิศวกร โยธา"},
        {"Text4", "วย.00000"},
    };
}

FieldSet criteriaDefaults() {
    return {
        {"Text2", "ข้อกำหนดประกอบรายการคำนวณ"},
        {"Text14", "กำหนดค่าและกำลังวัสดุที่ใช้ในการออกแบบดังนี้"},
        {"Text1", "น้ำหนักบรรทุกจร ="},
        {"Text8", "300"},
        {"Text9", "กก./ตร.ม."},
        {"Text5", "กำลังอัดประลัยของคอนกรีต ="},
        {"Text10", "150"},
        {"Text11", "กก./ตร.ซม."},
        {"Text6", "กำลังดึงของเหล็กเสริม ="},
        {"Text12", "1200"},
        {"Text13", "กก./ตร.ซม."},
        {"Text3", "นายวิศวกร โยธา"},
        {"Text4", "วย.00000"},
    };
}

const std::vector<std::string>& coverClearedFields() {
    static const std::vector<std::string> names = {"Text1", "Text3", "Text4", "Text5", "Text6"};
    return names;
}

const std::vector<std::string>& criteriaClearedFields() {
    static const std::vector<std::string> names = {"Text8", "Text10", "Text12", "Text3", "Text4"};
    return names;
}

void clearCover(FieldSet& f) {
    for (const auto& n : coverClearedFields()) f.set(n, "");
}

void clearCriteria(FieldSet& f) {
    for (const auto& n : criteriaClearedFields()) f.set(n, "");
}

std::string coverInstructions() {
    return "วิธีการทำปก\n"
           "1. ปกนี้พิมพ์บนกระดาษขนาด A4 วางกระดาษแนวตั้ง\n"
           "2. ทุกช่องบนหน้าต่างนี้แก้ไขได้ตามต้องการ ช่องใดไม่ต้องการให้พิมพ์ก็ลบข้อความในช่องนั้นให้ว่าง "
           "ปุ่ม \"ลบข้อความ\" จะลบชื่อโครงการ สถานที่ วันที่ ชื่อวิศวกร และเลขทะเบียนให้ทั้งหมด\n"
           "3. พิมพ์ภาษาไทยและภาษาอังกฤษปนกันได้ในทุกช่อง\n"
           "4. หัวเรื่อง \"รายการคำนวณโครงสร้าง\" เปลี่ยนเป็นข้อความอื่นได้ เช่น \"รายการคำนวณฐานราก\"\n"
           "5. กดปุ่ม \"พิมพ์ปก\" เพื่อพิมพ์ แต่ละช่องจะพิมพ์ตรงตำแหน่งที่เห็นบนหน้าต่าง";
}

std::string criteriaInstructions() {
    return "วิธีการพิมพ์ข้อกำหนดประกอบรายการคำนวณ\n"
           "1. หน้านี้พิมพ์บนกระดาษขนาด A4 วางกระดาษแนวตั้ง ใช้แทรกไว้ถัดจากปกรายการคำนวณ\n"
           "2. ใส่ค่าน้ำหนักบรรทุกจร กำลังอัดประลัยของคอนกรีต (fc') และกำลังดึงของเหล็กเสริม (fs) "
           "ที่ใช้ในการออกแบบจริง ให้ตรงกับรายการคำนวณทุกแผ่น\n"
           "3. ข้อความหัวข้อ คำอธิบาย และหน่วย แก้ไขได้ และพิมพ์ภาษาไทยปนภาษาอังกฤษได้\n"
           "4. ปุ่ม \"ลบข้อความ\" ลบเฉพาะตัวเลขทั้งสามค่า ชื่อวิศวกร และเลขทะเบียน หัวข้อและหน่วยยังคงอยู่\n"
           "5. กดปุ่ม \"พิมพ์ข้อกำหนด\" เพื่อพิมพ์";
}

namespace {

// One field at its place; an empty text prints nothing.
void put(PageModel& p, double x, double y, const std::string& text, double size, bool bold) {
    if (text.empty()) return;
    p.text(x, y, text, size, bold);
}

// The three values of the criteria page start at one x, where the window shows them:
// runs of blanks after the captions line them up only in the font they were counted
// for. A caption too long for its room is condensed by the printer to end before the
// value column, which is kept clear for it like a drawing.
constexpr double kCriteriaCaptionX = 3400;
constexpr double kCriteriaValueX = 7150;
constexpr double kCriteriaRows = 420;  // the rows an 18 pt line takes

// Caption at the text column; value, two blanks and unit in the value column. A line
// left wholly empty prints nothing.
void criteriaLine(PageModel& p, double y, const FieldSet& f, const char* caption, const char* value, const char* unit) {
    if (f.get(caption).empty() && f.get(value).empty() && f.get(unit).empty()) return;
    put(p, kCriteriaCaptionX, y, f.get(caption), 18, false);
    put(p, kCriteriaValueX, y, f.get(value) + "  " + f.get(unit), 18, false);
    p.keepClear(kCriteriaValueX, y, 11900, y + kCriteriaRows);
}

}  // namespace

PageModel coverPage(const FieldSet& f) {
    // The cover stands out by its sizes alone: every line prints in the regular weight.
    PageModel p;
    put(p, 4200, 1600, f.get("Text2"), 20, false);
    put(p, 2800, 2200, f.get("Text1"), 30, false);
    put(p, 4200, 3000, f.get("Text5"), 18, false);
    put(p, 4800, 3700, f.get("Text6"), 16, false);
    put(p, 8000, 13500, f.get("Text3"), 18, false);
    put(p, 8450, 14000, f.get("Text4"), 16, false);
    return p;
}

PageModel criteriaPage(const FieldSet& f) {
    PageModel p;
    put(p, 3400, 1600, f.get("Text2"), 24, true);
    put(p, 2000, 2800, f.get("Text14"), 18, true);
    criteriaLine(p, 3500, f, "Text1", "Text8", "Text9");
    criteriaLine(p, 4200, f, "Text5", "Text10", "Text11");
    criteriaLine(p, 4900, f, "Text6", "Text12", "Text13");
    put(p, 8000, 13500, f.get("Text3"), 18, true);
    put(p, 8450, 14000, f.get("Text4"), 16, false);
    return p;
}

}  // namespace mx::shell
