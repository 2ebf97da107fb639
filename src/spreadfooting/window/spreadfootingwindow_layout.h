#pragma once
// Where the spread-footing window's parts stand: its input panel's heights, its title
// block and the controls of the footing frame as the form names them. What the
// window's own source reads; not for other windows.
#include "ui/footingwindow.h"

namespace mx::spreadfooting::layout {

inline constexpr ui::FootingWindowLayout kWindow{
    .inputsHeight = 3375,
    .materialsHeight = 5055,
    .titleBlock = {.panel = ui::FootingWindow::kTitlePanel, .printButton = "Command22", .cancelButton = "Command20"},
    .allowanceResetButton = "Command21",
    .allowanceSmallButton = "Command23",
    .materialCaption = "Label4",
    .materialButton = "Command19",
    .gradeLabel = "Label8",
    .barButton = "Command17",
    .barList = "List2",
    .summaryBox = "Text7",
    .verdictLabel = "Label33",
};

// The soil list and the help button beside the bearing field that opens it.
inline constexpr const char* kSoilButton = "Command18";
inline constexpr const char* kSoilListName = "List1";

}  // namespace mx::spreadfooting::layout
