#pragma once
// A project's bill of quantities: every member run again from its stored inputs and
// measured, counted as many times as it stands for, then totalled: concrete and
// formwork by member kind, steel by bar size and grade, net and with the project's
// waste allowance shown apart. Every figure is rounded as shown before it is summed,
// so a total is the sum of the lines above it. No Qt.
#include <string>
#include <vector>

#include "common/page.h"
#include "common/quantities.h"
#include "project/project.h"

namespace mx::project {

struct MemberTakeoff {
    std::string name;
    std::string module;  // the tool's module name
    int count = 1;
    Quantities quantities;  // one member
    ShownQuantities shown;  // counted and rounded (empty when it has no quantities)
};

struct KindTotal {
    std::string module;
    ShownQuantities total;
};

struct ProjectTakeoff {
    std::vector<MemberTakeoff> members;
    std::vector<KindTotal> byKind;  // in the order the kinds first appear, those measured
    ShownQuantities net;
    WasteAllowance waste;
    ShownQuantities withWaste;  // net plus its allowance, each line rounded as shown
};

ProjectTakeoff projectTakeoff(const Project& project, const std::vector<ModuleDescription>& modules);

// Net plus a per-cent allowance, each figure rounded as shown (steel to the tenth of a kg).
ShownQuantities withAllowance(const ShownQuantities& net, const WasteAllowance& waste);

// The table of a takeoff as rows of cells, as the CSV and the report print it: a
// header, one row a member, then the net totals by kind, the net total, the
// allowance and the total with it. The steel columns are the project's bar sizes.
std::vector<std::vector<std::string>> takeoffTable(const ProjectTakeoff& t);

// The report's closing pages "สรุปปริมาณวัสดุ": the table of members (kind, name,
// count, concrete, formwork, steel per size), the totals by kind, the steel by size and
// grade, and the materials net, their allowance and with it.
int quantitiesPageCount(const ProjectTakeoff& t);
// Page `index` (from 0) of them, numbered `page` of `pages` of the report.
PageModel quantitiesPage(const ProjectTakeoff& t, const std::string& projectName, int index, int page, int pages);

}  // namespace mx::project
