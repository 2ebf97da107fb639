// The project workflow that never loses an edit, as its windows show it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

#include "common/fieldtable.h"
#include "project/window/project_fixture.h"
#include "project/window/projectmenu.h"
#include "project/window/projectwindow.h"
#include "shell/window/mainmenu.h"
#include "ui/printing.h"

namespace {

using mx::ui::SaveChoice;

// The program as it runs: the main menu with the project's menu, and its project window.
struct Workflow : mxtest::Project {
    void SetUp() override {
        mx::project::attachProjectMenu(menu, session);
        menu.show();
        files.path = file("work.mx7100");
        mx::project::setProjectFiles(&files);
    }
    mx::ui::MemberWindow* beam() {
        return qobject_cast<mx::ui::MemberWindow*>(mx::ui::WindowRegistry::instance().find(QStringLiteral("Beam01")));
    }
    bool firstSays(const char* part) const { return !rec.log.empty() && rec.log[0].message.text.find(part) != std::string::npos; }
    static void click(QWidget* w, const char* name) { w->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }
    mx::shell::MainMenu menu;
    mx::project::ProjectWindow pw{session};
};

TEST_F(Workflow, AnotherMemberOrProjectAsksAboutAWindowsUnstoredEditsNamingIt) {
    // A member opened over B1's edits; B1's window closed; the menu's New, Open and Exit
    // with B1 and a column.
    const std::pair<const char*, SaveChoice> cases[] = {
        {"", SaveChoice::Save},           {"", SaveChoice::Discard},          {"", SaveChoice::Cancel},
        {"close", SaveChoice::Save},      {"close", SaveChoice::Cancel},
        {"actionExit", SaveChoice::Save}, {"actionNew", SaveChoice::Discard}, {"actionOpen", SaveChoice::Cancel}};
    for (const auto& [action, choice] : cases) {
        SCOPED_TRACE(std::string(action) + std::to_string(static_cast<int>(choice)));
        const bool closing = std::string(action) == "close", fromMenu = *action && !closing;
        menu.show();
        openHouse();
        const std::string before = session.project().members[0].state.fields.get("Text4");
        session.openMember(0, nullptr);
        const QPointer<mx::ui::MemberWindow> b1 = beam();
        b1->field("Text4")->setText(QStringLiteral("55"));
        session.openMember(0, nullptr);  // the member it shows: only brought forward
        if (fromMenu) mx::ui::showWindow(QStringLiteral("column"))->findChild<QLineEdit*>("Text1")->setText("9000");
        rec.clear();
        rec.saveAnswers = {choice, SaveChoice::Discard};  // then the file's own question
        rec.textAnswers = {"C9"};
        if (fromMenu) menu.findChild<QAction*>(QString::fromLatin1(action))->trigger();
        else if (closing) b1->close();  // its close box; its exit button closes the same way
        else session.openMember(1, nullptr);
        EXPECT_TRUE(firstSays("\"B1\"") && (!fromMenu || firstSays("ออกแบบเสา"))) << rec.texts().front();
        if (!fromMenu) {
            EXPECT_EQ(session.project().members[0].state.fields.get("Text4"), choice == SaveChoice::Save ? "55" : before);
        }
        if (!*action) {
            const char* shown = choice == SaveChoice::Cancel ? "B1 (โครงการ house)" : "B2 (โครงการ house)";
            EXPECT_TRUE(b1->windowTitle().contains(QString::fromUtf8(shown)));
        }
        const bool left = choice != SaveChoice::Cancel && *action;
        EXPECT_EQ(closing ? !b1 || !b1->isVisible() : !menu.isVisible() || session.project().members.empty(), left);
        EXPECT_TRUE(choice != SaveChoice::Cancel || b1->hasUnstoredEdits());
        mx::ui::WindowRegistry::instance().closeAll();  // the program ending asks nothing more
        QApplication::processEvents();
    }
}

TEST_F(Workflow, TitleBlockLinesLeftAsShownFollowTheProjectAndTheMembersName) {
    session.setTitleBlock({"บ้าน ก", "นาย ก", "วย.1"});
    auto* w = qobject_cast<mx::ui::MemberWindow*>(mx::ui::showWindow(QStringLiteral("Beam01")));
    const mx::FieldTable& fields = mx::findModule(session.modules(), "beam")->fields;
    auto line = [&](const char* name) { return mx::findField(fields, name)->object; };
    w->field(line("engineer"))->setText(QStringLiteral("นาย ข"));  // typed over the default
    rec.textAnswers = {"B1", "B9"};
    click(w, mx::ui::kStoreButton);
    const mx::FieldSet stored = session.project().members[0].state.fields;
    EXPECT_EQ(stored.get(line("project")) + "|" + stored.get(line("engineer")), "|นาย ข");
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("LabelStatus"))->text().contains(QStringLiteral("\"B1\"")));
    session.renameMember(0, nullptr);
    session.setTitleBlock({"บ้าน ข", "นาย ค", "วย.1"});
    QStringList shown;
    for (const char* name : {"project", "member", "engineer"}) shown << w->field(line(name))->text();
    EXPECT_EQ(shown.join(QLatin1Char('|')), QStringLiteral("บ้าน ข|B9|นาย ข"));
    EXPECT_FALSE(w->hasUnstoredEdits());
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("B9")));
}

