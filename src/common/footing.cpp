#include "common/footing.h"

namespace mx {

Message footingPrintQuestion() {
    return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical};
}

namespace {
const std::array<FootingGrade, 4> kGrades{{
    {"Command3", "เหล็กเส้นกลม", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24", 1200},
    {"Command4", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30", 1500},
    {"Command5", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35", 1600},
    {"Command6", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40", 1700},
}};
}  // namespace

const FootingGrade& footingGrade(SteelGrade grade) { return kGrades[static_cast<std::size_t>(grade)]; }

const std::array<FootingBar, 12> kFootingBarSizes{{
    {"9 มม.", 9},   {"10 มม.", 10}, {"12 มม.", 12}, {"15 มม.", 15}, {"16 มม.", 16}, {"19 มม.", 19},
    {"20 มม.", 20}, {"25 มม.", 25}, {"28 มม.", 28}, {"32 มม.", 32}, {"36 มม.", 36}, {"40 มม.", 40},
}};

}  // namespace mx
