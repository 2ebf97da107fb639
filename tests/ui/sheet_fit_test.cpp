// Every printed sheet, whatever its numbers and title block, keeps each line inside
// the paper and clear of its drawing: the printer condenses a line that would run
// over, never cuts it.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPrinter>

#include <string>
#include <vector>

#include "beam/beam_design.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"
#include "pile/blow_calc.h"
#include "pile/blow_form.h"
#include "pile/pile_calc.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"
#include "project/report.h"
#include "cli/tool.h"
#include "shell/coverpages.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"

using namespace mx;

namespace {

const ProjectTitleBlock kLongTitle{
    "โครงการก่อสร้างอาคารสำนักงานและศูนย์การค้าสูงสิบสองชั้นพร้อมที่จอดรถใต้ดินสองชั้น ถนนพหลโยธิน แขวงจตุจักร",
    "คานชั้นที่สิบสองแนวเสา A-B ช่วงที่หนึ่งถึงช่วงที่สิบสี่ ตามแบบแปลนเลขที่ ST-1204 ฉบับแก้ไขครั้งที่สาม",
    "บริษัท ที่ปรึกษาวิศวกรรมโครงสร้างและงานระบบอาคาร จำกัด (มหาชน) โดย นายวิศวกรผู้ออกแบบ",
    "ภย.12345 โทร. 02-123-4567 ต่อ 1234",
    "หน้า 123 จากทั้งหมด 456 แผ่น (ชุดที่ 7)",
};

struct SheetPrinter {
    QPrinter printer{QPrinter::HighResolution};
    SheetPrinter() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(1440);
        ui::setUpSheetPrinter(printer);
    }
    double width() const { return printer.pageLayout().paintRectPoints().width() * 20.0; }  // twips
};

// Each line as the printer places it ends inside the printable width, and a line that
// starts left of the drawing's box and shares its rows ends before the box.
void expectFits(const PageModel& page, const std::string& what) {
    SheetPrinter sp;
    const auto placed = ui::placeTexts(page, 1.0, &sp.printer);
    ASSERT_EQ(placed.size(), page.texts().size());
    for (const ui::PlacedText& t : placed) {
        EXPECT_LE(t.end(), sp.width() + 0.5) << what << ": " << t.text.text;
        EXPECT_GT(t.condense, 0) << what;
        if (t.text.elide) EXPECT_EQ(t.condense, 1) << what;  // a table cell is cut, not condensed
        else EXPECT_NEAR(t.width, t.naturalWidth * t.condense, 1e-6);  // condensed, never cut
        for (const PageBox& b : page.clearBoxes()) {
            const bool towardsTheBox = t.text.x < b.x1 && t.text.y < b.y2 && t.text.y + t.height > b.y1;
            if (towardsTheBox) {
                EXPECT_LE(t.end(), b.x1 + 0.5) << what << ": " << t.text.text;
            }
        }
    }
}

beam::BeamDesignResult beamOf(std::initializer_list<std::pair<const char*, const char*>> typed, int type) {
    FieldSet f = beam::beamDefaultFields();
    for (const auto& [name, text] : typed) f.set(name, text);
    return beam::calculateBeam(beam::readBeamInput(f, type)).result;
}

// A beam whose every printed number is as wide as a large building gives.
beam::BeamDesignResult largeNumberBeam() {
    beam::BeamDesignResult r =
        beamOf({{"Text1", "12"}, {"Text2", "16500"}, {"Text3", "60"}, {"Text4", "118"}}, beam::kOverhang);
    r.momentMax = r.momentConcrete = r.momentSteel = Fixed::fromDouble(-454321.7891);
    r.momentPos = r.momentNeg = Fixed::fromDouble(454321.7891);
    r.steelAreaConcrete = r.steelAreaSteel = r.steelArea = r.compressionArea = Fixed::fromDouble(1123.5678);
    r.reaction1 = r.reaction2 = r.maxShear = r.concreteShear = r.stirrupShear = Fixed::fromDouble(-123456.7891);
    r.k = r.j = r.n = Fixed::fromDouble(0.12345678);
    r.stirrupArea = r.stirrupSpacing = Fixed::fromDouble(1234.5678);
    return r;
}

}  // namespace

TEST(SheetFit, PlacingCondensesJustEnoughAndOnlyWhatRunsOver) {
    // A short line is untouched; a line past the paper or into a box ends at its limit.
    SheetPrinter sp;
    PageModel p;
    p.text(1200, 400, "สั้น");
    p.text(1200, 1000, std::string(60, 'W'));
    p.text(1200, 8600, std::string(60, 'W'));
    p.text(9100, 8600, "ในกรอบ");  // starts inside the box: part of the drawing
    p.keepClear(8800, 8500, 11000, 9500);
    const auto placed = ui::placeTexts(p, 1.0, &sp.printer);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(placed[0].condense, 1);
    EXPECT_LT(placed[1].condense, 1);
    EXPECT_NEAR(placed[1].end(), sp.width(), 0.5);
    EXPECT_NEAR(placed[2].end(), 8800, 0.5);
    EXPECT_EQ(placed[3].condense, 1);
}

