// The project file's bytes and the disk: the faults of a file as a file (missing, a
// folder, too large, not UTF-8, not JSON) before its contents are read, and a save
// that never leaves a previous file half-written.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "common/stagedoutput.h"
#include "common/utf8.h"
#include "project/projectformat.h"

namespace mx::project {

namespace fs = std::filesystem;

namespace {

std::string openFailure(const std::string& fileName, const std::string& reason) {
    return "เปิดไฟล์โครงการ " + quotedName(fileName) + " ไม่ได้: " + reason;
}

// A text saved as UTF-16: its byte-order mark, or, without one, the zero byte that
// every ASCII character of UTF-16 carries beside it ("{" as 7B 00 or 00 7B).
bool savedAsUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    return bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
}

// Whether the bytes from `at` are the start of a character that the end of the file
// cut off: a Thai letter takes three bytes, and a file cut after one or two of them is
// cut short, not of another encoding.
bool cutInsideCharacter(std::string_view bytes, std::size_t at) {
    const std::string_view rest = bytes.substr(at);
    if (rest.empty() || rest.size() >= 4) return false;
    // Completed with either continuation byte that some lead byte requires, the
    // sequence is whole.
    for (const char fill : {'\x80', '\xBF'}) {
        std::string whole(rest);
        whole.append(4 - rest.size(), fill);
        const std::size_t n = utf8SequenceLength(whole, 0);
        if (n > rest.size()) return true;
    }
    return false;
}

// Why a name reaches no file, from the error of looking it up.
std::string notReached(const std::error_code& ec) {
    if (ec == std::errc::permission_denied) return "ไม่มีสิทธิ์เข้าถึงโฟลเดอร์ของไฟล์นี้";
    if (ec == std::errc::too_many_symbolic_link_levels) return "ทางลัด (symbolic link) ของชื่อนี้ชี้วนกันไม่รู้จบ";
    if (ec == std::errc::not_a_directory) return "ส่วนหนึ่งของชื่อที่ควรเป็นโฟลเดอร์ (ก่อนเครื่องหมาย /) เป็นไฟล์";
    if (ec == std::errc::filename_too_long) return "ชื่อไฟล์ยาวเกินกว่าที่ระบบจะเปิดได้";
    if (ec && ec != std::errc::no_such_file_or_directory) return "หาไฟล์นี้ไม่ได้ (" + ec.message() + ")";
    return "ไม่พบไฟล์นี้";
}

std::string megabytes(std::uintmax_t bytes) {
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

}  // namespace

ReadOutcome parseProject(std::string_view bytes, const std::string& fileName, const std::vector<ModuleDescription>& modules) {
    ReadOutcome out;
    if (bytes.size() > kMaxFileBytes) {
        out.error = openFailure(fileName, "ไฟล์ใหญ่ " + megabytes(bytes.size()) + " เกินขนาดของไฟล์โครงการ (ไม่เกิน " +
                                              megabytes(kMaxFileBytes) + ")");
        return out;
    }
    if (savedAsUtf16(bytes)) {
        out.error = openFailure(fileName, "ไฟล์นี้บันทึกเป็นข้อความ UTF-16 ไฟล์โครงการต้องเป็นข้อความ UTF-8");
        return out;
    }
    if (const std::size_t bad = firstBadUtf8(bytes); bad != std::string_view::npos) {
        const std::string line = " (บรรทัด " + std::to_string(lineNumberAt(bytes, bad)) + ")";
        out.error = openFailure(fileName, cutInsideCharacter(bytes, bad)
                                              ? "ไฟล์ขาดหาย จบกลางตัวอักษร" + line
                                              : "มีไบต์ที่ไม่ใช่ข้อความ UTF-8 ที่ไบต์ที่ " + std::to_string(bad + 1) + line);
        return out;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        out.error = openFailure(fileName, "ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ");
        return out;
    }
    auto parsed = parseJson(bytes);
    if (const auto* e = std::get_if<JsonError>(&parsed)) {
        out.error = openFailure(fileName, (e->truncated ? "ไฟล์ขาดหาย ข้อมูลจบก่อนครบ" : "ไม่ใช่ JSON ที่ถูกต้อง: " + e->what) +
                                              " (บรรทัด " + std::to_string(e->line) + ")");
        return out;
    }
    auto read = projectFromJson(std::get<JsonValue>(parsed), modules);
    if (auto* reason = std::get_if<std::string>(&read)) out.error = openFailure(fileName, *reason);
    else out.project = std::move(std::get<Project>(read));
    return out;
}

ReadOutcome readProjectFile(const std::string& path, const std::vector<ModuleDescription>& modules) {
    ReadOutcome out;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) {
        out.error = openFailure(path, notReached(ec));
        return out;
    }
    if (fs::is_directory(st)) {
        out.error = openFailure(path, "ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์โครงการ");
        return out;
    }
    if (!fs::is_regular_file(st)) {
        out.error = openFailure(path, "ชื่อนี้ไม่ใช่ไฟล์ธรรมดา");
        return out;
    }
    if (const auto size = fs::file_size(path, ec); !ec && size > kMaxFileBytes) {
        out.error = openFailure(path, "ไฟล์ใหญ่ " + megabytes(size) + " เกินขนาดของไฟล์โครงการ (ไม่เกิน " +
                                          megabytes(kMaxFileBytes) + ")");
        return out;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.error = openFailure(path, errno == EACCES ? "ไม่มีสิทธิ์อ่านไฟล์นี้" : "อ่านไฟล์นี้ไม่ได้");
        return out;
    }
    // Read no more than one byte past the limit: a file that grows while it is read
    // is still refused rather than read without end.
    std::string bytes;
    char buf[65536];
    std::size_t n = 0;
    while (bytes.size() <= kMaxFileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        out.error = openFailure(path, errno == EISDIR ? "ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์โครงการ" : "อ่านไฟล์ไม่สำเร็จ");
        return out;
    }
    return parseProject(bytes, path, modules);
}

