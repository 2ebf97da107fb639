#pragma once
// The spread-footing window's own picture, drawn in code: the pad on the soil with its
// column stub and bottom mesh, in section.
#include <QPixmap>
#include <QSize>

namespace mx::spreadfooting {

QPixmap spreadFootingPixmap(QSize size);

}  // namespace mx::spreadfooting
