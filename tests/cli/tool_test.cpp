// The headless tool's own behaviour: the field tables against the modules, the help,
// short names, settings typed through the field rules against --raw, CSV reading and
// batch runs.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/tool.h"
#include "common/numtext.h"
#include "common/utf8.h"

namespace {

using namespace mx;
using namespace mx::cli;

const std::vector<ModuleDescription>& modules() {
    static const std::vector<ModuleDescription> all = allModules();
    return all;
}

const ModuleDescription& module(const std::string& name) {
    const ModuleDescription* m = findModule(modules(), name);
    if (!m) throw std::runtime_error("no module " + name);
    return *m;
}

// The JSON a run gives, and the messages typed before Calculate.
struct ToolOutcome {
    std::optional<std::string> error;
    Invocation inv;
    Report report;
    std::string json;
};
ToolOutcome run(const std::string& name, const std::vector<std::string>& args, SettingMode mode) {
    ToolOutcome r;
    r.error = parseSettings(module(name), args, r.inv, mode);
    if (!r.error) {
        r.report = runInvocation(module(name), r.inv, false);
        r.json = toJson(module(name), r.inv.state, r.report);
    }
    return r;
}

TEST(FieldTables, EveryModuleReadsExactlyItsTableWithItsDefaults) {
    for (const ModuleDescription& m : modules()) {
        SCOPED_TRACE(m.name);
        ASSERT_FALSE(m.fields.empty());
        EXPECT_EQ(defaultsOf(m.fields).entries(), m.defaults.entries());
        std::set<std::string> names;
        for (const FieldInfo& f : m.fields) {
            EXPECT_TRUE(names.insert(f.object).second) << "object name twice: " << f.object;
            EXPECT_TRUE(names.insert(f.name).second) << "short name twice: " << f.name;
            EXPECT_STRNE(f.caption, "") << f.object;
            // Short names are what scripts type: lower case, and never a batch column.
            for (const char* c = f.name; *c; ++c) EXPECT_TRUE(std::islower(*c) || std::isdigit(*c) || *c == '_') << f.name;
        }
        for (const char* reserved : {"type", "grade", "module"}) EXPECT_FALSE(names.count(reserved)) << reserved;
    }
}

TEST(Help, ListsEveryModuleAndEveryFieldWithItsDefaultTypesAndGrades) {
    const std::string all = toolHelp(modules());
    for (const ModuleDescription& m : modules()) {
        SCOPED_TRACE(m.name);
        EXPECT_NE(all.find("  " + m.name + " "), std::string::npos);
        const std::string help = moduleHelp(m);
        std::istringstream lines(help);
        std::string line;
        std::vector<std::string> rows;
        while (std::getline(lines, line)) rows.push_back(line);
        for (const FieldInfo& f : m.fields) {
            // One line holds the object name, short name, unit, quoted default and caption.
            bool listed = false;
            for (const std::string& row : rows)
                listed |= row.starts_with("  " + std::string(f.object) + " ") && row.find(" " + std::string(f.name) + " ") != std::string::npos &&
                          row.find(jsonString(f.defaultText)) != std::string::npos && row.ends_with(f.caption);
            EXPECT_TRUE(listed) << f.object;
        }
        for (const TypeInfo& t : m.types) {
            bool listed = false;
            for (const std::string& row : rows)
                listed |= row.starts_with("  " + std::to_string(t.code) + " ") && row.ends_with(" " + t.caption);
            EXPECT_TRUE(listed) << t.code;
        }
        if (m.pressGrade) {
            for (const char* g : {"SR24", "SD30", "SD35", "SD40"}) EXPECT_NE(help.find(std::string("  ") + g), std::string::npos);
        }
    }
    // The grades say what they write: the beam's fs for SD40.
    EXPECT_NE(moduleHelp(module("beam")).find("SD40  fs=1700"), std::string::npos);
    EXPECT_NE(moduleHelp(module("column")).find("SD40  fs=1600"), std::string::npos);
}

// A design of each module written with short names; the same settings by object
// name must give the same JSON, typed and raw.
TEST(ShortNames, GiveTheSameDesignAsObjectNames) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> designs{
        {"beam", {"type=1", "grade=SD30", "span=4", "load=1200", "width=25", "depth=50"}},
        {"slab", {"type=2", "short_side=3", "long_side=4", "continuity=2", "thickness=11"}},
        {"column", {"type=1", "load=24000", "width=20", "depth=20", "height=3.5"}},
        {"stair", {"type=1", "span=1.5", "thickness=12", "riser=17"}},
        {"spreadfooting", {"load=30000", "soil_pressure=12", "bar=16"}},
        {"pilecap", {"load=90000", "pile_load=30", "pile_width=26"}},
        {"pile", {"type=2", "size=126", "length=18"}},
        {"blow", {"type=1", "area=484", "safe_load=30", "blows=60"}},
        {"criteria", {"live_load=400", "engineer=นายช่าง"}},
    };
    for (const auto& [name, shortArgs] : designs) {
        SCOPED_TRACE(name);
        std::vector<std::string> objectArgs;
        for (const std::string& a : shortArgs) {
            const std::string key = a.substr(0, a.find('='));
            const FieldInfo* f = findField(module(name).fields, key);
            objectArgs.push_back(f ? std::string(f->object) + a.substr(a.find('=')) : a);
        }
        EXPECT_NE(objectArgs, shortArgs);
        for (SettingMode mode : {SettingMode::Typed, SettingMode::Raw}) {
            const ToolOutcome byShort = run(name, shortArgs, mode), byObject = run(name, objectArgs, mode);
            ASSERT_FALSE(byShort.error) << *byShort.error;
            ASSERT_FALSE(byObject.error) << *byObject.error;
            EXPECT_EQ(byShort.json, byObject.json);
        }
    }
}

