#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <variant>
#include <vector>

#include "common/certify.h"
#include "common/numtext.h"
#include "slab/slab_design.h"
#include "slab/slab_drawing.h"
#include "slab/slab_form.h"
#include "slab/slab_module.h"
#include "slab/slab_sheet.h"
#include "support/tool_run.h"

using namespace mx;
using namespace mx::slab;

namespace {

SlabDesignOutcome design(int kind, int continuity, std::vector<std::pair<const char*, const char*>> fields = {}) {
    FieldSet f = slabDefaultFields();
    f.set("Text6", std::to_string(continuity));
    for (const auto& [name, text] : fields) f.set(name, text);
    return calculateSlab(readSlabInput(f, kind, 0));
}

PageModel sheetOf(const SlabDesignOutcome& o) {
    return slabSheet(o.result, o.status == DesignStatus::Usable, ProjectTitleBlock{"บ้าน", "S1", "วิศวกร", "กท.1", "1/1"});
}

const PageText* textAt(const PageModel& p, double x, double y) {
    static std::vector<PageText> texts;
    texts = p.texts();
    for (const auto& t : texts)
        if (t.x == x && t.y == y) return &t;
    return nullptr;
}

bool startsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }
bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// The 1 m canopy: 12 cm thick, live load 100, 6 mm bars; its top bars come out @ 8 cm.
const std::vector<std::pair<const char*, const char*>> kCanopy = {{"Text2", "1"}, {"Text4", "12"}, {"Text1", "100"}};

}  // namespace

