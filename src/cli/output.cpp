#include "cli/output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "common/utf8.h"

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
    return "cannot write " + shownPath(target) + ": " + fault.reason();
}

std::optional<std::string> checkOutputPath(const std::string& path) {
    const std::string cannot = "cannot write " + shownPath(path) + ": ";
    // Qt, which paints the sheets, names files in UTF-8: another name would be
    // written under a name the user never typed.
    if (!isUtf8(path)) return cannot + "the name is not UTF-8";
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) return cannot + "it is a folder";
    if (path.ends_with('/')) return cannot + "a name ending in / is a folder";
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code folderEc;
    const fs::file_status folderStatus = fs::status(folder, folderEc);
    if (fs::exists(folderStatus) && !fs::is_directory(folderStatus))
        return cannot + shownPath(folder.string()) + " is a file, not a folder";
    if (!fs::is_directory(folderStatus)) return cannot + "there is no folder " + shownPath(folder.string());
    // A link that leads nowhere (a loop of links) or a name the system refuses.
    if (ec && ec != std::errc::no_such_file_or_directory) return cannot + ec.message();
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

namespace {

// UTF-16 saved without its byte-order mark: in the Latin and Thai text of a schedule
// every other byte is zero, the high byte of each character, on the same side.
bool looksUtf16(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, 4096);
    std::size_t zeros[2] = {0, 0};
    for (std::size_t i = 0; i < head.size(); ++i) zeros[i % 2] += head[i] == '\0';
    const std::size_t pairs = head.size() / 2;
    return pairs >= 2 && (zeros[0] == 0) != (zeros[1] == 0) && std::max(zeros[0], zeros[1]) * 2 >= pairs;
}

}  // namespace

std::optional<std::string> readInputFile(const std::string& path, std::string& bytes, std::size_t most) {
    bytes.clear();
    const std::string shown = shownPath(path);
    std::error_code ec;
    if (fs::is_directory(path, ec)) return shown + " is a folder, not a file";
    File in(std::fopen(path.c_str(), "rb"));
    if (!in) return "cannot read " + shown + ": " + reason();
    std::vector<char> buffer(1 << 20);
    // One byte past the limit is enough to know the file is too large.
    while (bytes.size() <= most) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), in.get());
        bytes.append(buffer.data(), n);
        if (n < buffer.size()) break;
    }
    if (std::ferror(in.get())) return "cannot read " + shown + ": " + reason();
    if (bytes.size() > most) {
        bytes.clear();
        return shown + " holds more than " + std::to_string(most >> 20) + " MB; no schedule is that long";
    }
    if (bytes.empty()) return shown + " is empty";
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") || looksUtf16(bytes))
        return shown + " is saved as UTF-16 text; save it as CSV (UTF-8 or the Thai CSV of Windows)";
    return std::nullopt;
}

}  // namespace mx::cli
