#pragma once
// Well-formed UTF-8, as every text the program reads from a file must be before it
// reaches a field or a page: no overlong forms, no surrogates, nothing past U+10FFFF.
#include <cstddef>
#include <string_view>

namespace mx {

// The length of the well-formed UTF-8 sequence at s[i] (1 to 4), or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i);

// The offset of the first byte that does not belong to well-formed UTF-8, or npos.
std::size_t firstBadUtf8(std::string_view s);

inline bool isUtf8(std::string_view s) { return firstBadUtf8(s) == std::string_view::npos; }

}  // namespace mx