// Which of the conditional lines a sheet prints, by kind and continuity case.
TEST(SlabSheet, ConditionalLinesByCase) {
    struct Row {
        double x, y;
        const char* head;  // start of the line; "" when nothing is printed there
    };
    struct Case {
        const char* name;
        SlabDesignOutcome outcome;
        std::vector<Row> rows;
    };
    const std::vector<Case> cases = {
        {"single span", design(kTwoWay, 1, {{"Text3", "3"}}),
         {{1500, 3900, "***พื้นที่คำนวณเป็นพื้นชนิด พื้นช่วงเดียว"}, {6500, 3900, ""}, {5000, 5500, ""},
          {1200, 5500, "โมเมนต์ลบ M- = 0 กก.-เมตร"}, {1200, 4600, "***พื้นเป็นพื้นเสริมเหล็ก 2 ทาง"},
          {1200, 6100, "กำหนดขนาดเหล็กเสริมพิเศษ ( เฉพาะริม ) ="}, {6000, 6100, ""}, {1200, 7300, ""},
          {1200, 7600, ""}, {1200, 7900, ""}, {1200, 8200, ""}}},
        {"end panel", design(kTwoWay, 2),
         {{1500, 3900, "***พื้นที่คำนวณเป็นพื้นชนิด พื้นที่อยู่ริมนอก"}, {5000, 5500, "โมเมนต์ลบ M- ="},
          {1200, 5500, "โมเมนต์ลบ M2- ="}, {1200, 4600, "***พื้นเป็นพื้นเสริมเหล็กทางเดียว"},
          {1200, 6100, "พื้นเป็นพื้นเสริมเหล็กทางเดียว ( ONE-WAY SLAB )"},
          {6000, 6100, "กำหนดขนาดเหล็กเสริมพิเศษ =  6  มม."}, {1200, 7300, "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As2"},
          {1200, 7600, "-As2 = "}, {1200, 7900, "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As1"}, {1200, 8200, "-As1 = "}}},
        {"interior panel", design(kTwoWay, 3),
         {{1500, 3900, "***พื้นที่คำนวณเป็นพื้นชนิด พื้นภายใน ต่อเนื่อง"}, {5000, 5500, ""}, {1200, 5500, "โมเมนต์ลบ M2- ="},
          {6000, 6100, ""}, {1200, 7300, "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As2"}, {1200, 7600, "-As2 = "},
          {1200, 7900, ""}, {1200, 8200, ""}}},
        // A canopy keeps the default interior case: its steel is the -As1 of the top bars.
        {"canopy, interior case", design(kCantilever, 3, kCanopy),
         {{6500, 3900, " พื้นชนิดยื่น ( CANTILEAVERS )"}, {5000, 5500, "โมเมนต์ลบ M- ="}, {1200, 5500, ""},
          {1200, 7300, "***หมายเหตุ เนื่องจากพื้นเป็นพื้นชนิดยื่น"}, {1200, 7600, ""},
          {1200, 7900, "คำนวณหาพื้นที่หน้าตัดเหล็กเสริมพิเศษ -As1"}, {1200, 8200, "-As1 = "}}},
        {"canopy, single span", design(kCantilever, 1, kCanopy),
         {{1500, 3900, "***พื้นที่คำนวณเป็นพื้นชนิด พื้นช่วงเดียว"}, {5000, 5500, "โมเมนต์ลบ M- ="}, {1200, 5500, ""},
          {1200, 7300, "***หมายเหตุ"}, {1200, 7600, ""}, {1200, 8200, "-As1 = "}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PageModel p = sheetOf(c.outcome);
        for (const Row& row : c.rows) {
            std::vector<std::string> there;
            for (const auto& t : p.texts())
                if (t.x == row.x && t.y == row.y) there.push_back(t.text);
            if (*row.head == 0) {
                EXPECT_TRUE(there.empty()) << row.x << "," << row.y << ": " << (there.empty() ? "" : there[0]);
            } else {
                ASSERT_EQ(there.size(), 1u) << row.x << "," << row.y;
                EXPECT_TRUE(startsWith(there[0], row.head)) << there[0];
            }
        }
    }
}

// The end panel's sheet: every line at its place and size, the page text last.
TEST(SlabSheet, EndPanelLinesPlacesAndSizes) {
    const PageModel p = sheetOf(design(kTwoWay, 2));
    const std::vector<std::tuple<double, double, double>> expected = {
        {1200, 400, 14},  {1200, 700, 20},  {1200, 1200, 14}, {1200, 1500, 14}, {1200, 1800, 14}, {1200, 2100, 14},
        {1200, 2400, 14}, {1200, 2700, 14}, {2000, 3000, 14}, {3000, 3300, 14}, {3000, 3600, 14}, {1500, 3900, 18},
        {1200, 4300, 14}, {1200, 4600, 14}, {1200, 4900, 14}, {1200, 5200, 14}, {5000, 5500, 14}, {1200, 5500, 14},
        {1200, 5800, 14}, {1200, 6100, 14}, {6000, 6100, 14}, {1200, 6400, 14}, {1200, 6700, 14}, {1200, 7000, 14},
        {1200, 7300, 14}, {1200, 7600, 14}, {1200, 7900, 14}, {1200, 8200, 14}, {6000, 8800, 14}, {10000, 15000, 14}};
    const auto texts = p.texts();
    ASSERT_GE(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [x, y, pt] = expected[i];
        const PageText* t = textAt(p, x, y);
        ASSERT_NE(t, nullptr) << x << "," << y;
        EXPECT_EQ(t->sizePt, pt) << t->text;
    }
    EXPECT_EQ(textAt(p, 1200, 700)->text, "แสดงรายการคำนวณพื้น S1");
    EXPECT_EQ(textAt(p, 6000, 8800)->text, "วิศวกร กท.1");
    EXPECT_EQ(textAt(p, 10000, 15000)->text, "1/1");
    // The listing ends before the drawing's box; below it only the drawing and the page text.
    const PageBox& box = kSlabSheetDrawingArea;
    for (const auto& t : texts) {
        const bool listing = t.y + slabTextHeight(t.sizePt) <= box.y1;
        const bool drawing = t.y >= box.y1 && t.y < box.y2 && t.x >= box.x1;
        EXPECT_TRUE(listing || drawing || (t.x == 10000 && t.y == 15000)) << t.x << "," << t.y << " " << t.text;
    }
    EXPECT_TRUE(textAt(p, 1200, 6700)->text.find("O.K.***") != std::string::npos);
}

// Mends: a cantilever shows the steel that carries it, with the drawing's values;
// steel areas print in cm2.
TEST(SlabSheet, CantileverSteelAndUnits) {
    const SlabDesignOutcome canopy = design(kCantilever, 3, kCanopy);
    ASSERT_EQ(canopy.result.s3, 8);
    const PageModel p = sheetOf(canopy);
    const std::string formula = textAt(p, 1200, 7900)->text;
    const std::string steel = textAt(p, 1200, 8200)->text;
    EXPECT_TRUE(contains(formula, "( " + sheetNum(canopy.result.Mneg1) + " x 100 )")) << formula;
    EXPECT_TRUE(startsWith(steel, "-As1 = " + sheetNum(canopy.result.AsNeg1) + " ตร.ซม.")) << steel;
    EXPECT_TRUE(contains(steel, "@ =  8  ซม.")) << steel;
    EXPECT_EQ(textAt(p, 5000, 5500)->text, "โมเมนต์ลบ M- = " + sheetNum(canopy.result.Mneg1) + " กก.-เมตร");
    // The drawing labels the top bars the same.
    const auto labels = slabDrawing(canopy.result).lines();
    EXPECT_NE(std::find(labels.begin(), labels.end(), " " + sheetNum(6.0) + " มม. @ " + sheetNum(8) + " ซม."),
              labels.end());
    // Steel areas of the top bars in cm2 for an end panel too.
    const PageModel end = sheetOf(design(kTwoWay, 2));
    for (double y : {7600.0, 8200.0}) {
        EXPECT_TRUE(contains(textAt(end, 1200, y)->text, " ตร.ซม.  ***")) << y;
        EXPECT_FALSE(contains(textAt(end, 1200, y)->text, "กก.-เมตร")) << y;
    }
}

// A failed design is not certified; its numbers and a usable design's sheet are kept.
TEST(SlabSheet, OnlyAUsableDesignIsCertified) {
    const SlabDesignOutcome ok = design(kTwoWay, 2);
    ASSERT_EQ(ok.status, DesignStatus::Usable);
    const SlabDesignOutcome failed = design(kCantilever, 3);  // the default 2 m canopy is too thin
    ASSERT_EQ(failed.status, DesignStatus::NotUsable);
    struct Case {
        const char* name;
        PageModel page;
        bool certified;
    };
    for (const Case& c : {Case{"usable", sheetOf(ok), true}, Case{"failed", sheetOf(failed), false},
                          Case{"usable but told not", slabSheet(ok.result, false, {}), false}}) {
        SCOPED_TRACE(c.name);
        int marks = 0, withdrawn = 0;
        for (const auto& s : c.page.lines()) {
            marks += contains(s, "O.K.") || contains(s, "OK.");
            withdrawn += contains(s, kNotYetUsable);
        }
        EXPECT_EQ(marks > 0, c.certified);
        EXPECT_EQ(withdrawn > 0, !c.certified);
    }
    EXPECT_TRUE(contains(textAt(sheetOf(failed), 1200, 8200)->text, "ด้านริมนอก ยังใช้ไม่ได้***"));
}

// Before any Calculate the window prints a default record: zeros, and no bars drawn.
TEST(SlabSheet, BeforeAnyCalculatePrintsZeros) {
    const SlabDesignResult none;
    const PageModel p = slabSheet(none, false, {});
    const std::regex bad("nan|inf|[0-9][eE][-+]?[0-9]");
    for (const auto& s : p.lines()) {
        EXPECT_FALSE(std::regex_search(s, bad)) << s;
        EXPECT_FALSE(contains(s, "O.K.")) << s;
    }
    EXPECT_EQ(textAt(p, 1200, 1200)->text,
              "กำหนดขนาดพื้น กว้าง =  0  เมตร x ยาว =  0  เมตร ความหนาของพื้น =  0  ซม.");
    EXPECT_EQ(textAt(p, 1500, 3900), nullptr);  // no continuity case yet
    const PageModel drawing = slabDrawing(none);
    for (const auto& item : drawing.items()) {
        EXPECT_FALSE(std::holds_alternative<PageCircle>(item));
        if (const auto* l = std::get_if<PageLine>(&item)) {
            EXPECT_NE(l->color, kRed);
        }
    }
    const auto labels = slabDrawing(none).lines();
    EXPECT_NE(std::find(labels.begin(), labels.end(), "L/4 =  0  ม."), labels.end());
}

// Every item of the figure inside its box, for both kinds, every case and extreme
// inputs, on the window, on the sheet and in a box much smaller than the figure.
TEST(SlabDrawing, EveryItemInsideItsArea) {
    std::vector<SlabDesignResult> results;
    for (int kind : {kCantilever, kTwoWay})
        for (int kase : {1, 2, 3})
            for (const auto& extra : std::vector<std::vector<std::pair<const char*, const char*>>>{
                     {}, {{"Text2", "1e300"}}, {{"Text2", "0.5"}, {"Text3", "0.5"}}, {{"Text5", "15"}, {"Text4", "30"}},
                     {{"Text2", "123456789.123"}, {"Text1", "99999999"}}})
                results.push_back(design(kind, kase, extra).result);
    results.push_back(SlabDesignResult{});
    for (const PageBox area : {kSlabScreenArea, kSlabSheetDrawingArea, PageBox{100, 200, 1100, 900}}) {
        for (const auto& r : results) {
            const PageModel p = slabDrawing(r, area);
            EXPECT_LT(p.items().size(), 200u);
            for (const auto& item : p.items()) {
                double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                if (const auto* t = std::get_if<PageText>(&item)) {
                    x1 = t->x, y1 = t->y, x2 = t->x + slabTextWidthEstimate(*t), y2 = t->y + slabTextHeight(t->sizePt);
                } else if (const auto* l = std::get_if<PageLine>(&item)) {
                    x1 = std::min(l->x1, l->x2), x2 = std::max(l->x1, l->x2);
                    y1 = std::min(l->y1, l->y2), y2 = std::max(l->y1, l->y2);
                } else if (const auto* c = std::get_if<PageCircle>(&item)) {
                    x1 = c->x - c->radius, x2 = c->x + c->radius, y1 = c->y - c->radius, y2 = c->y + c->radius;
                } else {
                    continue;
                }
                const double e = 1e-6 * (area.x2 + area.y2);
                EXPECT_TRUE(x1 >= area.x1 - e && x2 <= area.x2 + e && y1 >= area.y1 - e && y2 <= area.y2 + e)
                    << "kind " << r.slabKind << " case " << r.continuityCase << ": " << x1 << "," << y1 << " "
                    << x2 << "," << y2;
            }
        }
    }
}

// The end panel shows its outer-edge top bars (size 3) as well as the continuous
// edge's (size 4); a single span has no top bars and an interior panel no size 3.
TEST(SlabDrawing, TopBarsByCase) {
    struct Case {
        int kase;
        bool bar3Label, bar4Label, extents;  // extents: the L/4 and L/5 dimensions
    };
    for (const Case c : {Case{1, false, false, false}, Case{2, true, true, true}, Case{3, false, true, true}}) {
        SCOPED_TRACE(c.kase);
        SlabDesignOutcome o = design(kTwoWay, c.kase, {{"Text12", "9"}, {"Text13", "12"}});
        const auto labels = slabDrawing(o.result).lines();
        auto has = [&](double size, std::int16_t s) {
            return std::find(labels.begin(), labels.end(), " " + sheetNum(size) + " มม. @ " + sheetNum(s) + " ซม.") !=
                   labels.end();
        };
        EXPECT_EQ(has(9, o.result.s3), c.bar3Label);
        EXPECT_EQ(has(12, o.result.s4), c.bar4Label);
        EXPECT_TRUE(has(6, o.result.s1));
        EXPECT_TRUE(has(6, o.result.s2));
        const auto extent = [&labels](const char* prefix) {
            return std::count_if(labels.begin(), labels.end(), [prefix](const std::string& l) { return l.starts_with(prefix); });
        };
        EXPECT_EQ(extent("L/4 = "), c.extents ? 1 : 0);
        EXPECT_EQ(extent("L/5 = "), c.extents ? 1 : 0);
    }
}

TEST(SlabSheet, ResetAfterPrintingACantilever) {
    SlabDesignResult r = design(kCantilever, 3, kCanopy).result;
    const SlabDesignResult before = r;
    ASSERT_TRUE(resetAfterCantileverPrint(r));
    EXPECT_EQ(r.slabKind, kTwoWay);
    EXPECT_EQ(r.continuityCase, 0);
    EXPECT_EQ(r.Mpos, Fixed{});
    EXPECT_EQ(r.AsPos, Fixed{});
    EXPECT_EQ(r.s1, 0);
    EXPECT_EQ(r.s3, before.s3);  // the rest of the record stays
    SlabDesignResult twoWay = design(kTwoWay, 3).result;
    EXPECT_FALSE(resetAfterCantileverPrint(twoWay));
    EXPECT_EQ(twoWay.s1, design(kTwoWay, 3).result.s1);
}

TEST(SlabSheet, TitleBlockAndQuestion) {
    FieldSet f = slabDefaultFields();
    for (const char* name : {"Text18", "Text19", "Text20", "Text21", "Text22"}) f.set(name, name);
    const ProjectTitleBlock tb = slabTitleBlock(f);
    EXPECT_EQ(tb.project, "Text18");
    EXPECT_EQ(tb.member, "Text19");
    EXPECT_EQ(tb.engineer, "Text20");
    EXPECT_EQ(tb.registration, "Text21");
    EXPECT_EQ(tb.page, "Text22");
    EXPECT_EQ(slabPrintQuestion().text, "คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?");
    EXPECT_EQ(slabPrintQuestion().title, "พิมพ์รายการคำนวน");
}

// The tool builds the sheet with the title block typed and the verdict of its run.
TEST(SlabSheet, ToolWritesTheSheetAndDrawing) {
    const auto ok = mxtest::runTool(slab::description(), {"type=2", "Text18=บ้านพัก", "--sheet", "/tmp/none.pdf"});
    ASSERT_TRUE(ok.report.sheet && ok.report.drawing);
    EXPECT_EQ(ok.report.sheet->lines().front(), "โครงการ บ้านพัก");
    EXPECT_FALSE(ok.report.drawing->empty());
    const auto failed = mxtest::runTool(slab::description(), {"type=1", "--drawing", "/tmp/none.png"});
    ASSERT_TRUE(failed.report.sheet.has_value());
    for (const auto& s : failed.report.sheet->lines()) EXPECT_FALSE(contains(s, "O.K.")) << s;
    const auto plain = mxtest::runTool(slab::description(), {"type=2"});
    EXPECT_FALSE(plain.report.sheet.has_value());
}
