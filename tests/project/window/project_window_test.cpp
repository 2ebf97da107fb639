// The project in the program: members stored from their windows and opened again, the
// project window's list, the question before unsaved changes are lost, and a file
// that cannot be opened.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "modules/window/windows.h"
#include "cli/tool.h"
#include "project/window/projectmenu.h"
#include "project/takeoff.h"
#include "project/window/projectwindow.h"
#include "project/window/session.h"
#include "shell/window/mainmenu.h"
#include "ui/memberwindow.h"
#include "ui/prompter.h"
#include "ui/registry.h"
#include "modules/catalogue.h"
#include "project/window/project_fixture.h"

namespace {

using mx::project::Member;
using mx::ui::SaveChoice;

using mxtest::Project;
using mxtest::ScriptedFiles;

struct StoreCase {
    const char* window;
    int type;
    const char* gradeButton;  // none for a module without grades
    std::optional<mx::SteelGrade> grade;
    const char* field;
    const char* text;
    const char* again;  // typed after it was opened again, then stored
};

TEST_F(Project, AMemberStoredFromItsWindowOpensAgainAsStored) {
    const StoreCase cases[] = {
        {"Beam01", 4, "Command13", mx::SteelGrade::SD35, "Text1", "5.5", "6"},
        {"slab", 1, "Command6", mx::SteelGrade::SD40, "Text1", "400", "250"},
        {"column", 2, "Command6", mx::SteelGrade::SD40, "Text1", "12000", "9000"},
        {"ST01", 3, "Command5", mx::SteelGrade::SD35, "Text1", "1.5", "1.1"},
        {"foot00", 0, "Command4", mx::SteelGrade::SD30, "Text3", "8", "10"},
        {"foot01", 0, "Command6", mx::SteelGrade::SD40, "Text1", "60000", "70000"},
        {"pile", 2, nullptr, {}, "Text1", "18", "20"},
        {"blow", 1, nullptr, {}, "Text1", "324", "400"},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.window);
        auto* w = qobject_cast<mx::ui::MemberWindow*>(mx::ui::showWindow(QString::fromLatin1(c.window)));
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->chooseMemberType(c.type));
        if (c.gradeButton) w->findChild<QAbstractButton*>(QString::fromLatin1(c.gradeButton))->click();
        w->field(c.field)->setText(QString::fromUtf8(c.text));
        rec.clear();
        rec.textAnswers = {std::string(c.window)};
        w->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
        ASSERT_FALSE(session.project().members.empty());
        const Member stored = session.project().members.back();
        EXPECT_EQ(stored.name, c.window);
        EXPECT_EQ(stored.state.typeCode, c.type);
        EXPECT_EQ(stored.state.grade, c.grade);
        EXPECT_EQ(stored.state.fields.get(c.field), c.text);
        EXPECT_TRUE(session.modified());

        // Opened again in a fresh window: the same inputs, type and grade, calculated.
        mx::ui::WindowRegistry::instance().closeAll();
        QApplication::processEvents();
        session.openMember(session.project().members.size() - 1, nullptr);
        w = qobject_cast<mx::ui::MemberWindow*>(mx::ui::WindowRegistry::instance().find(QString::fromLatin1(c.window)));
        ASSERT_NE(w, nullptr);
        Member shown = w->member();
        shown.name = stored.name;
        // The title block's empty member line shows the member's name.
        const Member expected = mx::project::withTitleBlock(stored, *mx::findModule(session.modules(), stored.module),
                                                            session.project().titleBlock);
        EXPECT_EQ(shown.state.typeCode, expected.state.typeCode);
        EXPECT_EQ(shown.state.grade, expected.state.grade);
        EXPECT_EQ(shown.state.fields.entries(), expected.state.fields.entries());
        EXPECT_FALSE(w->resultsOutOfDate());

        // Stored again, it goes back over the member it came from.
        const std::size_t count = session.project().members.size();
        w->field(c.field)->setText(QString::fromUtf8(c.again));
        w->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
        EXPECT_EQ(session.project().members.size(), count);
        EXPECT_EQ(session.project().members.back().state.fields.get(c.field), c.again);
        EXPECT_EQ(session.project().members.back().id, stored.id);
    }
}

TEST_F(Project, ANewWindowsTitleBlockStartsFromTheProjectsDefaults) {
    session.setTitleBlock({"บ้านพัก", "นายช่าง", "วย.1"});
    auto* w = qobject_cast<mx::ui::MemberWindow*>(mx::ui::showWindow(QStringLiteral("slab")));
    const mx::ProjectTitleBlock tb = w->titleBlock();
    EXPECT_EQ(tb.project, "บ้านพัก");
    EXPECT_EQ(tb.engineer, "นายช่าง");
    EXPECT_EQ(tb.registration, "วย.1");
}

struct ListCase {
    const char* button;  // a button's object name, or the key pressed in the list
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> firstThree;
    std::size_t boxes;
    std::vector<std::string> firstIds;  // an id stays with its member; a copy takes a new one
};

