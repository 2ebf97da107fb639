#include <gtest/gtest.h>

#include "common/cli.h"
#include "shell/cover_module.h"
#include "shell/coverpages.h"

using namespace mx;

TEST(PageTool, RunsWithTheWindowDefaultsAndPrintsTheFieldsAsSet) {
    struct Case {
        ModuleDescription module;
        FieldSet defaults;
        PageModel (*page)(const FieldSet&);
    };
    const Case cases[] = {
        {shell::coverDescription(), shell::coverDefaults(), &shell::coverPage},
        {shell::criteriaDescription(), shell::criteriaDefaults(), &shell::criteriaPage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module.name);
        ASSERT_TRUE(c.module.run);
        EXPECT_EQ(c.module.defaults.entries(), c.defaults.entries());

        cli::Invocation inv;
        ASSERT_FALSE(cli::parseSettings(c.module, {"Text3=นายสมศักดิ์ มั่นคง", "Text4=", "--sheet", "x.pdf"}, inv));
        EXPECT_EQ(inv.sheetPath, "x.pdf");
        const cli::Report r = cli::runModule(c.module, inv.state, true);
        EXPECT_FALSE(r.status);
        EXPECT_FALSE(r.verdict);
        EXPECT_TRUE(r.messages.empty());
        ASSERT_TRUE(r.sheet);
        EXPECT_EQ(r.sheet->lines(), c.page(inv.state.fields).lines());
        bool engineer = false;
        for (const auto& t : r.sheet->texts()) {
            engineer = engineer || (t.text == "นายสมศักดิ์ มั่นคง" && t.x == 8000 && t.y == 13500);
            EXPECT_NE(t.y, 14000);  // the emptied registration prints nothing
        }
        EXPECT_TRUE(engineer);

        // Without --sheet there is no page; a type setting is refused.
        FieldSet untouched = c.defaults;
        FormState state{untouched, 0, {}};
        EXPECT_FALSE(cli::runModule(c.module, state, false).sheet);
        cli::Invocation bad;
        EXPECT_TRUE(cli::parseSettings(c.module, {"type=1"}, bad));
        const std::string json = cli::toJson(c.module, inv.state, r);
        EXPECT_NE(json.find("\"status\": null"), std::string::npos);
        EXPECT_NE(json.find("\"verdict\": null"), std::string::npos);
    }
}
