#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "common/certify.h"
#include "common/figure.h"
#include "spreadfooting/spreadfooting.h"
#include "spreadfooting/spreadfooting_drawing.h"
#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"
#include "spreadfooting/spreadfooting_sheet.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::spreadfooting;

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

SpreadFootingOutcome design(const Settings& settings) {
    FieldSet f = defaultFields();
    f.set("Text3", "8");
    for (const auto& [field, text] : settings) f.set(field, text);
    return calculateSpreadFooting(readInput(f));
}

PageModel sheetOf(const SpreadFootingOutcome& o) {
    return spreadFootingSheet(o.result, o.status == DesignStatus::Usable,
                              ProjectTitleBlock{"บ้านพัก", "F1", "นายช่าง", "สย.1", "1/1"});
}

// The text printed at (x, y), or "<none>".
std::string textAt(const PageModel& p, double x, double y) {
    for (const PageText& t : p.texts())
        if (t.x == x && t.y == y) return t.text;
    return "<none>";
}

std::vector<PageCircle> circles(const PageModel& p) {
    std::vector<PageCircle> out;
    for (const auto& i : p.items())
        if (const auto* c = std::get_if<PageCircle>(&i)) out.push_back(*c);
    return out;
}

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Every item inside the box; a text's end is taken at the width the Thai fonts print.
void expectInside(const PageModel& p, const PageBox& b, const std::string& what) {
    auto inside = [&](double x, double y) { return x >= b.x1 && x <= b.x2 && y >= b.y1 && y <= b.y2; };
    for (const auto& item : p.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            EXPECT_TRUE(inside(t->x, t->y)) << what << ": " << t->text;
            EXPECT_LE(t->x + 95.0 * static_cast<double>(penAdvances(t->text)), b.x2) << what << ": " << t->text;
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_TRUE(inside(l->x1, l->y1) && inside(l->x2, l->y2)) << what;
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            EXPECT_TRUE(inside(c->x - c->radius, c->y - c->radius) && inside(c->x + c->radius, c->y + c->radius)) << what;
        }
    }
}

}  // namespace

// The listing's rows, kFootingRowStep apart from y 1200: the x of each (3000 for a
// continuation), then the two 18 pt mesh lines, the pad's size and the engineer's line.
constexpr double kRowX[] = {1200, 3000, 1200, 1200, 3000, 1200, 1200, 1200, 1200, 1200, 3000, 1200, 3000, 3000, 1200,
                            3000, 1200, 1200, 3000, 1200, 3000, 1200, 1200, 3000, 1200, 1200, 3000, 1200, 1200, 3000};
constexpr double rowY(int i) { return kListingTop + i * kFootingRowStep; }
constexpr double kLongBarsY = rowY(std::size(kRowX));
constexpr double kSizeY = kLongBarsY + 2 * kFootingResultStep;

TEST(SpreadFootingSheet, EveryLineAtItsPlaceAndSize) {
    // The text column from the project line to the engineer line, then the page text:
    // y, x and point size of each (the two 18 pt mesh lines bold).
    std::vector<std::array<double, 3>> lines{{400, 1200, 14}, {700, 1200, 20}};
    for (std::size_t i = 0; i < std::size(kRowX); ++i) lines.push_back({rowY(int(i)), kRowX[i], 14});
    lines.push_back({kLongBarsY, 1200, 18});
    lines.push_back({kLongBarsY + kFootingResultStep, 1200, 18});
    lines.push_back({kSizeY, 1200, 14});
    lines.push_back({kFooterY, 6000, 14});
    lines.push_back({15000, 10000, 14});
    const PageModel p = sheetOf(design({}));
    std::vector<PageText> column;
    for (const PageText& t : p.texts())
        if (t.y < kSheetDrawingBox.y1 || t.x == 10000) column.push_back(t);
    ASSERT_EQ(column.size(), lines.size());
    for (std::size_t i = 0; i < column.size(); ++i) {
        EXPECT_EQ(column[i].y, lines[i][0]) << column[i].text;
        EXPECT_EQ(column[i].x, lines[i][1]) << column[i].text;
        EXPECT_EQ(column[i].sizePt, lines[i][2]) << column[i].text;
        EXPECT_EQ(column[i].bold, lines[i][2] == 18) << column[i].text;
    }
    EXPECT_EQ(column[0].text, "โครงการ บ้านพัก");
    EXPECT_EQ(column[1].text, "แสดงรายการคำนวณฐานราก F1");
    EXPECT_EQ(column[lines.size() - 2].text, "นายช่าง สย.1");
    EXPECT_EQ(column[lines.size() - 1].text, "1/1");
    EXPECT_EQ(kSizeY + kFootingRowStep, kFooterY);
}

