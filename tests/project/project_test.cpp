#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include <QApplication>

#include "cli/project_commands.h"
#include "cli/tool.h"
#include "common/utf8.h"
#include "project/project.h"
#include "project/report.h"
#include "project/takeoff.h"
#include "modules/catalogue.h"

namespace fs = std::filesystem;
using namespace mx::project;

namespace {

const std::vector<mx::ModuleDescription>& modules() {
    static const std::vector<mx::ModuleDescription> all = mx::allModules();
    return all;
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("mx-project-" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() {
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spill(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Every member module with every type it has (and none), the grades taken in turn.
Project everyKindOfMember() {
    Project p = newProject(modules());
    p.cover.set("Text1", "อาคาร \"ทดสอบ\" \\ บรรทัดสอง\nปิด");
    p.titleBlock = {"บ้านสองชั้น", "บริษัท ก", "วย.12345"};
    int n = 0;
    for (const mx::ModuleDescription& m : modules()) {
        if (!isMemberModule(m)) continue;
        std::vector<int> types{0};
        for (const auto& t : m.types) types.push_back(t.code);
        for (int type : types) {
            Member member{m.name, "m" + std::to_string(p.members.size() + 1), m.name + "-" + std::to_string(type),
                          {m.defaults, type, std::nullopt}};
            if (m.pressGrade) member.state.grade = static_cast<mx::SteelGrade>(n++ % 4);
            member.state.fields.set(m.defaults.entries().front().first, "๑๒.5 ซม.\t");
            p.members.push_back(member);
        }
    }
    return p;
}

TEST(ProjectFile, EveryModuleTypeAndGradeReadsBackAsSaved) {
    TempDir dir;
    const Project saved = everyKindOfMember();
    const std::string path = dir.file("house.mx7100");
    ASSERT_FALSE(saveProjectFile(saved, path, modules()));
    const ReadOutcome read = readProjectFile(path, modules());
    ASSERT_TRUE(read.project) << read.error;
    ASSERT_EQ(read.project->members.size(), saved.members.size());
    for (std::size_t i = 0; i < saved.members.size(); ++i)
        EXPECT_EQ(read.project->members[i], saved.members[i]) << saved.members[i].name;
    EXPECT_EQ(*read.project, saved);
    // Saving over the file leaves no temporary file beside it.
    ASSERT_FALSE(saveProjectFile(*read.project, path, modules()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

// An id stays with its member through saving; a member without one, or with one an
// earlier member has, is written under a new one, so the file always reads back.
TEST(ProjectFile, MembersKeepTheirIdsAndANewMemberTakesAFreeOne) {
    struct Case {
        std::vector<std::string> ids, written;
        std::string next;  // newMemberId of the project read back
    };
    const Case cases[] = {
        {{}, {}, "m1"},
        {{"m1", "m2"}, {"m1", "m2"}, "m3"},
        {{"m5", "กลาง"}, {"m5", "กลาง"}, "m6"},  // one past the highest: a deleted id is not given again soon
        {{"", "m1", "m1", "x"}, {"m2", "m1", "m3", "x"}, "m4"},
        {{"m18446744073709551615", "m1"}, {"m18446744073709551615", "m1"}, "m2"},  // the numbers run out
        {{"m01", "m-3", "M7"}, {"m01", "m-3", "M7"}, "m2"},
    };
    for (const Case& c : cases) {
        Project p = newProject(modules());
        for (const std::string& id : c.ids) p.members.push_back(Member{"pile", id, "P", {}});
        const ReadOutcome read = parseProject(projectText(p, modules()), "ids.mx7100", modules());
        ASSERT_TRUE(read.project) << read.error;
        std::vector<std::string> written;
        for (const Member& m : read.project->members) written.push_back(m.id);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(newMemberId(*read.project), c.next);
    }
}

// The example house as version 1 kept it opens as before, is saved in the current
// version (fields by short name, members by id) and prints the same report, page for
// page and line for line.
TEST(ProjectFile, AVersionOneHouseSavedAgainPrintsTheSameReport) {
    const ReadOutcome old = readProjectFile(MX_PROJECT_TESTS_DIR "/house-v1.mx7100", modules());
    ASSERT_TRUE(old.project) << old.error;
    TempDir dir;
    const std::string path = dir.file("house.mx7100");
    ASSERT_FALSE(saveProjectFile(*old.project, path, modules()));
    const std::string text = slurp(path);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(text.find("\"m11\": {\"module\": \"blow\""), std::string::npos);
    EXPECT_NE(text.find("\"span\": \"4\""), std::string::npos);
    EXPECT_EQ(text.find("\"Text"), std::string::npos) << "a field kept by its object name";
    const ReadOutcome again = readProjectFile(path, modules());
    ASSERT_TRUE(again.project) << again.error;
    EXPECT_EQ(*again.project, *old.project);
    auto report = [](const Project& p) {
        std::vector<std::vector<std::string>> pages;
        EXPECT_TRUE(buildReport(p, modules(), [&](const mx::PageModel& page) {
            pages.push_back(page.lines());
            return true;
        }));
        return pages;
    };
    const auto before = report(*old.project);
    EXPECT_EQ(before.size(), 15u);  // the house's 14 pages and its quantities page
    EXPECT_EQ(report(*again.project), before);
}

const std::string kGood = R"({"format": "mx7100-project", "version": 1, "members": [
  {"module": "beam", "name": "B1", "type": 1, "grade": "SD30", "fields": {"Text1": "4"}}]})";

const std::string kGood2 = R"({"format": "mx7100-project", "version": 2, "members": {
  "m1": {"module": "beam", "name": "B1", "type": 1, "grade": "SD30", "fields": {"span": "4"}}}})";

std::string replaced(std::string s, const std::string& from, const std::string& to) {
    return s.replace(s.find(from), from.size(), to);
}

TEST(ProjectFile, EveryUnusableFileIsRefusedWithItsReasonAndLeftAsItWas) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string reason;  // a part of the message
    };
    const Case cases[] = {
        {"good", kGood, ""},
        {"not json", "name,span\nB1,4\n", "ไม่ใช่ JSON"},
        {"truncated", kGood.substr(0, kGood.size() - 10), "ไฟล์ขาดหาย"},
        {"truncated in a word", R"({"format": "mx7100-project", "version": 1, "members": [{"type": nu)", "ไฟล์ขาดหาย"},
        {"empty", " \n", "ไฟล์ว่างเปล่า"},
        {"newer version", replaced(kGood, "\"version\": 1", "\"version\": 3"), "รุ่น 3 ซึ่งใหม่กว่า"},
        {"version as text", replaced(kGood, "\"version\": 1", "\"version\": \"1\""), "\"version\""},
        {"another program's JSON", R"({"name": "B1"})", "ไม่ใช่ไฟล์โครงการ MX7100"},
        {"unknown module", replaced(kGood, "\"beam\"", "\"bean\""), "โมดูล \"bean\" ที่โปรแกรมนี้ไม่รู้จัก"},
        {"report page as member", replaced(kGood, "\"beam\"", "\"cover\""), "ไม่รู้จัก"},
        {"unknown field", replaced(kGood, "\"Text1\"", "\"Text99\""), "ไม่มีช่องข้อมูล \"Text99\""},
        {"short name for a field", replaced(kGood, "\"Text1\"", "\"span\""), "ไม่มีช่องข้อมูล \"span\""},
        {"field not text", replaced(kGood, "\"4\"", "4"), "ต้องเป็นข้อความ"},
        {"unknown type", replaced(kGood, "\"type\": 1", "\"type\": 9"), "ชนิดที่ 9"},
        {"fractional type", replaced(kGood, "\"type\": 1", "\"type\": 1.5"), "เลขจำนวนเต็ม"},
        {"unknown grade", replaced(kGood, "SD30", "SD45"), "\"SD45\" ที่ไม่รู้จัก"},
        {"grade without buttons", replaced(replaced(kGood, "beam", "pile"), "\"Text1\": \"4\"", ""), "ไม่มีปุ่ม"},
        {"unknown key", replaced(kGood, "\"members\"", "\"member\""), "หัวข้อ \"member\" ที่ไม่รู้จัก"},
        {"key twice", replaced(kGood, "\"version\": 1", "\"version\": 1, \"version\": 1"), "ซ้ำกัน"},
        {"not utf-8", replaced(kGood, "B1", "B\xE0\xB8"), "UTF-8"},
        {"overlong utf-8", replaced(kGood, "B1", "B\xC0\xAF"), "UTF-8"},
        {"lone surrogate", replaced(kGood, "B1", "B\\uD800"), "คู่ตัวแทน"},
        {"nested too deep", std::string(40, '[') + std::string(40, ']'), "ลึกเกินไป"},
        {"text after the end", kGood + "}", "ต่อท้าย"},
        // Version 2: fields by short name, members by id.
        {"good, version 2", kGood2, ""},
        {"misspelt short name", replaced(kGood2, "\"span\"", "\"spam\""),
         "ชิ้นส่วนลำดับที่ 1 \"B1\" ไม่มีช่องข้อมูล \"spam\" ในโมดูล beam (บรรทัด 2, ช่องที่ใกล้เคียงคือ \"span\")"},
        {"object name in version 2", replaced(kGood2, "\"span\"", "\"Text1\""), "ไม่มีช่องข้อมูล \"Text1\""},
        {"cover field misspelt", replaced(kGood2, "\"members\"", "\"cover\": {\"projet\": \"x\"}, \"members\""),
         "หน้าปก ไม่มีช่องข้อมูล \"projet\" ในโมดูล cover (บรรทัด 1, ช่องที่ใกล้เคียงคือ \"project\")"},
        {"members listed", replaced(replaced(kGood2, "{\n  \"m1\": ", "[\n  "), "}}}}", "}}]}"), "ต้องเป็นกลุ่มหัวข้อ แต่เป็นรายการ"},
        {"empty id", replaced(kGood2, "\"m1\"", "\"\""), "ชิ้นส่วนลำดับที่ 1 มีรหัสชิ้นส่วนเป็นข้อความว่าง"},
        {"id twice", replaced(kGood2, "}}}}", "}}, \"m1\": {\"module\": \"pile\"}}}"), "ซ้ำกัน"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.file("case.mx7100");
        spill(path, c.bytes);
        const ReadOutcome read = readProjectFile(path, modules());
        if (c.reason.empty()) {
            EXPECT_TRUE(read.project) << c.what << ": " << read.error;
            continue;
        }
        EXPECT_FALSE(read.project) << c.what;
        EXPECT_NE(read.error.find("\"" + path + "\""), std::string::npos) << c.what << ": " << read.error;
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << c.what << ": " << read.error;
        EXPECT_EQ(slurp(path), c.bytes) << c.what;
    }
}

// The tool's project command on a file: its exit status and what it says.
struct CommandRun {
    int status;
    std::string err;
};
CommandRun runCommand(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    auto* const oldOut = std::cout.rdbuf(out.rdbuf());
    auto* const oldErr = std::cerr.rdbuf(err.rdbuf());
    const int status = mx::cli::runProjectCommand(modules(), args, [] { return std::unique_ptr<QApplication>(); });
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {status, err.str()};
}

// What the message quotes for each kind of fault in a file's contents, with the line.
TEST(ProjectFile, EachFaultIsQuotedWithItsLine) {
    const std::string head = "{\"format\": \"mx7100-project\", \"version\": 1,\n\"members\": [\n";
    auto member = [&](const std::string& m) { return head + m + "]}"; };
    struct Case {
        std::string bytes;
        std::string fragment;
        int status;
    };
    const Case cases[] = {
        {member(R"({"module": "beam", "type": 1})"), "", 0},
        {member(R"({"module": "beam", "type": "2"})"), "ต้องเป็นเลขจำนวนเต็ม แต่เป็นข้อความ \"2\" (บรรทัด 3)", 2},
        {member(R"({"module": "beam",)" "\n" R"("type": [1]})"), "แต่เป็นรายการ (บรรทัด 4)", 2},
        {member(R"({"module": "beam", "grade": 30})"), "ต้องเป็นข้อความ แต่เป็นตัวเลข 30 (บรรทัด 3)", 2},
        {member(R"({"module": "beam", "grade": "sd30x"})"), "\"sd30x\" ที่ไม่รู้จัก (บรรทัด 3", 2},
        {member(R"({"module": "pile", "grade": "SD30"})"), "\"SD30\" แต่โมดูล pile ไม่มีปุ่ม", 2},
        {member(R"({"module": 7})"), "โมดูล ต้องเป็นข้อความ แต่เป็นตัวเลข 7 (บรรทัด 3)", 2},
        {member(R"({"module": "beem"})"), "\"beem\" ที่โปรแกรมนี้ไม่รู้จัก (บรรทัด 3, โมดูลที่ใกล้เคียงคือ \"beam\")", 2},
        {member(R"({"module": "beam", "nmae": "B1"})"), "ชิ้นส่วนลำดับที่ 1 มีหัวข้อ \"nmae\" ที่ไม่รู้จัก", 2},
        {R"({"format": "mx7100-projekt", "version": 1})", "\"format\" เป็นข้อความ \"mx7100-projekt\" ไม่ใช่", 2},
        {R"({"format": null, "version": 1})", "\"format\" เป็นค่าว่าง (null)", 2},
        {"[\"mx7100-project\"]", "ข้อมูลทั้งไฟล์เป็นรายการ", 2},
        {R"({"format": "mx7100-project", "version": "1"})", "แต่เป็นข้อความ \"1\" (บรรทัด 1)", 2},
        {R"({"format": "mx7100-project", "version": 0})", "แต่เป็นตัวเลข 0", 2},
        {R"({"format": "mx7100-project", "version": 1.0})", "แต่เป็นตัวเลข 1.0", 2},
        {R"({"format": "mx7100-project", "version": 123456789012345678901234})", "รุ่น 123456789012345678901234 ซึ่งใหม่กว่า", 2},
        // Line ends of every kind count lines.
        {"{\"format\": \"mx7100-project\",\r\"version\": 1,\r\"members\": [\r{\"module\": \"bean\"}]}", "(บรรทัด 4", 2},
        {"{\"format\": \"mx7100-project\",\r\n\"version\": 1,\r\n\r\n\"x\": 1}", "(บรรทัด 4", 2},
        {"{\"format\": \"mx7100-project\",\r\"version\": 1,\r\r\"members\": \xE0}", "UTF-8 ที่ไบต์ที่ 56 (บรรทัด 4)", 2},
        // A file cut inside a Thai letter is cut short; one saved as UTF-16 is named so.
        {head + "{\"module\": \"beam\", \"name\": \"คาน\xE0\xB8", "ไฟล์ขาดหาย จบกลางตัวอักษร (บรรทัด 3)", 2},
        {head + "{\"module\": \"beam\", \"name\": \"\xF0\x9F\x98", "ไฟล์ขาดหาย", 2},
        {member("{\"module\": \"beam\", \"name\": \"\xE0\xB8x\"}]}"), "ไม่ใช่ข้อความ UTF-8", 2},
        {std::string("\xFF\xFE{\0\"\0", 6), "UTF-16", 2},
        {std::string("\0{\0\"", 4), "UTF-16", 2},
        // Names are quoted short, on one line, their control characters shown escaped.
        {member("{\"module\": \"" + std::string(10 << 20, 'x') + "\"}"), "\"" + std::string(80, 'x') + "…\"", 2},
        {member(R"({"module": "be\u001b[2Jam\nx"})"), "\"be\\x1b[2Jam\\nx\"", 2},
    };
    TempDir dir;
    const std::string path = dir.file("case.mx7100");
    for (const Case& c : cases) {
        spill(path, c.bytes);
        const CommandRun run = runCommand({"project", path});
        EXPECT_EQ(run.status, c.status) << c.bytes << "\n" << run.err;
        EXPECT_NE(run.err.find(c.fragment), std::string::npos) << c.bytes << "\n" << run.err;
        EXPECT_LE(run.err.size(), 1000u) << run.err.substr(0, 1000);
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(mx::isUtf8(run.err)) << run.err;
    }
}

// Names that reach no file say why, each in its own words.
TEST(ProjectFile, ANameThatReachesNoFileSaysWhy) {
    TempDir dir;
    const std::string file = dir.file("house.mx7100");
    spill(file, kGood);
    fs::create_symlink("loop-b", dir.path / "loop-a");
    fs::create_symlink("loop-a", dir.path / "loop-b");
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("missing.mx7100"), "ไม่พบไฟล์นี้"},
        {dir.file("loop-a"), "ชี้วนกันไม่รู้จบ"},
        {file + "/", "(ก่อนเครื่องหมาย /) เป็นไฟล์"},
        {file + "/x.mx7100", "(ก่อนเครื่องหมาย /) เป็นไฟล์"},
        {dir.file(std::string(300, 'x')), "ชื่อไฟล์ยาวเกิน"},
        {dir.file("bad\xFF\x1b[31m.mx7100"), "bad\\xff\\x1b[31m.mx7100\" ไม่ได้: ไม่พบไฟล์นี้"},
    };
    for (const auto& [path, fragment] : cases) {
        const CommandRun run = runCommand({"project", path});
        EXPECT_EQ(run.status, 2) << path;
        EXPECT_NE(run.err.find(fragment), std::string::npos) << run.err;
    }
}

