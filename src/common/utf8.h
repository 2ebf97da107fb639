#pragma once
// Well-formed UTF-8, as every text the program reads from a file must be before it
// reaches a field or a page: no overlong forms, no surrogates, nothing past U+10FFFF.
#include <cstddef>
#include <string>
#include <string_view>

namespace mx {

// The length of the well-formed UTF-8 sequence at s[i] (1 to 4), or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i);

// The offset of the first byte that does not belong to well-formed UTF-8, or npos.
std::size_t firstBadUtf8(std::string_view s);

inline bool isUtf8(std::string_view s) { return firstBadUtf8(s) == std::string_view::npos; }

// Appends the UTF-8 form of a code point (one to four bytes). The callers give only
// code points they have checked or decoded: none past U+10FFFF.
void appendUtf8(std::string& out, char32_t cp);

// The code point of one whole UTF-8 sequence (as utf8SequenceLength measures it); a
// single byte stands for itself.
char32_t decodeUtf8(std::string_view sequence);

// How many characters of a name or text a one-line message shows, and a "did you
// mean" search compares: a typed name is a word or two, and a name of megabytes (a
// file pasted onto the command line) must cost no more than one of a line.
inline constexpr std::size_t kMostShownChars = 80;

// The first `most` characters of a text (a byte that is not UTF-8 counts as one), so
// that what follows costs nothing however long the text is.
std::string_view leadingChars(std::string_view s, std::size_t most = kMostShownChars);

// A name or text as a one-line message shows it: at most `most` characters, then "…"
// when there is more; line breaks, tabs, NUL and every other control character
// (terminal escapes among them), the Unicode line separators and the marks that
// reverse the direction of text shown as escapes (\n, \t, \x1b, \u202e), a byte that is
// not UTF-8 as \xNN and a backslash as \\. The result is whole UTF-8 on one line.
std::string shownText(std::string_view s, std::size_t most = kMostShownChars);

// A file name as a message shows it: escaped as shownText escapes, but whole up to the
// longest name the system takes (4096 bytes), since a folder cut off names no file.
inline constexpr std::size_t kMostShownPathChars = 4096;
inline std::string shownPath(std::string_view path) { return shownText(path, kMostShownPathChars); }

// shownText between quote marks: 'name', as the tool's messages quote a name.
std::string quoted(std::string_view s, std::string_view mark = "'");

}  // namespace mx
