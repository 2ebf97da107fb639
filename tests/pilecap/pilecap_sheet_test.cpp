#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "common/certify.h"
#include "pilecap/pilecap_drawing.h"
#include "pilecap/pilecap_module.h"
#include "pilecap/pilecap_sheet.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::pilecap;

namespace {

PileCapInput defaults() { return PileCapInput{80000, 36, 22, 25, 150, 65, 1200, 17}; }

PileCapOutcome design(double P, double Ps, double q, double db = 25, double p = 17) {
    return calculatePileCap(PileCapInput{P, Ps, q, db, 150, 65, 1200, p});
}

// W = P (1 + p / 100) = 1000 Ps (np − 0.5): a design on exactly np piles.
PileCapOutcome onPiles(int np, double q, double p = 1000) {
    const double W = 80000 * (1 + p / 100);
    return design(80000, W / 1000 / (np - 0.5), q, 25, p);
}

PageModel sheetOf(const PileCapOutcome& o, const ProjectTitleBlock& tb = {}) {
    return pileCapSheet(o.result, o.status == DesignStatus::Usable, tb);
}

std::string textAt(const PageModel& page, double x, double y) {
    for (const PageText& t : page.texts())
        if (t.x == x && t.y == y) return t.text;
    return "<none>";
}

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Rows of the listing: the depth by moment, the two bar counts in large type.
constexpr double kDepthRowY = kListingTop + 15 * kFootingRowStep;
constexpr double kLongBarsY = kSizeRowY - 2 * kFootingResultStep;
constexpr double kShortBarsY = kSizeRowY - kFootingResultStep;

std::vector<PageCircle> circles(const PageModel& page, bool filled) {
    std::vector<PageCircle> out;
    for (const PageItem& item : page.items())
        if (const auto* c = std::get_if<PageCircle>(&item); c && c->filled == filled) out.push_back(*c);
    return out;
}

// Every stroke inside the box, every text starting inside it with room for its line
// below and, at 100 twips a character, for its width to the right.
void expectInside(const PageModel& page, const PageBox& box, const std::string& what) {
    SCOPED_TRACE(what);
    auto inside = [&](double x, double y) {
        return x >= box.x1 - 1e-6 && x <= box.x2 + 1e-6 && y >= box.y1 - 1e-6 && y <= box.y2 + 1e-6;
    };
    for (const PageItem& item : page.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            std::size_t chars = 0;
            for (unsigned char c : t->text) chars += (c & 0xC0) != 0x80;
            EXPECT_TRUE(inside(t->x, t->y) && inside(t->x + 100.0 * chars * 0.8, t->y + 330)) << t->text;
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_TRUE(inside(l->x1, l->y1) && inside(l->x2, l->y2));
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            EXPECT_TRUE(inside(c->x - c->radius, c->y - c->radius) && inside(c->x + c->radius, c->y + c->radius));
        }
    }
}

}  // namespace

