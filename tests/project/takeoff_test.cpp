// A project's bill of quantities: the members' counts and the waste allowance kept in
// the file, the totals equal to the lines they total, the CSV read back as the table.
#include <gtest/gtest.h>

#include <regex>

#include "cli/csv.h"
#include "modules/catalogue.h"
#include "project/links.h"
#include "project/project.h"
#include "project/takeoff.h"

namespace {

using namespace mx::project;

const std::vector<mx::ModuleDescription>& all() {
    static const std::vector<mx::ModuleDescription> m = mx::allModules();
    return m;
}

Project house() {
    ReadOutcome read = readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", all());
    EXPECT_TRUE(read.project) << read.error;
    return read.project.value_or(Project{});
}

TEST(ProjectTakeoff, TotalsAreTheSumsOfTheirLinesAndTheCsvReadsBackAsTheTable) {
    Project p = house();
    ASSERT_FALSE(p.members.empty());
    p.members[0].count = 6;  // six beams B1 built alike
    const ProjectTakeoff t = projectTakeoff(p, all());
    ASSERT_EQ(t.members.size(), p.members.size());
    mx::ShownQuantities sum, kinds;
    for (const MemberTakeoff& m : t.members) sum.add(m.shown);
    for (const KindTotal& k : t.byKind) kinds.add(k.total);
    for (const mx::ShownQuantities* s : {&sum, &kinds}) {
        EXPECT_EQ(s->concrete, t.net.concrete);
        EXPECT_EQ(s->formwork, t.net.formwork);
        EXPECT_EQ(s->steelTotal(), t.net.steelTotal());
    }
    EXPECT_GT(t.net.concrete, 0);
    // B1 counted six times is six times one B1, rounded once.
    const mx::ShownQuantities one = mx::shown(t.members[0].quantities, 1);
    EXPECT_NEAR(static_cast<double>(t.members[0].shown.concrete), 6.0 * static_cast<double>(one.concrete), 3);
    // The allowance is shown apart: 5 % of concrete, 10 % of formwork, 7 % of steel.
    EXPECT_EQ(t.withWaste.concrete, (t.net.concrete * 105 + 50) / 100);
    EXPECT_EQ(t.withWaste.formwork, (t.net.formwork * 110 + 50) / 100);
    // The pile and the blow count say why they have none.
    for (const MemberTakeoff& m : t.members) {
        if (m.module == "pile" || m.module == "blow") {
            EXPECT_FALSE(m.quantities.available()) << m.name;
        }
    }

    const auto table = takeoffTable(t);
    const std::string csv = mx::cli::csvText(table);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    const std::vector<mx::cli::CsvRecord> back = mx::cli::parseCsv(csv);
    ASSERT_EQ(back.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(back[i].cells, table[i]) << "row " << i + 1;
    EXPECT_EQ(table.back().size(), table.front().size());
}

TEST(ProjectTakeoff, CountAndWasteAreKeptInTheFileAndCheckedOnReading) {
    Project p = house();
    p.members[0].count = 6;
    p.waste = {3, 8, 5};
    const std::string text = projectText(p, all());
    EXPECT_NE(text.find("\"count\": 6"), std::string::npos);
    EXPECT_NE(text.find("\"waste\": {\"concrete\": 3, \"formwork\": 8, \"steel\": 5}"), std::string::npos);
    const ReadOutcome back = parseProject(text, "house.mx7100", all());
    ASSERT_TRUE(back.project) << back.error;
    EXPECT_EQ(*back.project, p);
    // A house of the defaults writes neither.
    // (a link's term counts its sources apart, "count": 2}, not as a member's count)
    EXPECT_FALSE(std::regex_search(projectText(house(), all()), std::regex("\"count\": [0-9]+,\n")));

    const struct {
        const char* from;
        const char* to;
        const char* says;
    } bad[] = {
        {"\"count\": 6", "\"count\": 0", "จำนวน"},
        {"\"count\": 6", "\"count\": \"6\"", "จำนวน"},
        {"\"count\": 6", "\"count\": 1.5", "จำนวน"},
        {"\"count\": 6", "\"count\": 10001", "จำนวน"},
        {"\"steel\": 5", "\"steel\": 101", "ค่าเผื่อ"},
        {"\"steel\": 5", "\"steel\": -1", "ค่าเผื่อ"},
        {"\"steel\": 5", "\"rebar\": 5", "ค่าเผื่อ"},
    };
    for (const auto& b : bad) {
        std::string t = text;
        t.replace(t.find(b.from), std::string(b.from).size(), b.to);
        const ReadOutcome r = parseProject(t, "house.mx7100", all());
        EXPECT_FALSE(r.project) << b.to;
        EXPECT_NE(r.error.find(b.says), std::string::npos) << r.error;
    }
}

// A linked member is measured as it is designed: at the loads its links resolve to, not
// at its fields' defaults (a beam at its default 150 kg/m would be far lighter).
TEST(ProjectTakeoff, LinkedMembersAreMeasuredAtTheirResolvedLoads) {
    const Project p = house();
    const Resolution links = resolveLinks(p, all());
    const ProjectTakeoff t = projectTakeoff(p, all());
    int linked = 0;
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        if (!links.members[i].linked() || !t.members[i].quantities.available()) continue;
        ++linked;
        const mx::ModuleDescription* m = mx::findModule(all(), p.members[i].module);
        ASSERT_NE(m, nullptr);
        const MemberRun run = runMember(resolvedMember(p.members[i], links.members[i]), *m, false);
        ASSERT_TRUE(run.report.quantities) << p.members[i].name;
        EXPECT_DOUBLE_EQ(t.members[i].quantities.concrete, run.report.quantities->concrete) << p.members[i].name;
        EXPECT_DOUBLE_EQ(mx::steelTotal(t.members[i].quantities.bars), mx::steelTotal(run.report.quantities->bars))
            << p.members[i].name;
    }
    EXPECT_GE(linked, 3);  // the house's beams and columns stand on links
}

}  // namespace
