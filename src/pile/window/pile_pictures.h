#pragma once
// The pictures of the pile windows' buttons, drawn here so that nothing depends on
// image files: each pile type as its cross-section above the pile driven into the
// ground, a printer, a title-block sheet and the program's logo.
#include <QIcon>
#include <QPixmap>

namespace mx::pile {

// Kinds of pile the pictures show.
enum class PilePicture { Timber, Prestressed, Bored, Hollow };

QPixmap pilePixmap(PilePicture kind, int size = 64);
QPixmap printerPixmap(int size = 48);
QPixmap titleSheetPixmap(int size = 48);
QPixmap logoPixmap(int size = 48);

}  // namespace mx::pile
