#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "common/certify.h"
#include "common/cli.h"
#include "common/figure.h"
#include "stair/stair_design.h"
#include "stair/stair_drawing.h"
#include "stair/stair_form.h"
#include "stair/stair_module.h"
#include "stair/stair_sheet.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::stair;

namespace {

StairOutcome design(std::int16_t type, std::vector<std::pair<const char*, const char*>> fields = {}) {
    FieldSet f = stairDefaultFields();
    for (const auto& [k, v] : fields) f.set(k, v);
    return calculateStair(readStairInput(f, type));
}

PageModel sheetOf(const StairOutcome& o) {
    return stairSheet(o.result, o.status == DesignStatus::Usable, ProjectTitleBlock{"P", "S1", "E", "R", "1/3"});
}

// The text printed at (x, y), or "<none>"; more than one text there is itself a fault.
std::string at(const PageModel& p, double x, double y) {
    std::string found = "<none>";
    int count = 0;
    for (const auto& t : p.texts())
        if (t.x == x && t.y == y) {
            found = t.text;
            ++count;
        }
    return count > 1 ? "<" + std::to_string(count) + " texts>" : found;
}

// Runs of blanks read as one, so a comparison can be checked as a reader sees it.
std::string squeeze(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

double cells(const std::string& s) { return static_cast<double>(penAdvances(s)); }

// Whether a line passes through the inside of a box (touching its edge is not).
bool crosses(const PageLine& l, const PageBox& b) {
    double t0 = 0, t1 = 1;
    const double p[4] = {l.x1 - l.x2, l.x2 - l.x1, l.y1 - l.y2, l.y2 - l.y1};
    const double q[4] = {l.x1 - b.x1, b.x2 - l.x1, l.y1 - b.y1, b.y2 - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0 && q[i] <= 0) return false;
        if (p[i] != 0) (p[i] < 0 ? t0 : t1) = p[i] < 0 ? std::max(t0, q[i] / p[i]) : std::min(t1, q[i] / p[i]);
    }
    return t0 < t1;
}

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Rows above the drawing: y from 400 to 9900.
std::vector<PageText> textRows(const PageModel& p) {
    std::vector<PageText> out;
    for (const auto& t : p.texts())
        if (t.y <= 9900) out.push_back(t);
    return out;
}

}  // namespace