// The defaults' sheet, line by line: position, size and text as printed. The design
// is not usable (its RB25 cannot be anchored), so no check reads as passed.
TEST(PileCapSheet, DefaultsSheetLineByLine) {
    const ProjectTitleBlock tb{"อาคารสำนักงาน", "F1", "นายช่าง ใจดี", "สย.1234", "2/5"};
    const PageModel page = sheetOf(calculatePileCap(defaults()), tb);
    struct Line {
        double y, x, size;
        const char* text;
    };
    const Line lines[] = {
        {400, 1200, 14, "โครงการ อาคารสำนักงาน"},
        {700, 1200, 20, "แสดงรายการคำนวณฐานราก F1"},
        {1200, 1200, 14, "กำหนด นน. ที่กระทำลงบนฐานรากชนิดมีเสาเข็มรองรับ =  80000  กก."},
        {1470, 3000, 14, " คิด นน.ฐานราก = 10 % x  1.7  เท่า =  13600 "},
        {1740, 1200, 14, "รวม นน. ที่กระทำลงบนฐานรากที่นำมาคำนวณ =  93600 "},
        {2010, 1200, 14, "ใช้เสาเข็มรับ นน.ปลอดภัยต้นละ  36  ตัน ขนาดด้านแคบที่สุดของเข็ม =  22  ซม."},
        {2280, 3000, 14, "ใช้เสาเข็มจำนวน =  93600 / 36  x 1000 =  3  ต้น  เพราะฉะนั้น เสาเข็ม 1 ต้นรับ นน. =  31200 "},
        {2550, 1200, 14, "กำหนดค่าหน่วยแรงอัดประลัยของคอนกรีต fc'=  150  กก./ตร.ซม.  หน่วยแรงอัดของคอนกรีต fc =  65  กก./ตร.ซม."},
        {2820, 1200, 14, "กำหนดค่าหน่วยแรงดึงของเหล็กตะแกรง fs =  1200 "},
        {3090, 1200, 14, "จากการจัดวางเสาเข็ม โดยกำหนดระยะห่างของเสาเข็ม = 3 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม =  66 "},
        {3360, 1200, 14, "ระยะศูนย์กลางเสาเข็มถึงริมขอบนอกฐานราก = 1.5 เท่าของเส้นผ่าศูนย์กลางของเสาเข็ม =  33 "},
        {3630, 3000, 14, "ได้ขนาดของฐานราก กว้าง =  132  ซม. x ยาว =  123 "},
        {3900, 1200, 14, "คำนวณหาขนาดเสาตอม่อ = SQR( 0.0158 x นน.ที่กระทำลงบนฐาน ) = SQR( 0.0158 x  80000 "},
        {4170, 3000, 14, " ซม. กำหนดขนาดเสาตอม่อ =  40  ซม. x  40  ซม.( ถือเป็นขนาดที่น้อยที่สุด Min.)"},
        {4440, 1200, 14, "วิเคราะห์ลักษณะของฐานราก โมเมนต์ที่ขอบเสา M =  5648.7967  กก.-เมตร"},
        {4710, 1200, 14, "คำนวณหาค่า constant  n = 2323000 / (1512 x fc') =  10.2425       k = 1 /( 1+( fs /( n x fc )))=  0.3568 "},
        {4980, 3000, 14, "j = 1 - ( k / 3 ) =  0.8811          r = 0.5 x fc x k x j =  10.2172 "},
        {5250, 1200, 14, "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR (  5648.7967 / 10.2172  x 1 ) =  23.5132 "},
        {5520, 3000, 14, "คิดค่า d =  29  ซม.  เพิ่มเป็น  40  ซม.( d >= 30 และแรงเฉือน )"},
        {5790, 1200, 14, "ตรวจแรงเฉือนทะลุที่ระยะ d/2 รอบเสาตอม่อ vcp = 0.53 x SQR( fc' ) =  6.4911  กก./ตร.ซม.  b0 = 4 x ( a + d ) =  320  ซม."},
        {6060, 3000, 14, "Vp =  24109.0909  กก.  vp = Vp / ( b0 x d ) =  1.8835 < 6.4911  กก./ตร.ซม. ยังใช้ไม่ได้"},
        {6330, 1200, 14, "ตรวจแรงเฉือนทางเดียวที่ระยะ d จากขอบเสาตอม่อ vcb = 0.29 x SQR( fc' ) =  3.5518  กก./ตร.ซม.  กว้าง =  123  ซม."},
        {6600, 3000, 14, "Vb =  0  กก.  vb = Vb / ( กว้าง x d ) =  0 < 3.5518  กก./ตร.ซม. ยังใช้ไม่ได้"},
        {6870, 1200, 14, "ตรวจแรงเฉือนทะลุรอบเสาเข็มต้นที่  1 ที่มุมฐานราก b0 = ( e1 + ( w + d ) / 2 ) + ( e2 + ( w + d ) / 2 ) =  128  ซม."},
        {7140, 3000, 14, "w =  22  e1 =  33  e2 =  33  ซม.  v = Pp / ( b0 x d ) =  6.0938 < 6.4911  กก./ตร.ซม. ยังใช้ไม่ได้"},
        {7410, 3000, 14, "ความลึกของฐานราก t = d + 7.5 + D / 2 =  40  + 7.5 +  1.25  =  48.75  ใช้  49  ซม."},
        {7680, 1200, 14, "หาค่า พท.หน้าตัดเหล็กเสริมทางยาว As = M / fs x j x d =  564879.67  / (  1200 x 0.8811 x 40  ) =  13.3564  ตร.ซม."},
        {7950, 1200, 14, "กำหนดขนาดเหล็กตะแกรง =  25  มม.  จำนวน =  2.7199  เส้น ***( 1 )  As(min) =  0.0025  x  132  x  49  =  16.17  ตร.ซม. =  3.2928  เส้น ***( 3 )"},
        {8220, 1200, 14, "แรงเฉือนที่ขอบเสาตอม่อ คิดจากเสาเข็มที่อยู่นอกขอบเสาตอม่อ เหล็กทางยาว V =  31200  กก.  เหล็กทางสั้น V =  31200  กก."},
        {8490, 1200, 14, "หน่วยแรงยึดเกาะที่ยอมให้ ( เหล็กเส้นกลม ) u = 1.61 x SQR( fc' ) / D =  7.8874 <= 11 กก./ตร.ซม."},
        {8760, 1200, 14, "จำนวนเหล็กเสริม = V / ( u x เส้นรอบรูปเหล็กเสริม x j x d ) =  31200  / (  7.8874 x 7.8571 x 0.8811 x 40  )"},
        {9030, 3000, 14, " 14.2848  เส้น ***( 2 )  ทางสั้น =  31200  / (  7.8874 x 7.8571 x 0.8811 x 40  ) =  14.2848  เส้น"},
        {9300, 1200, 14, "เลือกจำนวนเส้นที่มากที่สุดของ ( 1 ) ( 2 ) ( 3 )  ทางสั้นไม่น้อยกว่าที่หน่วยแรงยึดเกาะและ As(min) =  0.0025  x  123  x  49  =  15.0675  ตร.ซม. ต้องการ"},
        {9570, 1200, 14, "ระยะฝังยึดเหล็กตะแกรงจากขอบเสาตอม่อ ld = fs x D / ( 4 x u ) =  1200  x  2.5  / ( 4 x  7.8874  ) =  95.0884  ซม."},
        {9840, 3000, 14, "ระยะตรง ( ถึงขอบ - 7.5 ) = 24.5 + งอขอมาตรฐาน 700 x D / 4u = 55.4682 = 79.9682 < 95.0884 ซม. ไม่พอ"},
        {10110, 1200, 18, "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด  25  มม. จำนวน  15  เส้น ยังใช้ไม่ได้"},
        {10490, 1200, 18, "***จำนวนเหล็กตะแกรงเสริมทางสั้นใช้เหล็กขนาด  25  มม. จำนวน  15  เส้น ยังใช้ไม่ได้"},
        {15000, 10000, 14, "2/5"},
        {10870, 1200, 14, "ขนาดของฐานราก = กว้าง  132  ซม.x ยาว  123  ซม.x ลึก  49  ซม. นน.ฐานราก =  1909.3537  กก. ยังใช้ไม่ได้"},
        {11140, 7000, 14, "นายช่าง ใจดี สย.1234"},
    };
    const std::vector<PageText> texts = page.texts();
    ASSERT_GT(texts.size(), std::size(lines));
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        SCOPED_TRACE(lines[i].text);
        EXPECT_EQ(texts[i].y, lines[i].y);
        EXPECT_EQ(texts[i].x, lines[i].x);
        EXPECT_EQ(texts[i].sizePt, lines[i].size);
        EXPECT_EQ(texts[i].text, lines[i].text);
    }
    // The rest is the printed drawing, in its box below the listing.
    const PageModel figure = pileCapDrawing(calculatePileCap(defaults()).result, kSheetDrawingBox);
    EXPECT_EQ(page.items().size(), texts.size() - (figure.texts().size()) + figure.items().size());
    expectInside(figure, kSheetDrawingBox, "printed drawing");
    EXPECT_EQ(circles(figure, false).size(), 3u);
    EXPECT_GT(kSheetDrawingBox.y1, 11140 + 330);  // clear of the engineer's line
}

