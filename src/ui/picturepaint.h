#pragma once
// What the program's pictures share (the tool buttons, the member windows' choosers,
// the menu icons): a canvas begun on a pixmap, the colours of the member sketches and
// the strokes every picture repeats. Each picture keeps its own shapes and positions.
#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace mx::ui {

// The colours the member sketches have in common, so that ink, steel and the frame
// around a member read alike in every window.
namespace sketch {
inline const QColor kInk(30, 30, 30);
inline const QColor kSteel(190, 40, 40);              // reinforcing bars
inline const QColor kFrame(70, 90, 140);              // beams, a column's outline, a chooser's marks
inline const QColor kConcrete(200, 205, 215);         // concrete cut or seen from above
inline const QColor kConcreteLight(205, 205, 212);    // the lit face of a beam
inline const QColor kSupport(40, 70, 150);            // supports and walls
}  // namespace sketch

// Starts a picture: a pixmap of the size filled with the background, the painter begun
// on it, antialiased and mapped onto a logical canvas of w x h units, so that the
// shapes are written once for every size the picture is shown at.
QPixmap beginPicture(QSize size, QPainter& p, double w = 100, double h = 100,
                     const QColor& background = Qt::transparent);

// A box filled with the colour and outlined with the painter's pen; rounded at its
// corners when radius is above 0. The brush stays set to the colour.
void fillBox(QPainter& p, const QRectF& box, const QColor& fill, double radius = 0);

// Text in a bold face of pixelSize, in the painter's pen colour, aligned in the box.
void boldText(QPainter& p, const QRectF& box, int pixelSize, const QString& text,
              Qt::Alignment align = Qt::AlignCenter);

// The large "?" a chooser shows on a 100 x 100 canvas while nothing is chosen.
void questionMark(QPainter& p, const QColor& colour);

}  // namespace mx::ui
