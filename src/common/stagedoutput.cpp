#include "common/stagedoutput.h"

#include "common/pdftext.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

namespace mx {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

WriteFault fault(WriteFault::Kind kind = WriteFault::Kind::Write) { return WriteFault{kind, errno}; }

// Whether the file ends with `ending` (within its last 64 bytes: Qt's PDF writer
// puts a line break after it).
bool endsWith(std::FILE* in, std::string_view ending) {
    char tail[64] = {};
    std::size_t got = 0;
    if (std::fseek(in, 0, SEEK_END) == 0) {
        const long size = std::ftell(in);
        const long from = size > static_cast<long>(sizeof tail) ? size - static_cast<long>(sizeof tail) : 0;
        if (size > 0 && std::fseek(in, from, SEEK_SET) == 0) got = std::fread(tail, 1, sizeof tail, in);
    }
    return std::string_view(tail, got).find(ending) != std::string_view::npos;
}

// The staged files of the process, for a signal that ends it: an interrupted sheet must
// not leave a hidden temporary file beside the user's. A signal handler may neither
// allocate nor lock, so the names live in fixed slots of plain characters, each
// claimed and released through a lock-free atomic.
constexpr std::size_t kStagingSlots = 32;
constexpr std::size_t kMostStagingName = 4096;
enum SlotState : int { kFree = 0, kFilling = 1, kHeld = 2 };
struct StagingSlot {
    std::atomic<int> state{kFree};
    char name[kMostStagingName];
};
StagingSlot stagingSlots[kStagingSlots];
static_assert(std::atomic<int>::is_always_lock_free);

// The signals that end the tool or the program from outside: Ctrl-C, kill, a closed
// terminal, Ctrl-\, and a pipe closed under the standard output.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

extern "C" void removeStagedFiles(int sig) {
    const int savedErrno = errno;
    for (StagingSlot& slot : stagingSlots)
        if (slot.state.load() == kHeld) ::unlink(slot.name);
    // Then the signal's own effect: the handler is reset and the signal, blocked while
    // it runs, is delivered again when it returns.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
    errno = savedErrno;
}

// Installed once, for the signals whose effect is still the default: a signal the
// process ignores (nohup) or handles itself keeps that.
void installSignalCleanup() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int sig : kEndingSignals) {
            struct sigaction old {};
            if (::sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL)
                continue;
            struct sigaction action {};
            action.sa_handler = removeStagedFiles;
            sigemptyset(&action.sa_mask);
            ::sigaction(sig, &action, nullptr);
        }
    });
}

// A slot holding the name, or -1 when all are taken or the name is too long (the file
// is then only removed by the destructor).
int holdStagingName(const std::string& name) {
    if (name.size() >= kMostStagingName) return -1;
    for (std::size_t i = 0; i < kStagingSlots; ++i) {
        int expected = kFree;
        if (!stagingSlots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(stagingSlots[i].name, name.c_str(), name.size() + 1);
        stagingSlots[i].state.store(kHeld);
        return static_cast<int>(i);
    }
    return -1;
}

void releaseStagingName(int slot) {
    if (slot >= 0) stagingSlots[static_cast<std::size_t>(slot)].state.store(kFree);
}

// The ending signals held back while a staged file is made and named in its slot, so
// that none finds the file without its name.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigset_t set;
        sigemptyset(&set);
        for (const int sig : kEndingSignals) sigaddset(&set, sig);
        ::pthread_sigmask(SIG_BLOCK, &set, &previous_);
    }
    ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

}  // namespace

std::string WriteFault::reason() const {
    if (kind == Kind::Unfinished) return "the file was not finished (is the disk full?)";
    if (error == 0) return kind == Kind::NoTemporary ? "no temporary file could be made" : "the write failed";
    return std::strerror(error);
}

bool WriteFault::full() const {
    return kind == Kind::Unfinished || error == ENOSPC || error == EDQUOT || error == EFBIG;
}

bool WriteFault::denied() const { return error == EACCES || error == EPERM || error == EROFS; }

StagedOutput::StagedOutput(std::string target) : target_(std::move(target)) {
    std::error_code ec;
    const fs::path path(target_);
    const fs::file_status status = fs::status(path, ec);  // a link is followed
    std::string name;
    if (!fs::exists(status) || fs::is_regular_file(status)) {
        // A link is replaced by way of the file it names, so the link stays.
        fs::path real = fs::exists(status) ? fs::canonical(path, ec) : path;
        if (ec) real = path;
        fs::path folder = real.parent_path();
        if (folder.empty()) folder = ".";
        name = (folder / ("." + real.filename().string() + ".XXXXXX")).string();
        renameTo_ = real.string();
    } else {
        fs::path folder = fs::temp_directory_path(ec);
        if (ec) folder = "/tmp";
        name = (folder / "mx7100-XXXXXX").string();
    }
    installSignalCleanup();
    const EndingSignalsHeld held;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        stagingError_ = errno;
        return;
    }
    ::close(fd);
    staging_ = name;
    slot_ = holdStagingName(staging_);
}

StagedOutput::~StagedOutput() {
    // Removed before its name is released: a signal in between finds no file.
    if (!staging_.empty()) std::remove(staging_.c_str());
    releaseStagingName(slot_);
}

std::optional<WriteFault> StagedOutput::commit(std::string_view ending) {
    if (staging_.empty()) return WriteFault{WriteFault::Kind::NoTemporary, stagingError_};
    {
        // A file cut short (a full disk, a writer stopped) lacks its closing bytes.
        File in(std::fopen(staging_.c_str(), "rb"));
        if (!in) return fault();
        if (!endsWith(in.get(), ending)) return WriteFault{WriteFault::Kind::Unfinished, 0};
    }
    if (ending == kPdfEnding)
        if (const int error = mendPdfTextFile(staging_)) return WriteFault{WriteFault::Kind::Write, error};
    const auto failed = renameTo_.empty() ? copyToTarget() : renameOverTarget();
    if (!failed && !renameTo_.empty()) {
        staging_.clear();  // it is the target now
        releaseStagingName(slot_);
        slot_ = -1;
    }
    return failed;
}

std::optional<WriteFault> StagedOutput::renameOverTarget() {
    // The new file takes the old one's permissions; a new one gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(renameTo_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const int fd = ::open(staging_.c_str(), O_RDONLY);
    if (fd < 0) return fault();
    // The writer closed the file, but a full disk may show only when it reaches it.
    bool ok = ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const WriteFault syncFault = fault();
    if (::close(fd) != 0 && ok) return fault();
    if (!ok) return syncFault;
    if (::rename(staging_.c_str(), renameTo_.c_str()) != 0) return fault();
    return std::nullopt;
}

std::optional<WriteFault> StagedOutput::copyToTarget() {
    File in(std::fopen(staging_.c_str(), "rb"));
    if (!in) return fault();
    File out(std::fopen(target_.c_str(), "wb"));
    if (!out) return fault();
    std::vector<char> buffer(1 << 16);
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), in.get())) {
        if (std::fwrite(buffer.data(), 1, n, out.get()) != n) return fault();
    }
    if (std::ferror(in.get())) return fault();
    // The last of it may wait in a buffer: a full device shows only when it goes out.
    if (std::fflush(out.get()) != 0) return fault();
    if (std::fclose(out.release()) != 0) return fault();
    return std::nullopt;
}

}  // namespace mx