// A design the last Calculate rejected never reads as passed, and one that stopped
// before the mesh prints zeros where it did not reach.
TEST(PileCapSheet, FailedDesignIsNotCertified) {
    struct Case {
        const char* what;
        PileCapOutcome outcome;
    };
    const Case cases[] = {
        {"bars not anchored (the defaults)", calculatePileCap(defaults())},
        {"cap heavier than allowed", design(80000, 36, 22, 25, 1)},
        {"stub wider than the cap", design(50000, 100, 10, 40)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.outcome.status, DesignStatus::NotUsable);
        const PageModel page = sheetOf(c.outcome);
        for (const std::string& s : page.lines()) {
            EXPECT_FALSE(contains(s, "O.K.") || contains(s, "OK.")) << s;
        }
        for (double y : {kLongBarsY, kShortBarsY, kSizeRowY})
            EXPECT_TRUE(contains(textAt(page, 1200, y), kNotYetUsable)) << y;
    }
    // The heavy cap stopped before the mesh: no bar count and no mesh drawn.
    const PageModel heavy = sheetOf(cases[1].outcome);
    EXPECT_TRUE(contains(textAt(heavy, 1200, kLongBarsY), "จำนวน  0  เส้น"));
    EXPECT_TRUE(circles(heavy, true).empty());
    // A usable record (RB16 on the defaults' cap) printed as not usable is not
    // certified either.
    PileCapInput rb16 = defaults();
    rb16.db = 16;
    const PageModel doubted = pileCapSheet(calculatePileCap(rb16).result, false, {});
    EXPECT_EQ(textAt(doubted, 1200, kLongBarsY), "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด  16  มม. จำนวน  17  เส้น ยังใช้ไม่ได้");
}

