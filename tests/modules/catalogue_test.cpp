// The one list of modules: every folder's descriptions gathered once, each name once.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "modules/catalogue.h"

namespace {

TEST(Catalogue, EveryModuleHasOneNameAndIsFoundByIt) {
    std::set<std::string> seen;
    for (const mx::ModuleDescription& m : mx::allModules()) {
        SCOPED_TRACE(m.name);
        EXPECT_FALSE(m.name.empty());
        EXPECT_TRUE(seen.insert(m.name).second) << "described twice";
        EXPECT_EQ(mx::findModule(m.name), &m);
        EXPECT_TRUE(m.run) << "no run";
        EXPECT_FALSE(m.defaults.entries().empty()) << "no fields";
    }
    EXPECT_EQ(mx::findModule("nosuchmodule"), nullptr);
}

// Every module's field table was read whole from its data file: each object name and
// short name once, and the defaults the module starts from are the table's.
TEST(Catalogue, EveryModulesFieldTableReadsWhole) {
    for (const mx::ModuleDescription& m : mx::allModules()) {
        SCOPED_TRACE(m.name);
        std::set<std::string> objects, names;
        for (const mx::FieldInfo& f : m.fields) {
            EXPECT_TRUE(objects.insert(f.object).second) << f.object;
            EXPECT_TRUE(names.insert(f.name).second) << f.name;
        }
        EXPECT_FALSE(m.fields.empty());
        EXPECT_EQ(mx::defaultsOf(m.fields).entries(), m.defaults.entries());
    }
    EXPECT_EQ(mx::dataTableProblems(), std::vector<std::string>{});
}

TEST(Catalogue, TheToolListsTheModulesInTheListsOrder) {
    std::vector<std::string> names;
    for (const mx::ModuleDescription& m : mx::allModules()) names.push_back(m.name);
    EXPECT_EQ(names, (std::vector<std::string>{"beam", "slab", "column", "stair", "spreadfooting", "pilecap", "pile",
                                               "blow", "cover", "criteria"}));
}

}  // namespace
