#include "beam/beam_sheet.h"

#include <array>

#include "beam/beam_drawing.h"
#include "beam/beam_form.h"
#include "common/certify.h"
#include "common/numtext.h"

namespace mx::beam {

namespace {

constexpr double kBody = 14, kResult = 18;
constexpr double kPointLoadLineStep = 300;  // twips

// The line that names the beam type and which face takes the tension.
constexpr std::array<const char*, 5> kTypeLines{
    "(คานตัวนี้ เป็นคานเดี่ยว เหล็กล่างรับแรงดึง-เหล็กบนรับแรงอัด)",
    "(คานตัวนี้ เป็นคานริม เหล็กล่างรับแรงดึง-เหล็กบนรับแรงอัด)",
    "(คานตัวนี้ เป็นคานต่อเนื่องภายใน เหล็กล่างรับแรงดึง-เหล็กบนรับแรงอัด)",
    "(คานตัวนี้ เป็นคานที่มีคานยื่น เหล็กล่างรับแรงดึง-เหล็กบนรับแรงอัด)",
    "(คานตัวนี้เป็นคานยื่น เหล็กบนรับแรงดึง-เหล็กล่างรับแรงอัด)",
};

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

}  // namespace

Message beamPrintQuestion() { return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical}; }

ProjectTitleBlock beamTitleBlock(const FieldSet& f) { return titleBlockOf(beamFieldTable(), f); }

