#pragma once
// What every member-window test starts from: a fresh window, a prompter that records
// each box (and, when asked, what a control held at that moment, to see when a
// correction or the result panel was written among the messages), and short ways to
// reach the window's controls by object name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtGlobal>

#include <cstdio>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/cli.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"
#include "ui/prompter.h"

namespace mxtest {

class WatchingPrompter : public mx::ui::RecordingPrompter {
public:
    std::function<std::string()> watch;
    std::vector<std::string> seen;
    void show(const mx::Message& m, QWidget* w) override {
        if (watch) seen.push_back(watch());
        RecordingPrompter::show(m, w);
    }
};

// Fails the running test, when it ends, on each warning of the member frame that a
// window, check or calculation named a field, label or correction without a widget, or
// placed a field its table does not hold: such a name is otherwise passed over unseen.
class NoWidgetWatch {
public:
    NoWidgetWatch() { previous() = qInstallMessageHandler(&NoWidgetWatch::handle); }
    ~NoWidgetWatch() {
        qInstallMessageHandler(previous());
        for (const std::string& m : seen()) ADD_FAILURE() << m;
        seen().clear();
    }
    NoWidgetWatch(const NoWidgetWatch&) = delete;
    NoWidgetWatch& operator=(const NoWidgetWatch&) = delete;

private:
    static std::vector<std::string>& seen() {
        static std::vector<std::string> s;
        return s;
    }
    static QtMessageHandler& previous() {
        static QtMessageHandler h = nullptr;
        return h;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg &&
            (text.contains(QLatin1String(mx::ui::kNoWidgetWarning)) ||
             text.contains(QLatin1String(mx::ui::kNoTableEntryWarning))))
            seen().push_back(text.toStdString());
        if (previous())
            previous()(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

// Short ways to reach a window's controls by object name.
struct WindowProbe {
    WatchingPrompter rec;
    virtual ~WindowProbe() = default;
    virtual QWidget* root() const = 0;

    template <typename T>
    T* find(const char* name) { return root()->template findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    std::string text(const char* name) { return mx::ui::ss(field(name)->text()); }
    void type(const char* name, const char* value) { field(name)->setText(QString::fromUtf8(value)); }
    std::string label(const char* name) { return mx::ui::ss(find<QLabel>(name)->text()); }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(name); }
    QWidget* widget(const char* name) { return find<QWidget>(name); }
    void click(const char* name) { button(name)->click(); }
    bool shown(const char* name) { return !widget(name)->isHidden(); }
    bool visible(const char* name) { return widget(name)->isVisibleTo(root()); }
    QListWidget* list(const char* name) { return find<QListWidget>(name); }
    void pick(const char* name, int row) { emit list(name)->itemClicked(list(name)->item(row)); }
    mx::ui::ClickLabel* clickLabel(const char* name) { return find<mx::ui::ClickLabel>(name); }
};

template <typename Window>
struct WindowFixture : ::testing::Test, WindowProbe {
    NoWidgetWatch watch;  // first: it sees the window built and outlives it
    std::unique_ptr<Window> w = std::make_unique<Window>();
    QWidget* root() const override { return w.get(); }

    // After a Calculate: the window showed the tool's messages in order and holds the
    // fields and result labels the tool reports for the same fields.
    void expectShowsTool(const mx::cli::Report& report, const mx::FieldSet& toolFields) {
        ASSERT_EQ(rec.log.size(), report.messages.size());
        for (std::size_t i = 0; i < rec.log.size(); ++i) EXPECT_EQ(rec.log[i].message, report.messages[i]);
        for (const auto& [name, value] : toolFields.entries()) {
            if (field(name.c_str())) {
                EXPECT_EQ(text(name.c_str()), value) << name;
            }
        }
        for (const auto& [name, value] : report.labels.entries()) EXPECT_EQ(label(name.c_str()), value) << name;
    }
    // Exit asks its question: Cancel keeps the window open, OK closes it. Returns the
    // question asked.
    mx::Message exitAsksAndOnlyOkCloses(const char* button = "Command1") {
        w->show();
        rec.clear();
        rec.answers = {false, true};
        click(button);
        EXPECT_TRUE(w->isVisible());
        click(button);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(rec.log.size(), 2u);
        return rec.log.empty() ? mx::Message{} : rec.log.front().message;
    }
    // A new window with the defaults, and a clean record of boxes.
    void fresh() {
        w = std::make_unique<Window>();
        rec.clear();
        rec.seen.clear();
    }
};

// Every module window, opened by its registry name as the menu opens it: for what the
// frame promises all of them alike.
struct FrameCase {
    const char* window;
    const char* firstInput;  // the field that holds the focus when the window opens
    const char* calculate;
    const char* logo;
    std::vector<const char*> inputButtons;  // the toolbar buttons that open the inputs
    const char* sd40;          // the SD40 grade button (none in a window without grades)
    const char* fs;            // the field it writes
    const char* gradeCaption;  // the caption naming the grade
    const char* otherFs;       // typed into fs: reset, or another grade's value
    mx::ModuleDescription (*module)();  // the module the window shows, as the tool knows it
    const char* valueBox;         // a value box of its estimator or result panel
    const char* titleButton;      // the toolbar button that opens the title block
    std::vector<const char*> listPath = {};  // buttons to a pick list, the last opening it
    const char* list = nullptr;
    const char* listOk = nullptr;  // the OK button of the list's panel
    // Buttons after which Calculate sizes no member, for a window whose Draw then says
    // why; none for a window that draws whatever its result holds.
    std::vector<const char*> unsized = {};
    // A type, kind or shape button of the input panel (none for a window without), and
    // the first field it leaves for typing.
    const char* typeButton = nullptr;
    const char* typeFirstInput = nullptr;
    // A field and a text on which Calculate stops before it reaches its result panel,
    // and one typed first so that the Calculate before it fills the panel.
    const char* stopField = nullptr;
    const char* stopText = nullptr;
    const char* fillField = nullptr;
    const char* fillText = nullptr;
};

inline void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.window; }

// A module window opened by its registry name as the menu opens it, and every window
// closed again; defined beside the module list.
mx::ui::MemberWindow* openModuleWindow(const char* name);
void closeModuleWindows();

// A table of cases, each naming the window it is tried in.
template <typename Case>
struct OpenedWindowFixture : ::testing::TestWithParam<Case>, WindowProbe {
    NoWidgetWatch watch;
    mx::ui::MemberWindow* w = nullptr;
    QWidget* root() const override { return w; }
    void SetUp() override {
        w = openModuleWindow(this->GetParam().window);
        ASSERT_NE(w, nullptr) << this->GetParam().window;
        rec.defaultAnswer = true;
    }
    void TearDown() override { closeModuleWindows(); }
};
using FrameFixture = OpenedWindowFixture<FrameCase>;

}  // namespace mxtest
