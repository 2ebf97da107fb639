#include "project/json.h"

#include <cstdint>
#include <unordered_set>

#include "common/utf8.h"

namespace mx::project {

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const JsonMember& m : members)
        if (m.key == key) return &m.value;
    return nullptr;
}

bool endsLine(std::string_view text, std::size_t i) {
    return text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'));
}

std::string quotedName(std::string_view s) { return quoted(s, "\""); }

std::size_t lineNumberAt(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) line += endsLine(text, i);
    return line;
}

namespace {

// A recursive-descent reader. The first fault ends the parse: it is thrown as a
// JsonError and caught once at the top.
class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    JsonValue document() {
        skipBlanks();
        JsonValue v = value(0);
        skipBlanks();
        if (pos_ < s_.size()) fail("มีข้อความต่อท้ายหลังข้อมูลจบแล้ว");
        return v;
    }

private:
    [[noreturn]] void fail(std::string what) { throw JsonError{false, lineAt(pos_), std::move(what)}; }
    [[noreturn]] void endedEarly() { throw JsonError{true, lineAt(s_.size()), "ไฟล์จบก่อนข้อมูลครบ (ไฟล์ขาดหาย)"}; }

    // The reader only moves forward, so lines are counted once, up to where it is.
    std::size_t lineAt(std::size_t at) {
        for (; counted_ < at && counted_ < s_.size(); ++counted_) line_ += endsLine(s_, counted_);
        return line_;
    }

    void skipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) ++pos_;
    }

    char peek() {
        if (pos_ >= s_.size()) endedEarly();
        return s_[pos_];
    }

    void expect(char c, const char* what) {
        if (peek() != c) fail(what);
        ++pos_;
    }

    JsonValue value(int depth) {
        if (depth > kMaxJsonDepth) fail("ข้อมูลซ้อนกันลึกเกินไป");
        JsonValue v;
        v.line = lineAt(pos_);
        const char c = peek();
        if (c == '{') {
            v.kind = JsonValue::Kind::Object;
            object(v, depth);
        } else if (c == '[') {
            v.kind = JsonValue::Kind::Array;
            array(v, depth);
        } else if (c == '"') {
            v.kind = JsonValue::Kind::String;
            v.text = string();
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            v.kind = JsonValue::Kind::Number;
            v.text = number();
        } else if (word("true")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = true;
        } else if (word("false")) {
            v.kind = JsonValue::Kind::Bool;
        } else if (word("null")) {
            v.kind = JsonValue::Kind::Null;
        } else {
            fail("พบอักขระที่ไม่ใช่ข้อมูล JSON");
        }
        return v;
    }

    bool word(std::string_view w) {
        const std::string_view rest = s_.substr(pos_);
        if (rest.substr(0, w.size()) == w) {
            pos_ += w.size();
            return true;
        }
        if (w.substr(0, rest.size()) == rest) endedEarly();  // "tr" at the very end
        return false;
    }

    void object(JsonValue& v, int depth) {
        std::unordered_set<std::string> keys;
        ++pos_;
        skipBlanks();
        if (peek() == '}') {
            ++pos_;
            return;
        }
        for (;;) {
            skipBlanks();
            if (peek() != '"') fail("ชื่อหัวข้อต้องอยู่ในเครื่องหมายคำพูด");
            std::string key = string();
            // Looked up in a hash: a file of a million keys in one object is read in
            // about a second, where comparing each key with every earlier one takes hours.
            if (!keys.insert(key).second) fail("หัวข้อ " + quotedName(key) + " ซ้ำกัน");
            skipBlanks();
            expect(':', "ขาดเครื่องหมาย : หลังชื่อหัวข้อ");
            skipBlanks();
            JsonValue member = value(depth + 1);
            v.members.push_back(JsonMember{std::move(key), std::move(member)});
            skipBlanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect('}', "ขาดเครื่องหมาย , หรือ }");
            return;
        }
    }

    void array(JsonValue& v, int depth) {
        ++pos_;
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            skipBlanks();
            v.items.push_back(value(depth + 1));
            skipBlanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect(']', "ขาดเครื่องหมาย , หรือ ]");
            return;
        }
    }

    std::uint32_t hex4() {
        std::uint32_t cp = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = peek();
            ++pos_;
            cp <<= 4;
            if (h >= '0' && h <= '9') cp |= static_cast<std::uint32_t>(h - '0');
            else if (h >= 'a' && h <= 'f') cp |= static_cast<std::uint32_t>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F') cp |= static_cast<std::uint32_t>(h - 'A' + 10);
            else fail("รหัส \\u ต้องเป็นเลขฐานสิบหกสี่หลัก");
        }
        return cp;
    }

    std::string string() {
        ++pos_;  // the opening quote
        std::string out;
        for (;;) {
            const char c = peek();
            ++pos_;
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) fail("ข้อความมีอักขระควบคุมที่ไม่ได้เขียนเป็นรหัส");
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = peek();
            ++pos_;
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::uint32_t cp = hex4();
                if (cp >= 0xDC00 && cp <= 0xDFFF) fail("รหัส \\u เป็นครึ่งหลังของคู่ตัวแทนที่ไม่มีครึ่งแรก");
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    if (peek() != '\\') fail("รหัส \\u เป็นครึ่งแรกของคู่ตัวแทนที่ไม่มีครึ่งหลัง");
                    ++pos_;
                    if (peek() != 'u') fail("รหัส \\u เป็นครึ่งแรกของคู่ตัวแทนที่ไม่มีครึ่งหลัง");
                    ++pos_;
                    const std::uint32_t low = hex4();
                    if (low < 0xDC00 || low > 0xDFFF) fail("รหัส \\u เป็นครึ่งแรกของคู่ตัวแทนที่ไม่มีครึ่งหลัง");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, cp);
                break;
            }
            default:
                // The byte is named only when it is a character of its own: the first
                // byte of a Thai letter would leave the message itself not UTF-8.
                fail(e > ' ' && e < 0x7F ? "ลำดับหลีก \\" + std::string(1, e) + " ใช้ใน JSON ไม่ได้"
                                         : std::string("ลำดับหลีกหลังเครื่องหมาย \\ ใช้ใน JSON ไม่ได้"));
            }
        }
    }

    bool digitAt() { return pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9'; }

    void digits() {
        if (!digitAt()) {
            if (pos_ >= s_.size()) endedEarly();
            fail("ตัวเลขเขียนไม่ถูกรูปแบบ");
        }
        while (digitAt()) ++pos_;
    }

    std::string number() {
        const std::size_t start = pos_;
        if (s_[pos_] == '-') ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '0') ++pos_;
        else digits();
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            digits();
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            digits();
        }
        return std::string(s_.substr(start, pos_ - start));
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

std::variant<JsonValue, JsonError> parseJson(std::string_view text) {
    try {
        return Parser(text).document();
    } catch (const JsonError& e) {
        return e;
    }
}

}  // namespace mx::project
