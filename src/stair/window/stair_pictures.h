#pragma once
// The stair window's own pictures, drawn in code: the three stair types, each
// recognisable at a glance, and the button that restores the usual load factors.
#include <QPixmap>
#include <QSize>

namespace mx::stair {

// Stair type 1 (flat soffit carried by a beam along each side: the inclined beam
// shows under the flight), 2 (flat soffit spanning from a low beam to a high beam:
// the two beam sections at its ends) or 3 (folded plate: the soffit steps with the
// treads, on the same end beams); 0 gives a question mark over a pale flight.
QPixmap stairTypePixmap(int type, QSize size);

// The usual load factors, dead load x 1.7 and live load x 2.
QPixmap loadFactorPixmap(QSize size);

}  // namespace mx::stair
