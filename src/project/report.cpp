#include "project/report.h"

#include <algorithm>
#include <map>

#include "common/fieldtable.h"
#include "common/titleblock.h"
#include "common/utf8.h"
#include "project/projectformat.h"
#include "project/takeoff.h"

namespace mx::project {

namespace {

// The contents page: a table of five columns under the sheets' own header lines.
constexpr double kNumberX = kSheetLeft;
constexpr double kMemberX = 1900;
constexpr double kModuleX = 4700;
constexpr double kPageX = 7300;
constexpr double kVerdictX = 8100;
constexpr double kHeadingsY = 1700;
constexpr double kFirstRowY = 2150;
constexpr double kLegendY = kFirstRowY + kContentsRowsPerPage * kSheetLineStep + 300;
constexpr double kTableRight = 11300;
constexpr double kPageFieldX = 10000;
constexpr double kPageFieldY = 15000;
// Room left between a cell and the next column: a long name is cut to end here in "…".
constexpr double kColumnGap = 120;
// The most marks one letter carries on the contents: a Thai vowel above or below and a
// tone mark, the most Thai writing stacks.
constexpr int kMostMarksOnALetter = 2;

constexpr const char* kContentsHeading = "สารบัญรายการคำนวณ";
constexpr const char* kContinued = " (ต่อ)";
constexpr const char* kUsable = "ใช้ได้";
constexpr const char* kNotUsable = "ใช้ไม่ได้ ต้องแก้ไข";
constexpr const char* kNoVerdict = "คำนวณแล้ว";
constexpr const char* kNotUsableMark = "*";
constexpr const char* kLegend = "* แบบที่ยังใช้ไม่ได้ แผ่นรายการคำนวณของชิ้นส่วนนั้นบอกสิ่งที่ต้องแก้ไข";
constexpr const char* kStandsOnMark = "**";
constexpr const char* kStandsOnLegend =
    "** รับน้ำหนักจากชิ้นส่วนที่ยังใช้ไม่ได้ (ตารางถ่ายน้ำหนักและแผ่นรายการคำนวณบอกชื่อ) ต้องแก้ไขชิ้นส่วนนั้นก่อน";
constexpr const char* kNoSheet = "โมดูลนี้ไม่มีแผ่นรายการคำนวณ";

// Whether a character is a mark set above or below its letter: the Thai vowels and
// tone marks that stack, and the combining marks of other scripts.
bool stacksOnALetter(char32_t c) {
    return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E) ||
           (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

// A name as the contents print it: the marks a letter carries past the most Thai
// writing stacks are left out, so a name of marks piled on marks cannot climb into the
// row above. The project keeps the name as it was typed.
std::string withStackedMarksCapped(std::string_view name) {
    std::string out;
    int marks = 0;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t n = std::max<std::size_t>(1, utf8SequenceLength(name, i));
        const std::string_view character = name.substr(i, n);
        i += n;
        marks = stacksOnALetter(decodeUtf8(character)) ? marks + 1 : 0;
        if (marks <= kMostMarksOnALetter) out += character;
    }
    return out;
}

// A long message as lines of the page's width, broken at its spaces: Thai writes a
// space between phrases. A phrase longer than a line stands alone.
std::vector<std::string> brokenAtSpaces(const std::string& text) {
    constexpr std::size_t kMostLetters = 75;
    std::vector<std::string> lines(1);
    std::size_t letters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, space - at);
        std::size_t wordLetters = 0;
        for (std::size_t i = 0; i < word.size();) {
            const std::size_t n = std::max<std::size_t>(1, utf8SequenceLength(word, i));
            if (!stacksOnALetter(decodeUtf8(std::string_view(word).substr(i, n)))) ++wordLetters;
            i += n;
        }
        if (letters > 0 && letters + 1 + wordLetters > kMostLetters) {
            lines.emplace_back();
            letters = 0;
        }
        lines.back() += (letters > 0 ? " " : "") + word;
        letters += (letters > 0 ? 1 : 0) + wordLetters;
        at = space + 1;
    }
    return lines;
}

int contentsPages(const Project& p) {
    const auto n = static_cast<int>(p.members.size());
    return std::max(1, (n + kContentsRowsPerPage - 1) / kContentsRowsPerPage);
}

