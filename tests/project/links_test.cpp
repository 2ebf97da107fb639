// Linked loads: each port against numbers worked by hand, a chain resolved in order,
// the links a project refuses, a source that stops, unlinking, and the file.
#include <gtest/gtest.h>

#include "common/fieldtable.h"
#include "project/report.h"
#include "modules/catalogue.h"
#include "project/links.h"
#include "project/project.h"

using namespace mx::project;

namespace {

const std::vector<mx::ModuleDescription>& modules() {
    static const std::vector<mx::ModuleDescription> all = mx::allModules();
    return all;
}

// A member of a module, its fields by short name over the module's defaults.
Member member(const std::string& module, const std::string& id, const std::string& name, int type,
              std::initializer_list<std::pair<const char*, const char*>> fields) {
    const mx::ModuleDescription& m = *mx::findModule(module);
    Member out{module, id, name, {}};
    out.state.fields = m.defaults;
    out.state.typeCode = type;
    for (const auto& [field, text] : fields) out.state.fields.set(mx::findField(m.fields, field)->object, text);
    return out;
}

LinkTerm from(const std::string& id, const std::string& port, int count = 1) { return {id, port, count, 0, false, {}}; }
LinkTerm typed(double value, const std::string& note) { return {{}, {}, 1, value, false, note}; }

// The port's load of the member's run alone (its own fields not linked).
std::optional<mx::PortLoad> portOf(const Member& m, const std::string& port) {
    const mx::ModuleDescription& module = *mx::findModule(m.module);
    mx::FormState state = m.state;
    const mx::ModuleRun run = module.run(state);
    for (const mx::PortInfo& p : module.ports)
        if (p.name == port) return p.value(run, {});
    return std::nullopt;
}

const ResolvedField* resolvedField(const Resolution& r, std::size_t i, const std::string& field) {
    for (const ResolvedField& f : r.members[i].fields)
        if (f.name == field) return &f;
    return nullptr;
}

}  // namespace

