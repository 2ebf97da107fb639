#pragma once
// A file written through a temporary one, for writers that do not report a failed
// write themselves (Qt's PDF and image writers pass over a full disk in silence).
// The writer fills the temporary file; only a whole file, known by its closing bytes,
// then reaches the name asked for, every step checked, so a failed or abandoned write
// never leaves a file that looks finished.
//
// A plain file (or a name not yet taken) is staged beside itself and renamed over:
// the old file stays whole until the new one is, and keeps its permissions. A name
// that is a pipe or a device (/dev/stdout) is staged in the temporary folder and
// copied to it, every write checked.
//
// A process ended by a signal from outside (Ctrl-C, kill, a closed terminal or pipe)
// removes its staged files before it ends, unless it ignores or handles that signal
// itself.
#include <optional>
#include <string>
#include <string_view>

namespace mx {

// Why a staged file did not reach its name.
struct WriteFault {
    enum class Kind {
        NoTemporary,  // no temporary file could be made (the folder missing or not writable)
        Unfinished,   // the writer stopped short: the closing bytes are missing
        Write,        // reading the staged file, or writing, syncing, renaming it failed
    };
    Kind kind = Kind::Write;
    int error = 0;  // errno of the failed call; 0 for an unfinished file
    // In English, for the tool: "No space left on device", "the file was not finished".
    std::string reason() const;
    // The disk (or a quota, or a size limit) took no more.
    bool full() const;
    // The folder or the file may not be written.
    bool denied() const;
};

class StagedOutput {
public:
    explicit StagedOutput(std::string target);
    ~StagedOutput();  // an uncommitted staged file is removed
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;
    const std::string& target() const { return target_; }
    // Where the writer writes; empty when no temporary file could be made.
    const std::string& stagingPath() const { return staging_; }
    // Brings the staged file to the target when it ends with `ending`. A PDF (ending
    // with kPdfEnding) has its text layer mended on the way (pdftext.h), so every PDF
    // of the tool and the program reads back as the Thai that was typed.
    std::optional<WriteFault> commit(std::string_view ending);

private:
    std::optional<WriteFault> copyToTarget();
    std::optional<WriteFault> renameOverTarget();

    std::string target_;
    std::string staging_;
    std::string renameTo_;  // the file renamed over; empty when the staged file is copied
    int stagingError_ = 0;
    int slot_ = -1;  // where the signal handler finds the staged file's name
};

// The closing bytes of a finished PDF and of a finished PNG.
inline constexpr std::string_view kPdfEnding = "%%EOF";
inline constexpr std::string_view kPngEnding = "IEND\xAE\x42\x60\x82";

}  // namespace mx