TEST(SheetFit, BeamSheets) {
    struct Case {
        const char* what;
        beam::BeamDesignResult r;
        ProjectTitleBlock tb;
        bool usable;
    };
    const Case cases[] = {
        {"default beam, long title block", beamOf({{"Text1", "4"}}, beam::kSimple), kLongTitle, true},
        {"large numbers", largeNumberBeam(), kLongTitle, false},
        {"deep section", beamOf({{"Text1", "8"}, {"Text3", "40"}, {"Text4", "250"}}, beam::kContinuous), {}, true},
        {"before any Calculate", beam::BeamDesignResult{}, kLongTitle, false},
    };
    for (const Case& c : cases) expectFits(beam::beamSheet(c.r, c.tb, c.usable), c.what);
}

TEST(SheetFit, PileAndBlowCountSheets) {
    // Perimeters from diameters run to fifteen digits and print on the 18 pt result line.
    struct Case {
        const char* what;
        int code;
        double size, length;
    };
    const Case cases[] = {
        {"timber 12 in", pile::kTimber, 12, 25.55},
        {"bored 1.2 m", pile::kBored, 1.2, 79.75},
        {"bored 0.35 m", pile::kBored, 0.35, 33.125},
        {"hollow at the field limits", pile::kHollow, 1000, 80},
        {"no type", 0, 126, 21},
    };
    for (const Case& c : cases) {
        const pile::PileOutcome o = pile::calculatePile(c.code, c.size, c.length, pile::kLabel9Quiet);
        expectFits(pile::buildPileSheet(o.result, kLongTitle, pile::pileUsable(o)).page, c.what);
    }
    const pile::BlowInput blows[] = {
        {21, 3, 30, 35, 25, 480}, {80, 49.99, 119.5, 199, 499.5, 4999.5}, {23.75, 3.5, 45.5, 7, 0.33, 44}};
    for (const pile::BlowInput& in : blows) {
        const pile::BlowOutcome o = pile::calculateBlow(in);
        expectFits(pile::buildBlowSheet(o.result, kLongTitle, pile::blowUsable(o)), "blow count");
    }
}

TEST(SheetFit, ReportPages) {
    FieldSet cover = shell::coverDefaults();
    cover.set("Text1", kLongTitle.project);
    cover.set("Text5", kLongTitle.member);
    cover.set("Text3", kLongTitle.engineer);
    cover.set("Text4", kLongTitle.registration);
    expectFits(shell::coverPage(cover), "cover");
    FieldSet criteria = shell::criteriaDefaults();
    criteria.set("Text14", kLongTitle.project);
    criteria.set("Text5", "กำลังอัดประลัยของคอนกรีตทรงกระบอกมาตรฐานที่อายุยี่สิบแปดวัน =");
    criteria.set("Text3", kLongTitle.engineer);
    expectFits(shell::criteriaPage(criteria), "criteria");
}

// The contents page: a long name ends in "…" inside its column instead of being
// condensed to a smear, and no row's marks reach the row above.
TEST(SheetFit, ContentsCutLongNamesAndKeepRowsApart) {
    const std::vector<std::string> names{
        "คานชั้นสองแนวแกนหนึ่งถึงสี่ช่วงต่อเนื่องรับผนังก่ออิฐครึ่งแผ่นและหลังคาที่จอดรถด้านหน้าบ้านพักอาศัย",
        "ปุ้ย", "ปั้้้้้้้น", "กุ้งปิ้ง", std::string(80, 'W'), "ญู่ฎุ๋ฏุ๊ฐุ", "B1", "ก่่่่่่่่"};
    const std::vector<ModuleDescription> modules = cli::allModules();
    project::Project p = project::newProject(modules);
    for (const std::string& n : names) p.members.push_back(project::Member{"beam", "", n, {{}, 1, std::nullopt}});
    const PageModel page = project::contentsPage(p, project::reportContents(p, modules), 0, 3, 11);
    expectFits(page, "contents");

    SheetPrinter sp;
    std::vector<ui::PlacedText> cells;
    for (const ui::PlacedText& t : ui::placeTexts(page, 1.0, &sp.printer))
        if (t.text.elide && t.text.x < 4000) cells.push_back(t);
    ASSERT_EQ(cells.size(), names.size());
    EXPECT_TRUE(cells[0].text.text.ends_with("…")) << cells[0].text.text;
    EXPECT_TRUE(cells[4].text.text.ends_with("…")) << cells[4].text.text;
    EXPECT_EQ(cells[1].text.text, "ปุ้ย");
    // The ink of each cell as shaped, marks where the font stacks them, scaled from the
    // font's own units to the printer's.
    double bottomAbove = 0;
    for (const ui::PlacedText& t : cells) {
        const QFont font = ui::pageFont(page.fontFamily, t.text.sizePt, t.text.bold);
        const QFontMetricsF fm(font, &sp.printer);
        QPainterPath outline;
        outline.addText(0, 0, font, QString::fromStdString(t.text.text));
        const double scale = fm.ascent() / QFontMetricsF(font).ascent();
        const QRectF ink = outline.boundingRect();
        const double baseline = t.text.y + fm.ascent();
        EXPECT_GT(baseline + ink.top() * scale, bottomAbove) << t.text.text;
        bottomAbove = baseline + ink.bottom() * scale;
    }
}
