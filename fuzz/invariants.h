#pragma once
// What must hold for any input, whatever is typed, pasted or passed to the tool. One
// check per input path; each decodes an arbitrary byte string into that path's input,
// runs it and throws Violation when an invariant breaks. The libFuzzer targets call
// these with generated inputs (built with clang and the sanitizers), and the ordinary
// test run replays the kept corpora through the same code built with gcc.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/page.h"

namespace mx::fuzz {

class Violation : public std::runtime_error {
public:
    explicit Violation(const std::string& what) : std::runtime_error(what) {}
};

// Every target by name: "numbers", "calculator", "project" (the project-file reader),
// one per module of the tool, then "csv" (a schedule read and run as the tool's batch).
std::vector<std::string> targetNames();

// Runs one input through a target's invariants; throws Violation on a broken one.
// Any other exception escaping is a finding too.
void runTarget(std::string_view target, const std::uint8_t* data, std::size_t size);

// The text checks shared with the window tests: a number written with an exponent
// ("1e+20", "2.5E-07"), or "inf" / "nan" standing as a word, is nonsense on a label
// or a sheet. Returns a description of the fault, or "" for a clean text.
std::string textFault(std::string_view text);

// Bounds of a page model: every item's coordinates finite and inside the box (a text
// by its starting point), and fewer than maxItems items. Returns a description of the
// first fault, or "".
std::string pageFault(const PageModel& page, const PageBox& box, std::size_t maxItems = 20000);

// The printable area of an A4 sheet, in twips.
inline constexpr PageBox kSheetBounds{0, 0, 11340, 16000};

}  // namespace mx::fuzz
