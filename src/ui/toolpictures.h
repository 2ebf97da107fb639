#pragma once
// The pictures of the member windows' tool buttons, drawn in code so they scale
// cleanly and nothing depends on image files.
#include <QPixmap>
#include <QSize>

namespace mx::ui {

enum class ToolPicture {
    Input,       // form with a pencil
    Calculate,   // calculator keys with "="
    Listing,     // a sheet of lines
    Draw,        // a pencil drawing a section
    Erase,       // an eraser
    Project,     // engineer and building
    Help,        // question mark
    Calculator,  // pocket calculator
    Logo,        // program mark
    Exit,        // door and arrow
    Print,       // printer
    Cancel,      // cross
    RoundBar,    // plain round bar
    DeformedBar, // ribbed bar
    Keep,        // a binder taking a sheet: into the project
};
QPixmap toolPixmap(ToolPicture picture, QSize size);

}  // namespace mx::ui
