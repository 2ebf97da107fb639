#pragma once
// What every test of the project in the program starts from: a session over every
// module, a prompter that records each box, file names scripted in place of the file
// dialogs, a folder of the test's own and the example house.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "modules/catalogue.h"
#include "modules/window/windows.h"
#include "project/window/session.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mxtest {

using mx::project::Member;

struct ScriptedFiles : mx::project::ProjectFiles {
    QString path;
    QString openPath(QWidget*) override { return path; }
    QString savePath(QWidget*, const QString&) override { return path; }
};

struct Project : ::testing::Test {
    static void SetUpTestSuite() {
        // The recent projects go to a folder of the test's own, never the user's settings.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QCoreApplication::setOrganizationName(QStringLiteral("MX7100-tests"));
        mx::registerModuleWindows();
    }
    void TearDown() override {
        mx::ui::WindowRegistry::instance().closeAll();
        QApplication::processEvents();
        mx::project::setProjectFiles(nullptr);
    }
    QString file(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    void openHouse() { ASSERT_TRUE(session.openFile(QStringLiteral(MX_EXAMPLES_DIR "/house.mx7100"), nullptr)); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Member& m : session.project().members) out.push_back(m.name);
        return out;
    }

    mx::ui::RecordingPrompter rec;
    mx::project::ProjectSession session{mx::allModules()};
    ScriptedFiles files;
    QTemporaryDir dir;
};

}  // namespace mxtest
