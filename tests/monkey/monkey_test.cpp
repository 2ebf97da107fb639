// A monkey at every module window: thousands of random actions from a fixed seed —
// texts typed or pasted into random fields (Thai, empty, huge digit strings, 16-bit
// edge values), random buttons, list rows and panel switches, message boxes answered
// at random — and after each action the window must still stand: no message box left
// open, no "inf", "nan" or exponent in any widget, and after each Calculate the result
// labels equal what the headless tool gives for the same fields.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QSettings>
#include <QTableWidget>

#include "modules/window/windows.h"
#include "fuzz/invariants.h"
#include "project/window/linkdialog.h"
#include "project/window/projectwindow.h"
#include "project/window/session.h"
#include "ui/memberwindow.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"
#include "modules/catalogue.h"

namespace {

// Each module window by its registry name, the tool's module and its Calculate button.
// A window's Calculate is held to the tool's run: the window's state (fields, type,
// grade and what else its run reads) taken before Calculate runs the description,
// whose messages, labels and corrected fields the window must show exactly.
struct WindowCase {
    const char* window;
    const char* module;
    const char* calculate;
};
const WindowCase kWindows[] = {
    {"Beam01", "beam", "Command15"},       {"slab", "slab", "Command13"},
    {"column", "column", "Command13"},     {"ST01", "stair", "Command13"},
    {"foot00", "spreadfooting", "Command13"}, {"foot01", "pilecap", "Command13"},
    {"pile", "pile", "Command13"},         {"blow", "blow", "Command13"},
};

// Per window: 4 800 actions in all, well under a minute even under the sanitizers.
constexpr int kActions = 600;

// A small fixed-seed generator, the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 7;
        s_ ^= s_ << 17;
        return s_;
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t s_;
};

// What a user might type or paste. No text holds the letters of "inf", "nan" or an
// exponent, so any of them seen in a widget is the program's own.
QString randomText(Random& r) {
    static const char* kTexts[] = {"",       "0",      "1",       "-1",     "0.5",    "32767",  "32768",
                                   "-32768", "-32769", "65535",   "65536",  "2.5",    "150",    "1200",
                                   ".",      "-",      "?",       "abc",    "12abc",  "1.2.3",  " 7",
                                   "๑๒๓",    "สิบสอง",  "ยาว 4 ม.", "0.0001", "999999", "-0",     "4.5"};
    switch (r.below(5)) {
        case 0: return QString(r.below(3) == 0 ? 400 : 20 + r.below(40), QChar('9'));  // huge digit strings
        case 1: return QString::number(r.below(70000) - 35000);
        case 2: return QString::number(r.below(100000) / 100.0, 'f', 2);
        default: return QString::fromUtf8(kTexts[r.below(static_cast<int>(std::size(kTexts)))]);
    }
}

template <typename T>
std::vector<T*> usable(QWidget* w) {
    std::vector<T*> out;
    for (T* c : w->findChildren<T*>())
        if (c->isVisible() && c->isEnabled()) out.push_back(c);
    return out;
}

// Every text a widget of the window shows, checked.
std::string widgetFault(QWidget* w) {
    auto check = [](const QObject* o, const QString& text) -> std::string {
        const std::string f = mx::fuzz::textFault(text.toStdString());
        return f.empty() ? "" : o->objectName().toStdString() + ": " + f + " in \"" + text.toStdString() + "\"";
    };
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (auto f = check(l, l->text()); !f.empty()) return f;
    for (const QLineEdit* e : w->findChildren<QLineEdit*>())
        if (auto f = check(e, e->text()); !f.empty()) return f;
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (auto f = check(b, b->text()); !f.empty()) return f;
    for (const QListWidget* l : w->findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i)
            if (auto f = check(l, l->item(i)->text()); !f.empty()) return f;
    return "";
}

class Monkey {
public:
    Monkey(const WindowCase& wc, const mx::ModuleDescription& module) : wc_(wc), module_(module), random_(0x4D58373130ULL) {}

