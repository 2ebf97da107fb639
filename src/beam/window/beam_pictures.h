#pragma once
// The beam window's button pictures, drawn in code so they scale cleanly.
#include <QPixmap>
#include <QSize>

#include "ui/toolpictures.h"

namespace mx::beam {

// Elevation sketch of a beam type 1..5 (simple, end span, continuous, overhanging,
// cantilever) with its supports and load; 0 gives the chooser's picture of all.
QPixmap beamTypePixmap(int type, QSize size);

// The tool buttons are the member windows' common pictures.
using ui::ToolPicture;
using ui::toolPixmap;

}  // namespace mx::beam
