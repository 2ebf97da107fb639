// mx7100: the desktop program. It opens the main menu and nothing else; the menu
// opens the design modules.
#include <QApplication>

#include "app/modules.h"
#include "shell/window/artwork.h"
#include "shell/window/mainmenu.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MX7100"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setWindowIcon(mx::shell::programIcon());
    registerModuleWindows();
    mx::shell::MainMenu menu;
    menu.show();
    return QApplication::exec();
}
