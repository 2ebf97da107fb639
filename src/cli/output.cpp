#include "cli/output.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace mx::cli {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string reason() { return std::strerror(errno); }

}  // namespace

StagedOutput::StagedOutput(std::string target) : target_(std::move(target)) {
    std::error_code ec;
    fs::path dir = fs::temp_directory_path(ec);
    if (ec) dir = "/tmp";
    std::string name = (dir / "mx7100-XXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return;
    ::close(fd);
    staging_ = name;
}

StagedOutput::~StagedOutput() {
    if (!staging_.empty()) std::remove(staging_.c_str());
}

std::optional<std::string> StagedOutput::commit(std::string_view ending) {
    if (staging_.empty()) return "cannot write " + target_ + ": no temporary file could be made";
    File in(std::fopen(staging_.c_str(), "rb"));
    if (!in) return "cannot write " + target_ + ": " + reason();
    // A file cut short by a full temporary folder lacks its closing bytes.
    char tail[64] = {};
    std::size_t got = 0;
    if (std::fseek(in.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(in.get());
        const long from = size > static_cast<long>(sizeof tail) ? size - static_cast<long>(sizeof tail) : 0;
        if (size > 0 && std::fseek(in.get(), from, SEEK_SET) == 0) got = std::fread(tail, 1, sizeof tail, in.get());
    }
    if (std::string_view(tail, got).find(ending) == std::string_view::npos)
        return "cannot write " + target_ + ": the file was not finished (is the temporary folder full?)";
    std::rewind(in.get());
    File out(std::fopen(target_.c_str(), "wb"));
    if (!out) return "cannot write " + target_ + ": " + reason();
    std::vector<char> buffer(1 << 16);
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), in.get())) {
        if (std::fwrite(buffer.data(), 1, n, out.get()) != n) return "cannot write " + target_ + ": " + reason();
    }
    if (std::ferror(in.get())) return "cannot write " + target_ + ": " + reason();
    // The last of it may wait in a buffer: a full disk shows only when it goes out.
    if (std::fflush(out.get()) != 0) return "cannot write " + target_ + ": " + reason();
    if (std::fclose(out.release()) != 0) return "cannot write " + target_ + ": " + reason();
    return std::nullopt;
}

std::optional<std::string> checkOutputPath(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return "cannot write " + path + ": it is a folder";
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    if (!fs::is_directory(folder, ec)) return "cannot write " + path + ": there is no folder " + folder.string();
    return std::nullopt;
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) return true;
    // Names of files not there yet: compared as absolute names, the links of the
    // folders on the way resolved.
    auto resolved = [](const std::string& p) {
        std::error_code err;
        const fs::path r = fs::weakly_canonical(fs::absolute(p, err), err);
        return err ? fs::path(p).lexically_normal() : r;
    };
    return resolved(a) == resolved(b);
}

std::optional<std::string> readInputFile(const std::string& path, std::string& bytes, std::size_t most) {
    bytes.clear();
    std::error_code ec;
    if (fs::is_directory(path, ec)) return path + " is a folder, not a file";
    File in(std::fopen(path.c_str(), "rb"));
    if (!in) return "cannot read " + path + ": " + reason();
    std::vector<char> buffer(1 << 20);
    // One byte past the limit is enough to know the file is too large.
    while (bytes.size() <= most) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), in.get());
        bytes.append(buffer.data(), n);
        if (n < buffer.size()) break;
    }
    if (std::ferror(in.get())) return "cannot read " + path + ": " + reason();
    if (bytes.size() > most) {
        bytes.clear();
        return path + " holds more than " + std::to_string(most >> 20) + " MB; no schedule is that long";
    }
    if (bytes.empty()) return path + " is empty";
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return path + " is saved as UTF-16 text; save it as CSV (UTF-8 or the Thai CSV of Windows)";
    return std::nullopt;
}

}  // namespace mx::cli
