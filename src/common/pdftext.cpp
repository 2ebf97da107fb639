#include "common/pdftext.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace mx {

namespace {

constexpr std::size_t npos = std::string::npos;

// The Thai fonts' shifted copies (the private-use code points they share) and the
// characters they are copies of.
constexpr char16_t kThaiCopies[][2] = {
    {0xF700, 0x0E10},  // ฐ without its descender
    {0xF701, 0x0E34}, {0xF702, 0x0E35}, {0xF703, 0x0E36}, {0xF704, 0x0E37},  // upper vowels, left
    {0xF705, 0x0E48}, {0xF706, 0x0E49}, {0xF707, 0x0E4A}, {0xF708, 0x0E4B},  // tone marks, low and left
    {0xF709, 0x0E4C},
    {0xF70A, 0x0E48}, {0xF70B, 0x0E49}, {0xF70C, 0x0E4A}, {0xF70D, 0x0E4B},  // tone marks, low
    {0xF70E, 0x0E4C},
    {0xF70F, 0x0E0D},  // ญ without its descender
    {0xF710, 0x0E31}, {0xF711, 0x0E4D}, {0xF712, 0x0E47},                    // upper marks, left
    {0xF713, 0x0E48}, {0xF714, 0x0E49}, {0xF715, 0x0E4A}, {0xF716, 0x0E4B},  // tone marks, left
    {0xF717, 0x0E4C},
    {0xF718, 0x0E38}, {0xF719, 0x0E39}, {0xF71A, 0x0E3A},  // lower vowels, lower
    {0x0009, 0x0020},  // the space glyph, which Qt reaches from the tab first
};

char16_t trueCharacter(char16_t c) {
    for (const auto& [copy, original] : kThaiCopies)
        if (c == copy) return original;
    return c;
}

bool isThai(char16_t c) { return c >= 0x0E01 && c <= 0x0E5B; }

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

std::size_t skipSpace(std::string_view s, std::size_t i) {
    while (i < s.size() && isSpace(s[i])) ++i;
    return i;
}

// A whole number at s[i] (after any white space); npos when there is none.
std::size_t readNumber(std::string_view s, std::size_t& i) {
    i = skipSpace(s, i);
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value);
    if (ec != std::errc() || end == s.data() + i) return npos;
    i = static_cast<std::size_t>(end - s.data());
    return value;
}

void appendHex(std::string& out, char16_t unit) {
    constexpr char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
}

// A hex string's UTF-16 units; empty when it is not whole units.
std::vector<char16_t> units(std::string_view hex) {
    std::vector<char16_t> u;
    if (hex.empty() || hex.size() % 4 != 0) return u;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        unsigned v = 0;
        const auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 4, v, 16);
        if (ec != std::errc() || end != hex.data() + i + 4) return {};
        u.push_back(static_cast<char16_t>(v));
    }
    return u;
}

std::string hexOf(const std::vector<char16_t>& u) {
    std::string s = "<";
    for (const char16_t c : u) appendHex(s, c);
    return s + ">";
}

// One token of a CMap: a hex string (without its brackets), "[", "]" or a word.
struct Token {
    std::size_t begin = 0, end = 0;  // in the map, brackets included
    std::string_view text;
    bool hex = false;
};

std::optional<Token> nextToken(std::string_view s, std::size_t& i) {
    i = skipSpace(s, i);
    if (i >= s.size()) return std::nullopt;
    Token t;
    t.begin = i;
    if (s[i] == '<') {
        const std::size_t close = s.find('>', i);
        if (close == npos) return std::nullopt;
        t.text = s.substr(i + 1, close - i - 1);
        t.hex = true;
        i = close + 1;
    } else if (s[i] == '[' || s[i] == ']') {
        t.text = s.substr(i++, 1);
    } else {
        while (i < s.size() && !isSpace(s[i]) && s[i] != '<' && s[i] != '[' && s[i] != ']') ++i;
        t.text = s.substr(t.begin, i - t.begin);
    }
    t.end = i;
    return t;
}

