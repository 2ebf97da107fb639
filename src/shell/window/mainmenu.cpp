#include "shell/window/mainmenu.h"

namespace mx::shell {

MainMenu::MainMenu(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MX5100"));
    setWindowTitle(QStringLiteral("TALVEN - MX7100  V. 2.00"));
}

}  // namespace mx::shell
