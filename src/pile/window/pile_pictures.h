#pragma once
// The pictures of the pile windows' buttons, drawn here so that nothing depends on
// image files: each pile type as its cross-section above the pile driven into the
// ground.
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>


namespace mx::pile {

// Kinds of pile the pictures show.
enum class PilePicture { Timber, Prestressed, Bored, Hollow };

QPixmap pilePixmap(PilePicture kind, int size = 64);

// The font scaled by a factor, bold or not: headings, results and the type button.
QFont scaledFont(QFont f, double factor, bool bold = false);

}  // namespace mx::pile