// The rows that depend on the stair type, and the drawing's span label.
TEST(StairSheet, LinesOfEachType) {
    const struct {
        std::int16_t type;
        double x;
        double y;
        const char* text;  // the start of the text expected there
    } rows[] = {
        {1, 1200, 1800, "L ความกว้างของบันได / ม. = "},
        {2, 1200, 1800, "L ช่วงห่างระหว่างคานรับบันได / เมตร = "},
        {0, 1200, 1800, "ความกว้างของบันได / ม. = "},
        {1, 3000, 2400, "น้ำหนักพื้นบันได = ( 24 x ( s ) / t ) x sqr ( r^2 + t^2 ) หน่วย กก. / ตร.ม."},
        {2, 1200, 2700, "น้ำหนักพื้นบันได = ( 24 x (  8  ) /  25  ) x sqr (  18 ^2 +  25 ^2 ) =  236.5889  กก. / ตร.ม."},
        {2, 1200, 3000, "นน.ขั้นบันได = 12 x r = 12 x  18  =  216  กก. / ตร.ม."},
        {1, 1200, 6300, "พท.หน้าตัดเหล็กเสริมกันร้าว Ast = 0.0025 x b x d = 0.0025 x 100 x  8  =  2  ตร.ซม."},
        {1, 1200, 6600, "*** ใช้เหล็กเสริมกันร้าวขนาด  6  มม. ระยะ @  0.125  ม. ( As =  2.2632  >  2  ตร.ซม. ) *** OK."},
        // The folded plate: each text of its three rows once, pairs side by side.
        {3, 1200, 2400, "คำนวณหา นน. ขั้นบันได"},
        {3, 3600, 2400, "น้ำหนักบันไดทางนอน + น้ำหนักบันไดทางตั้ง หน่วยเป็น กก. / ตร.ม."},
        {3, 1200, 2700, "นน.ขั้นบันไดคิดในแนวระดับ =  130.56  กก. / ตร.ม."},
        {3, 6300, 2700, "นน.ขั้นบันไดทางนอน =  130.56  กก. / ตร.ม."},
        {3, 1200, 3000, "นน.ขั้นบันไดคิดในแนวตั้ง =  199.68   กก. / ตร.ม."},
        {3, 6300, 3000, "น้ำหนักบันไดทางตั้ง =  199.68  กก. / ตร.ม."},
        {3, 1200, 6300, "เหล็กบนรับโมเมนต์ลบ เหล็กล่างรับโมเมนต์บวก"},
        {3, 1200, 6600, "*** เสริมเหล็กล่างรับโมเมนต์บวกขนาด  9  มม. ระยะ @  0.1667  ม. *** OK."},
        // The same rows for every type.
        {2, 1200, 1200, "นน.จรที่กำหนด =  300  กก. / ตร.ม.  กำหนดลูกนอนของบันไดกว้าง t =  25  ซม."},
        {2, 1200, 5100, "d1 =  8  -  2.45  =  5.55  ซม."},
        {2, 1200, 9600, "*** หน่วยแรงยึดเกาะที่ยอมให้สำหรับเหล็กขนาด  9  มม. = 11 >  8.4858  กก. / ตร.ซม. *** OK."},
        {2, 6000, 9900, "E R"},
        {2, 10000, 15000, "1/3"},
        {2, 1200, 700, "แสดงรายการคำนวณบันได S1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.type) + " at " + std::to_string(row.y));
        const PageModel p = sheetOf(design(row.type));
        EXPECT_EQ(at(p, row.x, row.y).rfind(row.text, 0), 0u) << at(p, row.x, row.y);
    }
    // Lines a type does not print.
    const PageModel flat = sheetOf(design(2)), folded = sheetOf(design(3));
    EXPECT_EQ(at(flat, 6300, 2700), "<none>");
    EXPECT_EQ(at(folded, 3000, 2400), "<none>");
    for (const auto& t : folded.texts()) EXPECT_FALSE(contains(t.text, "กันร้าว")) << t.text;
    // The live load is kg per square metre, never per square centimetre.
    for (const auto& t : flat.texts()) {
        EXPECT_FALSE(contains(t.text, "นน.จรที่กำหนด") && contains(t.text, "ตร.ซม.")) << t.text;
    }
    // The span label under the drawing.
    const auto spanLabels = [](const PageModel& p) {
        std::string s;
        for (const auto& t : p.texts())
            if (contains(t.text, "ความกว้างบันได = ") || contains(t.text, "ช่วงห่างระหว่างคานรับบันได = ")) s += t.text;
        return s;
    };
    EXPECT_EQ(spanLabels(sheetOf(design(1))), "ความกว้างบันได =  1.2  ม.");
    EXPECT_EQ(spanLabels(folded), "ช่วงห่างระหว่างคานรับบันได =  1.2  ม.");
    EXPECT_EQ(spanLabels(sheetOf(design(0))), "");
}

// No two texts of the listing stand in the same row closer than the first could end.
TEST(StairSheet, NoTwoTextsShareAPlace) {
    for (std::int16_t type : {0, 1, 2, 3}) {
        SCOPED_TRACE(type);
        const auto rows = textRows(sheetOf(design(type)));
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t k = i + 1; k < rows.size(); ++k) {
                if (rows[i].y != rows[k].y) continue;
                const PageText& left = rows[i].x < rows[k].x ? rows[i] : rows[k];
                const PageText& right = rows[i].x < rows[k].x ? rows[k] : rows[i];
                // The left text as printed (about 100 twips a cell) ends before the
                // right one starts, with a gap of its own.
                EXPECT_GE(right.x - left.x, cells(left.text) * 100 + 200) << left.text << " | " << right.text;
            }
    }
}

// With the defaults and a 2 m span the waist is too thin: the sheet shows the true
// relation and certifies nothing.
TEST(StairSheet, FailedDesignCertifiesNothing) {
    const StairOutcome o = design(2, {{"Text1", "2"}});
    ASSERT_EQ(o.status, DesignStatus::NotUsable);
    const PageModel p = sheetOf(o);
    EXPECT_TRUE(contains(squeeze(at(p, 1200, 5400)), "= 8.1862 ซม. > 5.55 ซม.")) << at(p, 1200, 5400);
    int notUsable = 0;
    for (const auto& t : p.texts()) {
        EXPECT_FALSE(contains(t.text, "OK.") || contains(t.text, "O.K.")) << t.text;
        notUsable += contains(t.text, kNotYetUsable);
    }
    EXPECT_EQ(notUsable, 4);  // the main and shrinkage steel, shear and bond lines

    // A usable design keeps its passed checks and the relation it truly has.
    const PageModel ok = sheetOf(design(2));
    EXPECT_TRUE(contains(squeeze(at(ok, 1200, 5400)), "ซม. < 5.55 ซม.")) << at(ok, 1200, 5400);
    int passed = 0;
    for (const auto& t : ok.texts()) passed += contains(t.text, "*** OK.");
    EXPECT_EQ(passed, 4);

    // A shear failure stops before the bond check: the bond values print as 0 and
    // the comparison says what 0 against 11 is.
    const StairOutcome shear = design(2, {{"Text1", "8"}, {"Text7", "20"}, {"Text2", "800"}, {"Text9", "100"}});
    ASSERT_EQ(shear.status, DesignStatus::NotUsable);
    ASSERT_FALSE(shear.panelWritten);
    ASSERT_EQ(shear.result.u, Fixed());
    const std::string bond = squeeze(at(sheetOf(shear), 1200, 9600));
    EXPECT_TRUE(contains(bond, "= 11 > 0 กก. / ตร.ซม. *** ยังใช้ไม่ได้")) << bond;
}

