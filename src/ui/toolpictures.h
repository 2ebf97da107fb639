#pragma once
// The pictures of the member windows' tool buttons, drawn in code so they scale
// cleanly and nothing depends on image files.
#include <QPixmap>
#include <QSize>

class QPainter;

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

// Starts a picture: a transparent pixmap of the size, with the painter begun on it,
// antialiased and mapped onto a logical canvas of w x h units (100 x 100 unless said).
QPixmap beginPicture(QSize size, QPainter& p, double w = 100, double h = 100);

}  // namespace mx::ui
