#include "column/column_quantities.h"

#include <cmath>
#include <numbers>

namespace mx::column {

Quantities columnQuantities(const ColumnDesignResult& r, const std::string& grade) {
    Quantities q;
    const double h = r.H;
    const int db = static_cast<int>(std::lround(r.db)), dt = static_cast<int>(std::lround(r.dt));
    const int nb = static_cast<int>(std::lround(r.nb.toDouble()));
    const int ties = barsAtPitch(h * 100, r.s);
    if (r.shape == kShapeSquare) {
        q.concrete = r.t1 / 100 * r.t2 / 100 * h;
        q.formwork = 2 * (r.t1 + r.t2) / 100 * h;
        q.bars.push_back(barOf("เหล็กปลอก", dt, grade, ties, tieLength(r.t1, r.t2, dt)));
    } else {
        const double d = r.D / 100;
        q.concrete = std::numbers::pi * d * d / 4 * h;
        q.formwork = std::numbers::pi * d * h;
        // A circular tie at the cover, closed by two hooks.
        const double hoop = std::numbers::pi * (r.D - 2 * kTieCover) / 100 + 2 * kTieHookDiameters * dt / 1000.0;
        q.bars.push_back(barOf("เหล็กปลอกวงกลม", dt, grade, ties, hoop));
    }
    // Each main bar stands the column's height and laps onto the bars of the next lift.
    BarSet main = barOf("เหล็กยืน", db, grade, nb, 0);
    main.length = cutLength(h + lapLength(db, main.round), db, main.round, 0);
    q.bars.insert(q.bars.begin(), main);
    return q;
}

}  // namespace mx::column
