#pragma once
#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

#include "common/fieldset.h"
#include "common/page.h"

class QPlainTextEdit;

namespace mx::shell {

// A report-page maker: editable fields laid out as they stand on the printed page,
// with print, clear, instructions, about and exit buttons. cover01 makes the cover
// page, cover02 the design-criteria page.
class PageMakerWindow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Cover, Criteria };
    explicit PageMakerWindow(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    // The fields as typed, in window order.
    FieldSet fields() const;
    // The page as it prints now.
    PageModel page() const;

    // Shows the open project's own page, when the program has a project.
    void showProjectPage();

public slots:
    void printPage();     // Command1: prints without a question
    void clearTexts();    // Command2
    void showInstructions();  // Command4

private:
    void edited();

    Kind kind_;
    std::vector<std::string> names_;
    QPlainTextEdit* instructions_ = nullptr;
};

// The open project's report pages: a page maker shows the project's own page and
// keeps every edit in it, so that the project's report prints what was typed here.
class ProjectPages {
public:
    virtual ~ProjectPages() = default;
    virtual FieldSet pageFields(PageMakerWindow::Kind kind) const = 0;
    virtual void pageEdited(PageMakerWindow::Kind kind, const FieldSet& fields) = 0;
};
ProjectPages* projectPages();
void setProjectPages(ProjectPages* pages);  // not owned; nullptr for none

// The about screen opened from the page makers' ABOUT buttons.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

// The inner line of the page frame drawn behind a page maker's fields, in the pixels
// of the page on screen; every field stays inside it.
QRect pageFrameRect();

// Prints a page at once (no question): the print dialog or PDF file chooser, then the
// page. Tells the user through the prompter when the printer could not be used.
bool printPageNow(const PageModel& page, QWidget* parent);

}  // namespace mx::shell
