#pragma once
// The pile-cap window's own picture, drawn in code: the cap with its column stub
// standing on piles driven into the soil, in section.
#include <QPixmap>
#include <QSize>

namespace mx::pilecap {

QPixmap pileCapPixmap(QSize size);

}  // namespace mx::pilecap