    void run() {
        for (int i = 0; i < kActions && !::testing::Test::HasFatalFailure(); ++i) {
            ensureOpen();
            prompter_.defaultAnswer = random_.chance(50);
            act(i);
            QApplication::processEvents();
            ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal box is open after action " << i;
            for (const auto& e : prompter_.log) {
                ASSERT_EQ(mx::fuzz::textFault(e.message.text), "") << e.message.text;
                ASSERT_EQ(mx::fuzz::textFault(e.message.title), "") << e.message.title;
            }
            prompter_.clear();
            if (window_) {
                ASSERT_EQ(widgetFault(window_), "") << "after action " << i << " (" << last_ << ")";
            }
        }
        EXPECT_GT(calculations_, 0);
        if (window_) window_->close();
    }

    int mismatches() const { return mismatches_; }

private:
    void ensureOpen() {
        if (window_ && window_->isVisible()) return;
        window_ = mx::ui::WindowRegistry::instance().show(QString::fromUtf8(wc_.window));
        ASSERT_NE(window_, nullptr);
    }

    void act(int i) {
        const int kind = random_.below(100);
        if (kind < 45) {
            const auto edits = usable<QLineEdit>(window_);
            if (edits.empty()) return;
            QLineEdit* e = edits[static_cast<std::size_t>(random_.below(static_cast<int>(edits.size())))];
            const QString t = randomText(random_);
            last_ = "text " + e->objectName().toStdString() + " = " + t.left(30).toStdString();
            bool ascii = true;
            for (QChar c : t) ascii = ascii && c.unicode() < 128;
            if (ascii && t.size() < 12 && random_.chance(50)) {
                e->setFocus();
                e->selectAll();
                QTest::keyClicks(e, t);  // typed key by key: each key is an edit
            } else {
                e->setText(t);  // pasted
            }
        } else if (kind < 60) {
            clickCalculate(i);
        } else if (kind < 90) {
            const auto buttons = usable<QAbstractButton>(window_);
            if (buttons.empty()) return;
            QAbstractButton* b = buttons[static_cast<std::size_t>(random_.below(static_cast<int>(buttons.size())))];
            if (b->objectName() == QLatin1String(wc_.calculate)) return clickCalculate(i);
            last_ = "button " + b->objectName().toStdString();
            b->click();
        } else {
            const auto lists = usable<QListWidget>(window_);
            if (lists.empty() || !lists[0]) return;
            QListWidget* l = lists[static_cast<std::size_t>(random_.below(static_cast<int>(lists.size())))];
            if (l->count() == 0) return;
            QListWidgetItem* item = l->item(random_.below(l->count()));
            l->scrollToItem(item);
            last_ = "list " + l->objectName().toStdString();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
        }
    }

    // Presses Calculate, then runs the description on the state the window held when
    // it was pressed.
    void clickCalculate(int i) {
        auto* calc = window_->findChild<QAbstractButton*>(QLatin1String(wc_.calculate));
        if (!calc || !calc->isVisible() || !calc->isEnabled()) return;
        std::optional<mx::FormState> state;
        if (auto* mw = qobject_cast<mx::ui::MemberWindow*>(window_.data())) {
            const mx::FormState held = mw->formState();
            state = mx::FormState{module_.defaults, held.typeCode, held.grade};
            for (const auto& [name, text] : held.fields.entries()) state->fields.set(name, text);
        }
        const std::size_t shownBefore = prompter_.log.size();
        last_ = "Calculate";
        calc->click();
        QApplication::processEvents();
        if (!window_) return;
        ++calculations_;
        if (state) compareRun(i, *state, shownBefore);
    }

