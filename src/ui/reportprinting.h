#pragma once
// The project's calculation report printed from the program: the cover, the criteria,
// the contents and every member's sheet, through the same printing path as a single
// sheet, to a printer, a PDF file or the preview. A long report shows its progress
// with Cancel; a cancelled report leaves no PDF and sends no half job to a printer.
#include <vector>

#include "common/module.h"
#include "common/message.h"
#include "project/project.h"

class QWidget;

namespace mx::ui {

// How a long print shows its progress: pages done of pages in all, with Cancel. The
// progress dialog, shown once a report has taken a second; tests replace it.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // Called before each page is painted; false when the user has cancelled.
    virtual bool advance(int done, int total, QWidget* parent) = 0;
    // The print is over, whole, cancelled or failed.
    virtual void finish() = 0;
};
PrintProgress& printProgress();
void setPrintProgress(PrintProgress* p);  // nullptr restores the dialog

// Where the report goes: the print question decides (print, preview, cancel), or
// straight to the print dialog or to the preview.
enum class ReportOutput { Ask, Print, Preview };

// The print question of a report, naming its pages and how many of its members are
// not usable (their sheets print all the same, marked in the contents).
Message reportQuestion(const project::Project& project, int pages, int notUsable);

// Prints the project's report; modules are every module (allModules()),
// which run every member again from its stored inputs. Returns true when the whole
// report was printed (from the preview too); false when cancelled or failed, a
// failure told through the prompter.
// notUsable is the question's count of members not usable.
bool printProjectReport(const project::Project& project, const std::vector<ModuleDescription>& modules, QWidget* parent,
                        ReportOutput output = ReportOutput::Ask, int notUsable = 0);

}  // namespace mx::ui