TEST(ShortNames, AnUnknownNameSuggestsTheClosestKnownOne) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"beam", "widht=30", "did you mean width?"},
        {"beam", "Text99=1", "did you mean Text9"},  // Text9 is not a beam field; the nearest is
        {"slab", "thicknes=12", "did you mean thickness?"},
        {"pile", "lenght=20", "did you mean length?"},
        {"column", "typ=1", "did you mean type?"},
    };
    for (const auto& [name, arg, hint] : cases) {
        const ToolOutcome r = run(name, {arg}, SettingMode::Typed);
        ASSERT_TRUE(r.error) << arg;
        EXPECT_EQ(r.error->find('\n'), std::string::npos);
        if (arg == "Text99=1") {
            EXPECT_NE(r.error->find("did you mean Text"), std::string::npos) << *r.error;
        } else {
            EXPECT_NE(r.error->find(hint), std::string::npos) << *r.error;
        }
    }
    // Short names are read in any letter case; object names only as the window spells them.
    EXPECT_FALSE(run("beam", {"Width=30"}, SettingMode::Typed).error);
    EXPECT_TRUE(run("beam", {"text3=30"}, SettingMode::Typed).error);
}

// A setting the tool refuses, as the message on standard error reads: the wrong thing
// quoted as typed, escaped and cut to one short line, with the closest right name.
TEST(Settings, ARefusedSettingIsQuotedOnOneLineWithTheClosestName) {
    const std::string ellipsis = "\xE2\x80\xA6";
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"beam", "grade=sd30", "unknown grade 'sd30' (did you mean SD30?"},
        {"beam", "grade=SD.30", "unknown grade 'SD.30' (did you mean SD30?"},
        {"beam", "type=-0", "module beam has no type '-0' (did you mean 1?)"},
        {"beam", "type=01", "module beam has no type '01' (did you mean 1?)"},
        {"beam", "type=+2", "module beam has no type '+2' (did you mean 2?)"},
        {"cover", "type=1", "module cover has no type '1'"},
        {"beam", "wi\x1b[31mdth=3", "no input field 'wi\\x1b[31mdth' (did you mean width?)"},
        {"beam", "span\nwidth=3", "no input field 'span\\nwidth' (did you mean width?)"},
        {"beam", "\xBE\xD4=3", "no input field '\\xbe\\xd4'"},
        {"beam", "widht" + std::string(10u << 20, 'z') + "=3", "no input field 'widht" + std::string(75, 'z') + ellipsis + "'"},
        {"beam", std::string(5000, '\r'), "malformed setting '\\r\\r"},
    };
    for (const auto& [name, arg, fragment] : cases) {
        const ToolOutcome r = run(name, {arg}, SettingMode::Typed);
        ASSERT_TRUE(r.error) << arg.substr(0, 40);
        EXPECT_NE(r.error->find(fragment), std::string::npos) << *r.error;
        EXPECT_EQ(r.error->find_first_of("\n\r\x1b"), std::string::npos) << *r.error;
        EXPECT_TRUE(isUtf8(*r.error));
        EXPECT_LT(r.error->size(), 400u);
    }
    // Exactly as the help lists them, nothing else.
    for (const char* g : {"SR24", "SD30", "SD35", "SD40"}) EXPECT_FALSE(run("beam", {std::string("grade=") + g}, SettingMode::Typed).error);
    std::vector<std::string> tooLong{"member=ok", std::string(100, '\x1b') + "=" + std::string(5000, 'x')};
    std::ostringstream notes;
    const auto refused = checkArguments(tooLong, notes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("the text of '\\x1b\\x1b"), std::string::npos) << *refused;
    EXPECT_LT(refused->size(), 600u);
}

