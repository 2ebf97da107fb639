// The project workflow that never loses an edit, as its windows show it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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
using mxtest::Project;

mx::ui::MemberWindow* beamWindow() {
    return qobject_cast<mx::ui::MemberWindow*>(mx::ui::WindowRegistry::instance().find(QStringLiteral("Beam01")));
}
bool says(const mx::ui::RecordingPrompter& rec, const char* part) {
    return !rec.log.empty() && rec.log[0].message.text.find(part) != std::string::npos;
}
void click(QWidget* w, const char* name) { w->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }

TEST_F(Project, AnotherMemberInAWindowAsksAboutItsUnstoredEditsFirst) {
    for (const SaveChoice choice : {SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel}) {
        openHouse();
        const std::string before = session.project().members[0].state.fields.get("Text4");
        session.openMember(0, nullptr);
        beamWindow()->field("Text4")->setText(QStringLiteral("55"));
        session.openMember(0, nullptr);  // the member it shows: only brought forward
        rec.clear();
        rec.saveAnswers = {choice};
        session.openMember(1, nullptr);
        EXPECT_EQ(rec.log.size(), 1u);
        EXPECT_TRUE(says(rec, "\"B1\""));
        EXPECT_EQ(session.project().members[0].state.fields.get("Text4"), choice == SaveChoice::Save ? "55" : before);
        const QString shown = choice == SaveChoice::Cancel ? QStringLiteral("B1") : QStringLiteral("B2");
        EXPECT_TRUE(beamWindow()->windowTitle().contains(shown + QStringLiteral(" (โครงการ house)")));
    }
}

TEST_F(Project, ExitNewAndOpenAskAboutUnstoredWindowsByName) {
    const std::pair<const char*, std::deque<SaveChoice>> cases[] = {
        {"actionExit", {SaveChoice::Save, SaveChoice::Discard}},  // stored, then the file asked about
        {"actionNew", {SaveChoice::Discard}},
        {"actionOpen", {SaveChoice::Cancel}},
    };
    for (const auto& [action, answers] : cases) {
        openHouse();
        mx::shell::MainMenu menu;
        mx::project::attachProjectMenu(menu, session);
        menu.show();
        session.openMember(0, nullptr);
        mx::ui::showWindow(QStringLiteral("column"))->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText("9000");
        beamWindow()->field("Text4")->setText(QStringLiteral("55"));
        rec.clear();
        rec.saveAnswers = answers;
        rec.textAnswers = {"C9"};
        menu.findChild<QAction*>(QString::fromLatin1(action))->trigger();
        EXPECT_EQ(rec.log.size(), answers.size() + (answers.front() == SaveChoice::Save));  // with C9's name
        EXPECT_TRUE(says(rec, "\"B1\"") && says(rec, "ออกแบบเสา"));
        const bool cancelled = answers.front() == SaveChoice::Cancel;
        EXPECT_EQ(!menu.isVisible() || session.project().members.empty(), !cancelled);
        EXPECT_TRUE(!cancelled || beamWindow()->hasUnstoredEdits());
        mx::ui::WindowRegistry::instance().closeAll();
    }
}

TEST_F(Project, TitleBlockLinesLeftAsShownFollowTheProjectAndTheMembersName) {
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

TEST_F(Project, TheProjectWindowMakesTheReportsOwnPagesSavedWithIt) {
    files.path = file("pages.mx7100");
    mx::project::setProjectFiles(&files);
    const char* const cases[][3] = {{"CommandCover", "cover01", "Text1"}, {"CommandCriteria", "cover02", "Text8"}};
    for (const auto& [button, window, field] : cases) {
        openHouse();
        mx::project::ProjectWindow pw(session);
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

TEST_F(Project, TheProjectsKeysAndButtonsActFromEveryWindow) {
    mx::shell::MainMenu menu;
    mx::project::attachProjectMenu(menu, session);
    menu.show();  // as in the program, where it stays open
    mx::project::ProjectWindow pw(session);
    pw.show();
    mx::ui::PdfFileTarget pdf(file("report.pdf"));
    EXPECT_FALSE(session.printReport(nullptr));  // nothing to print yet: told, not asked
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_FALSE(rec.log[0].question);
    files.path = file("keys.mx7100");
    mx::project::setProjectFiles(&files);
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
        EXPECT_EQ(says(rec, "ยังใช้ไม่ได้ 1 รายการ"), !save) << key;
    }
    const QString status = pw.findChild<QLabel*>(QStringLiteral("LabelStatus"))->text();
    EXPECT_TRUE(status.contains(file("report.pdf")) && status.contains(QString::number(mx::ui::lastPrint().pages)));
}

TEST_F(Project, GoneFilesLeaveTheRecentListAndAnotherProjectStartsAtItsFirstRow) {
    mx::project::ProjectWindow pw(session);
    pw.show();
    const QString path = file("gone.mx7100");
    QFile::copy(QStringLiteral(MX_EXAMPLES_DIR "/house.mx7100"), path);
    ASSERT_TRUE(session.openFile(path, nullptr));
    pw.setCurrentMember(5);
    const QString gone = session.path();
    QFile::remove(path);
    EXPECT_FALSE(session.openFile(path, nullptr));
    EXPECT_EQ(rec.log.size(), 1u);
    EXPECT_FALSE(session.recentProjects().contains(gone));
    openHouse();
    EXPECT_EQ(pw.currentMember(), 0);
    QHeaderView* header = pw.findChild<QTableWidget*>(QStringLiteral("ListMembers"))->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    EXPECT_GT(header->sectionSize(2), QFontMetrics(bold).horizontalAdvance(QStringLiteral("ผลการออกแบบ")));
}

}  // namespace
