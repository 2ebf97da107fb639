#pragma once
// A small JSON reader for the project file: the whole grammar (objects, arrays,
// strings with every escape, numbers, true, false, null), members kept in file order,
// and errors that say where and what in Thai. Nothing outside the standard library.
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mx::project {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's text (UTF-8), or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in file order, no key twice
    std::size_t line = 1;                                    // where the value starts

    // The member of an object by key, or nullptr.
    const JsonValue* find(std::string_view key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

struct JsonError {
    bool truncated = false;  // the text ended inside a value
    std::size_t line = 1;
    std::string what;  // Thai, without the line
};

// Whether the byte at i ends a line: LF, CR, or the CR of a CRLF pair (its LF then
// ends nothing), so files saved with any of the three line ends count lines alike.
bool endsLine(std::string_view text, std::size_t i);
// The line, counted from 1, that holds the byte at offset.
std::size_t lineNumberAt(std::string_view text, std::size_t offset);

// A name or text as a message quotes it, between double quotes: short, on one line,
// its control characters and stray bytes shown escaped.
std::string quotedName(std::string_view s);

// Parses a whole text. Nesting deeper than kMaxJsonDepth is refused, so a hostile
// file cannot exhaust the stack.
inline constexpr int kMaxJsonDepth = 32;
std::variant<JsonValue, JsonError> parseJson(std::string_view text);

}  // namespace mx::project
