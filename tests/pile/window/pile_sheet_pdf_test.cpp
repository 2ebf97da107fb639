#include <gtest/gtest.h>

#include <QPrinter>

#include "pile/blow_calc.h"
#include "pile/blow_form.h"
#include "pile/pile_calc.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"

using namespace mx;
using namespace mx::pile;

namespace {

const ProjectTitleBlock kTitle{"โครงการอาคารพักอาศัยสามชั้น", "เสาเข็ม P1", "บริษัท วิศวกรรม จำกัด", "วย.12345",
                               "หน้า 3/9"};

// Every line of a printed sheet ends inside the printable width of the A4 page.
void expectInsideThePage(const PageModel& page, const std::string& what) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1440);
    ui::setUpSheetPrinter(printer);
    const double pageWidth = printer.pageLayout().paintRectPoints().width() * 20.0;  // twips
    for (const ui::PlacedText& t : ui::placeTexts(page, 1.0, &printer)) {
        EXPECT_LE(t.end(), pageWidth + 0.5) << what << ": " << t.text.text;
        EXPECT_GT(t.condense, 0.8) << what << ": " << t.text.text;  // still comfortably legible
    }
}

}  // namespace

TEST(PileSheetWidth, SkinFrictionLinesStayInsideThePage) {
    struct Case {
        const char* what;
        int code;
        double size, length;
    };
    // Perimeters from diameters run to fifteen digits; lengths carry decimals as typed.
    const Case cases[] = {
        {"timber 12 in", kTimber, 12, 25.55},
        {"bored 1.2 m, 80 m", kBored, 1.2, 79.75},
        {"bored 0.35 m", kBored, 0.35, 33.125},
        {"hollow at the field limits", kHollow, 1000, 80},
        {"prestressed", kPrestressed, 126, 21},
    };
    for (const Case& c : cases) {
        const PileOutcome o = calculatePile(c.code, c.size, c.length, kLabel9Quiet);
        expectInsideThePage(buildPileSheet(o.result, kTitle, pileUsable(o)).page, c.what);
    }
}

TEST(PileSheetWidth, HileyLinesStayInsideThePage) {
    const BlowInput cases[] = {
        {21, 3, 30, 50, 25, 480},
        {21, 3, 30, 35, 25, 480},            // 30 / 35 runs to fifteen digits
        {80, 50, 120, 200, 500, 5000},       // every field at its limit
        {23.75, 3.5, 45.5, 187, 0.33, 44},  // a timber pile with decimals
        {80, 49.99, 119.5, 199, 499.5, 4999.5},
    };
    for (const BlowInput& in : cases) {
        const BlowOutcome o = calculateBlow(in);
        expectInsideThePage(buildBlowSheet(o.result, kTitle, blowUsable(o)), "L1 " + std::to_string(in.L1));
    }
}
