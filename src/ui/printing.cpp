#include "ui/printing.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QGuiApplication>

#include <optional>

#include "ui/memberlayout.h"
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

bool writeSheetPdf(const PageModel& page, const QString& path, WriteFault* fault) {
    StagedOutput staged(path.toStdString());
    if (!staged.stagingPath().empty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(staged.stagingPath()));
        printer.setResolution(1440);
        setUpSheetPrinter(printer);
        // A painter that did not finish leaves no closing bytes: commit reports it.
        renderSheet(printer, page);
    }
    const std::optional<WriteFault> failed = staged.commit(kPdfEnding);
    if (failed && fault) *fault = *failed;
    return !failed;
}

namespace {

// The preview dialog paints onto its printer through a picture engine of its own;
// only the print the user asks for from it reaches a printer or a file.
PrintedTo& lastDestination() {
    static PrintedTo where;
    return where;
}

bool inPreview(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

}  // namespace

PrintResult paintPages(QPrinter& printer, const PageFeed& pages, QWidget* parent) {
    // A dialog may have changed the paper; the sheets are always A4 portrait.
    setUpSheetPrinter(printer);
    const bool preview = inPreview(printer);
    const QString name = printer.outputFileName();
    const bool toFile = !preview && printer.outputFormat() == QPrinter::PdfFormat && !name.isEmpty();
    std::optional<StagedOutput> staged;
    if (toFile) {
        printer.setResolution(1440);
        staged.emplace(name.toStdString());
        if (staged->stagingPath().empty()) {
            prompter().show(writeFailure(name, *staged->commit(kPdfEnding)), parent);
            return PrintResult::Failed;
        }
        printer.setOutputFileName(QString::fromStdString(staged->stagingPath()));
    }

    QPainter painter;
    bool failed = false;
    int done = 0;
    const bool whole = pages([&](const PageModel& page) {
        if (done == 0 ? !painter.begin(&printer) : !printer.newPage()) {
            failed = true;
            return false;
        }
        paintPage(painter, page, printer.resolution() / 1440.0, &printer);
        ++done;
        return true;
    });
    PrintResult result = whole ? PrintResult::Printed : failed ? PrintResult::Failed : PrintResult::Cancelled;
    // A cancelled job is withdrawn from the printer rather than sent half-way; a
    // cancelled PDF is never committed, so no file takes its name.
    if (result == PrintResult::Cancelled && !preview && printer.outputFormat() == QPrinter::NativeFormat &&
        painter.isActive())
        printer.abort();
    if (painter.isActive() && !painter.end() && result == PrintResult::Printed) result = PrintResult::Failed;
    if (toFile) printer.setOutputFileName(name);

    if (result == PrintResult::Failed) {
        // A printer that is off or a file that cannot be written: say which, rather than
        // let the user believe the sheet is on its way.
        prompter().show(printFailure(printer), parent);
    } else if (result == PrintResult::Printed && toFile) {
        if (const auto fault = staged->commit(kPdfEnding)) {
            prompter().show(writeFailure(name, *fault), parent);
            result = PrintResult::Failed;
        }
    }
    if (result == PrintResult::Printed && !preview)
        lastDestination() = {toFile ? name : printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName(),
                             done};
    return result;
}

PrintedTo lastPrint() { return lastDestination(); }

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

class DialogPreview : public PreviewTarget {
public:
    bool show(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) override {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("ดูตัวอย่างก่อนพิมพ์"));
        // A whole A4 page where the screen allows; a laptop's 1280 x 720 shows a smaller one.
        fitOnScreen(&dialog, QSize(900, 1000), parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) { paint(*p); });
        return dialog.exec() == QDialog::Accepted;
    }
};

DialogTarget dialogs;
PrintTarget* currentTarget = &dialogs;
DialogPreview previewDialog;
PreviewTarget* currentPreview = &previewDialog;

}  // namespace

void fitOnScreen(QWidget* dialog, QSize wanted, const QWidget* parent) {
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        dialog->resize(wanted);
        return;
    }
    const QRect room = screen->availableGeometry().adjusted(0, frame::kTitleBarRoom, 0, 0);
    const QSize size = wanted.boundedTo(room.size()).expandedTo(dialog->minimumSize());
    dialog->setGeometry(QRect(room.topLeft() + QPoint(std::max(0, (room.width() - size.width()) / 2),
                                                      std::max(0, (room.height() - size.height()) / 2)),
                              size));
}

