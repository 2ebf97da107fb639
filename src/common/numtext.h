#pragma once
// Reading numbers from field texts and writing them into labels and sheets.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/fixed.h"

namespace mx {

// The number at the start of a field text: leading blanks skipped, then the longest
// prefix that reads as a decimal number (optional sign, digits, one decimal point).
// A text that does not begin with a number ("", "?", "abc") reads as 0. A number too
// long for a double reads as the largest double of its sign, so the field's own limit
// check catches it.
double num(std::string_view text);
// A text typed where a number belongs that reads as none ("abc", "-"): not blank, not
// the form's "?" for a value not given yet, and no number at its start.
bool unreadable(std::string_view text);

// Label text of a double: up to 15 significant digits, never an exponent, trailing
// zeros and a trailing point dropped (0.886 * 30 shows "26.58"). Only finite values
// may be written; a non-finite one is written as "0" rather than leaking to a sheet.
std::string numText(double x);
std::string numText(Fixed x);
std::string numText(std::int64_t x);
inline std::string numText(int x) { return numText(static_cast<std::int64_t>(x)); }

// A value worked in single precision (the footings' bar pitches) as the shortest decimal
// that reads back as the same float: 12.923077f is 12.923077, not the digits of its
// widened double (12.9230766296...) nor a cut to seven digits (12.92308).
double singleValue(float x);
inline std::string numText(std::int16_t x) { return numText(static_cast<std::int64_t>(x)); }

// Sheet and drawing text: one blank before (or the minus sign when negative) and one
// blank after, so numbers set into running text keep their spacing.
std::string sheetText(std::string_view labelText);
template <typename T>
std::string sheetNum(T x) {
    return sheetText(numText(x));
}

}  // namespace mx
