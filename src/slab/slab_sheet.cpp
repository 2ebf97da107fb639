#include "slab/slab_sheet.h"

#include "common/certify.h"
#include "common/numtext.h"
#include "slab/slab_drawing.h"
#include "slab/slab_form.h"

namespace mx::slab {

namespace {

constexpr double kBody = 14, kHeading = 18;
// The line of the engineer and the registration, after the listing.
constexpr double kEngineerY = 8800;

// The line that names the panel by its continuity.
constexpr const char* kSingleSpanLine = "***พื้นที่คำนวณเป็นพื้นชนิด พื้นช่วงเดียว";
constexpr const char* kEndSpanLine = "***พื้นที่คำนวณเป็นพื้นชนิด พื้นที่อยู่ริมนอก";
constexpr const char* kInteriorSpanLine = "***พื้นที่คำนวณเป็นพื้นชนิด พื้นภายใน ต่อเนื่อง";
constexpr const char* kCantileverLine = " พื้นชนิดยื่น ( CANTILEAVERS )";
constexpr const char* kCantileverNote =
    "***หมายเหตุ เนื่องจากพื้นเป็นพื้นชนิดยื่น( CANTILEAVERS SLAB )ค่าโมเมนต์บวก M+ กลับกันเป็น M- ( โมเมนต์ลบ )";

template <typename T>
std::string n(T v) {
    return sheetNum(v);
}

// "( M x 100 ) / ( fs x j x d )" with the numbers put in.
std::string steelFormula(const SlabDesignResult& r, Fixed moment) {
    return "( " + n(moment) + " x 100 ) / ( " + n(r.fs) + " x " + n(r.j) + " x " + n(r.d) + " )";
}

}  // namespace

Message slabPrintQuestion() { return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical}; }

ProjectTitleBlock slabTitleBlock(const FieldSet& f) { return titleBlockOf(slabFieldTable(), f); }