PrintTarget& printTarget() { return *currentTarget; }
void setPrintTarget(PrintTarget* t) { currentTarget = t ? t : &dialogs; }
PreviewTarget& previewTarget() { return *currentPreview; }
void setPreviewTarget(PreviewTarget* t) { currentPreview = t ? t : &previewDialog; }

bool PdfFileTarget::choose(QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path_);
    ++count;
    return true;
}

bool PdfPreviewTarget::show(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget*) {
    ++count;
    QPrinter shown(QPrinter::HighResolution);
    shown.setOutputFormat(QPrinter::PdfFormat);
    shown.setOutputFileName(previewPath_);
    paint(shown);
    if (printTo.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    paint(printer);
    return true;
}

namespace {

PageFeed onePage(const PageModel& page) {
    return [&page](const PageSink& add) { return add(page); };
}

}  // namespace

PrintResult sendPages(const PageFeed& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpSheetPrinter(printer);
    if (!printTarget().choose(printer, parent)) return PrintResult::Cancelled;
    return paintPages(printer, pages, parent);
}

bool sendSheet(const PageModel& page, QWidget* parent) {
    return sendPages(onePage(page), parent) == PrintResult::Printed;
}

bool previewPages(const PageFeed& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpSheetPrinter(printer);
    // The preview paints again whenever it redraws; what counts is the last paint,
    // the one the user printed.
    PrintResult last = PrintResult::Cancelled;
    const bool printed =
        previewTarget().show(printer, [&](QPrinter& p) { last = paintPages(p, pages, parent); }, parent);
    return printed && last == PrintResult::Printed;
}

bool previewSheet(const PageModel& page, QWidget* parent) { return previewPages(onePage(page), parent); }

namespace {

// What a PDF that did not reach its name is told as: the cause, then what to do.
struct WriteFailureText {
    bool (WriteFault::*applies)() const;
    const char* text;
};
constexpr WriteFailureText kWriteFailures[] = {
    {&WriteFault::full, " ไม่ได้ ที่เก็บข้อมูลเต็ม กรุณาลบไฟล์ที่ไม่ใช้แล้วหรือเลือกที่เก็บอื่น แล้วลองใหม่อีกครั้ง"},
    {&WriteFault::denied, " ไม่ได้ ไม่มีสิทธิ์เขียนไฟล์ในโฟลเดอร์นั้น กรุณาเลือกโฟลเดอร์อื่น แล้วลองใหม่อีกครั้ง"},
};
constexpr const char* kCannotSave = " ไม่ได้ กรุณาตรวจสอบว่าโฟลเดอร์นั้นมีอยู่และบันทึกไฟล์ลงได้ แล้วลองใหม่อีกครั้ง";
constexpr const char* kCannotSaveTitle = "บันทึกไฟล์ไม่ได้";

}  // namespace

Message writeFailure(const QString& path, const WriteFault& fault) {
    const char* text = kCannotSave;
    for (const WriteFailureText& w : kWriteFailures)
        if ((fault.*w.applies)()) {
            text = w.text;
            break;
        }
    return Message{"บันทึกไฟล์ " + path.toStdString() + text, kCannotSaveTitle, Icon::Exclamation};
}

Message printFailure(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return Message{"บันทึกไฟล์ " + printer.outputFileName().toStdString() + kCannotSave, kCannotSaveTitle,
                       Icon::Exclamation};
    return Message{"ไม่สามารถพิมพ์ได้ กรุณาตรวจสอบเครื่องพิมพ์แล้วลองใหม่อีกครั้ง", "พิมพ์", Icon::Exclamation};
}

bool printSheet(const PageModel& page, const Message& question, QWidget* parent) {
    switch (prompter().askPrint(question, parent)) {
    case PrintChoice::Print: return sendSheet(page, parent);
    case PrintChoice::Preview: return previewSheet(page, parent);
    case PrintChoice::Cancel: break;
    }
    return false;
}

}  // namespace mx::ui
