#pragma once
// Files the tool writes (a sheet, a drawing, a book of sheets), and the files it reads,
// checked the way a user would want: a full disk, a device that takes nothing, a folder
// or an empty file are reported by name rather than passed over in silence.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/stagedoutput.h"

namespace mx::cli {

// "cannot write FILE: REASON", the tool's line for a file that did not reach its name.
std::string cannotWrite(const std::string& target, const WriteFault& fault);

// True when two names reach the same file: the same name, a relative and an absolute
// name, a link.
bool samePath(const std::string& a, const std::string& b);

// Whether a file can be written under a name: a UTF-8 name, not a folder nor a link
// that leads nowhere, in a folder that is there. Returns an error text naming it, or
// nothing.
std::optional<std::string> checkOutputPath(const std::string& path);

// A schedule is one design a row; no real one comes near this, and a file past it (a
// disk image, /dev/zero) is refused before it takes the memory.
inline constexpr std::size_t kMostScheduleBytes = 256u << 20;

// Reads a whole input file. Returns an error text naming the file and what is wrong
// with it: missing, a folder, unreadable, empty, larger than `most`, or saved as UTF-16
// (with or without its byte-order mark). Names are shown escaped (shownPath).
std::optional<std::string> readInputFile(const std::string& path, std::string& bytes,
                                         std::size_t most = kMostScheduleBytes);

}  // namespace mx::cli