// The map's entries rewritten to the true characters; nothing when it maps no Thai or
// needs no change. A range of consecutive characters that takes in a copy becomes a
// list, the one change that alters the map's length.
std::optional<std::string> mendMap(std::string_view map) {
    struct Edit {
        std::size_t begin, end;
        std::string text;
    };
    std::vector<Edit> edits;
    bool thai = false;
    // A destination string rewritten unit by unit.
    auto mendDestination = [&](const Token& t) {
        std::vector<char16_t> u = units(t.text);
        bool changed = false;
        for (char16_t& c : u) {
            thai = thai || isThai(c);
            const char16_t m = trueCharacter(c);
            changed = changed || m != c;
            c = m;
        }
        if (changed) edits.push_back({t.begin, t.end, hexOf(u)});
    };
    std::size_t i = 0;
    std::optional<Token> t;
    while ((t = nextToken(map, i))) {
        if (t->text == "beginbfchar") {
            // <code> <destination> pairs
            while ((t = nextToken(map, i)) && t->hex) {
                const std::optional<Token> dest = nextToken(map, i);
                if (!dest || !dest->hex) return std::nullopt;
                mendDestination(*dest);
            }
        } else if (t->text == "beginbfrange") {
            // <first> <last> <destination of first>, or <first> <last> [<each> ...]
            while ((t = nextToken(map, i)) && t->hex) {
                const std::optional<Token> last = nextToken(map, i);
                const std::optional<Token> dest = nextToken(map, i);
                if (!last || !last->hex || !dest) return std::nullopt;
                if (dest->text == "[") {
                    std::optional<Token> each;
                    while ((each = nextToken(map, i)) && each->hex) mendDestination(*each);
                    if (!each || each->text != "]") return std::nullopt;
                    continue;
                }
                const std::vector<char16_t> first = units(t->text), end = units(last->text), start = units(dest->text);
                if (!dest->hex || first.size() != 1 || end.size() != 1 || end[0] < first[0]) return std::nullopt;
                if (start.size() != 1 || first[0] == end[0]) {
                    mendDestination(*dest);
                    continue;
                }
                // consecutive characters from start
                std::vector<char16_t> each;
                bool changed = false;
                for (unsigned k = 0; k <= unsigned(end[0] - first[0]); ++k) {
                    const auto c = static_cast<char16_t>(start[0] + k);
                    thai = thai || isThai(c);
                    each.push_back(trueCharacter(c));
                    changed = changed || each.back() != c;
                }
                if (!changed) continue;
                std::string list = "[";
                for (const char16_t c : each) list += hexOf({c}) + " ";
                edits.push_back({dest->begin, dest->end, list + "]"});
            }
        }
    }
    if (!thai || edits.empty()) return std::nullopt;
    std::string out;
    std::size_t from = 0;
    for (const Edit& e : edits) {
        out.append(map.substr(from, e.begin - from));
        out += e.text;
        from = e.end;
    }
    out.append(map.substr(from));
    return out;
}

// An in-use entry of the cross-reference table.
struct XrefEntry {
    std::size_t offset;    // of the object
    std::size_t at;        // of the entry's ten digits
};

struct Xref {
    std::size_t start = 0;     // where "xref" begins
    std::size_t startxref = 0; // where the number after "startxref" begins
    std::size_t startxrefEnd = 0;
    std::map<std::size_t, XrefEntry> objects;  // by object number
};

// The classic cross-reference table Qt writes: "xref", subsections of 20-byte entries.
std::optional<Xref> readXref(std::string_view pdf) {
    Xref x;
    const std::size_t key = pdf.rfind("startxref");
    if (key == npos) return std::nullopt;
    std::size_t i = key + 9;
    x.start = readNumber(pdf, i);
    x.startxrefEnd = i;
    x.startxref = skipSpace(pdf, key + 9);
    if (x.start == npos || pdf.substr(x.start, 4) != "xref") return std::nullopt;
    i = x.start + 4;
    while (true) {
        std::size_t probe = skipSpace(pdf, i);
        if (pdf.substr(probe, 7) == "trailer") break;
        const std::size_t first = readNumber(pdf, i);
        const std::size_t count = readNumber(pdf, i);
        if (first == npos || count == npos) return std::nullopt;
        i = skipSpace(pdf, i);
        if (count > pdf.size() / 20 || i + count * 20 > pdf.size()) return std::nullopt;
        for (std::size_t k = 0; k < count; ++k, i += 20) {
            if (pdf[i + 17] != 'n') continue;
            std::size_t at = i;
            const std::size_t offset = readNumber(pdf, at);
            if (offset == npos || offset >= pdf.size()) return std::nullopt;
            x.objects[first + k] = XrefEntry{offset, i};
        }
    }
    return x;
}

// A stream object whose data may be replaced: its /Length (a number written in its
// dictionary) and its data.
struct Stream {
    std::size_t lengthAt, lengthEnd;  // the digits of /Length
    std::size_t data, size;
};

