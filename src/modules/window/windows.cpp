#include "modules/window/windows.h"

#define MX_MODULE(folder) \
    namespace mx::folder { \
    void registerWindows(); \
    }
#include "modules.def"
#undef MX_MODULE

namespace mx {

void registerModuleWindows() {
#define MX_MODULE(folder) folder::registerWindows();
#include "modules.def"
#undef MX_MODULE
}

}  // namespace mx
