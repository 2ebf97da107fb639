#pragma once
// The pile cap drawn from its last design: the plan of the cap with the column stub,
// every pile of the arrangement and the bottom mesh each way, a cross-section across
// the width with the mesh bars, the stub and the piles, and the notes. One builder
// serves the window and the printed sheet; each passes the box the figure must keep to.
#include <vector>

#include "common/figure.h"
#include "common/page.h"
#include "pilecap/pilecap.h"

namespace mx::pilecap {

// Twips per cm of cap by the cap length: 4 for 601 cm and more ... 40 up to 60 cm;
// 0 for a cap without a length.
int pileCapLengthScale(double Lc);

// The figure of the design inside `area` (twips): the length scale above where it
// fits, a smaller one only where the figure would leave the area otherwise. The
// section stands beside the plan, or under it where only that keeps the scale.
// Nothing is drawn for a cap without a size or with too many piles; piles only for 1
// to kMaxPiles, mesh only where it was designed. The sheet words the stub's note as
// the least column size.
PageModel pileCapDrawing(const PileCapResult& r, const PageBox& area, DrawingMedium medium = DrawingMedium::Screen);
// The twips per cm that figure is drawn at; 0 where nothing is drawn.
double pileCapDrawingScale(const PileCapResult& r, const PageBox& area, DrawingMedium medium = DrawingMedium::Screen);

// What the window shows in place of a cap it cannot draw.
inline constexpr const char* kNoCapToDraw = "ยังไม่มีฐานรากให้เขียนแบบ : โปรดคำนวณให้ได้ขนาดฐานรากก่อน";
inline constexpr const char* kTooManyPilesToDraw = "เขียนแบบไม่ได้ : จำนวนเสาเข็มเกิน 20 ต้น";

// The window's free drawing surface the headless tool draws into.
inline constexpr PageBox kPileCapScreenArea{0, 0, 9000, 7500};

}  // namespace mx::pilecap
