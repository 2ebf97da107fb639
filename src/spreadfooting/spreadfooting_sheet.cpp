#include "spreadfooting/spreadfooting_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "spreadfooting/spreadfooting_drawing.h"
#include "spreadfooting/spreadfooting_form.h"

namespace mx::spreadfooting {

namespace {


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
    constexpr double L1 = kSheetLeft, L2 = kSheetContinuation;

    const double areaM2 = r.Aact.toDouble() / 10000;  // the pad as built, m2
    const double Lm = r.L / 100.0, dm = r.d / 100.0;

    addSheetHeader(p, tb, kSpreadFootingSheetHeading);
    SheetListing l(p, kListingTop);
    l.row(L1, "กำหนด นน.ที่กระทำลงบนฐานราก = " + n(r.P) + " กก.");
    l.row(L2, " คิด นน.ฐานราก = " + n(r.cf) + " % x " + n(r.pf) + " เท่า = " + n(r.Wf) + " กก.");
    l.row(L1, "รวม นน. ที่กระทำลงบนฐานรากที่นำมาคำนวณ = " + n(r.W) + " กก. หรือ = " + n(r.W / 1000) + " ตัน");
    l.row(L1, "หน่วยแรงดันของดินที่รับ นน.ปลอดภัย = " + n(1000 * r.q) + " กก. / ตร.เมตร");
    l.row(L2, "พื้นที่ฐานราก = " + n(r.A) + " ตร.เมตร");
    l.row(L1, "ใช้ขนาดฐานราก กว้าง = " + n(r.L) + " ซม. x ยาว = " + n(r.B) + " ซม. = " + n(areaM2) + " ตร.เมตร " +
                  relation(areaM2, r.A) + " " + n(r.A) + " ตร.เมตร O.K.");
    l.row(L1, "หน่วยแรงดันขึ้นของดิน ( w ) = " + n(r.w) + " กก. / ตร.เมตร");
    l.row(L1, "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'= " + n(r.fcPrime) +
                  " กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc = " + n(r.fc) + " กก./ตร.ซม.");
    l.row(L1, "กำหนดค่าหน่วยแรงดึงของเหล็กตะแกรง fs = " + n(r.fs) + " กก./ตร.ซม.");
    l.row(L1, "คำนวณหาขนาดเสาตอม่อ = SQR( 0.0158 x นน.ที่กระทำลงบนฐาน ) = SQR( 0.0158 x " + n(r.P) +
                  " ) = " + n(r.cRoot));
    l.row(L2, "ปัดขึ้น = " + n(r.c) + " ซม. กำหนดขนาดเสาตอม่อ = " + n(r.a) + " ซม. x " + n(r.a) +
                  " ซม.( ถือเป็นขนาดที่น้อยที่สุด Min.)");
    l.row(L1, "วิเคราะห์ลักษณะของฐานราก โมเมนต์ที่ขอบเสา M = 0.50 x ( w ) x ( l ^ 2 )");
    l.row(L2, "l = ( L - a ) / 2 = ( " + n(Lm) + " - " + n(r.a / 100) + " ) / 2 = " + n(r.l));
    // The moment is per metre width of pad, so its unit is kg-m.
    l.row(L2, "M = 0.50 x " + n(r.w) + " x ( " + n(r.l) + " ^ 2 ) = " + n(r.M) + " กก.-เมตร");
    l.row(L1, "คำนวณหาค่า constant  n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " +
                  n(r.k));
    l.row(L2, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.R));
    l.row(L1, "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR ( " + n(r.M) + " x 100 / " + n(r.R) +
                  " x 100 ) = " + n(r.dr) + " ซม.");
    l.row(L1, "พิจารณาแรงเฉือนแบบคานและรอบเสาตอม่อค่า d = " + n(r.d) + " ซม.");
    l.row(L2, "ความลึกของฐานราก " + thicknessText(r.d, r.db / 10, r.t));
    l.row(L1, "หาค่า พท.หน้าตัดเหล็กเสริมทางยาว As = M / fs x j x d = " + n(r.M.toDouble() * 100) + " / ( " +
                  n(r.fs) + " x " + n(r.j) + " x " + n(r.d) + " ) = " + n(r.As) + " ตร.ซม. / ม.");
    l.row(L2, "เหล็กเสริมน้อยที่สุดต่อความกว้าง 1 ม. " + minSteelText(r.rho, "100", r.t, r.AsMin));
    // na and the least steel's count are the bars across the whole width of the pad.
    l.row(L1, "ใช้เหล็กตะแกรง " + n(r.db) + " มม.  จำนวน = As x B / Ab = " + n(r.na) +
                  " เส้น ***( 1 )  As(min) x B / Ab = " + n(r.nMin) + " เส้น ***( 3 )");
    l.row(L1, "คำนวณหาค่าแรงเฉือนที่อยู่ห่างจากหน้าตัดวิกฤต V = w x ( ( L ^ 2 ) - ( d ^ 2 ) )");
    l.row(L2, "V = " + n(r.w) + " x ( ( " + n(Lm) + " ^ 2 ) - ( " + n(dm) + " ^ 2 ) ) = " + n(r.Vp));
    l.row(L1, "หน่วยแรงยึดเกาะที่ยอมให้ " + bondAllowableText(r.fcPrime, r.db / 10, r.roundBars, r.u));
    l.row(L1, "จำนวนเหล็กเสริม = V / ( u x เส้นรอบรูปเหล็กเสริม x j x d ) / 2 = " + n(r.Vp) + " / ( " + n(r.u) +
                  " x " + n(r.o) + " x " + n(r.j) + " x " + n(r.d) + " ) / 2");
    l.row(L2, n(r.nb) + " เส้น ***ใช้เหล็กตะแกรงขนาด " + n(r.db) + " มม.  จำนวน " + n(r.nb) + " เส้น ***( 2 )");
    l.row(L1, "เมื่อเปรียบเทียบจำนวนเส้นเหล็กเสริม ( 1 ) ( 2 ) และ ( 3 ) ( โดยเลือกค่าที่มากที่สุด )");
    const std::array<std::string, 2> anchorage = anchorageText(r.fs, r.db / 10, r.u, r.anchorage);
    l.row(L1, anchorage[0]);
    l.row(L2, anchorage[1]);
    l.result("***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.N) + " เส้น O.K.", true);
    l.result("***จำนวนเหล็กตะแกรงเสริมทางสั้นใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.Ns) + " เส้น O.K.", true);
    l.row(L1, "ขนาดของฐานราก = กว้าง " + n(r.L) + " ซม.x ยาว " + n(r.B) + " ซม.x ลึก " + n(r.t) + " ซม. นน.ฐานราก = " +
                  n(r.Wact) + " กก. O.K.");
    addSheetFooter(p, tb, kFooterY);

    const PageBox& box = kSheetDrawingBox;
    p.keepClear(box.x1, box.y1, box.x2, box.y2);
    p.append(spreadFootingDrawing(r, box, DrawingMedium::Paper, kSheetPlanOrigin));

    certifySheet(p, usable);
    return p;
}

}  // namespace mx::spreadfooting