TEST(PileCapSheet, BeforeAnyCalculatePrintsZeros) {
    const PageModel page = pileCapSheet(PileCapResult{}, false, {});
    EXPECT_EQ(textAt(page, 1200, 1200), "กำหนด นน. ที่กระทำลงบนฐานรากชนิดมีเสาเข็มรองรับ =  0  กก.");
    EXPECT_EQ(textAt(page, 1200, kDepthRowY),
              "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR (  0 / 0  x 0 ) =  0 ");
    for (const std::string& s : page.lines()) {
        for (const char* bad : {"nan", "inf", "e+", "e-", "O.K.", "OK."}) EXPECT_FALSE(contains(s, bad)) << s;
    }
    // No cap, so no figure: only the listing's own lines, and on the window the reason.
    EXPECT_EQ(pileCapDrawing(PileCapResult{}, kPileCapScreenArea).lines(), std::vector<std::string>{kNoCapToDraw});
    for (const PageItem& item : page.items()) EXPECT_TRUE(std::holds_alternative<PageText>(item));
}

TEST(PileCapSheet, TooManyPilesPrintsOnlyTheNotice) {
    const PileCapOutcome o = design(80000, 0.5, 22);
    ASSERT_GT(o.result.np, 20);
    const PageModel page = sheetOf(o, {"p", "m", "e", "r", "1/1"});
    EXPECT_EQ(page.lines(), std::vector<std::string>{"NO CALCULATE & DESIGN!!!"});
    const std::vector<std::string> why{kTooManyPilesToDraw};
    EXPECT_EQ(pileCapDrawing(o.result, kPileCapScreenArea).lines(), why);
    // Even over a record that still holds a previous run's cap.
    PileCapResult stale = calculatePileCap(defaults()).result;
    stale.np = 25;
    EXPECT_EQ(pileCapDrawing(stale, kPileCapScreenArea).lines(), why);
    EXPECT_TRUE(pileCapDrawing(stale, kSheetDrawingBox, DrawingMedium::Paper).empty());
}

