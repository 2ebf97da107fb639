#include "shell/window/shellwindows.h"

#include "shell/window/calculatorwindow.h"
#include "shell/window/identity.h"
#include "shell/window/pagemaker.h"
#include "ui/registry.h"

namespace mx::shell {

void registerWindows() {
    auto& r = ui::WindowRegistry::instance();
    r.add(QStringLiteral("t01"), [] { return new IdentityWindow; });
    r.add(QStringLiteral("fcal"), [] { return new CalculatorWindow; });
    r.add(QStringLiteral("cover01"), [] { return new PageMakerWindow(PageMakerWindow::Kind::Cover); });
    r.add(QStringLiteral("cover02"), [] { return new PageMakerWindow(PageMakerWindow::Kind::Criteria); });
    r.add(QStringLiteral("about"), [] { return new AboutWindow; });
}

}  // namespace mx::shell
