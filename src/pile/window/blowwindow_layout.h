#pragma once
// Where the blow-count window's parts stand: the heights of its panel, its input
// column, its title block, the chosen type, and the result values in the two columns
// of the panel. What the window's own source reads; not for other windows.
#include "pile/window/pilememberwindow.h"

namespace mx::pile::blowlayout {

inline constexpr PileWindowLayout kWindow{
    .inputsHeight = 5055,   // the inputs alone
    .resultsHeight = 7245,  // the results uncovered below them, down to the driving criterion
    .inputColumnWidth = 700,
    .titleBlock = {.panel = PileMemberWindow::kTitlePanel,
                   .printButton = "Command23",
                   .cancelButton = "Command21",
                   .captionsAbove = true},
    .chosenTypeButton = "Command20",
    .typeHeading = "Label14",
};

// The lists of standard sections, one for each list a type names (1 to 3).
inline constexpr const char* kSectionLists[] = {"List1", "List2", "List3"};

// A result value with its caption, at its row and column of the result grid.
struct ResultLine {
    const char* caption;
    const char* captionName;
    const char* value;
    int row;
    int column;
};
inline constexpr ResultLine kResultLines[] = {
    {"ค่าการรับ นน. ของเสาเข็ม ตัน / ต้น =", "Label8", "Label11", 0, 0},
    {"เสาเข็มต้นนี้รับ นน. ปลอดภัยได้จริง ตัน / ต้น =", "Label9", "Label12", 1, 0},
    {"ต้องตอกในฟุตสุดท้ายไม่น้อยกว่า / ครั้ง =", "Label25", "Label26", 2, 0},
    {"นน.ของเสาเข็ม / ตัน =", "Label10", "Label18", 0, 1},
    {"ลูกตุ้มที่ใช้ตอกควรหนักอย่างน้อย / ตัน =", "Label13", "Label15", 1, 1},
    {"ไม่ควรหนักเกินกว่า / ตัน =", "Label16", "Label17", 2, 1},
};

}  // namespace mx::pile::blowlayout