TEST(ProjectFile, FilesThatCannotBeReadAreNamed) {
    TempDir dir;
    const std::string big = dir.file("big.mx7100");
    spill(big, kGood);
    fs::resize_file(big, kMaxFileBytes + 1);
    const std::string locked = dir.file("locked.mx7100");
    spill(locked, kGood);
    fs::permissions(locked, fs::perms::none);
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("missing.mx7100"), "ไม่พบไฟล์"},
        {dir.path.string(), "เป็นโฟลเดอร์"},
        {big, "เกินขนาด"},
        {"/dev/null", "ไม่ใช่ไฟล์ธรรมดา"},
        {locked, ::geteuid() == 0 ? "" : "ไม่มีสิทธิ์อ่าน"},  // the superuser reads it anyway
    };
    for (const auto& [path, reason] : cases) {
        const ReadOutcome read = readProjectFile(path, modules());
        if (reason.empty()) continue;
        EXPECT_FALSE(read.project) << path;
        EXPECT_NE(read.error.find("\"" + path + "\""), std::string::npos) << read.error;
        EXPECT_NE(read.error.find(reason), std::string::npos) << read.error;
    }
}

// A save that fails half-way (the disk full, the folder not writable) leaves the old
// file whole and no temporary file beside it.
TEST(ProjectFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("house.mx7100");
    Project old = newProject(modules());
    ASSERT_FALSE(saveProjectFile(old, path, modules()));
    const std::string before = slurp(path);
    const Project bigger = everyKindOfMember();

    enum class Fault { DiskFull, ReadOnlyFolder, FolderAsTarget };
    for (Fault fault : {Fault::DiskFull, Fault::ReadOnlyFolder, Fault::FolderAsTarget}) {
        std::optional<std::string> err;
        if (fault == Fault::DiskFull) {
            // A file-size limit makes the write fail as a full disk does.
            rlimit saved{};
            ::getrlimit(RLIMIT_FSIZE, &saved);
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = before.size() + 10;
            ::setrlimit(RLIMIT_FSIZE, &small);
            err = saveProjectFile(bigger, path, modules());
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        } else if (fault == Fault::ReadOnlyFolder) {
            if (::geteuid() == 0) continue;  // the superuser writes anyway
            fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
            err = saveProjectFile(bigger, path, modules());
            fs::permissions(dir.path, fs::perms::owner_all);
        } else {
            err = saveProjectFile(bigger, dir.path.string(), modules());
        }
        ASSERT_TRUE(err) << static_cast<int>(fault);
        EXPECT_NE(err->find("บันทึกไฟล์โครงการ"), std::string::npos) << *err;
        // Only a file that was there is said to be kept whole; a folder is no file.
        EXPECT_EQ(err->find("ไฟล์เดิมยังอยู่ครบ") == std::string::npos, fault == Fault::FolderAsTarget) << *err;
        EXPECT_EQ(slurp(path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
    }
}

// A project of n members of one module, settings as given.
Project projectOf(int n, const std::vector<std::pair<std::string, std::vector<std::pair<const char*, const char*>>>>& kinds) {
    Project p = newProject(modules());
    p.titleBlock.project = "อาคารทดสอบ";
    for (int i = 0; i < n; ++i) {
        const auto& [module, fields] = kinds[static_cast<std::size_t>(i) % kinds.size()];
        Member m{module, "", "M" + std::to_string(i + 1), {{}, 1, std::nullopt}};
        for (const auto& [f, t] : fields) m.state.fields.set(f, t);
        p.members.push_back(m);
    }
    return p;
}

std::vector<std::string> pageTexts(const mx::PageModel& page) { return page.lines(); }

bool holds(const std::vector<std::string>& lines, const std::string& s) {
    return std::find(lines.begin(), lines.end(), s) != lines.end();
}

TEST(ProjectReport, PagesAreNumberedAndTheContentsPointAtThem) {
    // A usable beam and a beam too shallow to be usable, in turn.
    const std::vector<std::pair<std::string, std::vector<std::pair<const char*, const char*>>>> kinds{
        {"beam", {{"Text1", "4"}, {"Text2", "800"}, {"Text3", "20"}, {"Text4", "50"}}},
        {"beam", {{"Text1", "4"}, {"Text2", "1800"}, {"Text3", "20"}, {"Text4", "40"}}},
    };
    struct Case {
        int members, pages, contentsPages;
    };
    for (Case c : {Case{0, 3, 1}, Case{2, 5, 1}, Case{kContentsRowsPerPage, 3 + kContentsRowsPerPage, 1},
                         Case{kContentsRowsPerPage + 1, 4 + kContentsRowsPerPage + 1, 2}}) {
        const Project p = projectOf(c.members, kinds);
        std::vector<mx::PageModel> pages;
        std::vector<ContentsRow> rows;
        ASSERT_TRUE(buildReport(p, modules(), [&](const mx::PageModel& page) { pages.push_back(page); return true; }, &rows));
        // The quantities pages close the report.
        const int quantityPages = quantitiesPageCount(projectTakeoff(p, modules()));
        EXPECT_EQ(quantityPages, c.members > kContentsRowsPerPage / 2 ? 2 : 1) << c.members;
        c.pages += quantityPages;
        ASSERT_EQ(static_cast<int>(pages.size()), c.pages) << c.members;
        EXPECT_EQ(reportPageCount(p, modules()), c.pages);
        ASSERT_EQ(static_cast<int>(rows.size()), c.members);
        for (int k = 3; k <= c.pages; ++k)
            EXPECT_TRUE(holds(pageTexts(pages[static_cast<std::size_t>(k - 1)]), pageText(k, c.pages))) << k;
        for (int i = 0; i < c.members; ++i) {
            const ContentsRow& r = rows[static_cast<std::size_t>(i)];
            EXPECT_EQ(r.page, 3 + c.contentsPages + i);
            EXPECT_EQ(r.usable(), i % 2 == 0) << r.member;
            const auto sheet = pageTexts(pages[static_cast<std::size_t>(r.page - 1)]);
            EXPECT_TRUE(std::any_of(sheet.begin(), sheet.end(), [&](const std::string& s) {
                return s.ends_with(" " + r.member);
            })) << "the sheet on page " << r.page << " is " << r.member << "'s";
            // The contents page lists the member and marks one not usable in red.
            const mx::PageModel& contents = pages[static_cast<std::size_t>(2 + i / kContentsRowsPerPage)];
            const auto texts = contents.texts();
            const auto row = std::find_if(texts.begin(), texts.end(), [&](const mx::PageText& t) { return t.text == r.member; });
            ASSERT_NE(row, texts.end()) << r.member;
            EXPECT_EQ(row->color, r.usable() ? mx::kBlack : mx::kRed);
        }
    }
}

// A pile whose safe load is nothing is a failed member like any other: red, marked,
// explained below the table.
TEST(ProjectReport, AFailedPileIsMarkedAsAnyFailedMember) {
    struct Case {
        const char* what;
        int type;
        const char* size;
        bool usable;
    };
    const Case cases[] = {
        {"prestressed 126 cm, 21 m", 2, "126", true},
        {"no size: 0 t", 2, "0", false},
        {"no type", 0, "126", false},
    };
    Project p = newProject(modules());
    for (const Case& c : cases) {
        Member m{"pile", "", c.what, {{}, c.type, std::nullopt}};
        m.state.fields.set("Text1", c.size);
        p.members.push_back(m);
    }
    const std::vector<ContentsRow> rows = reportContents(p, modules());
    const auto texts = contentsPage(p, rows, 0, 3, reportPageCount(p, modules())).texts();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(rows[i].usable(), cases[i].usable) << cases[i].what;
        EXPECT_EQ(rows[i].status, cases[i].usable ? 2 : 1) << cases[i].what;
        const auto number = std::find_if(texts.begin(), texts.end(), [&](const mx::PageText& t) {
            const std::string n = std::to_string(i + 1);
            return t.x == mx::kSheetLeft && (t.text == n || t.text == "* " + n);
        });
        ASSERT_NE(number, texts.end());
        EXPECT_EQ(number->text.starts_with("* "), !cases[i].usable) << cases[i].what;
        EXPECT_EQ(number->color, cases[i].usable ? mx::kBlack : mx::kRed) << cases[i].what;
    }
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const mx::PageText& t) { return t.text.starts_with("* แบบ"); }));
}

