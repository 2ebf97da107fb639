#include "cli/sheetbook.h"

#include "ui/pagepainter.h"
#include "ui/printing.h"

namespace mx::cli {

SheetBook::SheetBook(const std::string& path) : output_(path), printer_(QPrinter::HighResolution) {
    // The same printer set-up as a single sheet, so every page matches the window's print.
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromStdString(output_.stagingPath()));
    printer_.setResolution(1440);
    ui::setUpSheetPrinter(printer_);
}

SheetBook::~SheetBook() {
    if (painter_.isActive()) painter_.end();
}

std::optional<std::string> SheetBook::cannotStart() {
    if (!output_.stagingPath().empty()) return std::nullopt;
    return cannotWrite(output_.target(), output_.commit({}).value_or(WriteFault{WriteFault::Kind::NoTemporary, 0}));
}

bool SheetBook::add(const PageModel& page) {
    if (finished_ || output_.stagingPath().empty()) return false;
    if (pages_ == 0) {
        ok_ = painter_.begin(&printer_);
        if (!ok_) return false;
    } else if (!ok_ || !printer_.newPage()) {
        return false;
    }
    ui::paintPage(painter_, page, printer_.resolution() / 1440.0, &printer_);
    ++pages_;
    return true;
}

std::optional<std::string> SheetBook::finish() {
    if (finished_ || pages_ == 0) return std::nullopt;
    finished_ = true;
    if (!painter_.end() || !ok_) return "cannot write " + output_.target() + ": the pages could not be painted";
    if (const auto fault = output_.commit(kPdfEnding)) return cannotWrite(output_.target(), *fault);
    return std::nullopt;
}

}  // namespace mx::cli
