#include "column/column_sheet.h"

#include <cmath>
#include <string>

#include "column/column_drawing.h"
#include "column/column_form.h"
#include "common/certify.h"
#include "common/numtext.h"

namespace mx::column {

namespace {

constexpr double kBody = 14, kVerdict = 18;
constexpr double kFirstLine = 1100;
constexpr double kEngineerLine = 11300;

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

// A product printed on the sheet that the design itself never held; written as 0
// rather than as a non-number when it cannot be formed.
double product(double a, double b) {
    const double v = a * b;
    return std::isfinite(v) ? v : 0;
}

// How the sheet names the area the least steel is 1 % of, and why that one.
struct SteelMinimumText {
    const char* area;
    const char* reason;
};
const SteelMinimumText& steelMinimumText(SteelMinimum basis) {
    static const SteelMinimumText texts[] = {
        {"Ag", "Ag' ไม่น้อยกว่า Ag"},
        {"Ag'", "เสาใหญ่กว่าที่ นน.ต้องการ ใช้ Ag' ที่อยู่ระหว่าง Ag / 2 ถึง Ag"},
        {"Ag / 2", "เสาใหญ่กว่าที่ นน.ต้องการ Ag' น้อยกว่า Ag / 2"},
    };
    return texts[static_cast<int>(basis)];
}

// The area the least steel is 1 % of, as the design held it.
Fixed minimumArea(const ColumnDesignResult& r) {
    switch (r.minimumBasis) {
    case SteelMinimum::GrossArea: return r.Ag;
    case SteelMinimum::NeededArea: return r.AgNeeded;
    case SteelMinimum::HalfArea: break;
    }
    return r.Ag.half();
}

}  // namespace

Message columnPrintQuestion() {
    return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณของเสา?", "พิมพ์รายการคำนวณเสา", Icon::Critical};
}

ProjectTitleBlock columnTitleBlock(const FieldSet& f) { return titleBlockOf(columnFieldTable(), f); }

PageModel columnSheet(const ColumnDesignResult& r, bool usable, const ProjectTitleBlock& tb) {
    PageModel p;
    double y = kFirstLine;
    // Each body line 300 twips below the one before; `gap` widens the step before it.
    auto line = [&](const std::string& s, double pt = kBody, double gap = 0) {
        y += gap;
        p.text(kSheetLeft, y, s, pt);
        y += kSheetLineStep;
    };
    const bool round = r.shape == kShapeRound;
    const bool isLong = r.ht > Fixed::fromInt(10);

    addSheetHeader(p, tb, kColumnSheetHeading);
    if (round)
        line("ขนาดหน้าตัดเสากลม เส้นผ่าศูนย์กลาง = " + n(r.D) + " ซม. เสาสูง = " + n(r.H) + " เมตร  นน.ของเสา x " +
             n(r.k) + " เท่า = " + n(r.W) + " กก.");
    else
        line("ขนาดของเสา = " + n(r.t1) + " ซม.x " + n(r.t2) + " ซม.x สูง = " + n(r.H) + " เมตร  นน.ของเสา x " + n(r.k) +
             " เท่า = " + n(r.W) + " กก.");
    line("กำหนด นน. ที่กระทำลงบนเสา = " + n(r.P) + " กก.   รวม นน. ที่กระทำลงบนเสา + นน.เสา = " + n(r.Pt) + " กก.");
    line("ความกว้างด้านแคบของเสา t = " + n(r.t) + " ซม.");
    line("Ag = พท.หน้าตัดเสา = " + n(r.t1) + " x " + n(r.t2) + " = " + n(r.Ag) + " ตร.ซม.");
    line("ตรวจสอบว่าเสาเป็นเสาแบบสั้น( SHORT COLUMN ) หรือ เสาแบบยาว( LONG COLUMN )");
    line(" h2 = อัตราส่วนระหว่าง ความสูงของเสา / ความกว้างด้านแคบของเสา = " + n(r.H) + " x 100 / " + n(r.t) + " = " +
         n(r.ht));
    line("*ถ้าค่า h2 มากกว่า 10 เสาต้นนี้เป็นเสาแบบยาว( LONG COLUMN )");
    line("*ถ้าค่า h2 น้อยกว่าหรือเท่ากับ 10 เสาเป็นเสาแบบสั้น( SHORT COLUMN )");
    line(isLong ? "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบยาว( LONG COLUMN )" : "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบสั้น( SHORT COLUMN )",
         kVerdict);
    line("อัตราส่วนระหว่างความสูง / รัศมีไจเรชั่น = h3 = ( " + n(r.H) + " x 100 x 0.50 ) / ( 0.30 x " + n(r.t) +
         " ) = " + n(r.hr));
    line("คำนวณหาค่าตัวคูณลดกำลังของเสาเนื่องจากเสาชลูด R = 1.07 - 0.008 x h3 = " + n(r.R));
    if (isLong) {
        const double rp = product(r.R.toDouble(), r.P);
        line("เนื่องจากความชลูดของเสา ถ้ากำหนดแรงที่ลงบนเสา = " + n(r.P) + " กก. แต่รับ นน.ได้จริงเพียง " + n(r.R) +
             " x " + n(r.P) + " = " + n(rp) + " กก.");
        line("เพราะฉะนั้น อัตราส่วนที่จะต้องคิดเพิ่ม = " + n(r.P) + " / " + n(rp) + " = " + n(r.m) +
             " ( เพื่อให้เสารับ นน.ได้โดยปลอดภัย )");
    } else {
        line("เนื่องจากเป็นเสาแบบสั้น( SHORT COLUMN ) ค่า R = 1");
        line("เพราะฉะนั้น ตัวคูณลดค่าการรับ นน. ของเสาต้นนี้ R = 1 ");
    }
    line("นน.ที่เสาสามารถรับได้โดยปลอดภัย P = " + n(r.m) + " x " + n(r.Pt) + " = " + n(r.N) +
         " กก.( ที่ต้องนำไปคำนวณหาเหล็กเสริม )***");
    line("คำนวณหาค่ากำลังรับ นน.ของเสาโดยคอนกรีต C = 0.85 x Ag x ( 0.25 x fc')");
    line(" C = 0.85 x " + n(r.Ag) + " x ( 0.25 x " + n(r.fcPrime) + " ) = " + n(r.Pc) + " กก.");
    line("คำนวณหาค่ากำลังรับ นน.ของเสาโดยเหล็กเสริม S = P - C = " + n(r.N) + " - " + n(r.Pc) + " = " + n(r.Ps) + " กก.");
    line("กำหนดค่าหน่วยแรงอัดที่ยอมให้ของเหล็กเสริม fs = " + n(r.fs) + " กก./ตร.ซม.");
    line("คำนวณหา พท.หน้าตัดเหล็กเสริม As = S / ( 0.85 x fs )");
    // A negative area is no steel at all: the concrete carries the load by itself.
    if (r.As < Fixed())
        line(" As = " + n(r.Ps) + " / ( 0.85 x " + n(r.fs) + " ) ติดลบ คอนกรีตรับ นน.ได้เอง ต้องใช้เหล็กยืนขั้นต่ำ");
    else
        line(" As = " + n(r.Ps) + " / ( 0.85 x " + n(r.fs) + " ) = " + n(r.As) + " ตร.ซม.");
    line("พท.หน้าตัดเสาที่ นน.ต้องการเมื่อใช้เหล็ก 1 % Ag' = " + n(r.N) + " / ( 0.85 x ( 0.25 x " + n(r.fcPrime) +
         " + 0.01 x " + n(r.fs) + " ) ) = " + n(r.AgNeeded) + " ตร.ซม.");
    const SteelMinimumText& least = steelMinimumText(r.minimumBasis);
    line(std::string("เหล็กยืนขั้นต่ำ As min = 0.01 x ") + least.area + " = 0.01 x " + n(minimumArea(r)) + " = " +
         n(r.AsMin) + " ตร.ซม. ( " + least.reason + " )");
    line("ใช้ As = " + n(r.AsUsed) + " ตร.ซม. ( " +
         (r.minimumGoverns ? std::string("เหล็กยืนขั้นต่ำ 0.01 x ") + least.area + " ควบคุม"
                           : std::string("As ที่คำนวณได้ไม่น้อยกว่าเหล็กยืนขั้นต่ำ")) +
         " )");
    line("อัตราส่วนระหว่าง พื้นที่หน้าตัดเหล็กยืน/พื้นที่หน้าตัดของเสา Pg = As / Ag = " + n(r.AsUsed) + " / " +
         n(r.Ag) + " x 100 = " + n(r.pgUsed) + " %");
    line("***มาตรฐานที่ วสท.กำหนด Pg ต้องอยู่ระหว่าง 1 % ถึง 8 % ( เสาที่ใหญ่กว่าที่ นน.ต้องการ ไม่น้อยกว่า 0.5 % )");
    line("***ใช้เหล็กเสริมรับแรงอัดเป็นเหล็กยืนในเสา ขนาด " + n(r.db) + " มม.จำนวน " + n(r.nb) + " เส้น O.K.");
    line("เปรียบเทียบหาเหล็กปลอกและระยะปลอกของเสา ตามข้อกำหนดของ วสท.", kBody, 100);
    line("กำหนดขนาดของเหล็กปลอก = " + n(r.dt) + " มม.");
    line("1. เปรียบเทียบ 16 เท่าของเส้นผ่าศูนย์กลางของเหล็กยืน = " + n(r.s16) + " ซม.");
    line("2. เปรียบเทียบ 48 เท่าเส้นผ่าศูนย์กลางของเหล็กปลอก = " + n(r.s48) + " ซม.");
    line("3. เปรียบเทียบ ความกว้างด้านแคบที่สุดของเสา = " + n(r.t) + " ซม.");
    line("ต้องเลือกระยะปลอกโดยถือค่าเปรียบเทียบที่น้อยที่สุด เพราะฉะนั้น ระยะปลอก = " + n(r.s) + " ซม.");
    line("***ใช้เหล็กปลอก ขนาด " + n(r.dt) + " มม. ระยะห่าง @ = " + n(r.s) + " ซม. O.K.");
    addSheetFooter(p, tb, kEngineerLine);

    // The section sits below the engineer line, clear of every text row, so no line
    // needs to give way to it.
    p.append(columnDrawing(r, kColumnSheetDrawingBox));
    certifySheet(p, usable);
    return p;
}

}  // namespace mx::column
