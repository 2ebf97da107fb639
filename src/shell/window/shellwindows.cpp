#include "shell/window/shellwindows.h"

#include "shell/window/identity.h"
#include "ui/registry.h"

namespace mx::shell {

void registerShellWindows() {
    auto& r = ui::WindowRegistry::instance();
    r.add(QStringLiteral("t01"), [] { return new IdentityWindow; });
}

}  // namespace mx::shell
