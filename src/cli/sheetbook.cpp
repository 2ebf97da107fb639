#include "cli/sheetbook.h"

#include "ui/pagepainter.h"
#include "ui/printing.h"

namespace mx::cli {

SheetBook::SheetBook(const QString& path) : printer_(QPrinter::HighResolution) {
    // The same printer set-up as a single sheet, so every page matches the window's print.
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path);
    printer_.setResolution(1440);
    ui::setUpSheetPrinter(printer_);
}

SheetBook::~SheetBook() { finish(); }

bool SheetBook::add(const PageModel& page) {
    if (finished_) return false;
    if (pages_ == 0) {
        // The file is opened by the first page, so an empty batch writes no file.
        ok_ = painter_.begin(&printer_);
        if (!ok_) return false;
    } else if (!ok_ || !printer_.newPage()) {
        return false;
    }
    ui::paintPage(painter_, page, printer_.resolution() / 1440.0, &printer_);
    ++pages_;
    return true;
}

bool SheetBook::finish() {
    if (finished_) return ok_;
    finished_ = true;
    if (pages_ > 0 && painter_.isActive()) ok_ = painter_.end() && ok_;
    return ok_;
}

}  // namespace mx::cli
