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

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // every character of the code page lies below U+10000
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
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
    const std::size_t asUtf8 = undecodedUtf8(text_);
    if (asUtf8 > 0 && undecoded874(text_) <= asUtf8) encoding_ = TextEncoding::Windows874;
}

bool CsvReader::next(CsvRecord& out) {
    while (pos_ < text_.size()) {
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
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(raw[c][*bad]));
                out.error = "column " + columnName(c) + " holds the byte " + hex + ", which is no character in " +
                            (encoding_ == TextEncoding::Utf8 ? "UTF-8" : "UTF-8 or Windows-874 Thai");
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
    CsvReader copy = *this;
    CsvRecord record;
    std::size_t n = 0;
    while (copy.next(record)) ++n;
    return n;
}

std::vector<CsvRecord> parseCsv(std::string_view bytes, CsvLimits limits) {
    CsvReader reader(bytes, limits);
    std::vector<CsvRecord> out;
    for (CsvRecord r; reader.next(r);) out.push_back(std::move(r));
    return out;
}

}  // namespace mx::cli
