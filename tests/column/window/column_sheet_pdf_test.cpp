#include <gtest/gtest.h>

#include "column/column_design.h"
#include "column/column_form.h"
#include "column/column_sheet.h"
#include "support/sheet_pdf.h"

using namespace mx;
using namespace mx::column;

TEST(ColumnSheetPdf, SquareLongAndRoundColumnsPrintOneA4PageWithEveryLineInside) {
    struct Case {
        int shape;
        std::vector<std::pair<const char*, const char*>> typed;
    };
    const Case cases[] = {
        {kShapeSquare, {}},                                                  // the defaults: long
        {kShapeSquare, {{"Text1", "250000"}, {"Text2", "60"}, {"Text3", "60"}}},  // short, wide numbers
        {kShapeRound, {{"Text11", "30"}, {"Text1", "40000"}, {"Text6", "25"}}},
    };
    for (const Case& c : cases) {
        FieldSet f = columnDefaultFields();
        for (const auto& [name, value] : c.typed) f.set(name, value);
        const ColumnOutcome out = calculateColumn(readColumnInput(f, c.shape));
        const ProjectTitleBlock tb{"โครงการอาคารพาณิชย์ 4 ชั้น", "เสา C1", "วิศวกร", "สย.1234", "2/10"};
        mxtest::expectOneA4PageInside(columnSheet(out.result, out.status == DesignStatus::Usable, tb));
    }
}
