#include "pilecap/pilecap_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "pilecap/pilecap_drawing.h"
#include "pilecap/pilecap_form.h"

namespace mx::pilecap {

namespace {

constexpr double kBody = 14;

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

// The depth taken: from the moment, and where the least depth or shear asked for more,
// the depth it was raised to.
std::string depthLine(const PileCapResult& r) {
    std::string s = "คิดค่า d = " + n(r.dMoment) + " ซม.  ";
    if (r.d != r.dMoment) s += "เพิ่มเป็น " + n(r.d) + " ซม.( d >= 30 และแรงเฉือน )";
    return s;
}

// The section round the governing pile as the pile stands: in a corner, by an edge or
// clear of the edges.
std::string pileSectionText(const PileCapResult& r) {
    switch (r.pileSides) {
        case 2: return "ที่มุมฐานราก b0 = ( e1 + ( w + d ) / 2 ) + ( e2 + ( w + d ) / 2 ) = ";
        case 3: return "ที่ริมฐานราก b0 = ( w + d ) + 2 x ( e1 + ( w + d ) / 2 ) = ";
        default: return "b0 = 4 x ( w + d ) = ";
    }
}

// Punching round the stub, one-way shear across the cap and punching round the
// governing pile at the depth taken, each stress against its allowable one; a single
// pile has no section to check. Always kShearRows rows.
void shearLines(SheetListing& l, const PileCapResult& r) {
    if (r.np == 1) {
        l.row(kSheetLeft, "เสาเข็มต้นเดียวอยู่ใต้เสาตอม่อ ไม่มีหน้าตัดวิกฤตของแรงเฉือนระหว่างเสาตอม่อกับเสาเข็ม");
        l.skip(kShearRows - 1);
        return;
    }
    l.row(kSheetLeft, "ตรวจแรงเฉือนทะลุที่ระยะ d/2 รอบเสาตอม่อ vcp = 0.53 x SQR( fc' ) = " + n(r.vcp) +
                          " กก./ตร.ซม.  b0 = 4 x ( a + d ) = " + n(r.b0) + " ซม.");
    if (r.punchingInside)
        l.row(kSheetContinuation, "Vp = " + n(r.Vp) + " กก.  vp = Vp / ( b0 x d ) = " + n(r.vp) +
                                      relation(r.vp.toDouble(), r.vcp.toDouble()) + n(r.vcp) + " กก./ตร.ซม. O.K.");
    else
        l.row(kSheetContinuation,
              "หน้าตัด a + d = " + n(r.a + r.d) + " ซม. เลยขอบฐานราก ไม่เกิดแรงเฉือนทะลุ ใช้แรงเฉือนทางเดียวตัดสิน");
    l.row(kSheetLeft, "ตรวจแรงเฉือนทางเดียวที่ระยะ d จากขอบเสาตอม่อ vcb = 0.29 x SQR( fc' ) = " + n(r.vcb) +
                          " กก./ตร.ซม.  กว้าง = " + n(r.bv) + " ซม.");
    l.row(kSheetContinuation, "Vb = " + n(r.Vb) + " กก.  vb = Vb / ( กว้าง x d ) = " + n(r.vb) +
                                  relation(r.vb.toDouble(), r.vcb.toDouble()) + n(r.vcb) + " กก./ตร.ซม. O.K.");
    l.row(kSheetLeft,
          "ตรวจแรงเฉือนทะลุรอบเสาเข็มต้นที่ " + n(r.pileGoverning) + pileSectionText(r) + n(r.b0Pile) + " ซม.");
    std::string sizes = "w = " + n(r.q) + " e1 = " + n(r.pileE1);
    if (r.pileSides == 2) sizes += " e2 = " + n(r.pileE2);
    l.row(kSheetContinuation, sizes + " ซม.  v = Pp / ( b0 x d ) = " + n(r.vPile) +
                                  relation(r.vPile.toDouble(), r.vcp.toDouble()) + n(r.vcp) + " กก./ตร.ซม. O.K.");
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
    SheetListing l(p, kListingTop);
    l.row(1200, "กำหนด นน. ที่กระทำลงบนฐานรากชนิดมีเสาเข็มรองรับ = " + n(r.P) + " กก.");
    l.row(3000, " คิด นน.ฐานราก = 10 % x " + n(r.pf) + " เท่า = " + n(r.Wf));
    l.row(1200, "รวม นน. ที่กระทำลงบนฐานรากที่นำมาคำนวณ = " + n(r.W));
    l.row(1200, "ใช้เสาเข็มรับ นน.ปลอดภัยต้นละ " + n(r.Ps) + " ตัน ขนาดด้านแคบที่สุดของเข็ม = " + n(r.q) + " ซม.");
    l.row(3000, "ใช้เสาเข็มจำนวน = " + n(r.W) + "/" + n(r.Ps) + " x 1000 = " + n(r.np) +
                    " ต้น  เพราะฉะนั้น เสาเข็ม 1 ต้นรับ นน. = " + n(r.Pp));
    l.row(1200, "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'= " + n(r.fcPrime) +
                    " กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc = " + n(r.fc) + " กก./ตร.ซม.");
    l.row(1200, "กำหนดค่าหน่วยแรงดึงของเหล็กตะแกรง fs = " + n(r.fs));
    l.row(1200,
          "จากการจัดวางเสาเข็ม โดยกำหนดระยะห่างของเสาเข็ม = 3 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม = " + n(3 * r.q));
    l.row(1200, "ระยะศูนย์กลางเสาเข็มถึงริมขอบนอกฐานราก = 1.5 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม = " + n(1.5 * r.q));
    l.row(3000, "ได้ขนาดของฐานราก กว้าง = " + n(r.Bw) + " ซม. x ยาว = " + n(r.Lc));
    l.row(1200, "คำนวณหาขนาดเสาตอม่อ = SQR( 0.0158 x นน.ที่กระทำลงบนฐาน ) = SQR( 0.0158 x " + n(r.P));
    l.row(3000, " ซม. กำหนดขนาดเสาตอม่อ = " + n(r.a) + " ซม. x " + n(r.a) + " ซม.( ถือเป็นขนาดที่น้อยที่สุด Min.)");
    l.row(1200, "วิเคราะห์ลักษณะของฐานราก โมเมนต์ที่ขอบเสา M = " + n(r.M) + " กก.-เมตร");
    l.row(1200, "คำนวณหาค่า constant  n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " +
                    n(r.k));
    l.row(3000, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.R));
    l.row(1200, "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR ( " + n(r.M) + "/" + n(r.R) + " x " +
                    numText(stripMetres) + " ) = " + n(r.dr));
    l.row(3000, depthLine(r));
    shearLines(l, r);
    // The total depth over the bars' cover, after the shear checks that set d.
    l.row(3000, "ความลึกของฐานราก " + thicknessText(r.d, r.db / 10, r.t));
    l.row(1200, "หาค่า พท.หน้าตัดเหล็กเสริมทางยาว As = M / fs x j x d = " + n(100 * r.M.toDouble()) + " / ( " +
                    n(r.fs) + "x" + n(r.j) + "x" + n(r.d) + " ) = " + n(r.As) + " ตร.ซม.");
    l.row(1200, "กำหนดขนาดเหล็กตะแกรง = " + n(r.db) + " มม.  จำนวน = " + n(r.na) + " เส้น ***( 1 )  " +
                    minSteelText(r.rho, n(r.Bw), r.t, r.AsMin) + " = " + n(r.nMin) + " เส้น ***( 3 )");
    l.row(1200, "แรงเฉือนที่ขอบเสาตอม่อ คิดจากเสาเข็มที่อยู่นอกขอบเสาตอม่อ เหล็กทางยาว V = " + n(r.V) +
                    " กก.  เหล็กทางสั้น V = " + n(r.VShort) + " กก.");
    l.row(1200, "หน่วยแรงยึดเกาะที่ยอมให้ " + bondAllowableText(r.fcPrime, r.db / 10, r.roundBars, r.u));
    l.row(1200, "จำนวนเหล็กเสริม = V / ( u x เส้นรอบรูปเหล็กเสริม x j x d ) = " + n(r.V) + " / ( " + n(r.u) + "x" +
                    n(r.o) + "x" + n(r.j) + "x" + n(r.d) + " )");
    l.row(3000, n(r.nb) + " เส้น ***( 2 )  ทางสั้น = " + n(r.VShort) + " / ( " + n(r.u) + "x" + n(r.o) + "x" + n(r.j) +
                    "x" + n(r.d) + " ) = " + n(r.nbShort) + " เส้น");
    l.row(1200, "เลือกจำนวนเส้นที่มากที่สุดของ ( 1 ) ( 2 ) ( 3 )  ทางสั้นไม่น้อยกว่าที่หน่วยแรงยึดเกาะและ " +
                    minSteelText(r.rho, n(r.Lc), r.t, r.AsMinShort) + " ต้องการ");
    const std::array<std::string, 2> anchorage = anchorageText(r.fs, r.db / 10, r.u, r.anchorage);
    l.row(1200, anchorage[0]);
    l.row(3000, anchorage[1]);
    l.result("***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.N) + " เส้น O.K.");
    l.result("***จำนวนเหล็กตะแกรงเสริมทางสั้นใช้เหล็กขนาด " + n(r.db) + " มม. จำนวน " + n(r.Ns) + " เส้น O.K.");
    line(10000, 15000, tb.page);
    l.row(1200, "ขนาดของฐานราก = กว้าง " + n(r.Bw) + " ซม.x ยาว " + n(r.Lc) + " ซม.x ลึก " + n(r.t) +
                    " ซม. นน.ฐานราก = " + n(r.Wact) + " กก. O.K.");
    // This sheet sets the engineer's line further right than the shared footer does.
    line(kEngineerX, kEngineerY, tb.engineer + " " + tb.registration);

    p.append(pileCapDrawing(r, kSheetDrawingBox, DrawingMedium::Paper));
    certifySheet(p, usable);
    return p;
}

}  // namespace mx::pilecap
