#include "common/stagedoutput.h"

#include "common/pdftext.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
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
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        stagingError_ = errno;
        return;
    }
    ::close(fd);
    staging_ = name;
}

StagedOutput::~StagedOutput() {
    if (!staging_.empty()) std::remove(staging_.c_str());
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
    if (!failed && !renameTo_.empty()) staging_.clear();  // it is the target now
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
