// The report's load take-down pages ("ตารางถ่ายน้ำหนัก"): for each member with linked
// fields, in dependency order, the loads it takes from each source with their dead and
// live parts, and the total it was designed for, as an engineer's hand take-down reads.
#include <cstdio>

#include "common/titleblock.h"
#include "common/utf8.h"
#include "project/links.h"
#include "project/report.h"

namespace mx::project {

namespace {

constexpr const char* kHeading = "ตารางถ่ายน้ำหนัก";
constexpr const char* kContinued = " (ต่อ)";
constexpr const char* kNote =
    "น้ำหนักใช้งาน (ไม่คูณตัวคูณเพิ่มน้ำหนัก) ชิ้นส่วนที่รับน้ำหนักคูณตัวคูณของตนเองครั้งเดียว";
constexpr const char* kStopped = "หยุดคำนวณ ไม่มีน้ำหนักส่งต่อ";
constexpr const char* kNotDesigned = "ยังออกแบบไม่ได้";
constexpr const char* kTotal = "รวมที่ใช้ออกแบบ";
constexpr const char* kWhole = "-";

// The table's columns, twips: the item, the count, dead, live and total loads.
constexpr double kItemX = kSheetLeft;
constexpr double kTermX = 1500;
constexpr double kCountX = 6300;
constexpr double kDeadX = 7100;
constexpr double kLiveX = 8500;
constexpr double kTotalX = 9900;
constexpr double kNoteY = 1500;
constexpr double kHeadingsY = 1900;
constexpr double kFirstRowY = 2350;
constexpr double kColumnGap = 120;
constexpr double kPageFieldX = 10000;
constexpr double kPageFieldY = 15000;

// One row of the table, as the pages lay them out.
enum class RowKind { Member, Term, Total, Gap };

// The rows a member's links take: a heading per field, a row per term, its total,
// and a gap before the next member.
int rowsOf(const Member& m) {
    int rows = 0;
    for (const FieldLink& l : m.links) rows += 2 + static_cast<int>(l.terms.size());
    return m.links.empty() ? 0 : rows + 1;
}

std::string amount(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.2f", v == 0 ? 0.0 : v);
    return buf;
}

struct Row {
    RowKind kind;
    std::string item;
    std::string count = {};
    std::string dead = {}, live = {}, total = {};
    bool red = false;
};

std::vector<Row> tableRows(const Project& p, const Resolution& r) {
    std::vector<Row> rows;
    for (const std::size_t i : r.order) {
        const MemberLinks& own = r.members[i];
        if (!own.linked()) continue;
        for (const ResolvedField& f : own.fields) {
            rows.push_back({RowKind::Member, p.members[i].name + "  " + moduleCaption(p.members[i].module) + " : " +
                                                 f.caption + " (" + f.unit + ")"});
            for (const ResolvedTerm& t : f.terms) {
                Row row{RowKind::Term, t.term.member.empty() ? t.portCaption : t.source + "  " + t.portCaption};
                row.count = "× " + std::to_string(t.term.count);
                if (t.stopped) {
                    row.total = kStopped;
                    row.red = true;
                } else if (t.load.split) {
                    const PortLoad s = t.sum();
                    row.dead = amount(s.dead);
                    row.live = amount(s.live);
                    row.total = amount(s.total());
                } else {
                    row.dead = row.live = kWhole;
                    row.total = amount(t.sum().total());
                }
                rows.push_back(std::move(row));
            }
            Row total{RowKind::Total, kTotal};
            if (!own.stops.empty()) {
                total.total = kNotDesigned;
                total.red = true;
            } else {
                total.dead = f.total.split ? amount(f.total.dead) : kWhole;
                total.live = f.total.split ? amount(f.total.live) : kWhole;
                total.total = f.text;
            }
            rows.push_back(std::move(total));
        }
        rows.push_back({RowKind::Gap, {}});
    }
    return rows;
}

}  // namespace

int takedownPageCount(const Project& project) {
    int rows = 0;
    for (const Member& m : project.members) rows += rowsOf(m);
    return (rows + kContentsRowsPerPage - 1) / kContentsRowsPerPage;
}

bool addTakedownPages(const Project& project, const Resolution& links, const std::string& projectName, int firstPage,
                      int pages, const std::function<bool(const PageModel&)>& addPage) {
    const std::vector<Row> rows = tableRows(project, links);
    int page = firstPage;
    for (std::size_t first = 0; first < rows.size(); first += kContentsRowsPerPage) {
        PageModel pm;
        ProjectTitleBlock tb;
        tb.project = projectName;
        addSheetHeader(pm, tb, std::string(kHeading) + (first > 0 ? kContinued : ""));
        pm.text(kItemX, kNoteY, kNote, 12);
        const std::pair<double, const char*> headings[] = {{kItemX, "ชิ้นส่วน / น้ำหนักจาก"},
                                                           {kCountX, "จำนวน"},
                                                           {kDeadX, "นน.คงที่"},
                                                           {kLiveX, "นน.จร"},
                                                           {kTotalX, "รวม"}};
        for (const auto& [x, h] : headings) pm.text(x, kHeadingsY, h, 14, true);
        pm.line(kSheetLeft, kFirstRowY - 60, 11300, kFirstRowY - 60);
        const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(kContentsRowsPerPage));
        for (std::size_t i = first; i < last; ++i) {
            const Row& row = rows[i];
            const double y = kFirstRowY + static_cast<double>(i - first) * kSheetLineStep;
            const std::uint32_t color = row.red ? kRed : kBlack;
            const bool bold = row.kind != RowKind::Term;
            if (row.kind == RowKind::Member) {
                pm.text(kItemX, y, row.item, 14, true);
                continue;
            }
            // A long source or note ends in "…" before the count.
            pm.keepClear(kCountX - kColumnGap, y, 11900, y + kSheetLineStep - 1);
            pm.cellText(kTermX, y, row.item, 14, bold, color);
            pm.text(kCountX, y, row.count, 14, false, color);
            pm.text(kDeadX, y, row.dead, 14, bold, color);
            pm.text(kLiveX, y, row.live, 14, bold, color);
            // A stop says so across the three load columns, which it leaves empty.
            pm.text(row.red ? kDeadX : kTotalX, y, row.total, 14, bold, color);
            if (row.kind == RowKind::Total) pm.line(kDeadX, y - 40, 11300, y - 40);
        }
        pm.text(kPageFieldX, kPageFieldY, pageText(page, pages));
        if (!addPage(pm)) return false;
        ++page;
    }
    return true;
}

}  // namespace mx::project