// A field over its limit, typed and raw: the field's rule shows its message and writes
// its correction only when typed; the design then reads the corrected text.
TEST(TypedSettings, RunTheFieldRuleBeforeCalculateAndRawDoesNot) {
    struct Case {
        std::string module, setting, field, typedText, rawText, firstTitle;
    };
    const std::vector<Case> cases{
        {"beam", "width=2608", "Text3", "20", "2608", "ความกว้างของคานมากเกินไป"},
        {"slab", "thickness=35", "Text4", "20", "35", "เตือนพื้นหนาเกินกว่ามาตรฐาน"},
        {"column", "height=15", "Text5", "3", "15", "เสาสูงผิดปรกติ"},
        {"stair", "riser=25", "Text4", "18", "25", "ลูกตั้งขั้นบันไดสูงเกินมาตรฐาน"},
        {"spreadfooting", "fs=2000", "Text6", "1200", "2000", "ค่าหน่วยแรงดึงของเหล็ก fs มากกว่ากำหนด"},
        {"pilecap", "pile_load=600", "Text3", "36", "600", "เสาเข็มรับ นน. มากผิดปรกติ"},
        {"pile", "length=100", "Text2", "21", "100", "เสาเข็มยาวผิดปรกติ"},
        {"blow", "hammer=100", "Text9", "3", "100", "ลูกตุ้มที่ใช้ตอกหนักผิดปรกติ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module + " " + c.setting);
        const ToolOutcome typed = run(c.module, {c.setting}, SettingMode::Typed);
        const ToolOutcome raw = run(c.module, {c.setting}, SettingMode::Raw);
        ASSERT_FALSE(typed.error);
        ASSERT_FALSE(raw.error);
        EXPECT_EQ(typed.inv.state.fields.get(c.field), c.typedText);
        EXPECT_EQ(raw.inv.state.fields.get(c.field), c.rawText);
        ASSERT_FALSE(typed.inv.typedMessages.empty());
        EXPECT_TRUE(raw.inv.typedMessages.empty());
        // The rule's message comes first, before Calculate's own.
        ASSERT_FALSE(typed.report.messages.empty());
        EXPECT_EQ(typed.report.messages.front().title, c.firstTitle);
        for (const Message& m : raw.report.messages) EXPECT_NE(m.title, c.firstTitle);
        // --raw among the settings means raw whatever the mode asked.
        const ToolOutcome flagged = run(c.module, {c.setting, "--raw"}, SettingMode::Typed);
        EXPECT_EQ(flagged.inv.state.fields.get(c.field), c.rawText);
    }
}

TEST(TypedSettings, TheBeamSpanSuggestsItsSectionAndLaterSettingsWin) {
    const ToolOutcome r = run("beam", {"type=1", "span=4", "width=25"}, SettingMode::Typed);
    ASSERT_FALSE(r.error);
    EXPECT_NE(r.inv.state.fields.get("Text2"), "150");  // the span's load suggestion
    EXPECT_EQ(r.inv.state.fields.get("Text3"), "25");
}

TEST(Csv, ReadsQuotedCellsLineEndsAndBlankLines) {
    const auto rec = parseCsv("\xEF\xBB\xBFmodule,member\r\nbeam,\"B1, \"\"west\"\"\"\r\n\r\n\nslab,\"two\nlines\"\n,\n");
    ASSERT_EQ(rec.size(), 4u);
    EXPECT_EQ(rec[0].cells, (std::vector<std::string>{"module", "member"}));
    EXPECT_EQ(rec[1].cells, (std::vector<std::string>{"beam", "B1, \"west\""}));
    EXPECT_EQ(rec[2].cells, (std::vector<std::string>{"slab", "two\nlines"}));
    EXPECT_EQ(rec[3].cells, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(rec[2].row, 5);  // the blank lines are rows of the sheet
    EXPECT_EQ(rec[3].row, 6);  // the line break inside a quoted cell is not
    EXPECT_TRUE(parseCsv("").empty());
    const auto open = parseCsv("module\n\"beam\n");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[1].row, 2);
    EXPECT_NE(open[1].error.find("never closed"), std::string::npos);
}

TEST(Batch, MixedModulesWithBadRowsEachOnItsOwnLineInRowOrder) {
    CsvReader rec("module,type,grade,span,width,depth,load,thickness,size\n"
                          "beam,1,SD30,4,25,50,1200,,\n"
                          "slab,2,,,,,,11,\n"
                          "beem,1,,,,,,,\n"           // no such module
                          "pile,2,,,,,,,126\n"
                          "column,1,,,,,,12,\n"       // the column has no thickness
                          "stair,9,,,,,,,\n"          // no such type
                          "spreadfooting,,SD30,,,,30000,,,extra\n"  // a cell too many
                          "pilecap,, SD30 ,,,,90000,,\n");
    std::ostringstream out, progress;
    int sheets = 0;
    const BatchSummary s = runBatch(modules(), rec, SettingMode::Typed, out, progress, [&sheets](const PageModel&) {
        ++sheets;
        return true;
    });
    EXPECT_EQ(s.designs, 4);
    EXPECT_EQ(s.bad, 4);
    EXPECT_EQ(s.pages, 4);
    EXPECT_EQ(sheets, 4);
    EXPECT_TRUE(progress.str().empty());  // a short batch says nothing
    std::istringstream lines(out.str());
    std::vector<std::string> got;
    for (std::string l; std::getline(lines, l);) got.push_back(l);
    ASSERT_EQ(got.size(), 8u);
    const std::vector<std::string> starts{
        "{\"row\": 2, \"page\": 1, \"module\": \"beam\", \"status\": 2",
        "{\"row\": 3, \"page\": 2, \"module\": \"slab\", \"status\": 2",
        "{\"row\": 4, \"error\": \"unknown module 'beem' (did you mean beam?)\"}",
        "{\"row\": 5, \"page\": 3, \"module\": \"pile\"",
        "{\"row\": 6, \"error\": \"module column has no input field 'thickness'",
        "{\"row\": 7, \"error\": \"module stair has no type '9' (did you mean 1?)\"}",
        "{\"row\": 8, \"error\": \"the row has 10 cells, the header 9\"}",
        // Its default RB25 cannot be anchored in the cap: designed, not usable.
        "{\"row\": 9, \"page\": 4, \"module\": \"pilecap\", \"status\": 1",
    };
    for (std::size_t i = 0; i < starts.size(); ++i) EXPECT_TRUE(got[i].starts_with(starts[i])) << got[i];
}

TEST(Batch, LongBatchesReportProgressAndAHeaderWithoutModuleStops) {
    std::string csv = "module,member\n";
    for (int i = 0; i < 120; ++i) csv += "criteria,x\n";
    CsvReader rec(csv);
    std::ostringstream out, progress;
    EXPECT_EQ(runBatch(modules(), rec, SettingMode::Typed, out, progress).bad, 120);  // criteria has no member field
    EXPECT_NE(progress.str().find("120 of 120"), std::string::npos);

    CsvReader noModule("kind,span\nbeam,4\n");
    std::ostringstream out2;
    const BatchSummary s = runBatch(modules(), noModule, SettingMode::Typed, out2, progress);
    EXPECT_EQ(s.bad, 1);
    EXPECT_TRUE(s.headerBad);
    EXPECT_EQ(out2.str(), "{\"row\": 1, \"error\": \"the header names no module column\"}\n");
}

}  // namespace
