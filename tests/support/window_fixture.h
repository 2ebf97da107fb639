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

template <typename Window>
struct WindowFixture : ::testing::Test {
    std::unique_ptr<Window> w = std::make_unique<Window>();
    WatchingPrompter rec;

    template <typename T>
    T* find(const char* name) { return w->template findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    std::string text(const char* name) { return mx::ui::ss(field(name)->text()); }
    void type(const char* name, const char* value) { field(name)->setText(QString::fromUtf8(value)); }
    std::string label(const char* name) { return mx::ui::ss(find<QLabel>(name)->text()); }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(name); }
    QWidget* widget(const char* name) { return find<QWidget>(name); }
    void click(const char* name) { button(name)->click(); }
    bool shown(const char* name) { return !widget(name)->isHidden(); }
    bool visible(const char* name) { return widget(name)->isVisibleTo(w.get()); }
    QListWidget* list(const char* name) { return find<QListWidget>(name); }
    void pick(const char* name, int row) { emit list(name)->itemClicked(list(name)->item(row)); }
    mx::ui::ClickLabel* clickLabel(const char* name) { return find<mx::ui::ClickLabel>(name); }
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

}  // namespace mxtest
