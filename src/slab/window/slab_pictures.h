#pragma once
// The slab window's own pictures, drawn in code: the two slab kinds and the three
// continuity cases, each recognisable at a glance.
#include <QPixmap>
#include <QSize>

namespace mx::slab {

// Slab kind 1 (cantilever: a canopy projecting from its beam) or 2 (two-way: a panel
// with beams on all four sides and the mesh both ways); 0 gives a question mark.
QPixmap slabKindPixmap(int kind, QSize size);
// Continuity case 1 (single panel), 2 (end panel of a row) or 3 (interior panel), the
// designed panel shaded among its neighbours.
QPixmap continuityPixmap(int continuityCase, QSize size);

}  // namespace mx::slab
