#include "common/numtext.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mx {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

namespace {

// Where the number at the start of a text lies, and how many digits it has.
struct NumberPrefix {
    std::size_t start = 0, end = 0, digits = 0;
};

NumberPrefix scanNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    NumberPrefix p;
    p.start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && isDigit(text[i])) { ++i; ++p.digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++p.digits; }
    }
    p.end = i;
    return p;
}

}  // namespace

bool unreadable(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::string_view rest = text.substr(i);
    return !rest.empty() && rest != "?" && scanNumber(text).digits == 0;
}

double num(std::string_view text) {
    const auto [start, i, digits] = scanNumber(text);
    if (digits == 0) return 0.0;
    // Sign, digits and one decimal point: an exponent is not part of a field's number
    // ("1e3" reads as 1), so a stray letter never multiplies a load by a thousand.
    const std::string prefix(text.substr(start, i - start));
    const char* first = prefix.c_str();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    double value = 0.0;
    const auto res = std::from_chars(first, prefix.c_str() + prefix.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: a run of digits before the point overflows
        // (read as the largest double, which the field's limit catches); a tiny
        // fraction underflows to 0.
        const std::size_t point = prefix.find('.') == std::string::npos ? prefix.size() : prefix.find('.');
        const bool large = prefix.find_first_of("123456789") < point;
        if (!large) return 0.0;
        return prefix[0] == '-' ? -DBL_MAX : DBL_MAX;
    }
    if (res.ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

std::string numText(double x) {
    if (!std::isfinite(x) || x == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);  // d.dddddddddddddde±XX: 15 significant digits
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const std::size_t ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return negative ? "-" + out : out;
}

std::string numText(Fixed x) { return x.text(); }

double singleValue(float x) {
    if (!std::isfinite(x)) return 0;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    double v = 0;
    std::from_chars(buf, res.ptr, v);
    return v;
}

std::string numText(std::int64_t x) { return std::to_string(x); }

std::string sheetText(std::string_view labelText) {
    std::string s;
    if (labelText.empty() || labelText[0] != '-') s += ' ';
    s += labelText;
    s += ' ';
    return s;
}

}  // namespace mx