std::optional<Stream> readStream(std::string_view pdf, std::size_t object, std::size_t offset) {
    std::size_t i = offset;
    if (readNumber(pdf, i) != object || readNumber(pdf, i) == npos) return std::nullopt;
    i = skipSpace(pdf, i);
    if (pdf.substr(i, 3) != "obj") return std::nullopt;
    const std::size_t stream = pdf.find("stream", i);
    const std::size_t endobj = pdf.find("endobj", i);
    if (stream == npos || stream > endobj) return std::nullopt;
    const std::string_view dict = pdf.substr(i, stream - i);
    const std::size_t length = dict.find("/Length");
    if (length == npos || dict.find("/Filter") != npos) return std::nullopt;  // a compressed map: left alone
    Stream s{};
    std::size_t at = i + length + 7;
    s.lengthAt = skipSpace(pdf, at);
    s.size = readNumber(pdf, at);
    s.lengthEnd = at;
    std::size_t after = at;
    if (s.size == npos || readNumber(pdf, after) != npos) return std::nullopt;  // a length held elsewhere
    s.data = stream + 6;
    if (pdf.substr(s.data, 2) == "\r\n") s.data += 2;
    else if (pdf.substr(s.data, 1) == "\n") s.data += 1;
    else return std::nullopt;
    if (s.data + s.size > pdf.size() || pdf.substr(skipSpace(pdf, s.data + s.size), 9) != "endstream")
        return std::nullopt;
    return s;
}

}  // namespace

std::size_t mendPdfText(std::string& pdf) {
    const std::optional<Xref> xref = readXref(pdf);
    if (!xref) return npos;
    // Each font's map, once: fonts share none, but a font may be named twice.
    std::set<std::size_t> toUnicode;
    for (std::size_t at = pdf.find("/ToUnicode"); at != npos; at = pdf.find("/ToUnicode", at + 1)) {
        std::size_t i = at + 10;
        const std::size_t object = readNumber(pdf, i);
        if (object != npos && readNumber(pdf, i) == 0 && pdf.substr(skipSpace(pdf, i), 1) == "R")
            toUnicode.insert(object);
    }
    struct Edit {
        std::size_t begin, end;
        std::string text;
    };
    std::vector<Edit> edits;
    for (const std::size_t object : toUnicode) {
        const auto entry = xref->objects.find(object);
        if (entry == xref->objects.end()) continue;
        const std::optional<Stream> s = readStream(pdf, object, entry->second.offset);
        if (!s) continue;
        const std::optional<std::string> mended = mendMap(std::string_view(pdf).substr(s->data, s->size));
        if (!mended) continue;
        if (mended->size() != s->size)
            edits.push_back({s->lengthAt, s->lengthEnd, std::to_string(mended->size())});
        edits.push_back({s->data, s->data + s->size, *mended});
    }
    if (edits.empty()) return npos;
    const auto inOrder = [](const Edit& a, const Edit& b) { return a.begin < b.begin; };
    std::sort(edits.begin(), edits.end(), inOrder);

    // Where an old offset lands once the maps before it have changed.
    const std::vector<Edit> maps = edits;
    auto moved = [&maps](std::size_t offset) {
        std::ptrdiff_t shift = 0;
        for (const Edit& e : maps)
            if (e.begin < offset) shift += std::ptrdiff_t(e.text.size()) - std::ptrdiff_t(e.end - e.begin);
        return offset + shift;
    };
    const bool sameLength = std::all_of(edits.begin(), edits.end(),
                                        [](const Edit& e) { return e.text.size() == e.end - e.begin; });
    if (!sameLength) {
        // The table's entries keep their width; startxref is the file's last number.
        for (const auto& [object, e] : xref->objects) {
            std::string digits = std::to_string(moved(e.offset));
            if (digits.size() > 10) return npos;
            digits.insert(0, 10 - digits.size(), '0');
            edits.push_back({e.at, e.at + 10, digits});
        }
        edits.push_back({xref->startxref, xref->startxrefEnd, std::to_string(moved(xref->start))});
        std::sort(edits.begin(), edits.end(), inOrder);
    }
    const std::size_t first = edits.front().begin;
    std::string tail;
    std::size_t from = first;
    for (const Edit& e : edits) {
        tail.append(pdf, from, e.begin - from);
        tail += e.text;
        from = e.end;
    }
    tail.append(pdf, from, npos);
    pdf.replace(first, npos, tail);
    return first;
}

int mendPdfTextFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR);
    if (fd < 0) return errno;
    int error = 0;
    std::string pdf;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else {
        pdf.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (got < pdf.size()) {
            const ssize_t n = ::pread(fd, pdf.data() + got, pdf.size() - got, static_cast<off_t>(got));
            if (n <= 0) {
                error = n < 0 ? errno : EIO;
                break;
            }
            got += static_cast<std::size_t>(n);
        }
    }
    const std::size_t first = error ? npos : mendPdfText(pdf);
    if (first != npos) {
        for (std::size_t put = first; put < pdf.size() && !error;) {
            const ssize_t n = ::pwrite(fd, pdf.data() + put, pdf.size() - put, static_cast<off_t>(put));
            if (n <= 0) error = n < 0 ? errno : EIO;
            else put += static_cast<std::size_t>(n);
        }
        if (!error && pdf.size() < static_cast<std::size_t>(st.st_size) &&
            ::ftruncate(fd, static_cast<off_t>(pdf.size())) != 0)
            error = errno;
    }
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

}  // namespace mx
