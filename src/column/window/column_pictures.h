#pragma once
// The column window's own pictures, drawn in code: the square and the round section,
// each with its bars and tie, and the column standing on its footing.
#include <QPixmap>
#include <QSize>

namespace mx::column {

// Shape 1 (square section: four corner bars inside a square tie) or 2 (round section:
// six bars on a circular tie); any other code gives a question mark.
QPixmap columnShapePixmap(int shape, QSize size);
// A column in elevation on its footing, ties along its height: the column-kind button.
QPixmap columnElevationPixmap(QSize size);

}  // namespace mx::column
