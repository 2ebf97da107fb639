#pragma once
// What a printed sheet may certify. An engineer signs the sheet, so a check passed
// ("O.K.", "OK.") prints only for a design whose last Calculate ended usable; for a
// failed design, or before any Calculate, each such word gives way to a plain
// "not usable yet". Every sheet builder passes its page through certifySheet(), so
// the rule lives in one place.
#include <string>

#include "common/page.h"

namespace mx {

inline constexpr const char* kNotYetUsable = "ยังใช้ไม่ได้";

// Replaces each "O.K." and "OK." of the text by kNotYetUsable (nothing else changes).
std::string uncertified(const std::string& text);

// Leaves a usable design's page as it is; otherwise makes every text item uncertified.
void certifySheet(PageModel& page, bool usable);

// "<", ">" or "=" as a and b truly compare, for a sheet's printed comparisons; "?"
// where either is not a number, which compares with nothing.
const char* relation(double a, double b);

}  // namespace mx
