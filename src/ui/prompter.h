#pragma once
// The one place that shows modal messages and asks OK/Cancel questions. Windows never
// open a message box themselves; they call prompter(), which tests replace with a
// recorder that logs each box in order and answers questions from a script.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/message.h"

class QDialog;
class QWidget;

namespace mx::ui {

// The answers to the question before unsaved work would be lost.
enum class SaveChoice { Save, Discard, Cancel };
// The answers to the print question.
enum class PrintChoice { Print, Preview, Cancel };
// The button of the print question that shows the preview first.
inline constexpr const char* kPreviewButton = "ดูตัวอย่าง";

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with one OK button.
    virtual void show(const Message& m, QWidget* parent = nullptr) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool ask(const Message& m, QWidget* parent = nullptr) = 0;
    // The question before unsaved work would be lost: keep it (Save), drop it
    // (Discard) or go back to it (Cancel).
    virtual SaveChoice askSave(const Message& m, QWidget* parent = nullptr) = 0;
    // A line of text (a name); none when cancelled.
    virtual std::optional<std::string> askText(const Message& m, const std::string& text,
                                               QWidget* parent = nullptr) = 0;
    // The print question: OK prints, the preview button shows the sheet first.
    // A prompter without a preview button asks OK/Cancel.
    virtual PrintChoice askPrint(const Message& m, QWidget* parent = nullptr) {
        return ask(m, parent) ? PrintChoice::Print : PrintChoice::Cancel;
    }
    // A dialog of the program's own (the link dialog), shown modal: its result code.
    virtual int run(QDialog& dialog);
};

// The prompter in force: QMessageBox boxes unless a test installed another.
Prompter& prompter();
// Installs p (not owned); nullptr restores the message boxes.
void setPrompter(Prompter* p);

// For tests: records every box and answers questions from a queue (then defaultAnswer).
// A print question takes the next of printChoices when there is one, else the next
// OK/Cancel answer as Print or Cancel.
class RecordingPrompter : public Prompter {
public:
    RecordingPrompter() { setPrompter(this); }
    ~RecordingPrompter() override { setPrompter(nullptr); }
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;

    struct Entry {
        Message message;
        bool question = false;
        bool answer = false;
        PrintChoice choice = PrintChoice::Cancel;  // for a print question
    };

    void show(const Message& m, QWidget*) override { log.push_back({m, false, false}); }
    bool ask(const Message& m, QWidget*) override {
        bool a = defaultAnswer;
        if (!answers.empty()) {
            a = answers.front();
            answers.pop_front();
        }
        log.push_back({m, true, a});
        return a;
    }
    SaveChoice askSave(const Message& m, QWidget*) override {
        SaveChoice c = SaveChoice::Cancel;
        if (!saveAnswers.empty()) {
            c = saveAnswers.front();
            saveAnswers.pop_front();
        }
        log.push_back({m, true, c == SaveChoice::Save});
        return c;
    }
    std::optional<std::string> askText(const Message& m, const std::string&, QWidget*) override {
        std::optional<std::string> t;
        if (!textAnswers.empty()) {
            t = textAnswers.front();
            textAnswers.pop_front();
        }
        log.push_back({m, true, t.has_value()});
        return t;
    }
    PrintChoice askPrint(const Message& m, QWidget* parent) override {
        if (printChoices.empty()) {
            const PrintChoice c = ask(m, parent) ? PrintChoice::Print : PrintChoice::Cancel;
            log.back().choice = c;
            return c;
        }
        const PrintChoice c = printChoices.front();
        printChoices.pop_front();
        log.push_back({m, true, c != PrintChoice::Cancel, c});
        return c;
    }
    // A dialog is handed to the script, which may fill it and accept it; without one
    // it is cancelled, so no test waits on a modal window.
    int run(QDialog& d) override { return dialogs ? dialogs(d) : 0; }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& e : log) out.push_back(e.message.text);
        return out;
    }
    void clear() { log.clear(); }

    std::vector<Entry> log;
    std::deque<bool> answers;
    std::deque<PrintChoice> printChoices;
    bool defaultAnswer = true;
    std::deque<SaveChoice> saveAnswers;  // then Cancel
    std::deque<std::optional<std::string>> textAnswers;  // then none
    std::function<int(QDialog&)> dialogs;

};

}  // namespace mx::ui
