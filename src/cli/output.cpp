#include "cli/output.h"

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

std::string cannotWrite(const std::string& target, const WriteFault& fault) {
    return "cannot write " + target + ": " + fault.reason();
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
