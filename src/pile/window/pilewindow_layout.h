#pragma once
// Where the pile safe-load window's parts stand: the heights of its panel, its input
// column, its title block, the chosen type, the room of the section lists and the
// result lines. What the window's own source reads; not for other windows.
#include "pile/window/pilememberwindow.h"

namespace mx::pile::pilelayout {

inline constexpr PileWindowLayout kWindow{
    .inputsHeight = 4295,   // the inputs alone
    .resultsHeight = 6735,  // the results uncovered below them
    .inputColumnWidth = 500,  // the timber captions, the longest, whole
    .titleBlock = {.panel = PileMemberWindow::kTitlePanel,
                   .printButton = "Command24",
                   .cancelButton = "Command22",
                   .captionsAbove = true},
    .chosenTypeButton = "Command17",
    .typeHeading = "Label1",
};

// The lists of standard sections (List1 prestressed, List2 hollow) share one room,
// which stays when a type shows neither, so the rows below keep their place (pixels).
inline constexpr const char* kSectionLists[] = {"List1", "List2"};
inline constexpr int kListRoomHeight = 140;

// A result line: its caption and value, one row each; the timber line shows for a
// timber pile only. The warning (Label9) takes the row below them.
struct ResultLine {
    const char* captionName;
    const char* caption;
    const char* value;
};
inline constexpr ResultLine kResultLines[] = {
    {"Label5", "เสาเข็มต้นนี้รับ นน.ปลอดภัยได้ ตัน / ต้น =", "Label7"},
    {"Label6", "เนื่องจากเป็นเสาเข็มไม้จึงคิด นน.ปลอดภัยเพียง ตัน / ต้น =", "Label8"},
};
inline constexpr ResultLine kTimberLine = kResultLines[1];

}  // namespace mx::pile::pilelayout