// The window prints a default result before any Calculate: zeros, never a NaN, an
// infinity or an exponent, and nothing certified.
TEST(StairSheet, BeforeAnyCalculatePrintsZeros) {
    const PageModel p = stairSheet(StairDesignResult{}, false, ProjectTitleBlock{});
    EXPECT_EQ(at(p, 1200, 5100), "d1 =  0  -  2  =  0  ซม.");
    EXPECT_EQ(squeeze(at(p, 1200, 5400)), "d2 = sqr ( M / ( R x b ) ) = sqr ( 0 x 100 / ( 0 x 100 ) ) = 0 ซม. = 0 ซม.");
    for (const auto& t : p.texts()) {
        EXPECT_FALSE(contains(t.text, "nan") || contains(t.text, "inf") || contains(t.text, "e+") ||
                     contains(t.text, "e-") || contains(t.text, "OK."))
            << t.text;
    }
    // No bars drawn: nothing red.
    for (const auto& item : p.items()) {
        if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_NE(l->color, kRed);
        }
    }
}

TEST(StairSheet, PrintQuestionAndTitleBlock) {
    const Message q = stairPrintQuestion();
    EXPECT_EQ(q.text, "คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?");
    EXPECT_EQ(q.icon, Icon::Critical);
    FieldSet f = stairDefaultFields();
    for (const char* name : {"Text12", "Text13", "Text14", "Text15", "Text16"}) EXPECT_EQ(f.get(name), "") << name;
    f.set("Text13", "ST-2");
    f.set("Text16", "4");
    const ProjectTitleBlock tb = stairTitleBlock(f);
    EXPECT_EQ(tb.member, "ST-2");
    EXPECT_EQ(tb.page, "4");
}

// Every item of the figure inside its area, for each type, usual and extreme inputs,
// on the window, on paper and in a cramped box; the item count stays the same.
TEST(StairDrawing, EveryItemInsideItsArea) {
    const std::vector<std::vector<std::pair<const char*, const char*>>> inputs = {
        {},
        {{"Text1", "8"}, {"Text7", "50"}, {"Text5", "16"}},
        {{"Text1", "123456789.1234"}, {"Text3", "49.9999"}, {"Text4", "0.0001"}},
        {{"Text5", "-9"}},
        {{"Text1", ""}},
    };
    const PageBox areas[] = {kStairScreenArea, kStairSheetDrawingBox, {100, 200, 1600, 900}};
    for (std::int16_t type : {0, 1, 2, 3}) {
        for (const auto& in : inputs) {
            const StairOutcome o = design(type, in);
            std::size_t items = 0;
            for (const PageBox& a : areas) {
                SCOPED_TRACE(std::to_string(type) + " area " + std::to_string(a.x2));
                const PageModel p = stairDrawing(o.result, a);
                auto inside = [&](double x, double y) {
                    EXPECT_TRUE(x >= a.x1 && x <= a.x2 && y >= a.y1 && y <= a.y2) << x << "," << y;
                };
                for (const auto& item : p.items()) {
                    if (const auto* t = std::get_if<PageText>(&item)) {
                        // The label's far corner as the Thai face prints it: about 95
                        // twips a character cell and a 360-twip line at 14 pt.
                        const double scale = t->sizePt / 14;
                        inside(t->x, t->y);
                        inside(t->x + cells(t->text) * 95 * scale, t->y + 360 * scale);
                        EXPECT_GT(t->sizePt, 0);
                    } else if (const auto* l = std::get_if<PageLine>(&item)) {
                        inside(l->x1, l->y1);
                        inside(l->x2, l->y2);
                    } else if (const auto* c = std::get_if<PageCircle>(&item)) {
                        inside(c->x - c->radius, c->y - c->radius);
                        inside(c->x + c->radius, c->y + c->radius);
                    }
                }
                if (items) {
                    EXPECT_EQ(p.items().size(), items);
                }
                items = p.items().size();
                EXPECT_LT(items, 200u);
            }
        }
    }
    EXPECT_TRUE(stairDrawing(design(2).result, PageBox{0, 0, 0, 0}).empty());
}

