#include <gtest/gtest.h>

#include "slab/slab_design.h"
#include "slab/slab_form.h"
#include "slab/slab_sheet.h"
#include "support/sheet_pdf.h"

using namespace mx;
using namespace mx::slab;

TEST(SlabSheetPdf, EachKindPrintsOneA4PageWithEveryLineInside) {
    struct Case {
        int kind;
        const char* continuity;
    };
    for (const Case c : {Case{kTwoWay, "1"}, Case{kTwoWay, "2"}, Case{kTwoWay, "3"}, Case{kCantilever, "3"}}) {
        SCOPED_TRACE(c.continuity);
        FieldSet f = slabDefaultFields();
        f.set("Text6", c.continuity);
        const SlabDesignOutcome out = calculateSlab(readSlabInput(f, c.kind, 0));
        const ProjectTitleBlock tb{"โครงการอาคารพาณิชย์ 4 ชั้น", "พื้น S1", "วิศวกร", "สย.1234", "1/10"};
        mxtest::expectOneA4PageInside(slabSheet(out.result, out.status == DesignStatus::Usable, tb));
    }
}