PageModel slabSheet(const SlabDesignResult& r, bool usable, const ProjectTitleBlock& tb) {
    PageModel p;
    auto line = [&p](double x, double y, const std::string& s, double pt = kBody) { p.text(x, y, s, pt); };

    const int kase = r.continuityCase;
    const bool cantilever = r.slabKind == kCantilever;
    const bool oneWay = r.ratio >= Fixed::fromInt(2);
    // A cantilever carries its moment in the top bars of size 3 (-As1) whatever
    // continuity case the field held; the steel over a continuous edge (-As2) is not
    // what holds it up, so those lines are left out.
    const bool continuousEdgeSteel = kase >= kEndSpan && !cantilever;
    const bool outerEdgeSteel = kase == kEndSpan || cantilever;
    const double deadLoad = r.fD * r.ws, liveLoad = r.fL * r.LL;

    addSheetHeader(p, tb, kSlabSheetHeading);
    line(1200, 1200,
         "กำหนดขนาดพื้น กว้าง = " + n(r.A) + " เมตร x ยาว = " + n(r.B) + " เมตร ความหนาของพื้น = " + n(r.t) + " ซม.");
    line(1200, 1500,
         "คำนวณ นน.ของพื้น = " + n(r.ws) + " กก./ตร.เมตร  คิด " + n(r.fD) + " เท่า = " + n(deadLoad) + " กก./ตร.เมตร");
    line(1200, 1800,
         "กำหนดให้พื้นรับ นน.จร = " + n(r.LL) + " กก./ตร.เมตร  คิด " + n(r.fL) + " เท่า = " + n(liveLoad) +
             " กก./ตร.เมตร");
    line(1200, 2100, "รวม นน.ทั้งสิ้น = " + n(deadLoad) + " + " + n(liveLoad) + " = " + n(r.w) + " กก./ตร.เมตร");
    line(1200, 2400,
         "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc' = " + n(r.fcPrime) + " กก./ตร.ซม. ค่าหน่วยแรงอัดของคอนกรีต fc = " +
             n(r.fc) + " กก./ตร.ซม.");
    line(1200, 2700, "กำหนดค่าหน่วยแรงดึงของเหล็กเสริม fs = " + n(r.fs) + " กก./ตร.ซม.");
    line(2000, 3000, "คำนวณหาค่า constant  n,  k,  j,  r  เพื่อใช้ในการคำนวณ");
    line(3000, 3300, "n = 2323000 / (1512 x fc') = " + n(r.n) + "      k = 1 /( 1+( fs /( n x fc )))= " + n(r.k));
    line(3000, 3600, "j = 1 - ( k / 3 ) = " + n(r.j) + "         r = 0.5 x fc x k x j = " + n(r.R));

    if (kase == kSingleSpan) line(1500, 3900, kSingleSpanLine, kHeading);
    if (kase == kEndSpan) line(1500, 3900, kEndSpanLine, kHeading);
    if (kase >= kInteriorSpan) line(1500, 3900, kInteriorSpanLine, kHeading);
    if (cantilever) line(6500, 3900, kCantileverLine, kHeading);

    line(1200, 4300, "วิเคราะห์ลักษณะพื้น โดยคิดอัตราส่วนระหว่าง ความยาวพื้น / ความกว้างของพื้น = " + n(r.ratio));
    line(1200, 4600,
         oneWay ? "***พื้นเป็นพื้นเสริมเหล็กทางเดียว ( ONE-WAY SLAB ) เพราะอัตราส่วนมีค่าเท่ากับหรือมากกว่า 2"
                : "***พื้นเป็นพื้นเสริมเหล็ก 2 ทาง ( TWO-WAY SLAB ) เพราะอัตราส่วนมีค่าน้อยกว่า 2");
    line(1200, 4900, "จากการวิเคราะห์ลักษณะพื้น ตามสูตรการหาค่าโมเมนต์สูงสุด ได้ค่าโมเมนต์ดังนี้");
    line(1200, 5200,
         "โมเมนต์บวก M+ = " + n(r.Mpos) + " กก.-เมตร  ระยะ d = " + n(r.t) + " - ( 2 + ( " + n(r.meshSize) +
             " / 10 x 2 ) ) = " + n(r.d) + " ซม.");
    // The negative moments. A cantilever's is the cantilever moment held in Mneg1:
    // it is printed where an end panel prints its outer-edge moment, and the span's
    // "no negative moment" or continuous-edge moment, which do not apply, are not.
    if (kase == kEndSpan || cantilever) line(5000, 5500, "โมเมนต์ลบ M- = " + n(r.Mneg1) + " กก.-เมตร");
    if (kase == kSingleSpan && !cantilever) line(1200, 5500, "โมเมนต์ลบ M- = 0 กก.-เมตร");
    if (kase >= kEndSpan && !cantilever) line(1200, 5500, "โมเมนต์ลบ M2- = " + n(r.Mneg2) + " กก.-เมตร");

    line(1200, 5800,
         "กำหนดขนาดเหล็กตะแกรงทางสั้น = " + n(r.barSize[0]) + " มม.   กำหนดขนาดเหล็กตะแกรงทางยาว = " + n(r.barSize[1]) +
             " มม.");
    line(1200, 6100,
         oneWay ? std::string("พื้นเป็นพื้นเสริมเหล็กทางเดียว ( ONE-WAY SLAB )")
                : "กำหนดขนาดเหล็กเสริมพิเศษ ( เฉพาะริม ) = " + n(r.barSize[2]) + " มม.");
    if (kase == kEndSpan) line(6000, 6100, "กำหนดขนาดเหล็กเสริมพิเศษ = " + n(r.barSize[3]) + " มม.");

    line(1200, 6400, "พื้นที่หน้าตัดเหล็กตะแกรงทางสั้น +As = ( M+ x 100 ) / ( fs x j x d ) = " + steelFormula(r, r.Mpos));
    line(1200, 6700,
         "+As  = " + n(r.AsPos) + " ตร.ซม.   ***ใช้เหล็กตะแกรงทางสั้นขนาด " + n(r.barSize[0]) + " มม. ระยะห่าง @ = " +
             n(r.s1) + " ซม. O.K.***");
    line(1200, 7000,
         "+AsT = " + n(r.AsMin) + " ตร.ซม.   ***ใช้เหล็กตะแกรงทางยาวกันร้าวขนาด " + n(r.barSize[1]) +
             " มม. ระยะห่าง @ = " + n(r.s2) + " ซม. O.K.***");
    if (continuousEdgeSteel) {
        line(1200, 7300,
             "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As2 = ( M2- x 100 ) / ( fs x j x d ) = " + steelFormula(r, r.Mneg2));
        line(1200, 7600,
             "-As2 = " + n(r.AsNeg2) + " ตร.ซม.  ***ใช้เหล็กเสริมพิเศษขนาด " + n(r.barSize[3]) + " มม. ระยะห่าง @ = " +
                 n(r.s4) + " ซม. O.K.***");
    }
    if (cantilever) line(1200, 7300, kCantileverNote);
    if (outerEdgeSteel) {
        line(1200, 7900,
             "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As1 = ( M- x 100 ) / ( fs x j x d ) = " + steelFormula(r, r.Mneg1));
        line(1200, 8200,
             "-As1 = " + n(r.AsNeg1) + " ตร.ซม.  ***ใช้เหล็กเสริมพิเศษขนาด " + n(r.barSize[2]) + " มม. ระยะห่าง @ = " +
                 n(r.s3) + " ซม. ด้านริมนอก O.K.***");
    }

    addSheetFooter(p, tb, kEngineerY);
    // The printed drawing, drawn with the printer's line width of 2, below the text.
    p.lineWidth(2);
    p.append(slabDrawing(r, kSlabSheetDrawingArea));
    p.lineWidth(1);

    certifySheet(p, usable);
    return p;
}

bool resetAfterCantileverPrint(SlabDesignResult& r) {
    if (r.slabKind != kCantilever) return false;
    r.continuityCase = 0;
    r.Mpos = Fixed{};
    r.AsPos = Fixed{};
    r.s1 = 0;
    r.slabKind = kTwoWay;
    return true;
}

}  // namespace mx::slab
