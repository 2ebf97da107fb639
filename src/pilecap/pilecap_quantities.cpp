#include "pilecap/pilecap_quantities.h"

namespace mx::pilecap {

Quantities pileCapQuantities(const PileCapResult& r, const std::string& grade) {
    // The cap is cast on the ground over its piles: a pad, its long bars along Lc.
    return padQuantities(r.Lc, r.Bw, r.t, r.db, grade, r.N, r.Ns, r.anchorage);
}

}  // namespace mx::pilecap