TEST(SpreadFootingSheet, WorkedExampleFigures) {
    // q = 8 t/m2 under 20 t: a 168 cm pad, d 25, 34 cm deep over 7.5 cm of cover and
    // half a 12 mm bar; its least steel 0.0025 x 100 x 34 = 8.5 cm2 a metre asks for
    // 8.5 x 1.68 / 1.1314 = 12.62 bars, more than the moment's 12.20: 14 bars each way.
    // ld = 1200 x 1.2 / (4 x 11) = 32.7 cm within the 74 − 7.5 cm past the stub face.
    const PageModel p = sheetOf(design({}));
    const struct {
        double x, y;
        const char* text;
    } expected[] = {
        {1200, rowY(5), "ใช้ขนาดฐานราก กว้าง =  168  ซม. x ยาว =  168  ซม. =  2.8224  ตร.เมตร >  2.7975  ตร.เมตร O.K."},
        // The moment per metre width is in kg-m.
        {3000, rowY(13), "M = 0.50 x  7929.4218  x (  0.74  ^ 2 ) =  2171.0757  กก.-เมตร"},
        {3000, rowY(18), "ความลึกของฐานราก t = d + 7.5 + D / 2 =  25  + 7.5 +  0.6  =  33.1  ใช้  34  ซม."},
        {3000, rowY(20), "เหล็กเสริมน้อยที่สุดต่อความกว้าง 1 ม. As(min) =  0.0025  x 100 x  34  =  8.5  ตร.ซม."},
        // The counts by area and by the least steel are those for the whole width.
        {1200, rowY(21),
         "ใช้เหล็กตะแกรง  12  มม.  จำนวน = As x B / Ab =  12.1961  เส้น ***( 1 )  As(min) x B / Ab =  12.6215  เส้น ***( 3 )"},
        {1200, rowY(24), "หน่วยแรงยึดเกาะที่ยอมให้ ( เหล็กเส้นกลม ) u = 1.61 x SQR( fc' ) / D =  16.432 > 11 ใช้ u =  11  กก./ตร.ซม."},
        {1200, rowY(28),
         "ระยะฝังยึดเหล็กตะแกรงจากขอบเสาตอม่อ ld = fs x D / ( 4 x u ) =  1200  x  1.2  / ( 4 x  11  ) =  32.7273  ซม."},
        {3000, rowY(29), "ระยะตรง ( ถึงขอบ - 7.5 ) = 66.5 > 32.7273 ซม. O.K. ไม่ต้องงอขอ"},
        {1200, kLongBarsY, "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด  12  มม. จำนวน  14  เส้น O.K."},
        {1200, kSizeY, "ขนาดของฐานราก = กว้าง  168  ซม.x ยาว  168  ซม.x ลึก  34  ซม. นน.ฐานราก =  2303.0783  กก. O.K."},
    };
    for (const auto& e : expected) EXPECT_EQ(textAt(p, e.x, e.y), e.text) << e.y;
}

