#include "pilecap/pilecap_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "pilecap/pilecap_drawing.h"
#include "pilecap/pilecap_fields.h"
#include "pilecap/pilecap_form.h"

namespace mx::pilecap {

namespace {

constexpr double kBody = 14, kResult = 18;

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

// The depth taken: from the moment, and where the least depth or shear asked for more,
// the depth it was raised to.
std::string depthLine(const PileCapResult& r) {
    std::string s = "คิดค่า d = " + n(r.dMoment) + " ซม.  ";
    if (r.d != r.dMoment) s += "เพิ่มเป็น " + n(r.d) + " ซม.( d >= 30 และแรงเฉือน )  ";
    return s + "ความลึกของฐานราก = " + n(r.d) + " + 5 = " + n(r.t);
}

// Punching round the stub and one-way shear across the cap at the depth taken, each
// stress against its allowable one; a single pile has no section to check.
void shearLines(PageModel& p, const PileCapResult& r) {
    if (r.np == 1) {
        p.text(kSheetLeft, kShearTop, "เสาเข็มต้นเดียวอยู่ใต้เสาตอม่อ ไม่มีหน้าตัดวิกฤตของแรงเฉือนระหว่างเสาตอม่อกับเสาเข็ม", kBody);
        return;
    }
    const double step = kSheetLineStep;
    p.text(kSheetLeft, kShearTop,
           "ตรวจแรงเฉือนทะลุที่ระยะ d/2 รอบเสาตอม่อ vcp = 0.53 x SQR( fc' ) = " + n(r.vcp) +
               " กก./ตร.ซม.  b0 = 4 x ( a + d ) = " + n(r.b0) + " ซม.",
           kBody);
    if (r.punchingInside)
        p.text(kSheetContinuation, kShearTop + step,
               "Vp = " + n(r.Vp) + " กก.  vp = Vp / ( b0 x d ) = " + n(r.vp) + relation(r.vp.toDouble(), r.vcp.toDouble()) +
                   n(r.vcp) + " กก./ตร.ซม. O.K.",
               kBody);
    else
        p.text(kSheetContinuation, kShearTop + step,
               "หน้าตัด a + d = " + n(r.a + r.d) + " ซม. เลยขอบฐานราก ไม่เกิดแรงเฉือนทะลุ ใช้แรงเฉือนทางเดียวตัดสิน",
               kBody);
    p.text(kSheetLeft, kShearTop + 2 * step,
           "ตรวจแรงเฉือนทางเดียวที่ระยะ d จากขอบเสาตอม่อ vcb = 0.29 x SQR( fc' ) = " + n(r.vcb) + " กก./ตร.ซม.  กว้าง = " +
               n(r.bv) + " ซม.",
           kBody);
    p.text(kSheetContinuation, kShearTop + 3 * step,
           "Vb = " + n(r.Vb) + " กก.  vb = Vb / ( กว้าง x d ) = " + n(r.vb) + relation(r.vb.toDouble(), r.vcb.toDouble()) +
               n(r.vcb) + " กก./ตร.ซม. O.K.",
           kBody);
}

}  // namespace

const FootingCalculation<PileCapOutcome>& pileCapCalculation() {
    static const FootingCalculation<PileCapOutcome> calc{
        [](const FieldSet& f) { return calculatePileCap(readPileCapInput(f)); },
        resultLabels,
        kVerdictLabel,
        pileCapSheet,
        [](const PileCapResult& r, const PageBox& area) { return pileCapDrawing(r, area); },
    };
    return calc;
}

ProjectTitleBlock pileCapTitleBlock(const FieldSet& f) { return titleBlockOf(pileCapFieldTable(), f); }

PageModel pileCapSheet(const PileCapResult& r, bool usable, const ProjectTitleBlock& tb) {
    PageModel p;
    if (r.np > kMaxPiles) {
        // The last Calculate stopped at the pile count: there is no cap to list.
        p.text(kSheetLeft, 1200, kNothingToPrint, kBody);
        certifySheet(p, usable);
        return p;
    }
    auto line = [&p](double x, double y, const std::string& s, double pt = kBody) { p.text(x, y, s, pt); };
    // The strip the depth was worked on, in metres: 1 for a cap 1 m wide or wider.
    const double stripMetres = r.b / 100;

    addSheetHeader(p, tb, kPileCapSheetHeading);
    line(1200, 1200, "กำหนด นน. ที่กระทำลงบนฐานรากชนิดมีเสาเข็มรองรับ = " + n(r.P) + " กก.");
    line(3000, 1500, " คิด นน.ฐานราก = 10 % x " + n(r.pf) + " เท่า = " + n(r.Wf));
    line(1200, 1800, "รวม นน. ที่กระทำลงบนฐานรากที่นำมาคำนวณ = " + n(r.W));
    line(1200, 2100,
         "ใช้เสาเข็มรับ นน.ปลอดภัยต้นละ " + n(r.Ps) + " ตัน ขนาดด้านแคบที่สุดของเข็ม = " + n(r.q) + " ซม.");
    line(3000, 2400, "ใช้เสาเข็มจำนวน = " + n(r.W) + "/" + n(r.Ps) + " x 1000 = " + n(r.np) + " ต้น ");
    line(3000, 2700, "เพราะฉะนั้น เสาเข็ม 1 ต้นรับ นน. = " + n(r.Pp));
    line(1200, 3000,
         "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'= " + n(r.fcPrime) + " กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc = " +
             n(r.fc) + " กก./ตร.ซม.");
    line(1200, 3300, "กำหนดค่าหน่วยแรงดึงของเหล็กตะแกรง fs = " + n(r.fs));
    line(1200, 3600,
         "จากการจัดวางเสาเข็ม โดยกำหนดระยะห่างของเสาเข็ม = 3 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม = " + n(3 * r.q));
    line(1200, 3900,
         "ระยะศูนย์กลางเสาเข็มถึงริมขอบนอกฐานราก = 1.5 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม = " + n(1.5 * r.q));
    line(3000, 4200, "ได้ขนาดของฐานราก กว้าง = " + n(r.Bw) + " ซม. x ยาว = " + n(r.Lc));
    line(1200, 4500, "คำนวณหาขนาดเสาตอม่อ = SQR( 0.0158 x นน.ที่กระทำลงบนฐาน ) = SQR( 0.0158 x " + n(r.P));
    line(3000, 4800,
         " ซม. กำหนดขนาดเสาตอม่อ = " + n(r.a) + " ซม. x " + n(r.a) + " ซม.( ถือเป็นขนาดที่น้อยที่สุด Min.)");
    line(1200, 5100, "วิเคราะห์ลักษณะของฐานราก โมเมนต์ที่ขอบเสา M = " + n(r.M) + " กก.-เมตร");
    line(1200, 5400, "คำนวณหาค่า constant  n,  k,  j,  r  เพื่อใช้ในการคำนวณ");
    line(3000, 5700, "n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " + n(r.k));
    line(3000, 6000, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.R));
    line(1200, 6300,
         "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR ( " + n(r.M) + "/" + n(r.R) + " x " +
             numText(stripMetres) + " ) = " + n(r.dr));
    line(3000, 6600, depthLine(r));
    shearLines(p, r);
    // Everything below the shear check stands kShearRows lower than it would without.
    const double y = kShearRows * kSheetLineStep;
    line(1200, 6900 + y,
         "หาค่า พท.หน้าตัดเหล็กเสริมทางยาว As = M / fs x j x d = " + n(100 * r.M.toDouble()) + " / ( " + n(r.fs) +
             "x" + n(r.j) + "x" + n(r.d) + " ) = " + n(r.As) + " ตร.ซม.");
    line(1200, 7200 + y,
         "กำหนดขนาดเหล็กตะแกรง = " + n(r.db) + " มม.  ***ใช้เหล็กขนาด " + n(r.db) + " มม.  จำนวน = " + n(r.na) +
             " เส้น ***( 1 )");
    line(1200, 7500 + y, "คำนวณหาค่าแรงเฉือนคิดจากเสาเข็มที่อยู่ห่างจากหน้าตัดวิกฤต V = " + n(r.V));
    line(3000, 7800 + y, "คิดหน่วยแรงยึดเกาะที่ยอมให้ไม่เกิน 11 กก. / ตร.ซม. = u");
    line(1200, 8100 + y,
         "จำนวนเหล็กเสริม = V / ( u x เส้นรอบรูปเหล็กเสริม x j x d ) / 2 = " + n(r.V) + " / ( 11 x " + n(r.o) + "x" +
             n(r.j) + "x" + n(r.d) + " ) / 2");
    line(3000, 8400 + y,
         n(r.nb) + " เส้น ***ใช้เหล็กตะแกรงขนาด " + n(r.db) + " มม.  จำนวน " + n(r.nb) + " เส้น ***( 2 )");
    line(1200, 8700 + y,
         "เมื่อเปรียบเทียบจำนวนเส้นเหล็กเสริมที่คิดจากพื้นที่หน้าตัด( 1 ) กับหน่วยแรงยึดเกาะที่ยอมให้ ( 2 ) ( "
         "โดยเลือกค่าที่มากกว่า )");
    line(1200, 9000 + y,
         "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.N) + " เส้น O.K.", kResult);
    line(1200, 9400 + y,
         "***จำนวนเหล็กตะแกรงเสริมทางสั้นใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.Ns) + " เส้น O.K.", kResult);
    line(10000, 15000, tb.page);
    line(1200, 9800 + y,
         "ขนาดของฐานราก = กว้าง " + n(r.Bw) + " ซม.x ยาว " + n(r.Lc) + " ซม.x ลึก " + n(r.t) + " ซม. นน.ฐานราก = " +
             n(r.Wact) + " กก. O.K.");
    // This sheet sets the engineer's line further right than the shared footer does.
    line(kEngineerX, kEngineerY, tb.engineer + " " + tb.registration);

    p.append(pileCapDrawing(r, kSheetDrawingBox, DrawingMedium::Paper));
    certifySheet(p, usable);
    return p;
}

}  // namespace mx::pilecap