TEST_F(Project, TheProjectWindowsButtonsWorkOnTheChosenMember) {
    const ListCase cases[] = {
        {"CommandDown", {}, {}, {"B2", "B1", "RB1"}, 0, {"m2", "m1", "m3"}},
        {"CommandUp", {}, {}, {"B1", "B2", "RB1"}, 0, {"m1", "m2", "m3"}},  // the first stays first
        {"CommandDelete", {false}, {}, {"B1", "B2", "RB1"}, 1, {"m1", "m2", "m3"}},
        {"CommandDelete", {true}, {}, {"B2", "RB1", "S1"}, 1, {"m2", "m3", "m4"}},
        {"CommandRename", {}, {"B9"}, {"B9", "B2", "RB1"}, 1, {"m1", "m2", "m3"}},
        {"CommandRename", {}, {"B2", std::nullopt}, {"B1", "B2", "RB1"}, 3, {"m1", "m2", "m3"}},  // a taken name is refused
        {"CommandDuplicate", {}, {"B1ก"}, {"B1", "B1ก", "B2"}, 1, {"m1", "m15", "m2"}},
        {"Ctrl+Down", {}, {}, {"B2", "B1", "RB1"}, 0, {"m2", "m1", "m3"}},
        {"Delete", {true}, {}, {"B2", "RB1", "S1"}, 1, {"m2", "m3", "m4"}},
        {"F2", {}, {"B9"}, {"B9", "B2", "RB1"}, 1, {"m1", "m2", "m3"}},
        {"Ctrl+D", {}, {"B1ก"}, {"B1", "B1ก", "B2"}, 1, {"m1", "m15", "m2"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + std::to_string(c.boxes));
        openHouse();
        mx::project::ProjectWindow w(session);
        w.show();
        w.setCurrentMember(0);
        rec.clear();
        rec.answers = c.answers;
        rec.textAnswers = c.texts;
        auto* list = w.findChild<QTableWidget*>(QStringLiteral("ListMembers"));
        if (auto* b = w.findChild<QAbstractButton*>(QString::fromLatin1(c.button))) {
            b->click();
        } else {
            const QKeyCombination key = QKeySequence(QString::fromLatin1(c.button))[0];
            list->setFocus();
            QTest::keyClick(list, key.key(), key.keyboardModifiers());
        }
        const auto now = names();
        ASSERT_GE(now.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(now.begin(), now.begin() + 3), c.firstThree);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(session.project().members[i].id, c.firstIds[i]) << i;
        EXPECT_EQ(rec.log.size(), c.boxes);
        EXPECT_EQ(session.modified(), c.firstThree != std::vector<std::string>({"B1", "B2", "RB1"}));
        EXPECT_EQ(list->item(0, 0)->text().toStdString(), c.firstThree[0]);
        // The totals under the list follow the members: a deleted beam leaves them.
        auto* totals = w.findChild<QLabel*>(QStringLiteral("LabelQuantities"));
        ASSERT_TRUE(totals);
        EXPECT_EQ(totals->text().toStdString(),
                  mx::project::totalsLine(mx::project::projectTakeoff(session.project(), session.modules())));
    }
}

struct LeaveCase {
    const char* how;  // "exit", "close", "new"
    SaveChoice choice;
    bool writable;  // the file saves
    bool left;      // the menu closed, or the new project replaced the old
};

TEST_F(Project, UnsavedChangesAskSaveDiscardOrCancel) {
    const LeaveCase cases[] = {
        {"exit", SaveChoice::Save, true, true},     {"exit", SaveChoice::Discard, true, true},
        {"exit", SaveChoice::Cancel, true, false},  {"close", SaveChoice::Save, false, false},
        {"close", SaveChoice::Discard, false, true}, {"new", SaveChoice::Save, true, true},
        {"new", SaveChoice::Cancel, true, false},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + std::to_string(static_cast<int>(c.choice)) + " " +
                     std::to_string(c.writable));
        const QString path = file("house.mx7100");
        QFile::remove(path);
        QFile::copy(QStringLiteral(MX_EXAMPLES_DIR "/house.mx7100"), path);
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_TRUE(session.openFile(path, nullptr));
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        mx::shell::MainMenu menu;
        mx::project::attachProjectMenu(menu, session);
        menu.show();
        session.setTitleBlock({"อื่น", "", ""});
        EXPECT_TRUE(menu.windowTitle().endsWith(QStringLiteral("house *")));
        rec.clear();
        rec.saveAnswers = {c.choice};
        // A file-size limit makes the save fail as a full disk does (whoever runs the test).
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = limit;
        small.rlim_cur = 10;
        if (!c.writable) ::setrlimit(RLIMIT_FSIZE, &small);
        if (std::string(c.how) == "exit") menu.findChild<QAction*>(QStringLiteral("actionExit"))->trigger();
        if (std::string(c.how) == "close") menu.close();
        if (std::string(c.how) == "new") menu.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);

        const bool saved = c.choice == SaveChoice::Save && c.writable;
        const bool closed = !menu.isVisible();
        EXPECT_EQ(closed || session.project().members.empty(), c.left);
        // A failed save says so and keeps the old file and the unsaved mark.
        EXPECT_EQ(rec.log.size(), c.choice == SaveChoice::Save && !c.writable ? 2u : 1u);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll() != before, saved);
        if (std::string(c.how) != "new") {
            EXPECT_EQ(session.modified(), !saved);
        }
    }
}

TEST_F(Project, AFileThatCannotBeOpenedSaysWhyAndChangesNothing) {
    const char* const bad[] = {"not json", R"({"format": "mx7100-project", "version": 99})",
                               R"({"format": "mx7100-project", "version": 1, "members": [{"module": "roof"}])"};
    openHouse();
    const auto before = session.project();
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        QFile f(file("bad.mx7100"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        rec.clear();
        files.path = f.fileName();
        mx::project::setProjectFiles(&files);
        EXPECT_FALSE(session.open(nullptr));
        ASSERT_EQ(rec.log.size(), 1u);
        EXPECT_NE(rec.log[0].message.text.find("bad.mx7100"), std::string::npos);
        EXPECT_TRUE(session.project() == before);
        EXPECT_TRUE(session.path().endsWith(QStringLiteral("house.mx7100")));
        EXPECT_EQ(session.recentProjects().front(), session.path());
    }
}

}  // namespace
