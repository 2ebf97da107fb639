#include "cli/csv.h"

#include <cstdio>

#include "common/utf8.h"

namespace mx::cli {

namespace {

// The character of a Windows-874 byte from 0x80 up, or 0 where the code page has
// none. The Thai letters, vowels, tone marks and digits are TIS-620 at 0xA1-0xDA and
// 0xDF-0xFB, in Unicode's order from U+0E01 (0xDB-0xDE and 0xFC-0xFF are gaps in both);
// below them Windows adds the euro sign, the ellipsis, curly quotes, the bullet, the
// dashes and the no-break space.
char32_t windows874Char(unsigned char b) {
    if ((b >= 0xA1 && b <= 0xDA) || (b >= 0xDF && b <= 0xFB)) return 0x0E01 + (b - 0xA1);
    switch (b) {
    case 0x80: return 0x20AC;
    case 0x85: return 0x2026;
    case 0x91: return 0x2018;
    case 0x92: return 0x2019;
    case 0x93: return 0x201C;
    case 0x94: return 0x201D;
    case 0x95: return 0x2022;
    case 0x96: return 0x2013;
    case 0x97: return 0x2014;
    case 0xA0: return 0x00A0;
    default: return 0;
    }
}

std::size_t undecodedUtf8(std::string_view s) {
    std::size_t bad = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceLength(s, i);
        bad += n == 0;
        i += n == 0 ? 1 : n;
    }
    return bad;
}

std::size_t undecoded874(std::string_view s) {
    std::size_t bad = 0;
    for (const char c : s) bad += static_cast<unsigned char>(c) >= 0x80 && !windows874Char(static_cast<unsigned char>(c));
    return bad;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A Thai letter, vowel, tone mark, digit or sign (U+0E01-U+0E3A, U+0E3F-U+0E5B) as
// UTF-8 at s[i]: E0 B8 81-BA, E0 B8 BF or E0 B9 80-9B.
bool utf8ThaiAt(std::string_view s, std::size_t i) {
    if (s.size() - i < 3 || s[i] != '\xE0') return false;
    const auto b1 = static_cast<unsigned char>(s[i + 1]), b2 = static_cast<unsigned char>(s[i + 2]);
    return (b1 == 0xB8 && ((b2 >= 0x81 && b2 <= 0xBA) || b2 == 0xBF)) || (b1 == 0xB9 && b2 >= 0x80 && b2 <= 0x9B);
}

// The start of a UTF-8 sequence whose last bytes are missing: a file cut short inside
// a character (a copy stopped, a disk filled).
bool cutUtf8(std::string_view tail) {
    if (tail.empty() || tail.size() > 3) return false;
    // Whether some continuation makes it whole; the second byte's range depends on the first.
    for (const char second : {'\x80', '\x90', '\xA0'}) {
        std::string whole(tail);
        if (whole.size() == 1) whole += second;
        while (whole.size() < 4) whole += '\x80';
        if (utf8SequenceLength(whole, 0) > tail.size()) return true;
    }
    return false;
}

// Whether the text holds Thai written in UTF-8: a Windows-874 text (where E0 is the
// vowel "เ" and B8 the letter "ธ") all but never spells one, so a file that does is
// UTF-8 whatever else it holds. A file cut inside its last Thai letter counts too.
bool holdsUtf8Thai(std::string_view s) {
    for (std::size_t i = s.find('\xE0'); i != std::string_view::npos; i = s.find('\xE0', i + 1))
        if (utf8ThaiAt(s, i)) return true;
    for (std::size_t n = 1; n <= 2 && n <= s.size(); ++n) {
        const std::string_view tail = s.substr(s.size() - n);
        if (tail[0] == '\xE0' && (n == 1 || tail[1] == '\xB8' || tail[1] == '\xB9')) return true;
    }
    return false;
}

}  // namespace

std::optional<std::size_t> windows874ToUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char32_t c = b < 0x80 ? b : windows874Char(b);
        if (b >= 0x80 && !c) return i;
        appendUtf8(out, c);
    }
    return std::nullopt;
}

std::optional<std::size_t> toUtf8(std::string_view bytes, TextEncoding encoding, std::string& out) {
    // No text a person types or a spreadsheet saves holds a NUL; a file that does is
    // not a text.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) return nul;
    if (encoding == TextEncoding::Windows874) return windows874ToUtf8(bytes, out);
    if (const std::size_t bad = firstBadUtf8(bytes); bad != std::string_view::npos) return bad;
    out.assign(bytes);
    return std::nullopt;
}

