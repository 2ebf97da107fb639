#include "common/utf8.h"

#include <cstdio>

namespace mx {

std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c == 0xE0) n = 3, lo = 0xA0;                      // no overlong form
    else if (c == 0xED) n = 3, hi = 0x9F;                      // no surrogate
    else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) n = 3;
    else if (c == 0xF0) n = 4, lo = 0x90;                      // no overlong form
    else if (c >= 0xF1 && c <= 0xF3) n = 4;
    else if (c == 0xF4) n = 4, hi = 0x8F;                      // nothing past U+10FFFF
    else return 0;
    if (s.size() - i < n) return 0;
    const auto c1 = static_cast<unsigned char>(s[i + 1]);
    if (c1 < lo || c1 > hi) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t decodeUtf8(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    switch (s.size()) {
    case 0: return 0;
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return b(0);
    }
}

std::size_t firstBadUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceLength(s, i);
        if (n == 0) return i;
        i += n;
    }
    return std::string_view::npos;
}

namespace {

// The bytes of the character at s[i]: a whole sequence, or one byte that is none.
std::size_t charBytes(std::string_view s, std::size_t i) {
    const std::size_t n = utf8SequenceLength(s, i);
    return n == 0 ? 1 : n;
}

char32_t codePoint(std::string_view seq) {
    const auto b = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(seq[k])); };
    switch (seq.size()) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

// Characters a terminal or a log acts on rather than shows: the C0 and C1 controls
// (an escape sequence starts with one), DEL, the line and paragraph separators and the
// marks that turn the direction of the text that follows.
bool actsOnTerminal(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string_view leadingChars(std::string_view s, std::size_t most) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < s.size() && n < most; ++n) i += charBytes(s, i);
    return s.substr(0, i);
}

std::string shownText(std::string_view s, std::size_t most) {
    const std::string_view head = leadingChars(s, most);
    std::string out;
    out.reserve(head.size() + 8);
    char buf[16];
    for (std::size_t i = 0; i < head.size();) {
        const std::size_t n = utf8SequenceLength(head, i);
        if (n == 0) {
            std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned char>(head[i]));
            out += buf;
            ++i;
            continue;
        }
        const std::string_view seq = head.substr(i, n);
        i += n;
        const char32_t c = codePoint(seq);
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c < 0x80 && actsOnTerminal(c)) {
            std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c));
            out += buf;
        } else if (actsOnTerminal(c)) {
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += seq;
        }
    }
    if (head.size() < s.size()) out += "\xE2\x80\xA6";  // …
    return out;
}

std::string quoted(std::string_view s, std::string_view mark) {
    std::string out(mark);
    out += shownText(s);
    out += mark;
    return out;
}

}  // namespace mx