PageModel beamSheet(const BeamDesignResult& r, const ProjectTitleBlock& tb, bool usable) {
    PageModel p;
    // Linked point loads take a line of their own: the listing below them moves down one.
    const bool points = r.pointLoads != 0;
    const double below = points ? kPointLoadLineStep : 0;
    auto line = [&](double x, double y, const std::string& s, double pt = kBody) {
        p.text(x, y > 1500 ? y + below : y, s, pt);
    };

    addSheetHeader(p, tb, kBeamSheetHeading);
    line(1200, 1200,
         "ขนาดของคาน = " + n(r.width) + "ซม.x " + n(r.depth) + "ซม.x ยาว =" + n(r.spanLength) + "เมตร  นน.ของคาน x " +
             n(r.deadLoadFactor) + " เท่า = " + n(r.deadLoad) + " กก./เมตร");
    if (points)
        line(1200, 1500,
             "แรงกระทำเป็นจุดที่ลิงก์มา P1+P2+P3 = " + n(r.pointLoads) + " กก. คิดเป็น นน.แผ่เทียบเท่า k x P / L = " +
                 n(r.pointFactor) + " x " + n(r.pointLoads) + " / " + n(r.spanLength) + " = " + n(r.pointEquivalent) +
                 " กก./เมตร");
    p.text(1200, 1500 + below,
           "กำหนด นน.จรที่กระทำลงบนคาน = " +
               (points ? n(r.fieldLoad) + "+" + n(r.pointEquivalent) + "=" : std::string()) + n(r.liveLoad) +
               " กก./เมตร  คิด " + n(r.liveLoadFactor) + " เท่า = " + n(r.liveLoad * r.liveLoadFactor) + " กก./เมตร",
           kBody);
    line(2000, 1800, "รวม นน.จร + นน.คงที่(คาน)ทั้งสิ้น = " + n(r.designLoad) + " กก./เมตร");
    line(1200, 2100,
         "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'= " + n(r.fcPrime) + " กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc = " +
             n(r.fc) + " กก./ตร.ซม.");
    line(1200, 2400,
         "กำหนดค่าหน่วยแรงดึงของเหล็กเสริม fs = " + n(r.fs) + " กก./ตร.ซม.  ระยะความลึกประสิทธิผลของคาน d = " +
             n(r.effectiveDepth) + " ซม.");
    line(2000, 2700, "ระยะความหนาที่คอนกรีตหุ้มเหล็กเสริมด้านล่าง = " + n(r.cover) + " ซม.");
    line(2000, 3000, "คำนวณหาค่า constant  n,  k,  j,  r  เพื่อใช้ในการคำนวณ");
    line(2000, 3300, "n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " + n(r.k));
    line(2000, 3600, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.r));
    line(1500, 3900, "จากการวิเคราะห์ลักษณะของคาน ตามสูตรการหาโมเมนต์ดัดสูงสุด ได้ค่าโมเมนต์ดังนี้");
    line(2000, 4200, "โมเมนต์บวก M+ = " + n(r.momentPos) + " กก.- เมตร      โมเมนต์ลบ M- = " + n(r.momentNeg) + " กก.- เมตร");
    line(3000, 4500, "โมเมนต์ดัดสูงสุดที่กระทำบนคาน MR = " + n(r.momentMax) + " กก.- เมตร");
    line(1200, 4800, "โมเมนต์ต้านทานโดยคอนกรีต Mc = R x ( 0.50 x fc ) x k x j x b x ( d/10 ^ 2 )");
    line(1200, 5100, " เมื่อ R = ตัวคูณลดค่ากรณีเป็นคานแคบ(คานปรกติค่า R = 1 )     b = ความกว้างของคาน");
    line(2000, 5400,
         "Mc = " + n(r.narrowFactor) + " x 0.50 x " + n(r.fc) + " x " + n(r.k) + " x " + n(r.j) + " x " + n(r.width) +
             " x " + n(r.effectiveDepth) + "/10 ^2 = " + n(r.momentConcrete) + " กก.- เมตร");
    line(2000, 5700, "โมเมนต์ต้านทานโดยเหล็กเสริม Ms = โมเมนต์ดัดสูงสุด MR - โมเมนต์ต้านทานโดยคอนกรีต Mc");
    line(2000, 6000,
         "Ms = " + n(r.momentMax) + " - " + n(r.momentConcrete) + " = " + n(r.momentSteel) +
             " กก.- เมตร  ( ถ้าค่า Ms เป็นลบ ให้ค่า Ms = 0 )");
    line(1200, 6300, "คำนวณหา AS1 = พท.หน้าตัดเหล็กเสริมรับแรงดึงโดยคอนกรีต = Mc x 100 /( fs x j x d )");
    line(2000, 6600,
         "  AS1 = " + n(r.momentConcrete) + " x 100 /(" + n(r.fs) + " x " + n(r.j) + " x " + n(r.effectiveDepth) +
             ") = " + n(r.steelAreaConcrete) + " ตร.ซม.");
    line(1200, 6900, "คำนวณหา AS2 = พท.หน้าตัดเหล็กเสริมรับแรงดึงโดยเหล็ก = Ms x 100 / ( fs x j x d )");
    line(2000, 7200,
         "  AS2 = " + n(r.momentSteel) + " x 100 /(" + n(r.fs) + " x " + n(r.j) + " x " + n(r.effectiveDepth) +
             ") = " + n(r.steelAreaSteel) + " ตร.ซม.");
    line(2000, 7500,
         "รวม พท.หน้าตัดเหล็กเสริมรับแรงดึง AS = AS1 + AS2 = " + n(r.steelAreaConcrete) + " + " + n(r.steelAreaSteel) +
             " = " + n(r.steelArea) + " ตร.ซม.");
    line(1200, 7800,
         "*** ใช้เหล็กเสริมรับแรงดึงขนาด " + n(r.bottomBarDia) + " มม. จำนวน " + n(r.bottomBarCount) + " เส้น O.K.",
         kResult);
    line(1200, 8200, "คำนวณหา AS' = พท.หน้าตัดเหล็กเสริมรับแรงอัด = 0.50 x AS2 x (( 1 - k ) /  k - ( d'/ d ))");
    line(2000, 8500, "เมื่อ d' = ความหนาของคอนกรีตที่หุ้มเหล็กเสริมรับแรงอัด");
    line(1200, 8800,
         "AS' = 0.50 x " + n(r.steelAreaSteel) + " x ( 1 - " + n(r.k) + " ) / ( " + n(r.k) + " - ( " + n(r.cover) +
             " / " + n(r.effectiveDepth) + " ) ) = " + n(r.compressionArea) + " ตร.ซม.");
    line(1200, 9100,
         "*** ใช้เหล็กเสริมรับแรงอัดขนาด " + n(r.topBarDia) + " มม. จำนวน " + n(r.topBarCount) + " เส้น O.K.", kResult);
    if (r.beamType >= 1 && r.beamType <= 5) line(1200, 9500, kTypeLines[static_cast<std::size_t>(r.beamType - 1)], kResult);
    line(1200, 9900, "คำนวณหาค่าหน่วยแรงเฉือนของคอนกรีตที่ยอมให้ vc = 0.29 x SQR ( fc' )");
    line(2000, 10200, " vc = 0.29 x SQR ( " + n(r.fcPrime) + " ) = " + n(r.concreteShearStress) + " กก./ตร.ซม.");
    line(1200, 10500, "คำนวณหา Vc = แรงเฉือนต้านทานโดยคอนกรีต = vc x b x d");
    line(2000, 10800,
         " Vc = " + n(r.concreteShearStress) + " x " + n(r.width) + " x " + n(r.effectiveDepth) + " = " +
             n(r.concreteShear) + " กก.");
    line(1200, 11100, "คำนวณหาแรงปฏิกริยาที่กระทำลงเสา R1 = " + n(r.reaction1) + " กก.  R2 = " + n(r.reaction2) + " กก.");
    p.line(1200, 11400 + below, 4038, 11400 + below);
    line(2000, 11400, " แรงเฉือนที่นำมาคำนวณสูงสุด = แรงปฏิกริยาสูงสุด = " + n(r.maxShear) + " กก.");
    line(1200, 11700, "แรงเฉือนที่เหล็กปลอกรับ VS1 = แรงเฉือนสูงสุด - แรงเฉือนที่คอนกรีตรับ");
    line(2000, 12000, "  VS1 = " + n(r.maxShear) + " - " + n(r.concreteShear) + " = " + n(r.stirrupShear) + " กก.");
    line(1200, 12300,
         "พท.หน้าตัดเหล็กรับแรงเฉือน AV1 = จำนวนปลอก x 2 ขาของเหล็กปลอก x พท.หน้าตัดของเหล็กปลอกรับแรงเฉือน");
    line(2000, 12600,
         "กำหนดขนาดของเหล็กปลอก = " + n(r.stirrupDia) + " มม.จำนวนปลอก = " + n(r.stirrupSets) + " ป.");
    line(1200, 12900,
         "พื้นที่หน้าตัดเหล็กปลอกรับแรงเฉือน AV1 = " + n(r.stirrupSets) + " x 2 x ( 22 / 7 ) x r ^2 ) = " +
             n(r.stirrupArea) + " ตร.ซม.");
    line(1200, 13200,
         "ระยะปลอก s = ( AV1 x fs x d ) / VS1 = ( " + n(r.stirrupArea) + " x 1200 x " + n(r.effectiveDepth) + " ) / " +
             n(r.stirrupShear) + " = " + n(r.stirrupSpacing) + " ซม.");
    line(2000, 13500, "( ถ้าระยะห่างปลอกมากกว่าระยะ d / 2 หรือค่าน้อยกว่า 0 มาตรฐาน วสท.กำหนดให้ไม่เกิน d / 2 )");
    line(1200, 13800,
         "*** ใช้เหล็กปลอกรับแรงเฉือน " + n(r.stirrupSets) + " ป. ขนาด " + n(r.stirrupDia) + " มม.  ระยะห่าง @ " +
             n(r.stirrupSpacing) + " ซม. O.K.",
         kResult);
    addSheetFooter(p, tb, 14300 + below);
    p.append(beamPrintedSection(r));
    certifySheet(p, usable);
    return p;
}

}  // namespace mx::beam