// The first sheet's page: after the cover, the criteria page and the contents.
int firstSheetPage(const Project& p) { return 3 + contentsPages(p) + takedownPageCount(p); }

// The project line of the report's own pages: the title-block default, or the
// cover's project name.
std::string projectName(const Project& p) {
    return p.titleBlock.project.empty() ? p.cover.get("Text1") : p.titleBlock.project;
}

// A report page made by a page module (cover, criteria) from the project's fields.
PageModel pageOf(const std::vector<ModuleDescription>& modules, const char* name, const FieldSet& fields) {
    const ModuleDescription* m = findModule(modules, name);
    if (!m || !m->run) return {};
    FormState state;
    state.fields = m->defaults;
    for (const auto& [object, text] : fields.entries()) state.fields.set(object, text);
    const cli::Report r = cli::runModule(*m, state, true);
    return r.sheet.value_or(PageModel{});
}

// The member with the project's title block and its page field.
Member sheetMember(const Project& p, const Member& member, const ModuleDescription& module, int page, int pages) {
    Member m = withTitleBlock(member, module, p.titleBlock);
    if (const FieldInfo* f = findField(module.fields, "page")) m.state.fields.set(f->object, pageText(page, pages));
    return m;
}

}  // namespace

std::string pageText(int k, int n) { return "หน้า " + std::to_string(k) + " / " + std::to_string(n); }

namespace {
int pagesBeforeQuantities(const Project& project) {
    return firstSheetPage(project) - 1 + static_cast<int>(project.members.size());
}
}  // namespace

int reportPageCount(const Project& project, const std::vector<ModuleDescription>& modules) {
    return pagesBeforeQuantities(project) + quantitiesPageCount(projectTakeoff(project, modules));
}

std::string verdictCaption(const std::optional<int>& status) {
    if (!status) return kNoVerdict;
    return *status == static_cast<int>(DesignStatus::NotUsable) ? kNotUsable : kUsable;
}

std::string moduleCaption(const std::string& module) {
    static const std::map<std::string, std::string> captions{
        {"beam", "คาน"},
        {"slab", "พื้น"},
        {"column", "เสา"},
        {"stair", "บันได"},
        {"spreadfooting", "ฐานรากแผ่"},
        {"pilecap", "ฐานรากบนเสาเข็ม"},
        {"pile", "เสาเข็ม (แรงเสียดทาน)"},
        {"blow", "เสาเข็ม (Blow count)"},
    };
    const auto it = captions.find(module);
    return it == captions.end() ? module : it->second;
}

namespace {
std::vector<ContentsRow> contentsOf(const Project& project, const std::vector<ModuleDescription>& modules, int pages,
                                   const Resolution& links) {
    std::vector<ContentsRow> rows;
    int page = firstSheetPage(project);
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        const Member& member = project.members[i];
        ContentsRow row{member.name, moduleCaption(member.module), page, std::nullopt, links.members[i].notUsableBelow};
        if (const ModuleDescription* m = findModule(modules, member.module))
            row.status =
                runLinkedMember(sheetMember(project, member, *m, page, pages), links.members[i], *m, false).report.status;
        rows.push_back(std::move(row));
        ++page;
    }
    return rows;
}
}  // namespace

std::vector<ContentsRow> reportContents(const Project& project, const std::vector<ModuleDescription>& modules) {
    return contentsOf(project, modules, reportPageCount(project, modules), resolveLinks(project, modules));
}

