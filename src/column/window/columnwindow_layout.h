#pragma once
// What the column window's own source files share; not for other windows.

namespace mx::column::layout {

inline constexpr const char* kInputPanel = "Frame2";
inline constexpr const char* kShapePanel = "Frame3";
inline constexpr const char* kRoundPanel = "Frame4";
inline constexpr const char* kResultPanel = "Frame5";
inline constexpr const char* kEstimatorPanel = "Frame6";
inline constexpr const char* kTitlePanel = "Frame7";

}  // namespace mx::column::layout
