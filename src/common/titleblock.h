#pragma once
// The engineer-project title block every sheet carries, and its standard places.
#include <string>

#include "common/page.h"

namespace mx {

struct ProjectTitleBlock {
    std::string project;       // "ชื่อโครงการ"
    std::string member;        // member name, e.g. "ชื่อเสาเข็ม"
    std::string engineer;      // "ชื่อวิศวกร / บริษัท"
    std::string registration;  // "เลขทะเบียน / โทร."
    std::string page;          // "หน้า / แผ่นที่"
};

inline constexpr const char* kTitleBlockHeading = "ใส่ชื่อหัวเรื่องที่ต้องการพิมพ์";

// "โครงการ " + project at (1200, 400), 14 pt; heading + member at (1200, 700), 20 pt.
void addSheetHeader(PageModel& page, const ProjectTitleBlock& tb, const std::string& heading);
// Engineer + " " + registration at (6000, y), 14 pt; the page text at (10000, 15000).
void addSheetFooter(PageModel& page, const ProjectTitleBlock& tb, double engineerY);

}  // namespace mx