    // The description's run on the state the window held: the boxes the window showed
    // end with the run's, and its labels and corrected fields are the run's.
    void compareRun(int i, mx::FormState state, std::size_t shownBefore) {
        const mx::FieldSet given = state.fields;
        const mx::ModuleRun run = module_.run(state);
        std::string diff;
        std::vector<mx::Message> shown;
        for (std::size_t k = shownBefore; k < prompter_.log.size(); ++k) shown.push_back(prompter_.log[k].message);
        if (shown.size() < run.messages.size() ||
            !std::equal(run.messages.begin(), run.messages.end(), shown.end() - static_cast<long>(run.messages.size())))
            diff += "messages: window " + std::to_string(shown.size()) + ", tool " + std::to_string(run.messages.size()) + "; ";
        auto compare = [&](const mx::FieldSet& expected, const char* what, auto find) {
            for (const auto& [name, text] : expected.entries()) {
                const QString now = find(QString::fromStdString(name));
                if (now.toStdString() != text)
                    diff += std::string(what) + " " + name + ": window \"" + now.toStdString() + "\", tool \"" + text + "\"; ";
            }
        };
        auto label = [this](const QString& n) { auto* l = window_->findChild<QLabel*>(n); return l ? l->text() : "<none>"; };
        auto field = [this](const QString& n) { auto* e = window_->findChild<QLineEdit*>(n); return e ? e->text() : "<none>"; };
        if (run.resultsAt) compare(run.labels, "label", label);
        compare(run.closingLabels, "label", label);
        mx::FieldSet inputs;
        for (const auto& f : module_.fields) inputs.set(f.object, state.fields.get(f.object));
        compare(inputs, "field", field);
        if (diff.empty()) return;
        ++mismatches_;
        std::string typed;
        for (const auto& [name, text] : given.entries()) typed += name + "=" + text.substr(0, 12) + " ";
        ADD_FAILURE() << wc_.window << " Calculate at action " << i << " (type " << state.typeCode << "): " << diff
                      << "\n  fields: " << typed;
    }

    const WindowCase& wc_;
    const mx::ModuleDescription& module_;
    Random random_;
    mx::ui::RecordingPrompter prompter_;
    QPointer<QWidget> window_;
    std::string last_;
    int calculations_ = 0;
    int mismatches_ = 0;
};

const mx::ModuleDescription& findModule(const std::string& name) { return *mx::findModule(name); }

class WindowMonkey : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowMonkey, RandomActionsLeaveTheWindowSound) {
    static bool registered = false;
    if (!registered) mx::registerModuleWindows();
    registered = true;
    const WindowCase& wc = GetParam();
    if (!mx::ui::WindowRegistry::instance().has(QString::fromUtf8(wc.window))) GTEST_SKIP() << "not built";
    QTemporaryDir dir;
    mx::ui::PdfFileTarget printer(dir.filePath(QStringLiteral("sheet.pdf")));
    Monkey monkey(wc, findModule(wc.module));
    monkey.run();
    mx::ui::WindowRegistry::instance().closeAll();
    QApplication::processEvents();
}

// The tool's help and the window show one caption per field: the module's field table
// is held against the caption each window puts beside the field.
TEST(WindowCaptions, EveryFieldCaptionIsTheOneItsTableGives) {
    static bool registered = false;
    if (!registered) mx::registerModuleWindows();
    registered = true;
    for (const WindowCase& wc : kWindows) {
        auto* w = qobject_cast<mx::ui::MemberWindow*>(mx::ui::WindowRegistry::instance().show(QString::fromUtf8(wc.window)));
        if (!w) continue;  // a window of its own kind, not on the member frame
        int compared = 0;
        for (const mx::FieldInfo& f : findModule(wc.module).fields) {
            // A caption may end in "=" before its field; a row captioning two fields is
            // told apart by each field's tooltip, which the table then gives.
            auto bare = [](QString t) {
                t = t.simplified();
                if (t.endsWith(QLatin1Char('='))) t.chop(1);
                return t.trimmed().toStdString();
            };
            const std::string shown = bare(w->fieldCaption(f.object));
            if (shown.empty()) continue;
            ++compared;
            const std::string table = bare(QString::fromUtf8(f.caption));
            const std::string tip = bare(w->field(f.object)->toolTip());
            EXPECT_TRUE(table == shown || table == tip) << wc.window << " " << f.object << ": the window shows \""
                                                        << shown << "\", the table gives \"" << table << "\"";
        }
        EXPECT_GT(compared, 0) << wc.window;
    }
    mx::ui::WindowRegistry::instance().closeAll();
    QApplication::processEvents();
}

