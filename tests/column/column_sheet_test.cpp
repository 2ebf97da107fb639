#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "column/column_design.h"
#include "column/column_drawing.h"
#include "column/column_form.h"
#include "column/column_module.h"
#include "column/column_sheet.h"
#include "common/certify.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::column;

namespace {

ColumnDesignInput input(int shape, double P, double t1, double t2, double H = 3, double db = 12) {
    ColumnDesignInput in;
    in.shape = shape;
    in.P = P;
    in.t1 = t1;
    in.t2 = t2;
    in.H = H;
    in.db = db;
    return in;
}

// A round column as the form reads it: both widths from the diameter.
ColumnDesignInput roundColumn(double D, double P = 8000, double db = 12) {
    FieldSet f = columnDefaultFields();
    f.set("Text1", std::to_string(P));
    f.set("Text11", std::to_string(D));
    f.set("Text6", std::to_string(db));
    return readColumnInput(f, kShapeRound);
}

PageModel sheetOf(const ColumnOutcome& o) { return columnSheet(o.result, o.status == DesignStatus::Usable, {}); }

PageText textAt(const PageModel& p, double y, double x = kSheetLeft) {
    for (const auto& t : p.texts())
        if (t.y == y && t.x == x) return t;
    return {x, y, "<none>"};
}

std::string lineAt(const PageModel& p, double y, double x = kSheetLeft) { return textAt(p, y, x).text; }

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Bars are the filled circles of a drawing.
int bars(const PageModel& p) {
    int n = 0;
    for (const auto& item : p.items())
        if (const auto* c = std::get_if<PageCircle>(&item); c && c->filled) ++n;
    return n;
}

// Printed width of a text line, generous: the sheets' Thai font sets about 107 twips
// a character at 14 pt, and vowel and tone marks (counted here) take none.
double printedWidth(const std::string& s, double pt) {
    std::size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    return static_cast<double>(chars) * 100 * pt / 14;
}

// Every stroke, circle and text line of a drawing inside its area.
void expectInside(const PageModel& p, const PageBox& a) {
    auto in = [&](double x, double y) { return x >= a.x1 && x <= a.x2 && y >= a.y1 && y <= a.y2; };
    for (const auto& item : p.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            EXPECT_TRUE(in(t->x, t->y) && in(t->x + printedWidth(t->text, t->sizePt), t->y + 360)) << t->text;
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_TRUE(in(l->x1, l->y1) && in(l->x2, l->y2)) << l->x1 << "," << l->y1 << " " << l->x2 << "," << l->y2;
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            EXPECT_TRUE(std::isfinite(c->radius) && in(c->x - c->radius, c->y - c->radius) &&
                        in(c->x + c->radius, c->y + c->radius))
                << c->x << "," << c->y << " r " << c->radius;
        }
    }
}

}  // namespace

