#pragma once
// Qt's own dialogs in Thai. The program's texts are Thai, but the dialogs Qt itself
// draws (the standard buttons of the program's questions, the file, print, page-setup
// and preview dialogs, the overwrite question, the text fields' context menu) come in
// English unless a translation is installed, and Qt ships none for Thai. The program
// ships its own (translations/qt_th.ts, built to qt_th.qm).
class QCoreApplication;
class QTranslator;

namespace mx::ui {

// Loads the Thai translation of Qt's texts and installs it in the application: from
// where the package installs it beside the program (bin/../share/mx7100/translations),
// or, for a program run from its build folder, from where the build made it. Returns
// the installed translator (owned by the application), or nullptr when none was
// found, which leaves Qt's own English.
QTranslator* installQtThaiTranslation(QCoreApplication& app);

}  // namespace mx::ui
