#include "spreadfooting/spreadfooting_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "spreadfooting/spreadfooting_drawing.h"
#include "spreadfooting/spreadfooting_fields.h"
#include "spreadfooting/spreadfooting_form.h"

namespace mx::spreadfooting {

namespace {

constexpr double kBody = 14, kResult = 18;
constexpr double kFooterY = 10400;

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

}  // namespace

const FootingCalculation<SpreadFootingOutcome>& spreadFootingCalculation() {
    static const FootingCalculation<SpreadFootingOutcome> calc{
        [](const FieldSet& f) { return calculateSpreadFooting(readInput(f)); },
        resultLabels,
        kVerdictLabel,
        spreadFootingSheet,
        [](const SpreadFootingResult& r, const PageBox& area) { return spreadFootingDrawing(r, area); },
    };
    return calc;
}

ProjectTitleBlock spreadFootingTitleBlock(const FieldSet& f) { return titleBlockOf(spreadFootingFieldTable(), f); }

PageModel spreadFootingSheet(const SpreadFootingResult& r, bool usable, const ProjectTitleBlock& tb) {
    PageModel p;
    auto line = [&p](double x, double y, const std::string& s, double pt = kBody) { p.text(x, y, s, pt, pt == kResult); };
    constexpr double L1 = kSheetLeft, L2 = kSheetContinuation;

    const double areaM2 = r.Aact.toDouble() / 10000;  // the pad as built, m2
    const double Lm = r.L / 100.0, dm = r.d / 100.0;

    addSheetHeader(p, tb, kSpreadFootingSheetHeading);
    line(L1, 1200, "กำหนด นน.ที่กระทำลงบนฐานราก = " + n(r.P) + " กก.");
    line(L2, 1500, " คิด นน.ฐานราก = " + n(r.cf) + " % x " + n(r.pf) + " เท่า = " + n(r.Wf) + " กก.");
    line(L1, 1800, "รวม นน. ที่กระทำลงบนฐานรากที่นำมาคำนวณ = " + n(r.W) + " กก. หรือ = " + n(r.W / 1000) + " ตัน");
    line(L1, 2100, "หน่วยแรงดันของดินที่รับ นน.ปลอดภัย = " + n(1000 * r.q) + " กก. / ตร.เมตร");
    line(L2, 2400, "พื้นที่ฐานราก = " + n(r.A) + " ตร.เมตร");
    line(L1, 2700,
         "ใช้ขนาดฐานราก กว้าง = " + n(r.L) + " ซม. x ยาว = " + n(r.B) + " ซม. = " + n(areaM2) + " ตร.เมตร " +
             relation(areaM2, r.A) + " " + n(r.A) + " ตร.เมตร O.K.");
    line(L1, 3000, "หน่วยแรงดันขึ้นของดิน ( w ) = " + n(r.w) + " กก. / ตร.เมตร");
    line(L1, 3300,
         "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'= " + n(r.fcPrime) + " กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc = " +
             n(r.fc) + " กก./ตร.ซม.");
    line(L1, 3600, "กำหนดค่าหน่วยแรงดึงของเหล็กตะแกรง fs = " + n(r.fs) + " กก./ตร.ซม.");
    line(L1, 3900,
         "คำนวณหาขนาดเสาตอม่อ = SQR( 0.0158 x นน.ที่กระทำลงบนฐาน ) = SQR( 0.0158 x " + n(r.P) + " ) = " + n(r.cRoot));
    line(L2, 4200,
         "ปัดขึ้น = " + n(r.c) + " ซม. กำหนดขนาดเสาตอม่อ = " + n(r.a) + " ซม. x " + n(r.a) +
             " ซม.( ถือเป็นขนาดที่น้อยที่สุด Min.)");
    line(L1, 4500, "วิเคราะห์ลักษณะของฐานราก โมเมนต์ที่ขอบเสา M = 0.50 x ( w ) x ( l ^ 2 )");
    line(L2, 4800, "l = ( L - a ) / 2 = ( " + n(Lm) + " - " + n(r.a / 100) + " ) / 2 = " + n(r.l));
    // The moment is per metre width of pad, so its unit is kg-m.
    line(L2, 5100, "M = 0.50 x " + n(r.w) + " x ( " + n(r.l) + " ^ 2 ) = " + n(r.M) + " กก.-เมตร");
    line(L1, 5400, "คำนวณหาค่า constant  n,  k,  j,  r  เพื่อใช้ในการคำนวณ");
    line(L2, 5700, "n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " + n(r.k));
    line(L2, 6000, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.R));
    line(L1, 6300,
         "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR ( " + n(r.M) + " x 100 / " + n(r.R) + " x 100 ) = " +
             n(r.dr) + " ซม.");
    line(L1, 6600,
         "พิจารณาแรงเฉือนแบบคานและรอบเสาตอม่อค่า d = " + n(r.d) + " ซม.  ความลึกของฐานราก = " + n(r.d) + " + 5 = " +
             n(r.t));
    line(L1, 6900,
         "หาค่า พท.หน้าตัดเหล็กเสริมทางยาว As = M / fs x j x d = " + n(r.M.toDouble() * 100) + " / ( " + n(r.fs) +
             " x " + n(r.j) + " x " + n(r.d) + " ) = " + n(r.As) + " ตร.ซม.");
    // na counts the bars across the whole width of the pad, as the design uses it.
    line(L1, 7200,
         "กำหนดขนาดเหล็กตะแกรง = " + n(r.db) + " มม.  ***ใช้เหล็กขนาด " + n(r.db) + " มม.  จำนวน = " + n(r.na) +
             " เส้น ***( 1 )");
    line(L1, 7500, "คำนวณหาค่าแรงเฉือนที่อยู่ห่างจากหน้าตัดวิกฤต V = w x ( ( L ^ 2 ) - ( d ^ 2 ) )");
    line(L2, 7800, "V = " + n(r.w) + " x ( ( " + n(Lm) + " ^ 2 ) - ( " + n(dm) + " ^ 2 ) ) = " + n(r.Vp));
    line(L2, 8100, "คิดหน่วยแรงยึดเกาะที่ยอมให้ไม่เกิน 11 กก. / ตร.ซม. = u");
    line(L1, 8400,
         "จำนวนเหล็กเสริม = V / ( u x เส้นรอบรูปเหล็กเสริม x j x d ) / 2 = " + n(r.Vp) + " / ( 11 x " + n(r.o) + " x " +
             n(r.j) + " x " + n(r.d) + " ) / 2");
    line(L2, 8700, n(r.nb) + " เส้น ***ใช้เหล็กตะแกรงขนาด " + n(r.db) + " มม.  จำนวน " + n(r.nb) + " เส้น ***( 2 )");
    line(L1, 9000,
         "เมื่อเปรียบเทียบจำนวนเส้นเหล็กเสริมที่คิดจากพื้นที่หน้าตัด( 1 ) กับหน่วยแรงยึดเกาะที่ยอมให้ ( 2 ) ( "
         "โดยเลือกค่าที่มากกว่า )");
    line(L1, 9300, "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.N) + " เส้น O.K.", kResult);
    line(L1, 9700, "***จำนวนเหล็กตะแกรงเสริมทางสั้นใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.Ns) + " เส้น O.K.",
         kResult);
    line(L1, 10100,
         "ขนาดของฐานราก = กว้าง " + n(r.L) + " ซม.x ยาว " + n(r.B) + " ซม.x ลึก " + n(r.t) + " ซม. นน.ฐานราก = " +
             n(r.Wact) + " กก. O.K.");
    addSheetFooter(p, tb, kFooterY);

    const PageBox& box = kSheetDrawingBox;
    p.keepClear(box.x1, box.y1, box.x2, box.y2);
    p.append(spreadFootingDrawing(r, box, DrawingMedium::Paper, kSheetPlanOrigin));

    certifySheet(p, usable);
    return p;
}

}  // namespace mx::spreadfooting
