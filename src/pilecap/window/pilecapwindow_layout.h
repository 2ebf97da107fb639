#pragma once
// Where the pile-cap window's parts stand: its input panel's heights, its title block
// and the controls of the footing frame as the form names them. What the window's own
// source reads; not for other windows.
#include "pilecap/pilecap_form.h"
#include "ui/footingwindow.h"

namespace mx::pilecap::layout {

inline constexpr ui::FootingWindowLayout kWindow{
    .inputsHeight = 4335,
    .materialsHeight = 6375,
    .titleBlock = {.panel = ui::FootingWindow::kTitlePanel, .printButton = "Command26", .cancelButton = "Command24"},
    .allowanceResetButton = "Command25",
    .allowanceSmallButton = "Command27",
    .materialCaption = "Label5",
    .materialButton = "Command23",
    .gradeLabel = kGradeLabel,
    .barButton = "Command21",
    .barList = "List5",
    .summaryBox = "Text8",
    .verdictLabel = kVerdictLabel,
};

// The help button beside the pile's safe load that opens the pile types.
inline constexpr const char* kPileTypesButton = "Command22";

}  // namespace mx::pilecap::layout
