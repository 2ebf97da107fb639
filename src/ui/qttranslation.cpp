#include "ui/qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTranslator>

namespace mx::ui {

QTranslator* installQtThaiTranslation(QCoreApplication& app) {
    const QString installed = QStringLiteral(MX_TRANSLATIONS_INSTALL_DIR);
    const QStringList dirs{
        QDir::isAbsolutePath(installed) ? installed
                                        : QCoreApplication::applicationDirPath() + QStringLiteral("/../") + installed,
        QStringLiteral(MX_TRANSLATIONS_BUILD_DIR),
    };
    auto* translator = new QTranslator(&app);
    for (const QString& dir : dirs) {
        if (translator->load(QStringLiteral("qt_th"), dir) && QCoreApplication::installTranslator(translator))
            return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace mx::ui