// A cap narrower than 1 m prints the strip it was worked on, in metres.
TEST(PileCapSheet, NarrowCapPrintsItsStrip) {
    const PageModel page = sheetOf(design(50000, 36, 22, 28));
    EXPECT_EQ(textAt(page, 1200, kDepthRowY),
              "คำนวณหาค่าความลึกของฐานราก d = SQR ( M / r x b ) = SQR (  5265 / 10.2172  x 0.66 ) =  27.9422 ");
    EXPECT_EQ(textAt(page, 3000, kDepthRowY + kFootingRowStep),
              "คิดค่า d =  33  ซม.  เพิ่มเป็น  38  ซม.( d >= 30 และแรงเฉือน )");
    // The total depth over 7.5 cm of cover and half a 28 mm bar, to the whole cm.
    EXPECT_EQ(textAt(page, 3000, kDepthRowY + (2 + kShearRows) * kFootingRowStep),
              "ความลึกของฐานราก t = d + 7.5 + D / 2 =  38  + 7.5 +  1.4  =  46.9  ใช้  47  ซม.");
}

// ---- Pile arrangement -------------------------------------------------------------------

// Every arrangement on the exact cap of its row: each pile 1.5q inside the edges and
// 3q from its nearest neighbour. On the cap as designed (sides rounded to whole cm)
// a pair may close up by at most the half centimetre of one rounding.
TEST(PileCapArrangement, EveryPileInsideTheCapAndThreeSizesApart) {
    for (double q : {22.0, 40.0}) {
        for (int np = 1; np <= kMaxPiles; ++np) {
            SCOPED_TRACE(std::to_string(np) + " piles, q " + std::to_string(q));
            const PileLayout& layout = PileLayoutTable[static_cast<std::size_t>(np - 1)];
            const double exactBw = capSide(layout.Bw, q), exactLc = capSide(layout.Lc, q);
            struct Cap {
                double Bw, Lc, slack;
            };
            for (const Cap cap : {Cap{exactBw, exactLc, 1e-9}, Cap{std::nearbyint(exactBw), std::nearbyint(exactLc), 0.5}}) {
                const std::vector<PileCentre> c = pileCentres(np, q, cap.Bw, cap.Lc);
                ASSERT_EQ(c.size(), static_cast<std::size_t>(np));
                for (const PileCentre& p : c) {
                    EXPECT_GE(p.x, 1.5 * q - cap.slack);
                    EXPECT_LE(p.x, cap.Bw - 1.5 * q + cap.slack);
                    EXPECT_GE(p.y, 1.5 * q - cap.slack);
                    EXPECT_LE(p.y, cap.Lc - 1.5 * q + cap.slack);
                }
                for (std::size_t i = 0; i < c.size(); ++i)
                    for (std::size_t j = i + 1; j < c.size(); ++j)
                        EXPECT_GE(std::hypot(c[i].x - c[j].x, c[i].y - c[j].y), 3 * q - cap.slack) << i << "," << j;
            }
        }
    }
    // Counts that are not an arrangement have no centres.
    for (double np : {0.0, -1.0, 21.0, 2.5, 1e300}) EXPECT_TRUE(pileCentres(np, 22, 132, 123).empty()) << np;
}

// ---- Drawing ----------------------------------------------------------------------------

TEST(PileCapDrawing, ScaleByCapLength) {
    // Each band's lower bound and the length just below it.
    const std::pair<double, int> bands[] = {{601, 4},  {600, 6},  {451, 7},  {450, 9},  {301, 9},  {300, 12},
                                            {171, 14}, {170, 20}, {121, 25}, {120, 28}, {81, 30},  {80, 35},
                                            {61, 35},  {60, 40},  {1, 40},   {0, 0}};
    for (const auto& [Lc, k] : bands) EXPECT_EQ(pileCapLengthScale(Lc), k) << Lc;
}