std::string csvText(const std::vector<std::vector<std::string>>& rows) {
    std::string out = "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string& cell = row[i];
            if (i) out += ',';
            if (cell.find_first_of(",\"\r\n") == std::string::npos) {
                out += cell;
                continue;
            }
            out += '"';
            for (const char c : cell) out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

std::string columnName(std::size_t index) {
    std::string name;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

CsvReader::CsvReader(std::string_view bytes, CsvLimits limits) : text_(bytes), limits_(limits) {
    if (text_.starts_with("\xEF\xBB\xBF")) {
        text_.remove_prefix(3);
        return;  // the byte-order mark says UTF-8, whatever follows
    }
    // UTF-8 Thai anywhere makes the file UTF-8: a row pasted in from a Windows-874 file
    // is then an unreadable row, named, rather than the whole file read as 874 and its
    // UTF-8 Thai turned to other letters without a word.
    if (holdsUtf8Thai(text_)) return;
    const std::size_t asUtf8 = undecodedUtf8(text_);
    if (asUtf8 > 0 && undecoded874(text_) <= asUtf8) encoding_ = TextEncoding::Windows874;
}

bool CsvReader::next(CsvRecord& out) {
    const bool got = read(out);
    if (got && counted_) --*counted_;
    return got;
}

bool CsvReader::read(CsvRecord& out) {
    while (pos_ < text_.size()) {
        // Blank lines are counted and passed over without making a row of them: a file
        // of millions of them is walked at the speed of reading it.
        std::size_t end = pos_;
        while (end < text_.size() && isBlank(text_[end])) ++end;
        if (end == text_.size()) break;
        if (text_[end] == '\r' || text_[end] == '\n') {
            ++row_;
            pos_ = end + (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1);
            continue;
        }
        out = CsvRecord{};
        out.row = ++row_;
        const std::size_t start = pos_;
        std::vector<std::string> raw;
        std::string cell;
        bool quoted = false, cellStart = true, blank = true, tooLong = false;
        std::optional<std::size_t> longCell;
        auto keep = [&](char c) {
            if (tooLong || longCell) return;
            if (cell.size() >= limits_.cellBytes) longCell = raw.size();
            else cell += c;
        };
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (!tooLong && pos_ - start >= limits_.rowBytes) {
                // Past the limit the row is only walked to its end, nothing kept.
                tooLong = true;
                raw = {};
                cell = {};
            }
            if (quoted) {
                if (c != '"') keep(c);
                else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') keep(c), ++pos_;
                else quoted = false;
                continue;
            }
            if (c == '\r' || c == '\n') {
                if (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
                ++pos_;
                break;
            }
            if (!isBlank(c)) blank = false;
            if (c == '"' && cellStart) {
                quoted = true;
                cellStart = false;
            } else if (c == ',') {
                if (!tooLong) raw.push_back(std::move(cell));
                cell.clear();
                cellStart = true;
            } else {
                keep(c);
                cellStart = false;
            }
        }
        if (blank) continue;  // a blank line is a row of the sheet, but no record
        if (!tooLong) raw.push_back(std::move(cell));
        if (tooLong) {
            out.error = "the row holds more than " + std::to_string(limits_.rowBytes) + " bytes" +
                        (quoted ? " (a quoted cell is never closed)" : "");
        } else if (quoted) {
            out.error = "a quoted cell opened in column " + columnName(raw.size() - 1) + " is never closed";
        } else if (longCell) {
            out.error = "column " + columnName(*longCell) + " holds more than " + std::to_string(limits_.cellBytes) +
                        " bytes";
        }
        if (!out.error.empty()) return true;
        for (std::size_t c = 0; c < raw.size(); ++c) {
            std::string text;
            if (const auto bad = toUtf8(raw[c], encoding_, text)) {
                const std::string_view rest = std::string_view(raw[c]).substr(*bad);
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(rest[0]));
                if (encoding_ == TextEncoding::Utf8 && pos_ == text_.size() && c + 1 == raw.size() &&
                    text_.ends_with(rest) && cutUtf8(rest))
                    out.error = "the file ends inside a character in column " + columnName(c) + ": it was cut short";
                else
                    out.error = "column " + columnName(c) + " holds the byte " + hex + ", which is no character in " +
                                (encoding_ == TextEncoding::Utf8 ? "UTF-8, the file's encoding"
                                                                 : "UTF-8 or Windows-874 Thai");
                out.cells.clear();
                return true;
            }
            out.cells.push_back(std::move(text));
        }
        return true;
    }
    return false;
}

std::size_t CsvReader::remaining() const {
    if (!counted_) {
        CsvReader copy = *this;
        CsvRecord record;
        std::size_t n = 0;
        while (copy.next(record)) ++n;
        counted_ = n;
    }
    return *counted_;
}

std::vector<CsvRecord> parseCsv(std::string_view bytes, CsvLimits limits) {
    CsvReader reader(bytes, limits);
    std::vector<CsvRecord> out;
    for (CsvRecord r; reader.next(r);) out.push_back(std::move(r));
    return out;
}

}  // namespace mx::cli
