#pragma once
// The beam window's button pictures, drawn in code so they scale cleanly.
#include <QPixmap>
#include <QSize>

namespace mx::beam {

// Elevation sketch of a beam type 1..5 (simple, end span, continuous, overhanging,
// cantilever) with its supports and load; 0 gives the chooser's picture of all.
QPixmap beamTypePixmap(int type, QSize size);

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
};
QPixmap toolPixmap(ToolPicture picture, QSize size);

}  // namespace mx::beam
