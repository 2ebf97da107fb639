// Every folder of the list brings its windows, and every module a project member may
// be opens a window of its own.
#include <gtest/gtest.h>

#include "modules/catalogue.h"
#include "modules/window/windows.h"
#include "project/project.h"
#include "ui/registry.h"

#define MX_MODULE(folder) \
    namespace mx::folder { \
    void registerWindows(); \
    }
#include "modules.def"
#undef MX_MODULE

namespace {

struct Folder {
    const char* name;
    void (*registerWindows)();
};
const Folder kFolders[] = {
#define MX_MODULE(folder) {#folder, &mx::folder::registerWindows},
#include "modules.def"
#undef MX_MODULE
};

TEST(ModuleWindows, EveryListedFolderRegistersWindows) {
    auto& registry = mx::ui::WindowRegistry::instance();
    for (const Folder& f : kFolders) {
        const std::size_t before = registry.count();
        f.registerWindows();
        EXPECT_GT(registry.count(), before) << f.name << " registers no window";
    }
}

TEST(ModuleWindows, EveryMemberModuleHasItsWindow) {
    mx::registerModuleWindows();
    const auto& registry = mx::ui::WindowRegistry::instance();
    for (const mx::ModuleDescription& m : mx::allModules()) {
        if (!mx::project::isMemberModule(m)) continue;
        const QString window = registry.windowOfModule(m.name);
        EXPECT_FALSE(window.isEmpty()) << m.name << " has no window";
        EXPECT_TRUE(registry.has(window)) << m.name;
    }
}

}  // namespace
