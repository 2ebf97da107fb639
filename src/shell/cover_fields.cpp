#include "shell/cover_fields.h"

namespace mx::shell {

const FieldTable& coverFieldTable() {
    static const FieldTable table{
        {"Text2", "heading", "หัวเรื่อง", "", "รายการคำนวณโครงสร้าง"},
        {"Text1", "project", "ชื่อโครงการ", "", "โครงการก่อสร้างหอประชุมโรงเรียน"},
        {"Text5", "place", "สถานที่", "", "ณ ตำบลบ้านใหม่ อำเภอเมือง จังหวัดนครราชสีมา"},
        {"Text6", "date", "วันที่", "", "วันที่ 24 กันยายน 2541"},
        {"Text3", "engineer", "ชื่อวิศวกร", "", "นายวิศวกร โยธา"},
        {"Text4", "registration", "เลขทะเบียน", "", "วย.00000"},
    };
    return table;
}

const FieldTable& criteriaFieldTable() {
    static const FieldTable table{
        {"Text2", "heading", "หัวเรื่อง", "", "ข้อกำหนดประกอบรายการคำนวณ"},
        {"Text14", "intro", "ข้อความนำ", "", "กำหนดค่าและกำลังวัสดุที่ใช้ในการออกแบบดังนี้"},
        {"Text1", "live_load_caption", "หัวข้อแถวที่ 1", "", "น้ำหนักบรรทุกจร ="},
        {"Text8", "live_load", "ค่าแถวที่ 1", "kg/m2", "300"},
        {"Text9", "live_load_unit", "หน่วยแถวที่ 1", "", "กก./ตร.ม."},
        {"Text5", "fc_prime_caption", "หัวข้อแถวที่ 2", "", "กำลังอัดประลัยของคอนกรีต ="},
        {"Text10", "fc_prime", "ค่าแถวที่ 2", "ksc", "150"},
        {"Text11", "fc_prime_unit", "หน่วยแถวที่ 2", "", "กก./ตร.ซม."},
        {"Text6", "fs_caption", "หัวข้อแถวที่ 3", "", "กำลังดึงของเหล็กเสริม ="},
        {"Text12", "fs", "ค่าแถวที่ 3", "ksc", "1200"},
        {"Text13", "fs_unit", "หน่วยแถวที่ 3", "", "กก./ตร.ซม."},
        {"Text3", "engineer", "ชื่อวิศวกร", "", "นายวิศวกร โยธา"},
        {"Text4", "registration", "เลขทะเบียน", "", "วย.00000"},
    };
    return table;
}

}  // namespace mx::shell