std::optional<std::string> saveProjectFile(const Project& project, const std::string& path,
                                           const std::vector<ModuleDescription>& modules) {
    std::error_code ec;
    const fs::path target(path);
    // Only a file there before is kept whole; a folder of that name is no project.
    const bool existed = fs::is_regular_file(fs::status(target, ec));
    auto failure = [&](const std::string& reason) {
        return "บันทึกไฟล์โครงการ " + quotedName(path) + " ไม่ได้: " + reason +
               (existed ? " ไฟล์เดิมยังอยู่ครบ ไม่ได้เปลี่ยนแปลง" : "");
    };
    if (fs::is_directory(fs::status(target, ec))) return failure("ชื่อนี้เป็นโฟลเดอร์");
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    if (!fs::is_directory(fs::status(dir, ec))) return failure("ไม่พบโฟลเดอร์ " + quotedName(dir.string()));

    // Written beside the old file and renamed over it only when whole and on the disk,
    // so a failed save leaves the previous file as it was.
    StagedOutput staged(path);
    const std::string text = projectText(project, modules);
    std::optional<WriteFault> fault;
    if (!staged.stagingPath().empty()) {
        std::FILE* f = std::fopen(staged.stagingPath().c_str(), "wb");
        bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
        ok = (f && std::fclose(f) == 0) && ok;
        // The file must end with the text's own last bytes: a write cut short does not.
        if (ok) fault = staged.commit(std::string_view(text).substr(text.size() - std::min<std::size_t>(text.size(), 16)));
        else fault = WriteFault{WriteFault::Kind::Unfinished, errno};
    } else {
        fault = staged.commit({});
    }
    if (!fault) return std::nullopt;
    if (fault->denied()) return failure("ไม่มีสิทธิ์เขียนในโฟลเดอร์ " + quotedName(dir.string()));
    if (fault->kind == WriteFault::Kind::NoTemporary)
        return failure("สร้างไฟล์ชั่วคราวในโฟลเดอร์ " + quotedName(dir.string()) + " ไม่ได้");
    if (fault->full()) return failure("เขียนข้อมูลได้ไม่ครบ (ที่เก็บข้อมูลอาจเต็ม)");
    return failure("แทนที่ไฟล์เดิมไม่ได้");
}

}  // namespace mx::project
