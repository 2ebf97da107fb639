#include <gtest/gtest.h>

#include <string>

#include "common/fieldtable.h"
#include "common/utf8.h"

using namespace mx;

TEST(ShownText, EscapesWhatATerminalWouldActOn) {
    const struct {
        std::string in, shown;
    } cases[] = {
        {"width", "width"},
        {"คานชั้น 2", "คานชั้น 2"},
        {"a\nb\r\tc", "a\\nb\\r\\tc"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x1b[31mred\x7f", "\\x1b[31mred\\x7f"},
        {"\xC2\x9B" "2J", "\\u009b2J"},                // the one-byte CSI of a C1 terminal
        {"abc\xE2\x80\xAE" "fdp.exe", "abc\\u202efdp.exe"},  // right-to-left override
        {"line\xE2\x80\xA8next", "line\\u2028next"},
        {"C:\\n", "C:\\\\n"},                          // a backslash is no escape
        {"\xE0\xB8", "\\xe0\\xb8"},                     // a Thai letter cut short
        {"\xA4\xA1", "\\xa4\\xa1"},                   // Windows-874 Thai
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownText(c.in), c.shown) << c.in;
        EXPECT_TRUE(isUtf8(shownText(c.in)));
    }
    EXPECT_EQ(quoted("sd30"), "'sd30'");
}

TEST(ShownText, KeepsEightyCharactersOfALongText) {
    const std::string ellipsis = "\xE2\x80\xA6";
    const struct {
        std::string in, shown;
    } cases[] = {
        {std::string(80, 'x'), std::string(80, 'x')},
        {std::string(81, 'x'), std::string(80, 'x') + ellipsis},
        {std::string(10u << 20, '\n'), [] {
             std::string s;
             for (int i = 0; i < 80; ++i) s += "\\n";
             return s;
         }() + ellipsis},
    };
    for (const auto& c : cases) EXPECT_EQ(shownText(c.in), c.shown);
    std::string thai;
    for (int i = 0; i < 100; ++i) thai += "ก";
    EXPECT_EQ(leadingChars(thai).size(), 80u * 3);  // characters, not bytes
    EXPECT_EQ(leadingChars("\xE0\xB8" "ab", 2), "\xE0\xB8");  // a byte that is none counts as one
}

TEST(ClosestName, ComparesTheFirstCharactersOfAHugeName) {
    // A name of ten megabytes beginning like a known one: only its start is compared.
    EXPECT_EQ(closestName("widht" + std::string(10u << 20, 'z'), {"width", "depth"}), "width");
}

// Every length of sequence, its first and last code point, written and read back the
// same, and written as well-formed UTF-8 of that length.
TEST(Utf8Codec, WritesAndReadsEveryLengthOfSequence) {
    for (const char32_t cp : {U'\0', U'A', U'\x7F', U'\x80', U'\x7FF', U'\x800', U'ก', U'\xFFFD', U'\x10000',
                              U'\x10FFFF'}) {
        std::string s;
        appendUtf8(s, cp);
        const std::size_t length = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        EXPECT_EQ(s.size(), length) << static_cast<unsigned>(cp);
        EXPECT_EQ(utf8SequenceLength(s, 0), length) << static_cast<unsigned>(cp);
        EXPECT_EQ(decodeUtf8(s), cp) << static_cast<unsigned>(cp);
    }
}