TEST(SpreadFootingSheet, CertifiesOnlyAUsableRunAndShowsThatRunAlone) {
    struct Case {
        const char* name;
        Settings settings;
        bool usable;
        const char* longBars;  // the count on the long bars' line
        int barsDrawn;         // bottom row on the window; -1: fewer than designed, as many as fit
    } cases[] = {
        {"worked example", {}, true, " 14 ", 14},
        // Message 9: the pad outweighs its allowance; the mesh was never designed.
        {"soil 5 t/m2", {{"Text3", "5"}}, false, " 0 ", 0},
        {"load 30 t on soil 5 t/m2", {{"Text3", "5"}, {"Text1", "30000"}}, false, " 0 ", 0},
        // Message 14: designed to the end, then the bars are too close.
        {"pitch too close", {{"Text1", "100000"}, {"Text2", "9"}}, false, " 135 ", -1},
        // A pad narrower than its stub (message 11): the least steel still asks for two
        // bars, and they cannot be anchored past the stub (message 17).
        {"pad narrower than the stub", {{"Text3", "1000"}}, false, " 2 ", 2},
    };
    for (const Case& c : cases) {
        const SpreadFootingOutcome o = design(c.settings);
        ASSERT_EQ(o.status == DesignStatus::Usable, c.usable) << c.name;
        const PageModel p = sheetOf(o);
        bool certified = false, refused = false;
        for (const PageText& t : p.texts()) {
            certified = certified || contains(t.text, "O.K.") || contains(t.text, "OK.");
            refused = refused || contains(t.text, kNotYetUsable);
        }
        EXPECT_EQ(certified, c.usable) << c.name;
        EXPECT_EQ(refused, !c.usable) << c.name;
        EXPECT_TRUE(contains(textAt(p, 1200, kLongBarsY), std::string("จำนวน ") + c.longBars)) << c.name;
        // The pad size line states the true relation of the two areas.
        const double built = o.result.Aact.toDouble() / 10000;
        EXPECT_TRUE(contains(textAt(p, 1200, rowY(5)), std::string(" ตร.เมตร ") + relation(built, o.result.A) + " "))
            << c.name;

        // The bottom row (the lowest circles), never closer than dots can be told apart,
        // and the two top bars; no mesh at all where none was designed.
        const std::vector<PageCircle> all = circles(spreadFootingDrawing(o.result, kScreenDrawingArea));
        EXPECT_EQ(all.empty(), c.barsDrawn == 0) << c.name;
        if (all.empty()) continue;
        double lowest = 0;
        for (const PageCircle& b : all) lowest = std::max(lowest, b.y);
        std::vector<double> row;
        for (const PageCircle& b : all)
            if (b.y == lowest) row.push_back(b.x);
        std::sort(row.begin(), row.end());
        const std::size_t designed = c.barsDrawn > 0 ? static_cast<std::size_t>(c.barsDrawn) : 0;
        EXPECT_TRUE(designed ? row.size() == designed : row.size() > 10 && row.size() < std::size_t(o.result.N)) << c.name;
        for (std::size_t i = 1; i < row.size(); ++i) EXPECT_GE(row[i] - row[i - 1], 50 - 1e-9) << c.name;
        EXPECT_EQ(all.size(), row.size() + 2) << c.name;
    }
}

TEST(SpreadFootingSheet, BeforeAnyCalculatePrintsZeros) {
    const PageModel p = spreadFootingSheet(SpreadFootingResult{}, false, ProjectTitleBlock{});
    EXPECT_EQ(textAt(p, 1200, 1200), "กำหนด นน.ที่กระทำลงบนฐานราก =  0  กก.");
    EXPECT_TRUE(contains(textAt(p, 1200, rowY(5)), " ตร.เมตร =  0  ตร.เมตร " + std::string(kNotYetUsable)));
    for (const PageText& t : p.texts()) {
        for (const char* bad : {"nan", "inf", "e+", "e-", "O.K."}) EXPECT_FALSE(contains(t.text, bad)) << t.text;
        // Every value set into the text (a figure between doubled blanks: the text's
        // blank and the number's own) is a zero; the formulas' own digits are not values.
        const std::string s = "  " + t.text + "  ";
        for (std::size_t i = 2; i < s.size(); ++i) {
            if (!(std::isdigit(static_cast<unsigned char>(s[i])) && s.compare(i - 2, 2, "  ") == 0)) continue;
            std::size_t j = i;
            while (j < s.size() && (std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == '.')) ++j;
            if (s.compare(j, 2, "  ") == 0) {
                EXPECT_EQ(s.substr(i, j - i), "0") << t.text;
            }
        }
    }
    EXPECT_EQ(textAt(p, 1200, kLongBarsY), "***จำนวนเหล็กตะแกรงเสริมทางยาวใช้เหล็กขนาด  0  มม. จำนวน  0  เส้น ยังใช้ไม่ได้");
    EXPECT_TRUE(circles(p).empty());
}

TEST(SpreadFootingDrawing, ScaleFromTheFootingLength) {
    // Each band's edges: a length on the edge belongs to the band below it.
    const std::pair<int, double> edges[] = {{50, 40}, {51, 25}, {150, 22}, {151, 18}, {1200, 3}, {1201, 2}};
    for (const auto& [B, k] : edges) EXPECT_EQ(spreadFootingScale(B), k) << B;

    // The worked example on paper: the plan 168 cm wide at the table's 18 twips per cm
    // or, where the labels need the room, a little less.
    const PageModel p = spreadFootingDrawing(design({}).result, kSheetDrawingBox, DrawingMedium::Paper);
    double widest = 0;
    for (const auto& item : p.items())
        if (const auto* l = std::get_if<PageLine>(&item)) widest = std::max(widest, std::abs(l->x2 - l->x1));
    EXPECT_LE(widest, 168 * 18 + 1e-6);
    EXPECT_GE(widest, 168 * 15);
}

