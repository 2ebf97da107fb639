// The report's quantities pages: one list of table lines, cut into pages of a fixed
// number of lines, so that how many pages there are is known before any is painted.
#include <algorithm>

#include "common/titleblock.h"
#include "project/report.h"
#include "project/takeoff.h"

namespace mx::project {

namespace {

constexpr const char* kHeading = "สรุปปริมาณวัสดุ";
constexpr const char* kContinued = " (ต่อ)";
constexpr double kFirstLineY = 1700;
constexpr int kLinesPerPage = 38;
// A header line is ruled below and its table starts half a line further down, clear
// of the rule (at most four on a page: 38 lines and four rules end above the page field).
constexpr double kRuleBelow = 390;
constexpr double kAfterRule = 150;
constexpr double kTableRight = 11300;
constexpr double kColumnGap = 120;
constexpr double kPageFieldX = 10000;
constexpr double kPageFieldY = 15000;

// One line of the tables: a section title, a column header or a row of cells, each cell
// at its x; a rule under header lines.
struct Cell {
    double x;
    std::string text;
    // The program's own words (a member kind) are set narrower to fit their column and
    // read back whole; a name or a list the user's input makes long ends in "…".
    bool condense = false;
};
struct TableLine {
    std::vector<Cell> cells;
    bool bold = false;
    bool rule = false;  // a line under it
    std::uint32_t color = kBlack;
};

// The members' table: number, name, kind, count, concrete, formwork, steel by size.
constexpr double kNoX = kSheetLeft, kNameX = 1600, kKindX = 2800, kCountX = 4500, kConcreteX = 5300, kFormX = 6300,
                 kSteelX = 7300;
// The steel table and the summary: what, net, allowance, with it.
constexpr double kWhatX = 1600, kNetX = 5400, kWasteX = 7000, kGrossX = 8600;

std::string steelList(const ShownQuantities& s) {
    std::string out;
    for (const auto& w : s.steel) out += (out.empty() ? "" : "  ") + w.bar + " " + hundredthsText(w.kg, 1);
    return out;
}

std::vector<TableLine> tableLines(const ProjectTakeoff& t) {
    std::vector<TableLine> lines;
    lines.push_back({{{kNoX, "ที่"}, {kNameX, "ชิ้นส่วน"}, {kKindX, "ชนิด"}, {kCountX, "จำนวน"}, {kConcreteX, "คอนกรีต"},
                      {kFormX, "ไม้แบบ"}, {kSteelX, "เหล็กเสริมตามขนาด"}},
                     true});
    lines.push_back({{{kConcreteX, "ลบ.ม."}, {kFormX, "ตร.ม."}, {kSteelX, "กก."}}, true, true});
    for (std::size_t i = 0; i < t.members.size(); ++i) {
        const MemberTakeoff& m = t.members[i];
        TableLine l{{{kNoX, std::to_string(i + 1)}, {kNameX, m.name}, {kKindX, moduleCaption(m.module), true},
                     {kCountX, std::to_string(m.count)}}};
        if (m.quantities.available()) {
            l.cells.push_back({kConcreteX, hundredthsText(m.shown.concrete)});
            l.cells.push_back({kFormX, hundredthsText(m.shown.formwork)});
            l.cells.push_back({kSteelX, steelList(m.shown) + (m.quantities.note.empty() ? "" : " (" + m.quantities.note + ")")});
        } else {
            l.cells.push_back({kConcreteX, m.quantities.unavailable});
            l.color = m.quantities.unavailable == notUsableQuantities().unavailable ? kRed : kBlack;
        }
        lines.push_back(std::move(l));
    }
    lines.push_back({{}, false, false});
    lines.push_back({{{kNoX, "รวมตามชนิดชิ้นส่วน (สุทธิ)"}}, true});
    lines.push_back({{{kNameX, "ชนิด"}, {kConcreteX, "ลบ.ม."}, {kFormX, "ตร.ม."}, {kSteelX, "เหล็กเสริม กก."}}, true, true});
    for (const KindTotal& k : t.byKind)
        lines.push_back({{{kNameX, moduleCaption(k.module)},
                          {kConcreteX, hundredthsText(k.total.concrete)},
                          {kFormX, hundredthsText(k.total.formwork)},
                          {kSteelX, hundredthsText(k.total.steelTotal(), 1)}}});
    lines.push_back({{}, false, false});
    const std::string waste = "เผื่อ " + std::to_string(t.waste.steel) + "%";
    lines.push_back({{{kNoX, "เหล็กเสริมตามขนาดและชั้นคุณภาพ (กก.)"}}, true});
    lines.push_back({{{kWhatX, "ขนาด ชั้นคุณภาพ"}, {kNetX, "สุทธิ"}, {kWasteX, waste}, {kGrossX, "รวมเผื่อ"}}, true, true});
    for (std::size_t i = 0; i < t.net.steel.size(); ++i) {
        const auto& n = t.net.steel[i];
        const long long gross = t.withWaste.steel[i].kg;
        lines.push_back({{{kWhatX, n.bar + " " + n.grade},
                          {kNetX, hundredthsText(n.kg, 1)},
                          {kWasteX, hundredthsText(gross - n.kg, 1)},
                          {kGrossX, hundredthsText(gross, 1)}}});
    }
    lines.push_back({{}, false, false});
    lines.push_back({{{kNoX, "รวมวัสดุทั้งโครงการ"}}, true});
    lines.push_back({{{kWhatX, "วัสดุ"}, {kNetX, "สุทธิ"}, {kWasteX, "เผื่อการสูญเสีย"}, {kGrossX, "รวมเผื่อ"}}, true, true});
    const auto total = [&](const char* what, long long net, long long gross, int percent, int decimals) {
        lines.push_back({{{kWhatX, what},
                          {kNetX, hundredthsText(net, decimals)},
                          {kWasteX, hundredthsText(gross - net, decimals) + " (" + std::to_string(percent) + "%)"},
                          {kGrossX, hundredthsText(gross, decimals)}}});
    };
    total("คอนกรีต ลบ.ม.", t.net.concrete, t.withWaste.concrete, t.waste.concrete, 2);
    total("ไม้แบบ ตร.ม.", t.net.formwork, t.withWaste.formwork, t.waste.formwork, 2);
    total("เหล็กเสริม กก.", t.net.steelTotal(), t.withWaste.steelTotal(), t.waste.steel, 1);
    return lines;
}

}  // namespace

int quantitiesPageCount(const ProjectTakeoff& t) {
    const auto n = static_cast<int>(tableLines(t).size());
    return std::max(1, (n + kLinesPerPage - 1) / kLinesPerPage);
}

PageModel quantitiesPage(const ProjectTakeoff& t, const std::string& projectName, int index, int page, int pages) {
    PageModel p;
    ProjectTitleBlock tb;
    tb.project = projectName;
    addSheetHeader(p, tb, std::string(kHeading) + (index > 0 ? kContinued : ""));
    const std::vector<TableLine> lines = tableLines(t);
    const std::size_t first = static_cast<std::size_t>(index) * kLinesPerPage;
    const std::size_t last = std::min(lines.size(), first + kLinesPerPage);
    double y = kFirstLineY - kSheetLineStep;
    for (std::size_t i = first; i < last; ++i) {
        const TableLine& l = lines[i];
        y += kSheetLineStep + (i > first && lines[i - 1].rule ? kAfterRule : 0);
        for (std::size_t c = 0; c < l.cells.size(); ++c) {
            if (l.cells[c].text.empty()) continue;
            if (l.cells[c].condense) p.text(l.cells[c].x, y, l.cells[c].text, 14, l.bold, l.color);
            else p.cellText(l.cells[c].x, y, l.cells[c].text, 14, l.bold, l.color);
            // A cell ends, in "…", where the next cell of its line begins.
            if (c + 1 < l.cells.size())
                p.keepClear(l.cells[c + 1].x - kColumnGap, y + 60, kTableRight + 600, y + kSheetLineStep - 60);
        }
        if (l.rule) p.line(kSheetLeft, y + kRuleBelow, kTableRight, y + kRuleBelow);
    }
    p.text(kPageFieldX, kPageFieldY, pageText(page, pages));
    return p;
}

}  // namespace mx::project