// On the window the figure keeps its own size; bars appear once the design has them.
TEST(StairDrawing, LabelsAndBarsOfEachType) {
    const struct {
        std::int16_t type;
        std::vector<std::string> labels;  // bar labels, top to bottom
        int dots;
    } rows[] = {
        {1, {" 6 มม. @ 0.125  ม.", " 6 มม. @ 0.125  ม.", " 9 มม. @ 0.1429 ม."}, 17},
        {2, {" 9 มม. @ 0.1429  ม.", " 9 มม. @ 0.1429  ม.", " 6 มม. @ 0.125 ม."}, 17},
        {3, {" 9 มม. @ 0.1667  ม.", " 9 มม. @ 0.1667 ม."}, 8},
        {0, {}, 17},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        const PageModel p = stairDrawing(design(row.type).result, kStairScreenArea);
        std::vector<std::string> labels;
        int dots = 0, red = 0;
        bool corner = false;
        for (const auto& item : p.items()) {
            if (const auto* t = std::get_if<PageText>(&item)) {
                if (contains(t->text, " มม. @ ")) labels.push_back(t->text);
                corner |= t->text == " 1 - 9 มม.ทุกมุม";
                EXPECT_EQ(t->sizePt, 14);
            } else if (const auto* c = std::get_if<PageCircle>(&item)) {
                ++dots;
                EXPECT_EQ(c->color, kRed);
            } else if (const auto* l = std::get_if<PageLine>(&item)) {
                red += l->color == kRed;
            }
        }
        EXPECT_EQ(labels, row.labels);
        // No line runs through a label: a leader ends where its label begins.
        for (const auto& t : p.texts())
            for (const auto& item : p.items()) {
                if (const auto* l = std::get_if<PageLine>(&item)) {
                    EXPECT_FALSE(crosses(*l, {t.x + 20, t.y + 20, t.x + cells(t.text) * 100 - 20, t.y + 340})) << t.text;
                }
            }
        EXPECT_EQ(dots, row.dots);
        EXPECT_GT(red, 0);
        EXPECT_TRUE(corner);
    }
    // A design that stopped before counting its bars draws none.
    const PageModel none = stairDrawing(design(2, {{"Text1", ""}}).result, kStairScreenArea);
    for (const auto& item : none.items()) {
        EXPECT_FALSE(std::holds_alternative<PageCircle>(item));
        if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_NE(l->color, kRed);
        }
    }
}

// The steps are drawn at their proportion: the first riser over the first tread is the
// riser over the tread (an 18 cm riser on a 25 cm tread 72 % of it), on the window and
// on the sheet, whatever the stair type; steps not sized yet keep the figure's own.
TEST(StairDrawing, RisersAtTheTreadsScale) {
    const struct {
        const char *tread, *riser;
        double ratio;
    } cases[] = {
        {"25", "18", 0.72},  {"30", "15", 0.5}, {"20", "20", 1},
        {"50", "2", 0.1},    // flatter than any stair: drawn at the bound
        {"?", "18", 800.0 / 1500},
    };
    for (const auto& c : cases)
        for (std::int16_t type : {1, 3})
            for (const PageBox& area : {kStairScreenArea, kStairSheetDrawingBox}) {
                SCOPED_TRACE(std::string(c.tread) + " / " + c.riser + " type " + std::to_string(type));
                const PageModel p = stairDrawing(design(type, {{"Text3", c.tread}, {"Text4", c.riser}}).result, area);
                std::vector<PageLine> lines;
                for (const auto& item : p.items())
                    if (const auto* l = std::get_if<PageLine>(&item)) lines.push_back(*l);
                ASSERT_GE(lines.size(), 2u);
                // The step profile comes first: the first tread, then the riser below its end.
                const PageLine& tread = lines[0];
                const PageLine& riser = lines[1];
                EXPECT_DOUBLE_EQ(tread.y1, tread.y2);
                EXPECT_DOUBLE_EQ(riser.x1, riser.x2);
                EXPECT_NEAR((riser.y2 - riser.y1) / (tread.x2 - tread.x1), c.ratio, 1e-9);
            }
}

TEST(StairSheet, ToolWritesTheSheetAndDrawing) {
    const auto run = mxtest::runTool(stair::description(),
                                     {"type=2", "Text1=2", "Text13=ST-1", "Text16=2/5", "--sheet", "/tmp/x.pdf"});
    ASSERT_TRUE(run.report.sheet.has_value());
    ASSERT_TRUE(run.report.drawing.has_value());
    EXPECT_EQ(at(*run.report.sheet, 1200, 700), "แสดงรายการคำนวณบันได ST-1");
    EXPECT_EQ(at(*run.report.sheet, 10000, 15000), "2/5");
    for (const auto& t : run.report.sheet->texts()) EXPECT_FALSE(contains(t.text, "OK.")) << t.text;
    const auto [x, y] = run.report.drawing->extent();
    EXPECT_LE(x, kStairScreenArea.x2);
    EXPECT_LE(y, kStairScreenArea.y2);
}
