#pragma once
// What the beam window's own source files share; not for other windows.
#include <QString>

class QPushButton;
class QWidget;

namespace mx::beam::layout {

inline constexpr const char* kTypePanel = "Frame2";
inline constexpr const char* kInputPanel = "Frame3";
inline constexpr const char* kResultPanel = "Frame4";
inline constexpr const char* kCalculatorPanel = "Frame5";
inline constexpr const char* kTitlePanel = "Frame6";

// The beam's short number fields and the rows of its panels, in pixels.
inline constexpr int kFieldWidth = 64;
inline constexpr int kRowHeight = 24;

// A button of a row's height beside a field: a picker, an aid, a preset.
QPushButton* smallButton(QWidget* parent, const char* name, const QString& text, const char* tip, int width);

}  // namespace mx::beam::layout
