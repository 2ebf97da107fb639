#pragma once
// Printing a calculation sheet: one A4 portrait page, positions in twips from the
// top-left of the printable area. A report prints the same way, a sheet a page.
//
// Every print, preview and PDF goes through paintPages(): a PDF is painted into a
// temporary file beside its name and reaches the name only when whole, because Qt's
// PDF writer passes over a full disk in silence.
#include <QSize>
#include <QString>

#include <functional>

#include "common/message.h"
#include "common/page.h"
#include "common/stagedoutput.h"

class QPrinter;
class QWidget;

namespace mx::ui {

// Sets up a printer for a sheet: A4, portrait, quarter-inch margins.
void setUpSheetPrinter(QPrinter& printer);
// Paints the page onto an already set-up printer as one page.
bool renderSheet(QPrinter& printer, const PageModel& page);
// Writes the page as a one-page PDF file (the command-line tool, tests), staged and
// checked; false (with the fault through *fault when asked) when it did not reach path.
bool writeSheetPdf(const PageModel& page, const QString& path, WriteFault* fault = nullptr);

// The pages of a print, handed one at a time to `add` in order. A feed stops at the
// first page add refuses and returns false then; it may stop by itself (a Cancel) and
// return false as well.
using PageSink = std::function<bool(const PageModel&)>;
using PageFeed = std::function<bool(const PageSink& add)>;

enum class PrintResult { Printed, Cancelled, Failed };
// Paints the feed's pages onto a printer already chosen, one page each. A PDF file is
// staged; a failure is told through the prompter (printFailure, writeFailure) and a
// cancelled or failed print leaves no file under the name.
PrintResult paintPages(QPrinter& printer, const PageFeed& pages, QWidget* parent);
// Where the last print that was whole went (the PDF file's path or the printer's
// name) and how many pages it had.
struct PrintedTo {
    QString where;
    int pages = 0;
};
PrintedTo lastPrint();

// Where a sheet goes: the standard print dialog (installed printers and PDF), or,
// on a machine without printers, a PDF file name. Tests replace it.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Prepares the printer's destination; false when the user cancels.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};
PrintTarget& printTarget();
void setPrintTarget(PrintTarget* t);  // nullptr restores the dialogs

// For tests: every sheet goes to a PDF file at path, without a dialog.
class PdfFileTarget : public PrintTarget {
public:
    explicit PdfFileTarget(QString path) : path_(std::move(path)) { setPrintTarget(this); }
    ~PdfFileTarget() override { setPrintTarget(nullptr); }
    bool choose(QPrinter& printer, QWidget* parent) override;
    int count = 0;

private:
    QString path_;
};

// The print preview: the pages as they will print, from which the user prints to a
// printer or a PDF file. The standard preview dialog; tests replace it.
class PreviewTarget {
public:
    virtual ~PreviewTarget() = default;
    // Shows the preview. paint paints every page onto the printer it is given: the
    // preview's own, and then the one the user prints to. True when the user printed.
    virtual bool show(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) = 0;
};
PreviewTarget& previewTarget();
void setPreviewTarget(PreviewTarget* t);  // nullptr restores the preview dialog

// For tests: the preview is painted into a PDF file at previewPath instead of a
// dialog; then, with printTo set, the user prints from it to that PDF file.
class PdfPreviewTarget : public PreviewTarget {
public:
    explicit PdfPreviewTarget(QString previewPath) : previewPath_(std::move(previewPath)) { setPreviewTarget(this); }
    ~PdfPreviewTarget() override { setPreviewTarget(nullptr); }
    bool show(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) override;
    QString printTo;
    int count = 0;

private:
    QString previewPath_;
};

// Gives a dialog the size it asks for where the screen has it, less the title bar's
// room, and places it wholly on the screen of parent (or the primary screen).
void fitOnScreen(QWidget* dialog, QSize wanted, const QWidget* parent);

// Sends the pages to the destination the user chooses, without a question (the
// report pages print at once).
PrintResult sendPages(const PageFeed& pages, QWidget* parent);
// The same for one sheet; true when it was printed.
bool sendSheet(const PageModel& page, QWidget* parent);

// Previews the pages; true when the user printed them from the preview, in full.
bool previewPages(const PageFeed& pages, QWidget* parent);
bool previewSheet(const PageModel& page, QWidget* parent);

// What the user is told when a sheet could not be printed: a PDF file that could not
// be written is named as such; otherwise the printer is to be checked.
Message printFailure(const QPrinter& printer);
// What the user is told when a PDF file did not reach its name: a full disk, a folder
// that may not be written, or else a folder to be checked, the file named each time.
Message writeFailure(const QString& path, const WriteFault& fault);

// The print action: asks the question through the prompter (print, preview, cancel);
// sends the page to the chosen destination, or previews it first. Returns true when
// the sheet was printed.
bool printSheet(const PageModel& page, const Message& question, QWidget* parent);

}  // namespace mx::ui