// The project window with the example house open: its buttons and keys on random rows,
// the questions answered at random (names empty, taken or new), the members it opens
// stored back or linked at random (the link dialog given random counts and typed
// rows, then OK, unlink or cancel); the list always shows the project's members.
TEST(ProjectMonkey, RandomActionsLeaveTheProjectSound) {
    static bool registered = false;
    if (!registered) mx::registerModuleWindows();
    registered = true;
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("MX7100-monkey"));
    mx::ui::RecordingPrompter prompter;
    mx::project::ProjectSession session(mx::allModules());
    mx::project::registerProjectWindow(session);
    // Save and the report write into the test's own folder, never over the example.
    const QString copy = QDir(settings.path()).filePath(QStringLiteral("house.mx7100"));
    QFile::copy(QStringLiteral(MX_EXAMPLES_DIR "/house.mx7100"), copy);
    ASSERT_TRUE(session.openFile(copy, nullptr));
    mx::ui::PdfFileTarget pdf(QDir(settings.path()).filePath(QStringLiteral("report.pdf")));
    Random random(0x50524F4AULL);
    const std::optional<std::string> names[] = {std::nullopt, "", "B1", "X" , "อาคาร ก", "B1 (สำเนา)"};
    const int keys[] = {Qt::Key_Return, Qt::Key_Delete, Qt::Key_F2, Qt::Key_Up, Qt::Key_Down};
    int dialogs = 0;
    prompter.dialogs = [&](QDialog& d) {
        auto& link = dynamic_cast<mx::project::LinkDialog&>(d);
        ++dialogs;
        for (std::size_t k = 0; k < link.offers().size(); ++k)
            if (random.chance(30)) link.setCount(k, random.below(4));
        if (random.chance(40)) link.addTyped(randomText(random), random.chance(50), randomText(random));
        const int outcome = random.below(3);
        if (outcome != mx::project::LinkDialog::Linked) return outcome;
        link.tryAccept();
        return link.result();
    };
    for (int i = 0; i < kActions && !::testing::Test::HasFatalFailure(); ++i) {
        QWidget* w = mx::ui::WindowRegistry::instance().show(QStringLiteral("project"));
        ASSERT_NE(w, nullptr);
        auto* list = w->findChild<QTableWidget*>(QStringLiteral("ListMembers"));
        prompter.defaultAnswer = random.chance(50);
        prompter.textAnswers = {names[random.below(6)], names[random.below(6)]};
        if (list->rowCount() > 0) list->setCurrentCell(random.below(list->rowCount()), 0);
        const int kind = random.below(100);
        if (kind < 50) {
            const auto buttons = usable<QAbstractButton>(w);
            buttons[static_cast<std::size_t>(random.below(static_cast<int>(buttons.size())))]->click();
        } else if (kind < 70) {
            list->setFocus();
            QTest::keyClick(list, static_cast<Qt::Key>(keys[random.below(5)]),
                            random.chance(30) ? Qt::ControlModifier : Qt::NoModifier);
        } else if (kind < 85) {
            const auto edits = usable<QLineEdit>(w);
            edits[static_cast<std::size_t>(random.below(static_cast<int>(edits.size())))]->setText(randomText(random));
        } else {
            // A member window the project opened keeps its inputs in the project, or
            // links one of its fields.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* mw = qobject_cast<mx::ui::MemberWindow*>(top); mw && mw->isVisible()) {
                    const auto& targets = mx::findModule(session.modules(), mw->member().module)->targets;
                    if (!targets.empty() && random.chance(60))
                        mw->linkButton(targets[static_cast<std::size_t>(random.below(static_cast<int>(targets.size())))])
                            ->click();
                    else
                        mw->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
                }
        }
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "after action " << i;
        ASSERT_EQ(list->rowCount(), static_cast<int>(session.project().members.size())) << "after action " << i;
        for (const auto& e : prompter.log) ASSERT_EQ(mx::fuzz::textFault(e.message.text), "") << e.message.text;
        prompter.clear();
        ASSERT_EQ(widgetFault(w), "") << "after action " << i;
        for (int r = 0; r < list->rowCount(); ++r)
            ASSERT_FALSE(list->item(r, 0)->text().trimmed().isEmpty()) << "a member without a name, action " << i;
    }
    EXPECT_GT(dialogs, 10) << "the link dialog is reached";
    mx::ui::WindowRegistry::instance().closeAll();
    QApplication::processEvents();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowMonkey, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
