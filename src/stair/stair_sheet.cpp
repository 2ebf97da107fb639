#include "stair/stair_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "stair/stair_drawing.h"
#include "stair/stair_form.h"

namespace mx::stair {

namespace {

constexpr double kBody = 14;

// The folded plate prints its plate weights twice over in the rows 2400 to 3000: a
// working caption and the line the flat stairs share. Each pair stands side by side,
// the second text in a column of its own, so no two texts meet.
constexpr double kPlateHeadingX = 3600;  // right of "คำนวณหา นน. ขั้นบันได"
constexpr double kPlatePairX = 6300;     // right of the longest working caption

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

// " < ", " > " or " = " as the two printed numbers truly compare.
std::string rel(double a, double b) { return std::string(" ") + relation(a, b) + " "; }
std::string rel(Fixed a, Fixed b) { return rel(a.toDouble(), b.toDouble()); }

}  // namespace

Message stairPrintQuestion() { return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical}; }

ProjectTitleBlock stairTitleBlock(const FieldSet& f) { return titleBlockOf(stairFieldTable(), f); }

PageModel stairSheet(const StairDesignResult& r, bool usable, const ProjectTitleBlock& tb) {
    PageModel p;
    auto line = [&p](double x, double y, const std::string& s) { p.text(x, y, s, kBody); };
    const bool folded = r.stairType == kFoldedPlate;
    const StairTypeInfo* type = stairTypeInfo(r.stairType);

    addSheetHeader(p, tb, kStairSheetHeading);
    line(kSheetLeft, 1200,
         "นน.จรที่กำหนด = " + n(r.LL) + " กก. / ตร.ม.  กำหนดลูกนอนของบันไดกว้าง t = " + n(r.T) + " ซม.");
    line(kSheetLeft, 1500,
         "กำหนดความสูงของลูกตั้ง r = " + n(r.Rs) + " ซม.  กำหนดความหนาของพื้นบันได s = " + n(r.t) + " ซม.");
    line(kSheetLeft, 1800, std::string(type ? type->spanCaption : findField(stairFieldTable(), "span")->caption) + " " + n(r.L));
    line(kSheetLeft, 2100, "ค่า n = " + n(r.n) + " ค่า k = " + n(r.k) + " ค่า j = " + n(r.j) + " ค่า R = " + n(r.R));

    if (folded) {
        line(kSheetLeft, 2400, "คำนวณหา นน. ขั้นบันได");
        line(kPlateHeadingX, 2400, "น้ำหนักบันไดทางนอน + น้ำหนักบันไดทางตั้ง หน่วยเป็น กก. / ตร.ม.");
        line(kSheetLeft, 2700, "นน.ขั้นบันไดคิดในแนวระดับ = " + n(r.Wstep) + " กก. / ตร.ม.");
        line(kPlatePairX, 2700, "นน.ขั้นบันไดทางนอน = " + n(r.Wstep) + " กก. / ตร.ม.");
        line(kSheetLeft, 3000, "นน.ขั้นบันไดคิดในแนวตั้ง = " + n(r.Wslab) + "  กก. / ตร.ม.");
        line(kPlatePairX, 3000, "น้ำหนักบันไดทางตั้ง = " + n(r.Wslab) + " กก. / ตร.ม.");
    } else {
        line(kSheetContinuation, 2400, "น้ำหนักพื้นบันได = ( 24 x ( s ) / t ) x sqr ( r^2 + t^2 ) หน่วย กก. / ตร.ม.");
        line(kSheetLeft, 2700,
             "น้ำหนักพื้นบันได = ( 24 x ( " + n(r.t) + " ) / " + n(r.T) + " ) x sqr ( " + n(r.Rs) + "^2 + " + n(r.T) +
                 "^2 ) = " + n(r.Wslab) + " กก. / ตร.ม.");
        line(kSheetLeft, 3000, "นน.ขั้นบันได = 12 x r = 12 x " + n(r.Rs) + " = " + n(r.Wstep) + " กก. / ตร.ม.");
    }

    line(kSheetLeft, 3300,
         "รวม นน. คงที่ ( DEAD LOAD ) = " + n(r.Wstep) + " + " + n(r.Wslab) + " = " + n(r.D) + " กก. / ตร.ม.");
    line(kSheetLeft, 3600,
         "คิด " + n(r.fD) + " เท่า รวม นน.คงที่ ( Total DEAD LOAD ) = " + n(r.fD) + " x " + n(r.D) + " = " + n(r.fDxD) +
             " กก. / ตร.ม.");
    line(kSheetLeft, 3900,
         "นน.จร ( LIVE LOAD ) = " + n(r.LL) + " กก. / ตร.ม. คิด " + n(r.fL) + " เท่า รวม LIVE LOAD = " + n(r.fL) +
             " x " + n(r.LL) + " = " + n(r.fLxLL) + " กก. / ตร.ม.");
    line(kSheetLeft, 4200,
         "รวม นน. ทางราบทั้งสิ้น ( Total Load ) = " + n(r.fDxD) + " + " + n(r.fLxLL) + " = " + n(r.w) + " กก. / ตร.ม.");
    line(kSheetLeft, 4500,
         "ค่าโมเมนต์  M = w x L^2 / 8 = " + n(r.w) + " x " + n(r.L) + " ^2 / 8 = " + n(r.M) + " กก. - ม.");
    line(kSheetLeft, 4800, "กำหนดใช้เหล็กเสริมหลักขนาด = " + n(r.mainBar) + " มม.");
    // The cover of 2 cm and half the main bar, as the effective depth takes them.
    const Fixed coverAndHalfBar = Fixed::fromDouble(r.mainBar / 20.0 + 2.0);
    line(kSheetLeft, 5100, "d1 = " + n(r.t) + " - " + n(coverAndHalfBar) + " = " + n(r.d) + " ซม.");
    line(kSheetLeft, 5400,
         "d2 = sqr ( M / ( R x b ) ) = sqr ( " + n(r.M) + " x 100 / ( " + n(r.R) + " x 100 ) ) = " + n(r.dReq) + " ซม." +
             rel(r.dReq, r.d) + n(r.d) + " ซม.");
    line(kSheetLeft, 5700,
         "พท.หน้าตัดเหล็กเสริมหลัก As1 = M / ( fs x j x d ) = " + n(r.M) + " x 100 / ( " + n(r.fs) + " x " + n(r.j) +
             " x " + n(r.d) + " ) = " + n(r.As) + " ตร.ซม.");
    const Fixed mainProvided = r.aMain.times(r.countMain);
    line(kSheetLeft, 6000,
         "*** ใช้เหล็กเสริมหลักขนาด " + n(r.mainBar) + " มม. ระยะ @ " + n(r.sMain) + " ม. ( As = " + n(mainProvided) +
             rel(mainProvided, r.As) + n(r.As) + " ตร.ซม. ) *** OK.");
    if (folded) {
        line(kSheetLeft, 6300, "เหล็กบนรับโมเมนต์ลบ เหล็กล่างรับโมเมนต์บวก");
        line(kSheetLeft, 6600,
             "*** เสริมเหล็กล่างรับโมเมนต์บวกขนาด " + n(r.mainBar) + " มม. ระยะ @ " + n(r.sMain) + " ม. *** OK.");
    } else {
        line(kSheetLeft, 6300,
             "พท.หน้าตัดเหล็กเสริมกันร้าว Ast = 0.0025 x b x d = 0.0025 x 100 x " + n(r.t) + " = " + n(r.AsT) +
                 " ตร.ซม.");
        const Fixed tempProvided = r.aTemp.times(r.countTemp);
        line(kSheetLeft, 6600,
             "*** ใช้เหล็กเสริมกันร้าวขนาด " + n(r.tempBar) + " มม. ระยะ @ " + n(r.sTemp) + " ม. ( As = " +
                 n(tempProvided) + rel(tempProvided, r.AsT) + n(r.AsT) + " ตร.ซม. ) *** OK.");
    }
    line(kSheetLeft, 6900,
         "แรงเฉือน V = 0.5 x ( w x L ) = 0.5 x ( " + n(r.w) + "  x " + n(r.L) + " ) = " + n(r.V) + " กก.");
    line(kSheetLeft, 7200,
         "Vd = V - ( w x d ) = " + n(r.V) + " - ( " + n(r.w) + " x " + n(r.d) + " / 100 ) = " + n(r.Vd) + " กก.");
    line(kSheetLeft, 7500,
         "v = Vd / ( b x d ) = " + n(r.Vd) + " / ( 100 x " + n(r.d) + " ) = " + n(r.v) + " กก. / ตร.ซม.");
    line(kSheetLeft, 7800,
         "*** หน่วยแรงเฉือนที่ยอมให้ vc = 0.29 x sqr fc' = 0.29 x sqr ( " + n(r.fcPrime) + " ) = " + n(r.vc) +
             rel(r.vc, r.v) + n(r.v) + " กก. / ตร.ซม. *** OK.");
    line(kSheetLeft, 8100, "แรงยึดเกาะ u = V / ( Eo x j x d ) กก. / ตร.ซม.");
    line(kSheetLeft, 8400,
         "ใช้เหล็กเสริมหลักขนาด " + n(r.mainBar) + " มม. ใน 1.00 เมตร ใช้เหล็กจำนวน " + n(r.countMain) + " เส้น");
    line(kSheetLeft, 8700, "เหล็กขนาด " + n(r.mainBar) + " มม. เส้นรอบวง = " + n(r.perimeter) + " ซม.");
    line(kSheetLeft, 9000, "Eo = " + n(r.perimeter) + " x " + n(r.countMain) + " = " + n(r.sumPerimeter) + " ซม.");
    line(kSheetLeft, 9300,
         "u = " + n(r.V) + " / ( " + n(r.sumPerimeter) + " x " + n(r.j) + " x " + n(r.d) + " ) = " + n(r.u) +
             " กก. / ตร.ซม.");
    line(kSheetLeft, 9600,
         "*** หน่วยแรงยึดเกาะที่ยอมให้สำหรับเหล็กขนาด " + n(r.mainBar) + " มม. = 11" + rel(kAllowableBond, r.u.toDouble()) +
             n(r.u) + " กก. / ตร.ซม. *** OK.");
    addSheetFooter(p, tb, 9900);

    // The drawing stands below the text, beside nothing but the page text far right,
    // so no text line needs to keep clear of it.
    p.append(stairDrawing(r, kStairSheetDrawingBox));
    certifySheet(p, usable);
    return p;
}

}  // namespace mx::stair
