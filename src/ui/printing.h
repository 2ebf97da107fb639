#pragma once
// Printing a calculation sheet: one A4 portrait page, positions in twips from the
// top-left of the printable area.
#include <QString>

#include "common/message.h"
#include "common/page.h"

class QPrinter;
class QWidget;

namespace mx::ui {

// Sets up a printer for a sheet: A4, portrait, quarter-inch margins.
void setUpSheetPrinter(QPrinter& printer);
// Paints the page onto an already set-up printer as one page.
bool renderSheet(QPrinter& printer, const PageModel& page);
// Writes the page as a one-page PDF file (the command-line tool, tests).
bool writeSheetPdf(const PageModel& page, const QString& path);

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

// Sends the page to the destination the user chooses, without a question (the report
// pages print at once). Returns true when the sheet was printed.
bool sendSheet(const PageModel& page, QWidget* parent);

// What the user is told when a sheet could not be printed: a PDF file that could not
// be written is named as such; otherwise the printer is to be checked.
Message printFailure(const QPrinter& printer);

// The print action: asks the question through the prompter; on OK sends the page to
// the chosen destination. Returns true when the sheet was printed.
bool printSheet(const PageModel& page, const Message& question, QWidget* parent);

}  // namespace mx::ui
