// mx7100: the desktop program. It opens the main menu and nothing else; the menu
// opens the design modules and keeps the project.
#include <QApplication>

#include "modules/catalogue.h"
#include "modules/window/windows.h"
#include "project/window/projectmenu.h"
#include "project/window/projectwindow.h"
#include "project/window/session.h"
#include "shell/window/artwork.h"
#include "shell/window/mainmenu.h"
#include "ui/qttranslation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mx::ui::installQtThaiTranslation(app);  // Qt's own dialogs and buttons in Thai
    QApplication::setApplicationName(QStringLiteral("MX7100"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setOrganizationName(QStringLiteral("TALVEN"));
    QApplication::setWindowIcon(mx::shell::programIcon());
    mx::project::ProjectSession session(mx::allModules());
    mx::registerModuleWindows();
    mx::project::registerProjectWindow(session);
    mx::shell::MainMenu menu;
    mx::project::attachProjectMenu(menu, session);
    // A project named on the command line opens at once.
    if (argc > 1) session.openFile(QString::fromLocal8Bit(argv[1]), &menu);
    menu.show();
    return QApplication::exec();
}
