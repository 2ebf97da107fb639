#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/project_commands.h"
#include "cli/tool.h"
#include "project/project.h"
#include "project/report.h"

namespace fs = std::filesystem;
using namespace mx::project;

namespace {

const std::vector<mx::cli::Module>& modules() {
    static const std::vector<mx::cli::Module> all = mx::cli::allModules();
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
    for (const mx::cli::Module& m : modules()) {
        if (!isMemberModule(m)) continue;
        std::vector<int> types{0};
        for (const auto& t : m.types) types.push_back(t.code);
        for (int type : types) {
            Member member{m.name, m.name + "-" + std::to_string(type), type, std::nullopt, m.defaults};
            if (m.pressGrade) member.grade = static_cast<mx::SteelGrade>(n++ % 4);
            member.fields.set(m.defaults.entries().front().first, "๑๒.5 ซม.\t");
            p.members.push_back(member);
        }
    }
    return p;
}

TEST(ProjectFile, EveryModuleTypeAndGradeReadsBackAsSaved) {
    TempDir dir;
    const Project saved = everyKindOfMember();
    const std::string path = dir.file("house.mx7100");
    ASSERT_FALSE(saveProjectFile(saved, path));
    const ReadOutcome read = readProjectFile(path, modules());
    ASSERT_TRUE(read.project) << read.error;
    ASSERT_EQ(read.project->members.size(), saved.members.size());
    for (std::size_t i = 0; i < saved.members.size(); ++i)
        EXPECT_EQ(read.project->members[i], saved.members[i]) << saved.members[i].name;
    EXPECT_EQ(*read.project, saved);
    // Saving over the file leaves no temporary file beside it.
    ASSERT_FALSE(saveProjectFile(*read.project, path));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

const std::string kGood = R"({"format": "mx7100-project", "version": 1, "members": [
  {"module": "beam", "name": "B1", "type": 1, "grade": "SD30", "fields": {"Text1": "4"}}]})";

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
        {"newer version", replaced(kGood, "\"version\": 1", "\"version\": 2"), "รุ่น 2 ซึ่งใหม่กว่า"},
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
    ASSERT_FALSE(saveProjectFile(old, path));
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
            err = saveProjectFile(bigger, path);
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        } else if (fault == Fault::ReadOnlyFolder) {
            if (::geteuid() == 0) continue;  // the superuser writes anyway
            fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
            err = saveProjectFile(bigger, path);
            fs::permissions(dir.path, fs::perms::owner_all);
        } else {
            err = saveProjectFile(bigger, dir.path.string());
        }
        ASSERT_TRUE(err) << static_cast<int>(fault);
        EXPECT_NE(err->find("บันทึกไฟล์โครงการ"), std::string::npos) << *err;
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
        Member m{module, "M" + std::to_string(i + 1), 1, std::nullopt, {}};
        for (const auto& [f, t] : fields) m.fields.set(f, t);
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
    for (const Case c : {Case{0, 3, 1}, Case{2, 5, 1}, Case{kContentsRowsPerPage, 3 + kContentsRowsPerPage, 1},
                         Case{kContentsRowsPerPage + 1, 4 + kContentsRowsPerPage + 1, 2}}) {
        const Project p = projectOf(c.members, kinds);
        std::vector<mx::PageModel> pages;
        std::vector<ContentsRow> rows;
        ASSERT_TRUE(buildReport(p, modules(), [&](const mx::PageModel& page) { pages.push_back(page); return true; }, &rows));
        ASSERT_EQ(static_cast<int>(pages.size()), c.pages) << c.members;
        EXPECT_EQ(reportPageCount(p), c.pages);
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
    EXPECT_EQ(pages, 3 + static_cast<int>(rows.size()));
    for (const ContentsRow& r : rows) EXPECT_TRUE(r.usable()) << r.member;
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
                                           [&](const mx::cli::Module& m, const mx::cli::FormState& s, int row) {
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
        const mx::cli::Module& module = *mx::cli::findModule(modules(), member.module);
        const MemberRun run = runMember(member, module, false);
        EXPECT_EQ(outcomeOf(mx::cli::toJson(module, run.invocation.state, run.report)), outcomeOf(line)) << member.name;
    }
}

}  // namespace
