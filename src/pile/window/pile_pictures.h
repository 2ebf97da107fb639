#pragma once
// The pictures of the pile windows' buttons, drawn here so that nothing depends on
// image files: each pile type as its cross-section above the pile driven into the
// ground, a printer, a title-block sheet and the program's logo.
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPushButton;
class QWidget;

namespace mx::pile {

// Kinds of pile the pictures show.
enum class PilePicture { Timber, Prestressed, Bored, Hollow };

QPixmap pilePixmap(PilePicture kind, int size = 64);
QPixmap printerPixmap(int size = 48);
QPixmap titleSheetPixmap(int size = 48);
QPixmap logoPixmap(int size = 48);

// A square button of the given side showing a picture, with its object name and tooltip.
QPushButton* pictureButton(QWidget* parent, const char* name, const QPixmap& pm, const QString& tip, int side);
// The font scaled by a factor, bold or not: headings, results and the Calculate button.
QFont scaledFont(QFont f, double factor, bool bold = false);

}  // namespace mx::pile
