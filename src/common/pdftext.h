#pragma once
// The text layer of a PDF written by Qt, mended so that a reader who searches a sheet
// or a report for "ใช้ได้", or copies a line of it, gets the Thai that was typed.
//
// A PDF draws glyphs; what a reader gets back as text comes from each embedded font's
// ToUnicode map. Qt builds that map by reading the font's own character map
// backwards: a glyph stands for the lowest code point the font maps to it. The Thai
// fonts set a tone mark with no vowel above it lower, a vowel or tone mark beside a
// tall consonant (ป ฝ ฟ) further left, a lower vowel under a consonant with a
// descender lower still, and ฐ ญ without their descenders over a lower vowel: each
// with a copy of the glyph that their character maps reach only through the
// private-use code points U+F700-U+F71A, the same on every platform's Thai fonts. So
// "บ้าน" read back is "บ" U+F70B "าน", which no search matches. The space glyph comes
// back as a tab for the same reason (Qt maps the tab to it).
//
// The mending rewrites those entries of every ToUnicode map that maps Thai to the
// characters the copies stand for; nothing that is painted changes. No Qt.
#include <cstddef>
#include <string>

namespace mx {

// Mends every ToUnicode map of the PDF held in `pdf`, fixing the stream lengths, the
// cross-reference table and its start where a map changes length. Returns the offset
// of the first byte changed, or npos when nothing was (no Thai font, or a file it
// cannot follow: no cross-reference table, a compressed map; such a file stays as
// valid as it came, only its text unmended).
std::size_t mendPdfText(std::string& pdf);

// The same on a file, rewritten in place from the first byte changed. Returns 0, or
// the errno of a failed read or write.
int mendPdfTextFile(const std::string& path);

}  // namespace mx
