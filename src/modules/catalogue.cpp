#include "modules/catalogue.h"

#define MX_MODULE(folder) \
    namespace mx::folder { \
    std::vector<ModuleDescription> descriptions(); \
    }
#include "modules.def"
#undef MX_MODULE

namespace mx {

const std::vector<ModuleDescription>& allModules() {
    static const std::vector<ModuleDescription> all = [] {
        std::vector<ModuleDescription> out;
        const auto add = [&out](std::vector<ModuleDescription> more) {
            for (ModuleDescription& m : more) out.push_back(std::move(m));
        };
#define MX_MODULE(folder) add(folder::descriptions());
#include "modules.def"
#undef MX_MODULE
        return out;
    }();
    return all;
}

const ModuleDescription* findModule(std::string_view name) { return findModule(allModules(), name); }

}  // namespace mx