TEST(LinkPorts, EachPortAgainstHandNumbers) {
    struct Case {
        const char* what;
        Member source;
        const char* port;
        double dead, live;
    };
    const Case cases[] = {
        // Two-way, S = 3.5, L = 4, m = 0.875: own weight 24 x 12 = 288 kg/m2, live 200.
        // Short edge S/3 = 1.16667 m: 336 + 233.333. Long edge S/3 (3 - m^2)/2
        // = 1.16667 x 1.1171875: 375.375 + 260.677.
        {"two-way short edge", member("slab", "m1", "S1", 2, {{"short_side", "3.5"}, {"long_side", "4"}, {"thickness", "12"}, {"live_load", "200"}}), "short_edge", 336, 233.3333},
        {"two-way long edge", member("slab", "m1", "S1", 2, {{"short_side", "3.5"}, {"long_side", "4"}, {"thickness", "12"}, {"live_load", "200"}}), "long_edge", 375.375, 260.6771},
        // One-way, S = 2, L = 5, m = 0.4: half the span on each long edge, 240 + 300
        // per m2 over 1 m; nothing on the short edges.
        {"one-way long edge", member("slab", "m1", "S2", 2, {{"short_side", "2"}, {"long_side", "5"}, {"thickness", "10"}, {"live_load", "300"}}), "long_edge", 240, 300},
        {"one-way short edge", member("slab", "m1", "S2", 2, {{"short_side", "2"}, {"long_side", "5"}, {"thickness", "10"}, {"live_load", "300"}}), "short_edge", 0, 0},
        // Cantilever of 1.2 m: its whole (288 + 300) x 1.2 on the supported edge.
        {"cantilever", member("slab", "m1", "S3", 1, {{"short_side", "1.2"}, {"long_side", "3"}, {"thickness", "12"}, {"live_load", "300"}}), "long_edge", 345.6, 360},
        // Beams of 20 x 45 cm: own weight 0.24 x 20 x 45 = 216 kg/m, typed load 1000 kg/m
        // (dead: its parts are not known). w = 1216 kg/m, L = 4 m.
        {"simple R1", member("beam", "m1", "B", 1, {{"span", "4"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r1", 2432, 0},
        {"end span R1 3wL/8", member("beam", "m1", "B", 2, {{"span", "4"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r1", 1824, 0},
        {"end span R2 5wL/8", member("beam", "m1", "B", 2, {{"span", "4"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r2", 3040, 0},
        {"continuous R2 wL/2", member("beam", "m1", "B", 3, {{"span", "4"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r2", 2432, 0},
        // Overhang a = 1: R1 = w (L^2 - a^2) / 2L = 1216 x 15 / 8, R2 = w (L + a)^2 / 2L.
        {"overhang R1", member("beam", "m1", "B", 4, {{"span", "4"}, {"overhang", "1"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r1", 2280, 0},
        {"overhang R2", member("beam", "m1", "B", 4, {{"span", "4"}, {"overhang", "1"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r2", 3800, 0},
        // Cantilever of 2 m: everything at the fixed end, R2 = wL, nothing at the tip.
        {"cantilever R2", member("beam", "m1", "B", 5, {{"span", "2"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r2", 2432, 0},
        {"cantilever R1", member("beam", "m1", "B", 5, {{"span", "2"}, {"load", "1000"}, {"width", "20"}, {"depth", "45"}}), "r1", 0, 0},
        // Column 20 x 20 cm, 3 m: 8000 + 2400 x 3 x 0.2 x 0.2 = 8288 kg, unfactored.
        {"column base", member("column", "m1", "C", 1, {{"load", "8000"}, {"width", "20"}, {"depth", "20"}, {"height", "3"}}), "base", 8288, 0},
        // Stair along the flight, 3 m between beams: the steps and waist slab D kg/m2
        // and the live load 300 over 1.5 m; D = 12 R + slab read from the run's own.
        {"stair live part", member("stair", "m1", "ST", 2, {{"span", "3"}, {"live_load", "300"}}), "support", -1, 450},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto load = portOf(c.source, c.port);
        ASSERT_TRUE(load);
        if (c.dead >= 0) {
            EXPECT_NEAR(load->dead, c.dead, 1e-3);
        }
        EXPECT_NEAR(load->live, c.live, 1e-3);
    }
}

// Listed footing first, resolved slab first: S1 -> B1 -> C2 -> C1 -> F1.
TEST(LinkResolver, ChainResolvedInDependencyOrder) {
    Project p = newProject(modules());
    p.members = {
        member("spreadfooting", "m1", "F1", 0, {}),
        member("column", "m2", "C1", 1, {{"width", "20"}, {"depth", "20"}, {"height", "3"}}),
        member("column", "m3", "C2", 1, {{"width", "15"}, {"depth", "15"}, {"height", "3"}}),
        member("beam", "m4", "B1", 1, {{"span", "4"}, {"width", "20"}, {"depth", "45"}}),
        member("slab", "m5", "S1", 2, {{"short_side", "3.5"}, {"long_side", "4"}, {"thickness", "12"}, {"live_load", "200"}}),
    };
    ASSERT_FALSE(setLink(p, 0, "load", {from("m2", "base")}, modules()));
    ASSERT_FALSE(setLink(p, 1, "load", {from("m3", "base")}, modules()));
    ASSERT_FALSE(setLink(p, 2, "load", {from("m4", "r1")}, modules()));
    ASSERT_FALSE(setLink(p, 3, "load", {from("m5", "long_edge"), typed(540, "ผนังก่ออิฐครึ่งแผ่นสูง 3 ม.")}, modules()));
    const Resolution r = resolveLinks(p, modules());
    EXPECT_EQ(r.order, (std::vector<std::size_t>{4, 3, 2, 1, 0}));
    // B1: 375.375 + 260.6771 + 540 = 1176.0521 kg/m (to four decimals).
    // R1 = (1176.0521 + 216) x 4 / 2 = 2784.1042; C2 base 2784.1042 + 2400 x 3 x 0.15^2
    // = 2946.1042; C1 base 2946.1042 + 288 = 3234.1042 on the footing.
    const std::pair<std::size_t, const char*> expected[] = {
        {3, "1176.0521"}, {2, "2784.1042"}, {1, "2946.1042"}, {0, "3234.1042"}};
    for (const auto& [i, text] : expected) {
        SCOPED_TRACE(p.members[i].name);
        const ResolvedField* f = resolvedField(r, i, "load");
        ASSERT_TRUE(f);
        EXPECT_EQ(f->text, text);
        EXPECT_TRUE(r.members[i].stops.empty());
    }
    // The dead and live parts travel apart: the live load reaches the footing only as
    // the slab's share, 260.677 x 4 / 2 = 521.35 kg.
    EXPECT_NEAR(resolvedField(r, 0, "load")->total.live, 260.6771 * 2, 0.02);
}

TEST(LinkResolver, RefusedLinksNameTheMembers) {
    Project base = newProject(modules());
    base.members = {
        member("column", "m1", "C1", 1, {}),
        member("column", "m2", "C2", 1, {}),
        member("slab", "m3", "S1", 2, {}),
    };
    ASSERT_FALSE(setLink(base, 0, "load", {from("m2", "base")}, modules()));
    struct Case {
        const char* what;
        std::size_t member;
        const char* field;
        LinkTerm term;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {"cycle", 1, "load", from("m1", "base"), {"วนกัน", "\"C1\"", "\"C2\""}},
        {"itself", 0, "load", from("m1", "base"), {"ตัวเอง", "\"C1\""}},
        {"dangling", 1, "load", from("m9", "base"), {"\"m9\"", "ไม่มีในโครงการ", "\"C2\""}},
        {"field taking none", 2, "thickness", typed(5, ""), {"\"thickness\"", "รับลิงก์", "\"S1\""}},
        {"unknown port", 1, "load", from("m3", "r1"), {"\"r1\"", "\"S1\"", "short_edge, long_edge"}},
        {"other unit", 1, "load", from("m3", "long_edge"), {"kg/m", "\"S1\""}},
        {"no count", 1, "load", from("m3", "long_edge", 0), {"\"S1\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p = base;
        const auto fault = setLink(p, c.member, c.field, {c.term}, modules());
        ASSERT_TRUE(fault);
        for (const std::string& s : c.says) EXPECT_NE(fault->find(s), std::string::npos) << *fault;
        EXPECT_EQ(p, base);  // a refused link changes nothing
        // The reader refuses the same link in a file, naming the file and the members.
        Project written = base;
        auto& links = written.members[c.member].links;
        std::erase_if(links, [&](const FieldLink& l) { return l.field == c.field; });
        links.push_back({c.field, {c.term}});
        const ReadOutcome read = parseProject(projectText(written, modules()), "x.mx7100", modules());
        ASSERT_FALSE(read.project);
        EXPECT_NE(read.error.find("x.mx7100"), std::string::npos);
        EXPECT_NE(read.error.find(c.says.back()), std::string::npos) << read.error;
    }
}

// A slab too thick stops on its input: the beam on it and the column under the beam
// are not designed, each with a numbered message naming the member it waits for. A
// column that runs but is not usable still passes its load and marks the footing.
TEST(LinkResolver, SourcesThatStopOrAreNotUsable) {
    Project p = newProject(modules());
    p.members = {
        member("slab", "m1", "S1", 2, {{"thickness", "40"}}),
        member("beam", "m2", "B1", 1, {{"span", "4"}}),
        member("column", "m3", "C1", 1, {}),
        member("column", "m4", "C2", 1, {{"load", "200000"}}),
        member("spreadfooting", "m5", "F1", 0, {}),
    };
    ASSERT_FALSE(setLink(p, 1, "load", {from("m1", "long_edge")}, modules()));
    ASSERT_FALSE(setLink(p, 2, "load", {from("m2", "r1", 2)}, modules()));
    ASSERT_FALSE(setLink(p, 4, "load", {from("m4", "base")}, modules()));
    const Resolution r = resolveLinks(p, modules());
    for (const auto& [i, source] : {std::pair<std::size_t, const char*>{1, "\"S1\""}, {2, "\"B1\""}}) {
        ASSERT_EQ(r.members[i].stops.size(), 1u);
        EXPECT_TRUE(r.members[i].stops[0].text.starts_with("1.ชิ้นส่วน " + std::string(source)));
        const MemberRun run = runLinkedMember(p.members[i], r.members[i], *mx::findModule(p.members[i].module), true);
        EXPECT_EQ(run.report.status, 1);
        EXPECT_FALSE(run.report.sheet);  // certifies nothing
    }
    EXPECT_EQ(r.members[4].notUsableBelow, std::vector<std::string>{"C2"});
    EXPECT_TRUE(r.members[4].stops.empty());
}

TEST(LinkResolver, UnlinkingKeepsTheLastValueAndTheFileKeepsTheLinks) {
    Project p = newProject(modules());
    p.members = {member("column", "m1", "C1", 1, {{"width", "20"}, {"depth", "20"}, {"height", "3"}}),
                 member("spreadfooting", "m2", "F1", 0, {})};
    ASSERT_FALSE(setLink(p, 1, "load", {from("m1", "base", 2), typed(1000.5, "ถังน้ำ \"1\""), {{}, {}, 1, 250, true, "คน"}},
                         modules()));
    // The file keeps the terms and no typed text for the linked field, and reads back.
    const std::string text = projectText(p, modules());
    EXPECT_EQ(text.find("\"load\": \"20000\""), std::string::npos);
    const ReadOutcome read = parseProject(text, "f.mx7100", modules());
    ASSERT_TRUE(read.project) << read.error;
    EXPECT_EQ(read.project->members[1].links, p.members[1].links);
    // 2 x 8288 + 1000.5 + 250 = 17826.5 stays as the footing's typed load.
    unlink(p, 1, "load", modules());
    EXPECT_TRUE(p.members[1].links.empty());
    EXPECT_EQ(p.members[1].state.fields.get("Text1"), "17826.5");
}

// The example house's interior column C1, worked by hand (service loads, kg):
//   slab S1 3.5 x 4 m, t 12 cm: 288 dead + 200 live kg/m2, m = 0.875; long edge share
//     3.5/3 x (3 - 0.875^2)/2 = 1.30339 m: 375.375 + 260.6771 kg/m
//   roof slab RS1 the same with 100 live: 375.375 + 130.3385 kg/m
//   balcony S2, cantilever 1.2 m: (288 + 300) x 1.2 = 345.6 + 360 kg/m
//   RB1 15 x 40, simple, 4 m: w = 505.7135, own 144; R2 = 649.7135 x 2 = 1299.427, two
//     of them 2598.854; C2 15 x 15 x 3 m adds 162: 2760.854
//   B1 20 x 45, simple: w = 636.0521 + wall 540 = 1176.0521, own 216; R2 = 2784.1042
//   B2 20 x 45, continuous: w = 636.0521 + 705.6 = 1341.6521; R1 = 1557.6521 x 2 = 3115.3042
//   C1 load 2760.854 + 2784.1042 + 3115.3042 = 8660.2624; its own 288: 8948.2624 on F1;
//   F1 adds 17 % and shares it on 2 piles: 8948.2624 x 1.17 / 2 = 5234.73 kg, the 5.2347 t
//   the blow count of P1 must prove (P1 itself, an 18 cm square pile of perimeter 72 cm, 12 m long, carries 7.704 t).
TEST(LinkResolver, TheExampleHousesInteriorColumnByHand) {
    const ReadOutcome read = readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", modules());
    ASSERT_TRUE(read.project) << read.error;
    const Project& p = *read.project;
    const Resolution r = resolveLinks(p, modules());
    const std::tuple<const char*, const char*, const char*> expected[] = {
        {"RB1", "load", "505.7135"}, {"C2", "load", "2598.854"}, {"B1", "load", "1176.0521"},
        {"B2", "load", "1341.6521"}, {"C1", "load", "8660.2624"}, {"F1", "load", "8948.2624"},
        {"F1", "pile_load", "7.704"}, {"P1-BC", "safe_load", "5.2347"},
    };
    for (const auto& [name, field, text] : expected) {
        SCOPED_TRACE(std::string(name) + " " + field);
        const auto it = std::find_if(p.members.begin(), p.members.end(), [&](const Member& m) { return m.name == name; });
        ASSERT_NE(it, p.members.end());
        const ResolvedField* f = resolvedField(r, static_cast<std::size_t>(it - p.members.begin()), field);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->text, text);
    }
}

// A girder G1 (25 x 60 cm, its own 0.24 x 25 x 60 = 360 kg/m, typed load 500 kg/m)
// carries two secondary beams B2 as a point load. B2: simple, 4 m, 20 x 45 (own 216),
// its load linked as 600 dead + 400 live: R2 = (600 + 216) x 2 = 1632 dead + 400 x 2
// = 800 live; two of them P1 = 3264 + 1600 = 4864 kg. The girder takes k x P / L on
// its w (the load aid's rule) and passes its reactions, dead and live apart:
//   simple 6 m, k 2: 2 x 4864 / 6 = 1621.3333 (1088 dead + 533.3333 live);
//     R1 = (500 + 1088 + 360) x 3 = 5844 dead, 533.3333 x 3 = 1600 live
//   end span 6 m, k 2.5: 2026.6667 (1360 + 666.6667); R2 = 5/8 x 6 x (500 + 1360 + 360)
//     = 8325 dead, 3.75 x 666.6667 = 2500 live
//   continuous 6 m, k 3: 2432 (1632 + 800); R1 = (500 + 1632 + 360) x 3 = 7476, 2400
//   cantilever 2 m, k 2: 4864 (3264 + 1600); R2 = (500 + 3264 + 360) x 2 = 8248, 3200
//   overhang 4 m as long as its span: no k, the girder stops on message 28 and the
//     column under it is not designed
//   P1 typed, not linked: the load aid's, w stays 500: R1 = (500 + 360) x 3 = 2580
TEST(LinkResolver, AGirderTakesABeamsReactionAsAPointLoad) {
    struct Case {
        const char* what;
        int type;
        const char *span, *overhang, *port;
        bool linked;
        std::vector<std::string> says;  // the sheet's lines, blanks run together
        double dead, live;       // the column's load from the girder
    };
    const Case cases[] = {
        {"simple", 1, "6", "?", "r1", true, {"k x P / L = 2 x 4864 / 6 = 1621.3333 กก./เมตร", "= 500 + 1621.3333 = 2121.3333 กก./เมตร"}, 5844, 1600},
        {"end span", 2, "6", "?", "r2", true, {"k x P / L = 2.5 x 4864 / 6 = 2026.6667 กก./เมตร", "= 500 + 2026.6667 = 2526.6667 กก./เมตร"}, 8325, 2500},
        {"continuous", 3, "6", "?", "r1", true, {"k x P / L = 3 x 4864 / 6 = 2432 กก./เมตร", "= 500 + 2432 = 2932 กก./เมตร"}, 7476, 2400},
        {"cantilever", 5, "2", "?", "r2", true, {"k x P / L = 2 x 4864 / 2 = 4864 กก./เมตร", "= 500 + 4864 = 5364 กก./เมตร"}, 8248, 3200},
        {"overhang as long as the span", 4, "4", "4", "r1", true, {}, -1, -1},
        {"typed, not linked", 1, "6", "?", "r1", false, {"ลงบนคาน = 500 กก./เมตร"}, 2580, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p = newProject(modules());
        p.members = {
            member("beam", "m1", "B2", 1, {{"span", "4"}, {"width", "20"}, {"depth", "45"}}),
            member("beam", "m2", "G1", c.type,
                   {{"span", c.span}, {"overhang", c.overhang}, {"load", "500"}, {"width", "25"}, {"depth", "60"}, {"p1", "4864"}}),
            member("column", "m3", "C1", 1, {{"width", "25"}, {"depth", "25"}, {"height", "3"}}),
        };
        ASSERT_FALSE(setLink(p, 0, "load", {typed(600, "พื้น"), {{}, {}, 1, 400, true, "คน"}}, modules()));
        if (c.linked) {
            ASSERT_FALSE(setLink(p, 1, "p1", {from("m1", "r2", 2)}, modules()));
        }
        ASSERT_FALSE(setLink(p, 2, "load", {from("m2", c.port)}, modules()));
        const Resolution r = resolveLinks(p, modules());
        const MemberRun girder = runLinkedMember(p.members[1], r.members[1], *mx::findModule("beam"), true);
        std::string sheet;
        for (const mx::PageText& t : girder.report.sheet.value_or(mx::PageModel{}).texts())
            for (const char ch : t.text + "\n")
                if (ch != ' ' || sheet.empty() || sheet.back() != ' ') sheet += ch;
        for (const std::string& line : c.says) EXPECT_NE(sheet.find(line), std::string::npos) << line << "\n" << sheet;
        EXPECT_EQ(sheet.find("ลิงก์มา") != std::string::npos, c.linked && c.dead >= 0);
        // The take-down lists the point load with the beams it comes from.
        std::string takedown;
        addTakedownPages(p, r, "", 1, 1, [&](const mx::PageModel& page) {
            for (const mx::PageText& t : page.texts()) takedown += t.text + "\n";
            return true;
        });
        EXPECT_EQ(takedown.find("แรง P1 ( กก.) (kg)\nB2") != std::string::npos, c.linked) << takedown;
        if (c.dead < 0) {
            ASSERT_FALSE(girder.report.messages.empty());
            EXPECT_TRUE(girder.report.messages[0].text.starts_with("28.")) << girder.report.messages[0].text;
            EXPECT_EQ(r.members[2].stops.size(), 1u);
            continue;
        }
        const ResolvedField* load = resolvedField(r, 2, "load");
        ASSERT_TRUE(load);
        EXPECT_NEAR(load->total.dead, c.dead, 1e-3);
        EXPECT_NEAR(load->total.live, c.live, 1e-3);
    }
}