// The lines that change with the column: square or round, short or long.
TEST(ColumnSheet, ConditionalLines) {
    const struct {
        const char* name;
        ColumnDesignInput in;
        const char *first, *verdict, *reduction, *increase;
    } cases[] = {
        {"short square (ht exactly 10)", input(kShapeSquare, 8000, 30, 30),
         "ขนาดของเสา =  30  ซม.x  30  ซม.x สูง =  3  เมตร  นน.ของเสา x  1.7  เท่า =  1101.6  กก.",
         "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบสั้น( SHORT COLUMN )", "เนื่องจากเป็นเสาแบบสั้น( SHORT COLUMN ) ค่า R = 1",
         "เพราะฉะนั้น ตัวคูณลดค่าการรับ นน. ของเสาต้นนี้ R = 1 "},
        {"long square (the defaults)", input(kShapeSquare, 8000, 15, 15),
         "ขนาดของเสา =  15  ซม.x  15  ซม.x สูง =  3  เมตร  นน.ของเสา x  1.7  เท่า =  275.4  กก.",
         "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบยาว( LONG COLUMN )",
         "เนื่องจากความชลูดของเสา ถ้ากำหนดแรงที่ลงบนเสา =  8000  กก. แต่รับ นน.ได้จริงเพียง  0.8033  x  8000  =  6426.4  กก.",
         "เพราะฉะนั้น อัตราส่วนที่จะต้องคิดเพิ่ม =  8000  /  6426.4  =  1.2449  ( เพื่อให้เสารับ นน.ได้โดยปลอดภัย )"},
        {"round, 30 cm", roundColumn(30),
         "ขนาดหน้าตัดเสากลม เส้นผ่าศูนย์กลาง =  30  ซม. เสาสูง =  3  เมตร  นน.ของเสา x  1.7  เท่า =  864.7516  กก.",
         "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบยาว( LONG COLUMN )", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PageModel p = sheetOf(calculateColumn(c.in));
        EXPECT_EQ(lineAt(p, 1100), c.first);
        EXPECT_EQ(lineAt(p, 3500), c.verdict);
        EXPECT_EQ(textAt(p, 3500).sizePt, 18);
        if (c.reduction) {
            EXPECT_EQ(lineAt(p, 4400), c.reduction);
        }
        if (c.increase) {
            EXPECT_EQ(lineAt(p, 4700), c.increase);
        }
    }
}

// Header, thirty-three body lines at their places, footer and page text; a usable design
// keeps its "O.K." lines.
TEST(ColumnSheet, LinesAtTheirPlaces) {
    const PageModel p =
        columnSheet(calculateColumn(input(kShapeSquare, 8000, 15, 15)).result, true, {"ก", "C1", "วิศวกร", "1234", "2/5"});
    std::vector<std::pair<double, double>> places;  // (x, y) of every text above the drawing
    for (const auto& t : p.texts())
        if (t.y < kColumnSheetDrawingBox.y1 || t.y >= 15000) places.emplace_back(t.x, t.y);
    std::vector<std::pair<double, double>> expected{{1200, 400}, {1200, 700}};
    for (double y = 1100; y <= 8600; y += 300) expected.emplace_back(1200, y);
    for (double y = 9000; y <= 10800; y += 300) expected.emplace_back(1200, y);
    expected.emplace_back(6000, 11300);
    expected.emplace_back(10000, 15000);
    EXPECT_EQ(places, expected);
    EXPECT_EQ(lineAt(p, 400), "โครงการ ก");
    EXPECT_EQ(lineAt(p, 700), "แสดงรายการคำนวณเสา C1");
    EXPECT_EQ(lineAt(p, 8600), "***ใช้เหล็กเสริมรับแรงอัดเป็นเหล็กยืนในเสา ขนาด  12  มม.จำนวน  4  เส้น O.K.");
    EXPECT_EQ(lineAt(p, 10800), "***ใช้เหล็กปลอก ขนาด  6  มม. ระยะห่าง @ =  15  ซม. O.K.");
    for (const auto& t : p.texts()) EXPECT_TRUE(t.sizePt == 14 || t.sizePt == 20 || t.y == 3500) << t.text;
}

// The steel lines name the least steel and which area it is 1 % of, and a negative
// required area is never printed as the area the bars are chosen for.
TEST(ColumnSheet, SteelLinesShowWhichMinimumGoverns) {
    const struct {
        const char* name;
        double P, t, fs;
        const char *as, *least, *used, *bars;
    } cases[] = {
        {"concrete alone: half the section governs", 20000, 40, 1600,
         " As = -29041.6  / ( 0.85 x  1600  ) ติดลบ คอนกรีตรับ นน.ได้เอง ต้องใช้เหล็กยืนขั้นต่ำ",
         "เหล็กยืนขั้นต่ำ As min = 0.01 x Ag / 2 = 0.01 x  800  =  8  ตร.ซม. ( เสาใหญ่กว่าที่ นน.ต้องการ Ag' น้อยกว่า Ag / 2 )",
         "ใช้ As =  8  ตร.ซม. ( เหล็กยืนขั้นต่ำ 0.01 x Ag / 2 ควบคุม )", "จำนวน  8  เส้น O.K."},
        {"the area the load needs governs", 28000, 30, 1200, " As =  414.1  / ( 0.85 x  1200  ) =  0.406  ตร.ซม.",
         "เหล็กยืนขั้นต่ำ As min = 0.01 x Ag' = 0.01 x  691.6601  =  6.9166  ตร.ซม. ( เสาใหญ่กว่าที่ นน.ต้องการ ใช้ Ag' "
         "ที่อยู่ระหว่าง Ag / 2 ถึง Ag )",
         "ใช้ As =  6.9166  ตร.ซม. ( เหล็กยืนขั้นต่ำ 0.01 x Ag' ควบคุม )", "จำนวน  7  เส้น O.K."},
        {"the required area governs", 8000, 15, 1200, " As =  3130.1705  / ( 0.85 x  1200  ) =  3.0688  ตร.ซม.",
         "เหล็กยืนขั้นต่ำ As min = 0.01 x Ag = 0.01 x  225  =  2.25  ตร.ซม. ( Ag' ไม่น้อยกว่า Ag )",
         "ใช้ As =  3.0688  ตร.ซม. ( As ที่คำนวณได้ไม่น้อยกว่าเหล็กยืนขั้นต่ำ )", "จำนวน  4  เส้น O.K."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnDesignInput in = input(kShapeSquare, c.P, c.t, c.t);
        in.fs = c.fs;
        const PageModel p = sheetOf(calculateColumn(in));
        EXPECT_EQ(lineAt(p, 6800), c.as);
        EXPECT_TRUE(contains(lineAt(p, 7100), "Ag' = ")) << lineAt(p, 7100);
        EXPECT_EQ(lineAt(p, 7400), c.least);
        EXPECT_EQ(lineAt(p, 7700), c.used);
        EXPECT_FALSE(contains(lineAt(p, 8000), " -")) << lineAt(p, 8000);
        EXPECT_TRUE(contains(lineAt(p, 8600), c.bars)) << lineAt(p, 8600);
    }
}

// A design its Calculate rejected, or no Calculate at all, never prints as passed.
TEST(ColumnSheet, RejectedDesignIsNotCertified) {
    const struct {
        const char* name;
        ColumnDesignResult r;
        bool usable;
    } cases[] = {
        {"steel ratio above 8 %", calculateColumn(roundColumn(20, 40000, 25)).result, false},
        {"too slender", calculateColumn(input(kShapeSquare, 8000, 10, 10, 7)).result, false},
        {"before any Calculate", ColumnDesignResult{}, false},
        {"no shape chosen", calculateColumn(input(kShapeNone, 20000, 20, 20, 3, 16)).result, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PageModel p = columnSheet(c.r, c.usable, {});
        for (const auto& t : p.texts()) {
            EXPECT_FALSE(contains(t.text, "O.K.") || contains(t.text, "OK.")) << t.text;
        }
        EXPECT_TRUE(contains(lineAt(p, 8600), kNotYetUsable));
        EXPECT_TRUE(contains(lineAt(p, 10800), kNotYetUsable));
    }
    // A calculation that stops early prints 0 for what it did not reach.
    const PageModel early = columnSheet(cases[3].r, false, {});
    EXPECT_EQ(lineAt(early, 10500), "ต้องเลือกระยะปลอกโดยถือค่าเปรียบเทียบที่น้อยที่สุด เพราะฉะนั้น ระยะปลอก =  0  ซม.");
    EXPECT_TRUE(contains(lineAt(early, 8600), "ขนาด  16  มม.จำนวน  6  เส้น"));
}

// Before any Calculate the sheet prints zeros, never a non-number, and draws no section.
TEST(ColumnSheet, BeforeAnyCalculatePrintsZeros) {
    const PageModel p = columnSheet(ColumnDesignResult{}, false, {});
    for (const auto& t : p.texts())
        for (const char* bad : {"nan", "inf", "e+", "e-"}) EXPECT_FALSE(contains(t.text, bad)) << t.text;
    EXPECT_EQ(lineAt(p, 2000), "Ag = พท.หน้าตัดเสา =  0  x  0  =  0  ตร.ซม.");
    EXPECT_EQ(lineAt(p, 3500), "วิเคราะห์แล้วเสาต้นนี้เป็นเสาแบบสั้น( SHORT COLUMN )");
    const PageModel d = columnDrawing(ColumnDesignResult{}, {0, 0, 9000, 7500});
    for (const auto& item : d.items()) EXPECT_TRUE(std::holds_alternative<PageText>(item));
    EXPECT_EQ(d.lines().front(), "ขนาดเหล็กยืน  0  มม.จำนวน  0  เส้น");
}

TEST(ColumnDrawing, ScaleBands) {
    const struct {
        double t;
        int scale;
    } cases[] = {{151, 15}, {150, 20}, {91, 25}, {61, 35}, {31, 50}, {30, 80}};
    for (const auto& c : cases) EXPECT_EQ(columnSectionScale(c.t), c.scale) << c.t;
    // A 200 x 200 column is 3000 twips wide on the window.
    const PageModel p = columnDrawing(calculateColumn(input(kShapeSquare, 8000, 200, 200)).result, {0, 0, 9000, 7500});
    const auto& outline = std::get<PageLine>(p.items().front());
    EXPECT_DOUBLE_EQ(outline.x2 - outline.x1, 3000);
}

// Exactly nb bars, on the window and on paper; none when the design has none.
TEST(ColumnDrawing, DrawsTheBarsTheDesignHas) {
    const struct {
        int shape;
        int nb;
    } cases[] = {{kShapeSquare, 4}, {kShapeSquare, 5}, {kShapeSquare, 6}, {kShapeSquare, 7}, {kShapeSquare, 0},
                 {kShapeRound, 6},  {kShapeRound, 9},  {kShapeRound, 0},  {kShapeNone, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.shape) + ": " + std::to_string(c.nb));
        ColumnDesignResult r = calculateColumn(input(kShapeSquare, 8000, 40, 40)).result;
        r.shape = c.shape;
        r.nb = Fixed::fromInt(c.nb);
        EXPECT_EQ(bars(columnDrawing(r, {0, 0, 9000, 7500})), c.nb);
        EXPECT_EQ(bars(columnSheet(r, true, {})), c.nb);
    }
}

// Whatever the design, the figure stays inside the area it is given and its items stay few.
TEST(ColumnDrawing, StaysInsideItsArea) {
    std::vector<ColumnDesignResult> designs = {
        calculateColumn(input(kShapeSquare, 8000, 15, 15)).result,
        calculateColumn(input(kShapeSquare, 8000, 200, 200)).result,
        calculateColumn(input(kShapeSquare, 8000, 200, 10, 1)).result,
        calculateColumn(input(kShapeSquare, 8000, 10, 200, 1)).result,
        calculateColumn(input(kShapeSquare, 2000000, 60, 45, 3, 40)).result,
        calculateColumn(roundColumn(30)).result,
        calculateColumn(roundColumn(300, 2000000)).result,
        ColumnDesignResult{},
    };
    ColumnDesignResult huge = designs[0];
    huge.t1 = huge.t2 = huge.t = 1e6;
    huge.db = 1e4;
    huge.nb = Fixed::fromInt(1000000000);
    designs.push_back(huge);
    ColumnDesignResult manyRound = designs[5];
    manyRound.nb = Fixed::fromInt(1000000000);
    designs.push_back(manyRound);
    ColumnDesignResult odd = designs[0];
    odd.t1 = -5;
    odd.t2 = std::nan("");
    designs.push_back(odd);

    for (const PageBox& area : {PageBox{0, 0, 9000, 7500}, kColumnSheetDrawingBox, PageBox{500, 300, 9500, 7800}}) {
        for (std::size_t i = 0; i < designs.size(); ++i) {
            SCOPED_TRACE("design " + std::to_string(i) + " in area at " + std::to_string(area.y1));
            const PageModel p = columnDrawing(designs[i], area);
            expectInside(p, area);
            EXPECT_LT(p.items().size(), 2000u);
        }
    }
}

// Mend of the round column: the load proposes no widths for it, and Calculate takes
// its section from the diameter, whatever the hidden width fields hold.
TEST(ColumnForm, RoundColumnIsSizedByItsDiameter) {
    FieldSet f = columnDefaultFields();
    f.set("Text11", "20");
    std::vector<Message> shown;
    setColumnField(f, kShapeRound, "Text1", "40000", shown);
    EXPECT_EQ(f.get("Text6"), "25");  // the bar proposal still applies
    EXPECT_EQ(f.get("Text2"), "15");
    EXPECT_EQ(f.get("Text3"), "15");

    const struct {
        int shape;
        const char *t2Field, *diameter;
        double t1, t2, D;
    } cases[] = {
        {kShapeRound, "24", "20", 17.72, 17.72, 20},
        {kShapeRound, "24", "?", 15, 24, 0},  // no diameter: the widths stand
        {kShapeSquare, "24", "20", 15, 24, 0},
    };
    for (const auto& c : cases) {
        f.set("Text3", c.t2Field);
        f.set("Text11", c.diameter);
        const ColumnDesignInput in = readColumnInput(f, c.shape);
        EXPECT_EQ(in.t1, c.t1);
        EXPECT_EQ(in.t2, c.t2);
        EXPECT_EQ(in.D, c.D);
    }
}

// The tool builds the sheet with the title block typed in the window, and the drawing.
TEST(ColumnTool, WritesTheSheetAndTheDrawing) {
    const mxtest::ToolRun r = mxtest::runTool(
        column::description(), {"type=2", "Text11=20", "Text1=40000", "Text6=25", "Text2=24", "Text3=24",
                                 "Text18=อาคาร ก", "Text19=C1", "Text20=นาย ข", "Text21=1234", "Text22=3", "--sheet",
                                 "/tmp/unused.pdf"});
    EXPECT_EQ(r.report.status, 1);  // the real 20 cm section needs more than 8 % steel
    ASSERT_TRUE(r.report.sheet.has_value());
    ASSERT_TRUE(r.report.drawing.has_value());
    const PageModel& p = *r.report.sheet;
    EXPECT_EQ(lineAt(p, 400), "โครงการ อาคาร ก");
    EXPECT_EQ(lineAt(p, 700), "แสดงรายการคำนวณเสา C1");
    EXPECT_TRUE(contains(lineAt(p, 1100), "เส้นผ่าศูนย์กลาง =  20  ซม."));
    EXPECT_EQ(lineAt(p, 2000), "Ag = พท.หน้าตัดเสา =  17.72  x  17.72  =  313.9984  ตร.ซม.");
    EXPECT_EQ(lineAt(p, 11300, 6000), "นาย ข 1234");
    EXPECT_EQ(lineAt(p, 15000, 10000), "3");
    EXPECT_EQ(bars(*r.report.drawing), 9);
}