// Where the figure fits at the table's scale it is drawn at it: the plan's top edge,
// the first line drawn, is s B long and, on paper, starts at the sheet's origin.
TEST(SpreadFootingDrawing, KeepsTheTablesScaleWhereItFits) {
    const std::tuple<Settings, PageBox, DrawingMedium, std::optional<PlanOrigin>, int> rows[] = {
        {{}, kScreenDrawingArea, DrawingMedium::Screen, std::nullopt, 168},
        {{{"Text3", "16"}}, kSheetDrawingBox, DrawingMedium::Paper, kSheetPlanOrigin, 119},
    };
    for (const auto& [settings, area, medium, origin, B] : rows) {
        const SpreadFootingResult r = design(settings).result;
        ASSERT_EQ(r.B, B);
        const PageModel p = spreadFootingDrawing(r, area, medium, origin);
        const auto edge = std::find_if(p.items().begin(), p.items().end(),
                                       [](const PageItem& i) { return std::holds_alternative<PageLine>(i); });
        ASSERT_NE(edge, p.items().end());
        const auto& l = std::get<PageLine>(*edge);
        EXPECT_DOUBLE_EQ(l.x2 - l.x1, spreadFootingScale(B) * B) << B;
        EXPECT_TRUE(!origin || (l.x1 == origin->x && l.y1 == origin->y)) << B;
        expectInside(p, area, "B " + std::to_string(B));
    }
}

TEST(SpreadFootingDrawing, EveryItemInsideItsArea) {
    std::vector<std::pair<std::string, SpreadFootingResult>> results;
    for (const char* P : {"1000", "20000", "100000", "1000000"})
        for (const char* q : {"2", "5", "8", "30", "1000"})
            for (const char* db : {"9", "12", "40"}) {
                const Settings s{{"Text1", P}, {"Text3", q}, {"Text2", db}, {"Text13", "300"}};
                results.emplace_back(std::string(P) + "/" + q + "/" + db, design(s).result);
            }
    results.emplace_back("before any Calculate", SpreadFootingResult{});
    // Beyond anything a design reaches: the largest 16-bit sizes and counts.
    SpreadFootingResult huge;
    huge.L = huge.B = huge.N = huge.Ns = 32767;
    std::tie(huge.a, huge.t, huge.s, huge.q, huge.db) = std::tuple(30000.0, 40000.0, 0.001f, 1e12, 40.0);
    results.emplace_back("largest", huge);
    SpreadFootingResult stubWider = design({}).result;
    stubWider.a = 400;
    results.emplace_back("stub wider than the pad", stubWider);

    const PageBox screen = kScreenDrawingArea;
    for (const auto& [name, r] : results) {
        for (const auto& [box, medium] : {std::pair{screen, DrawingMedium::Screen},
                                          std::pair{kSheetDrawingBox, DrawingMedium::Paper}}) {
            const PageModel p = spreadFootingDrawing(r, box, medium);
            expectInside(p, box, name);
            EXPECT_LT(p.items().size(), 1000u) << name;
        }
    }
}

TEST(SpreadFootingTool, BuildsTheSheetAndTheDrawing) {
    const ModuleDescription m = spreadfooting::description();
    struct Case {
        std::vector<std::string> args;
        bool usable;
    } cases[] = {
        {{"Text3=8", "Text8=บ้านพัก", "Text9=F2", "Text10=นายช่าง", "Text11=สย.1", "Text12=2/5", "--sheet",
          "/tmp/unused.pdf"},
         true},
        {{"--sheet", "/tmp/unused.pdf"}, false},  // the empty bearing: message 3
    };
    for (const Case& c : cases) {
        const mxtest::ToolRun r = mxtest::runTool(m, c.args);
        ASSERT_TRUE(r.report.sheet.has_value());
        ASSERT_TRUE(r.report.drawing.has_value());
        const PageModel& s = *r.report.sheet;
        EXPECT_EQ(contains(textAt(s, 1200, 9300), "O.K."), c.usable);
        EXPECT_EQ(textAt(s, 1200, 700), "แสดงรายการคำนวณฐานราก " + r.fields().get("Text9"));
        EXPECT_EQ(textAt(s, 10000, 15000), r.fields().get("Text12"));
        expectInside(*r.report.drawing, kScreenDrawingArea, c.args.front());
    }
    // Without pages asked for, none are built.
    EXPECT_FALSE(mxtest::runTool(m, {"Text3=8"}).report.sheet.has_value());
}
