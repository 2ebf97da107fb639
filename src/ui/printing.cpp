#include "ui/printing.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/pagepainter.h"
#include "ui/prompter.h"

namespace mx::ui {

void setUpSheetPrinter(QPrinter& printer) {
    printer.setFullPage(false);
    const QMarginsF margins(5, 5, 5, 5);  // millimetres: what office printers can reach
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
}

bool renderSheet(QPrinter& printer, const PageModel& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    paintPage(painter, page, printer.resolution() / 1440.0, &printer);
    return painter.end();
}

bool writeSheetPdf(const PageModel& page, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(1440);
    setUpSheetPrinter(printer);
    return renderSheet(printer, page);
}

namespace {

class DialogTarget : public PrintTarget {
public:
    bool choose(QPrinter& printer, QWidget* parent) override {
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("บันทึกรายการคำนวณเป็นไฟล์ PDF"),
                                                              QStringLiteral("รายการคำนวณ.pdf"),
                                                              QStringLiteral("PDF (*.pdf)"));
            if (path.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path.endsWith(".pdf", Qt::CaseInsensitive) ? path : path + ".pdf");
            return true;
        }
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    }
};

DialogTarget dialogs;
PrintTarget* currentTarget = &dialogs;

}  // namespace

PrintTarget& printTarget() { return *currentTarget; }
void setPrintTarget(PrintTarget* t) { currentTarget = t ? t : &dialogs; }

bool PdfFileTarget::choose(QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path_);
    ++count;
    return true;
}

Message printFailure(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return Message{"บันทึกไฟล์ " + printer.outputFileName().toStdString() +
                           " ไม่ได้ กรุณาตรวจสอบว่าโฟลเดอร์นั้นมีอยู่และบันทึกไฟล์ลงได้ แล้วลองใหม่อีกครั้ง",
                       "บันทึกไฟล์ไม่ได้", Icon::Exclamation};
    return Message{"ไม่สามารถพิมพ์ได้ กรุณาตรวจสอบเครื่องพิมพ์แล้วลองใหม่อีกครั้ง", "พิมพ์", Icon::Exclamation};
}

bool printSheet(const PageModel& page, const Message& question, QWidget* parent) {
    return prompter().ask(question, parent) && sendSheet(page, parent);
}

bool sendSheet(const PageModel& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpSheetPrinter(printer);
    if (!printTarget().choose(printer, parent)) return false;
    // The dialog may have changed the paper; the sheet is always A4 portrait.
    setUpSheetPrinter(printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(1440);
    if (renderSheet(printer, page)) return true;
    // A printer that is off or a file that cannot be written: say which, rather than
    // let the user believe the sheet is on its way.
    prompter().show(printFailure(printer), parent);
    return false;
}

}  // namespace mx::ui