PageModel contentsPage(const Project& project, const std::vector<ContentsRow>& rows, std::size_t first, int page,
                       int pages) {
    PageModel p;
    ProjectTitleBlock tb;
    tb.project = projectName(project);
    addSheetHeader(p, tb, std::string(kContentsHeading) + (first > 0 ? kContinued : ""));
    const std::pair<double, const char*> headings[] = {
        {kNumberX, "ลำดับ"}, {kMemberX, "ชิ้นส่วน"}, {kModuleX, "ประเภท"}, {kPageX, "หน้า"}, {kVerdictX, "ผลการออกแบบ"}};
    for (const auto& [x, h] : headings) p.text(x, kHeadingsY, h, 14, true);
    p.line(kSheetLeft, kFirstRowY - 60, kTableRight, kFirstRowY - 60);
    const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(kContentsRowsPerPage));
    bool anyNotUsable = false;
    bool anyStandsOn = false;
    for (std::size_t i = first; i < last; ++i) {
        const ContentsRow& r = rows[i];
        const double y = kFirstRowY + static_cast<double>(i - first) * kSheetLineStep;
        const std::uint32_t color = r.usable() ? kBlack : kRed;
        anyNotUsable = anyNotUsable || !r.usable();
        p.text(kNumberX, y, (r.usable() ? "" : std::string(kNotUsableMark) + " ") + std::to_string(i + 1), 14, false, color);
        p.cellText(kMemberX, y, withStackedMarksCapped(r.member), 14, false, color);
        p.cellText(kModuleX, y, r.module, 14, false, color);
        p.text(kPageX, y, std::to_string(r.page), 14, false, color);
        p.text(kVerdictX, y, verdictCaption(r.status) + (r.standsOn.empty() ? "" : std::string(" ") + kStandsOnMark), 14,
               !r.usable(), r.standsOn.empty() ? color : kRed);
        anyStandsOn = anyStandsOn || !r.standsOn.empty();
    }
    // Each column ends where the next begins: a long name is cut short, never run on.
    for (const double x : {kMemberX, kModuleX, kPageX, kVerdictX})
        p.keepClear(x - kColumnGap, kHeadingsY, 11900, kLegendY - 1);
    if (anyNotUsable) p.text(kSheetLeft, kLegendY, kLegend, 14, false, kRed);
    if (anyStandsOn) p.text(kSheetLeft, kLegendY + kSheetLineStep, kStandsOnLegend, 14, false, kRed);
    p.text(kPageFieldX, kPageFieldY, pageText(page, pages));
    return p;
}

bool buildReport(const Project& project, const std::vector<ModuleDescription>& modules,
                 const std::function<bool(const PageModel&)>& addPage, std::vector<ContentsRow>* contents) {
    const ProjectTakeoff takeoff = projectTakeoff(project, modules);
    const int quantityPages = quantitiesPageCount(takeoff);
    const int pages = pagesBeforeQuantities(project) + quantityPages;
    const Resolution links = resolveLinks(project, modules);
    const std::vector<ContentsRow> rows = contentsOf(project, modules, pages, links);
    if (contents) *contents = rows;
    if (!addPage(pageOf(modules, "cover", project.cover))) return false;
    if (!addPage(pageOf(modules, "criteria", project.criteria))) return false;
    int page = 3;
    for (std::size_t first = 0; first == 0 || first < rows.size(); first += kContentsRowsPerPage)
        if (!addPage(contentsPage(project, rows, first, page++, pages))) return false;
    if (!addTakedownPages(project, links, projectName(project), page, pages, addPage)) return false;
    page += takedownPageCount(project);
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        const Member& member = project.members[i];
        const ModuleDescription* m = findModule(modules, member.module);
        std::optional<PageModel> sheet;
        if (m) sheet = runLinkedMember(sheetMember(project, member, *m, page, pages), links.members[i], *m, true).report.sheet;
        if (!sheet) {
            // Every page the contents promised is printed, even one with nothing to show.
            sheet.emplace();
            ProjectTitleBlock tb;
            tb.project = projectName(project);
            tb.member = member.name;
            addSheetHeader(*sheet, tb, moduleCaption(member.module) + " ");
            // A member whose source stopped says why it is not designed.
            double y = 1500;
            if (links.members[i].stops.empty()) sheet->text(kSheetLeft, y, kNoSheet);
            for (const Message& stop : links.members[i].stops)
                for (const std::string& line : brokenAtSpaces(stop.text)) {
                    sheet->text(kSheetLeft, y, line, 14, false, kRed);
                    y += kSheetLineStep;
                }
            sheet->text(kPageFieldX, kPageFieldY, pageText(page, pages));
        }
        if (!addPage(*sheet)) return false;
        ++page;
    }
    for (int i = 0; i < quantityPages; ++i)
        if (!addPage(quantitiesPage(takeoff, projectName(project), i, page++, pages))) return false;
    return true;
}

}  // namespace mx::project
