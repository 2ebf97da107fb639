#pragma once
// What the member frame's own source files share; not for the windows.
class QWidget;

namespace mx::ui::frame {

// The side of a toolbar button, and of the title block's print and cancel buttons.
inline constexpr int kToolSide = 50;

// The room a window manager's title bar takes above a window, in pixels: what a window
// or dialog leaves of the screen's height for it.
inline constexpr int kTitleBarRoom = 32;

// Lays out a widget and everything in it now, parents before their children, rather
// than at the next turn of the event loop: a window not yet shown, or a row group
// just uncovered, has its controls in place at once.
void layOut(QWidget* root);

}  // namespace mx::ui::frame