TEST_F(Workflow, TheProjectWindowMakesTheReportsOwnPagesSavedWithIt) {
    const char* const cases[][3] = {{"CommandCover", "cover01", "Text1"}, {"CommandCriteria", "cover02", "Text8"}};
    for (const auto& [button, window, field] : cases) {
        openHouse();
        click(&pw, button);
        auto* e = mx::ui::WindowRegistry::instance().find(QString::fromLatin1(window))->findChild<QLineEdit*>(field);
        const mx::FieldSet& page = std::string(window) == "cover01" ? session.project().cover : session.project().criteria;
        EXPECT_EQ(e->text().toStdString(), page.get(field));
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("275"));
        EXPECT_EQ(page.get(field), "275");
        ASSERT_TRUE(session.saveAs(nullptr) && session.newProject(nullptr));
        EXPECT_NE(e->text(), QStringLiteral("275"));  // a new project's page
        ASSERT_TRUE(session.openFile(files.path, nullptr));
        EXPECT_EQ(e->text(), QStringLiteral("275"));
    }
}

TEST_F(Workflow, TheProjectsKeysAndButtonsActFromEveryWindow) {
    pw.show();
    mx::ui::PdfFileTarget pdf(file("report.pdf"));
    EXPECT_FALSE(session.printReport(nullptr));  // nothing to print yet: told, not asked
    EXPECT_TRUE(rec.log.size() == 1 && !rec.log[0].question);
    QWidget* beam = mx::ui::showWindow(QStringLiteral("Beam01"));  // no span: not usable
    rec.textAnswers = {"B1"};
    click(beam, mx::ui::kStoreButton);
    const std::pair<QWidget*, const char*> cases[] = {{beam, "Ctrl+S"}, {&pw, "CommandPrint"}, {beam, "Ctrl+P"}};
    for (const auto& [window, key] : cases) {
        const bool save = std::string(key) == "Ctrl+S";
        QFile::remove(files.path);
        rec.clear();
        if (auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(key))) {
            b->click();
        } else {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            const QKeyCombination k = QKeySequence(QString::fromLatin1(key))[0];
            QTest::keyClick(window, k.key(), k.keyboardModifiers());
        }
        EXPECT_EQ(QFile::exists(files.path), save) << key;
        EXPECT_EQ(firstSays("ยังใช้ไม่ได้ 1 รายการ"), !save) << key;
    }
    const QString status = pw.findChild<QLabel*>(QStringLiteral("LabelStatus"))->text();
    EXPECT_TRUE(status.contains(file("report.pdf")) && status.contains(QString::number(mx::ui::lastPrint().pages)));
}

TEST_F(Workflow, GoneFilesLeaveTheRecentListAndAnotherProjectStartsAtItsFirstRow) {
    QFile::copy(QStringLiteral(MX_EXAMPLES_DIR "/house.mx7100"), files.path);
    ASSERT_TRUE(session.openFile(files.path, nullptr));
    pw.setCurrentMember(5);
    QFile::remove(files.path);
    EXPECT_FALSE(session.openFile(files.path, nullptr));
    EXPECT_EQ(rec.log.size(), 1u);
    EXPECT_FALSE(session.recentProjects().contains(files.path));
    openHouse();
    EXPECT_EQ(pw.currentMember(), 0);
    QHeaderView* header = pw.findChild<QTableWidget*>(QStringLiteral("ListMembers"))->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    EXPECT_GT(header->sectionSize(2), QFontMetrics(bold).horizontalAdvance(QStringLiteral("ผลการออกแบบ")));
}

}  // namespace