// Each arrangement of the usual pile keeps the scale of its cap length on the tool's
// drawing area (the three-pile cap once shrank to 22.7 there) and, where the box below
// the listing holds it, on paper. A figure shrinks (0 below) only as far as its area
// asks: it then reaches the area's right side or its foot. The single pile's cap of
// this design is 128 cm deep, taller than either area at 35 twips a cm.
TEST(PileCapDrawing, KeepsTheLengthScaleWhereTheFigureFits) {
    struct Row {
        int np;
        double screen, paper;  // twips per cm
    };
    const Row rows[] = {{1, 0, 0},   {2, 25, 0},   {3, 25, 0},   {4, 25, 0},   {5, 20, 0},
                        {6, 14, 14}, {7, 14, 14},  {8, 12, 12},  {9, 14, 0},   {10, 12, 12},
                        {11, 12, 12}, {12, 12, 12}, {13, 9, 9},  {14, 12, 0},  {15, 9, 9},
                        {16, 12, 0}, {17, 12, 0},  {18, 12, 0},  {19, 9, 9},   {20, 9, 9}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.np) + " piles");
        const PileCapResult r = onPiles(row.np, 22, 17).result;
        ASSERT_EQ(r.np, row.np);
        for (const auto& [area, medium, expected] : {std::tuple{kPileCapScreenArea, DrawingMedium::Screen, row.screen},
                                                     std::tuple{kSheetDrawingBox, DrawingMedium::Paper, row.paper}}) {
            const double k = pileCapDrawingScale(r, area, medium);
            if (expected > 0) {
                EXPECT_EQ(k, expected);
                continue;
            }
            EXPECT_LT(k, pileCapLengthScale(r.Lc));
            const PageBox b = figureBounds(pileCapDrawing(r, area, medium), {110, 330, 14});
            EXPECT_TRUE(b.x2 > area.x2 - 5 || b.y2 > area.y2 - 105) << k << ": " << b.x2 << ", " << b.y2;
        }
    }
}

// Every arrangement and the extreme pile sizes: every item inside the area, one circle
// per pile centred inside the plan, and a bounded figure.
TEST(PileCapDrawing, EveryItemInsideItsArea) {
    const PageBox areas[] = {kPileCapScreenArea, kSheetDrawingBox};
    for (double q : {10.0, 22.0, 60.0, 200.0}) {
        for (int np = 1; np <= kMaxPiles; ++np) {
            const PileCapOutcome o = onPiles(np, q);
            ASSERT_EQ(o.result.np, np);
            for (const PageBox& area : areas) {
                const std::string what = std::to_string(np) + " piles, q " + std::to_string(q);
                const PageModel d = pileCapDrawing(o.result, area);
                expectInside(d, area, what);
                const std::vector<PageCircle> piles = circles(d, false);
                ASSERT_EQ(piles.size(), static_cast<std::size_t>(np)) << what;
                EXPECT_LT(d.items().size(), 2000u) << what;
            }
        }
    }
    // Mesh values beyond anything a design would keep: thinned to what fits, bounded.
    PileCapResult r = calculatePileCap(defaults()).result;
    r.N = 30000;
    r.Ns = 30000;
    r.s = 0.004f;
    const PageModel d = pileCapDrawing(r, kPileCapScreenArea);
    expectInside(d, kPileCapScreenArea, "dense mesh");
    EXPECT_LT(d.items().size(), 2000u);
    std::vector<PageCircle> bars = circles(d, true);
    std::sort(bars.begin(), bars.end(), [](const PageCircle& a, const PageCircle& b) { return a.x < b.x; });
    for (std::size_t i = 1; i < bars.size(); ++i)
        if (bars[i].y == bars[i - 1].y) {
            EXPECT_GE(bars[i].x - bars[i - 1].x, 2 * bars[i].radius);
        }
}

// A cap thousands of times deeper than it is wide (a design that failed on absurd
// loads) still keeps its section and notes inside the area.
TEST(PileCapDrawing, AnyDepthStaysInsideItsArea) {
    for (double t : {7845584.0, 1e12, 9e14}) {
        PileCapResult r = calculatePileCap(defaults()).result;
        r.t = t;
        for (const PageBox& area : {kPileCapScreenArea, kSheetDrawingBox})
            expectInside(pileCapDrawing(r, area), area, "t " + std::to_string(t));
    }
}

