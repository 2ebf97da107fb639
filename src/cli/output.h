#pragma once
// Files the tool writes (a sheet, a drawing, a book of sheets), and the files it reads,
// checked the way a user would want: a full disk, a device that takes nothing, a folder
// or an empty file are reported by name rather than passed over in silence.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mx::cli {

// A file written through a temporary one. The painter writes the temporary file (it
// does not report a failed write itself); only a whole file, known by its closing
// bytes, is then copied to the name asked for, every write checked. A name that is a
// pipe or a device (/dev/stdout) works as well as a plain file.
class StagedOutput {
public:
    explicit StagedOutput(std::string target);
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;
    const std::string& target() const { return target_; }
    // Where the painter writes; empty when no temporary file could be made.
    const std::string& stagingPath() const { return staging_; }
    // Copies the staged file to the target when it ends with `ending`. Returns an error
    // text naming the target, or nothing.
    std::optional<std::string> commit(std::string_view ending);

private:
    std::string target_;
    std::string staging_;
};

// The closing bytes of a finished PDF and of a finished PNG.
inline constexpr std::string_view kPdfEnding = "%%EOF";
inline constexpr std::string_view kPngEnding = "IEND\xAE\x42\x60\x82";

// True when two names reach the same file: the same name, a relative and an absolute
// name, a link.
bool samePath(const std::string& a, const std::string& b);

// Whether a file can be written under a name: not a folder, and in a folder that is
// there. Returns an error text naming it, or nothing.
std::optional<std::string> checkOutputPath(const std::string& path);

// A schedule is one design a row; no real one comes near this, and a file past it (a
// disk image, /dev/zero) is refused before it takes the memory.
inline constexpr std::size_t kMostScheduleBytes = 256u << 20;

// Reads a whole input file. Returns an error text naming the file and what is wrong
// with it: missing, a folder, unreadable, empty, larger than `most`, or saved as UTF-16.
std::optional<std::string> readInputFile(const std::string& path, std::string& bytes,
                                         std::size_t most = kMostScheduleBytes);

}  // namespace mx::cli