TEST(ProjectReport, TheExampleHouse) {
    const ReadOutcome read = readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", modules());
    ASSERT_TRUE(read.project) << read.error;
    std::vector<ContentsRow> rows;
    int pages = 0;
    ASSERT_TRUE(buildReport(*read.project, modules(), [&](const mx::PageModel&) { return ++pages > 0; }, &rows));
    std::vector<std::string> modulesUsed;
    for (const Member& m : read.project->members) modulesUsed.push_back(m.module);
    for (const char* m : {"beam", "slab", "column", "stair", "pilecap", "pile", "blow"})
        EXPECT_NE(std::find(modulesUsed.begin(), modulesUsed.end(), m), modulesUsed.end()) << m;
    // Cover, criteria, contents, the linked house's two pages of load take-down and its
    // two pages of quantities.
    EXPECT_EQ(pages, 7 + static_cast<int>(rows.size()));
    for (const ContentsRow& r : rows) EXPECT_TRUE(r.usable() && r.standsOn.empty()) << r.member;
}

}  // namespace

namespace {

// Everything of a design's JSON from its verdict on, less the messages shown while
// typing (a member is placed, not typed): status, verdict, fields, labels, results.
std::string outcomeOf(const std::string& json) {
    const auto status = json.find("\"status\"");
    const auto messages = json.find(", \"messages\"");
    const auto fields = json.find("\"fields\"");
    return json.substr(status, messages - status) + json.substr(fields);
}

TEST(BatchProject, ASchedulesMembersRunAsItsRowsDid) {
    std::ifstream in(MX_EXAMPLES_DIR "/schedule.csv", std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    mx::cli::CsvReader reader(csv);
    mx::cli::BatchProject kept(modules());
    std::ostringstream lines, progress;
    const auto summary = mx::cli::runBatch(modules(), reader, mx::cli::SettingMode::Typed, lines, progress, {},
                                           [&](const mx::ModuleDescription& m, const mx::FormState& s, int row) {
                                               kept.add(m, s, row);
                                           });
    ASSERT_GT(summary.designs, 5);
    TempDir dir;
    ASSERT_FALSE(kept.save(dir.file("schedule.mx7100")));
    const ReadOutcome read = readProjectFile(dir.file("schedule.mx7100"), modules());
    ASSERT_TRUE(read.project) << read.error;
    std::istringstream batch(lines.str());
    std::string line;
    for (const Member& member : read.project->members) {
        ASSERT_TRUE(std::getline(batch, line));
        const mx::ModuleDescription& module = *mx::findModule(modules(), member.module);
        const MemberRun run = runMember(member, module, false);
        EXPECT_EQ(outcomeOf(mx::cli::toJson(module, run.invocation.state, run.report)), outcomeOf(line)) << member.name;
    }
}

}  // namespace