TEST(PileCapDrawing, DrawsOnlyWhatTheDesignHas) {
    // A cap but no mesh yet (the weight check stopped the run): piles, no bars.
    const PileCapOutcome heavy = design(80000, 36, 22, 25, 1);
    const PageModel d = pileCapDrawing(heavy.result, kPileCapScreenArea);
    EXPECT_EQ(circles(d, false).size(), 3u);
    EXPECT_TRUE(circles(d, true).empty());
    // A corrupt count draws the cap without piles and does not fail.
    PileCapResult r = calculatePileCap(defaults()).result;
    for (double np : {0.0, -3.0, 2.5}) {
        r.np = np;
        EXPECT_TRUE(circles(pileCapDrawing(r, kPileCapScreenArea), false).empty()) << np;
    }
    // One pile carries its own reminder.
    const std::vector<std::string> single = pileCapDrawing(onPiles(1, 40).result, kPileCapScreenArea).lines();
    EXPECT_NE(std::find(single.begin(), single.end(), "อย่าลืมทำ PILE CAP เสาเข็มเดี่ยว"), single.end());
    // The notes of the design.
    const std::vector<std::string> notes = pileCapDrawing(calculatePileCap(defaults()).result, kPileCapScreenArea).lines();
    const std::vector<std::string> paper = pileCapDrawing(calculatePileCap(defaults()).result, kSheetDrawingBox,
                                                          DrawingMedium::Paper).lines();
    EXPECT_NE(std::find(paper.begin(), paper.end(), " เสา(Min)ขนาด  40  ซม. x  40  ซม."), paper.end());
    for (const char* note : {" ฐานรากใช้เข็ม จำนวน  3  ต้น", " เสาขนาด  40  ซม. x  40  ซม.", " เหล็กรัดรอบ 1- 25  มม.",
                             " ตะแกรงทางสั้น  25  มม.จำนวน  15  เส้น", " ตะแกรงทางยาว  25  มม.จำนวน  15  เส้น",
                             " 132  ซม.", " 123  ซม.", " 49  ซม.", kHookNote})
        EXPECT_NE(std::find(notes.begin(), notes.end(), note), notes.end()) << note;
    EXPECT_EQ(std::find(notes.begin(), notes.end(), "อย่าลืมทำ PILE CAP เสาเข็มเดี่ยว"), notes.end());
    // The depth figure stands beside its dimension line, which spans the section's depth.
    const PageModel fig = pileCapDrawing(calculatePileCap(defaults()).result, kPileCapScreenArea);
    const std::vector<PageText> texts = fig.texts();
    const auto depth = std::find_if(texts.begin(), texts.end(), [](const PageText& t) { return t.text == " 49  ซม."; });
    ASSERT_NE(depth, texts.end());
    const bool dimensioned = std::any_of(fig.items().begin(), fig.items().end(), [&](const PageItem& i) {
        const auto* l = std::get_if<PageLine>(&i);
        return l && l->x1 == l->x2 && l->x1 < depth->x && l->x1 > depth->x - 400 && l->y1 < depth->y && l->y2 > depth->y;
    });
    EXPECT_TRUE(dimensioned);
}

// ---- The headless tool ------------------------------------------------------------------

TEST(PileCapSheet, ToolBuildsSheetAndDrawing) {
    const mxtest::ToolRun run = mxtest::runTool(
        pilecap::description(), {"Text9=โรงงาน", "Text10=F2", "Text11=บริษัท ก", "Text12=02-1234", "Text13=3",
                                   "--sheet", "/tmp/unused.pdf"});
    ASSERT_TRUE(run.report.sheet.has_value());
    ASSERT_TRUE(run.report.drawing.has_value());
    EXPECT_EQ(textAt(*run.report.sheet, 1200, 400), "โครงการ โรงงาน");
    EXPECT_EQ(textAt(*run.report.sheet, 1200, 700), "แสดงรายการคำนวณฐานราก F2");
    EXPECT_EQ(textAt(*run.report.sheet, 7000, kEngineerY), "บริษัท ก 02-1234");
    EXPECT_EQ(textAt(*run.report.sheet, 10000, 15000), "3");
    expectInside(*run.report.drawing, kPileCapScreenArea, "window drawing");

    // A failed run prints its sheet uncertified.
    const mxtest::ToolRun failed = mxtest::runTool(pilecap::description(), {"Text14=1", "--sheet", "/tmp/unused.pdf"});
    EXPECT_EQ(failed.report.status, 1);
    EXPECT_TRUE(contains(textAt(*failed.report.sheet, 1200, kSizeRowY), kNotYetUsable));
}
