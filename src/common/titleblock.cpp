#include "common/titleblock.h"

namespace mx {

void addSheetHeader(PageModel& page, const ProjectTitleBlock& tb, const std::string& heading) {
    page.text(1200, 400, "โครงการ " + tb.project, 14);
    page.text(1200, 700, heading + tb.member, 20);
}

void addSheetFooter(PageModel& page, const ProjectTitleBlock& tb, double engineerY) {
    page.text(6000, engineerY, tb.engineer + " " + tb.registration, 14);
    page.text(10000, 15000, tb.page, 14);
}

}  // namespace mx
