#pragma once
// A PDF of many calculation sheets, one A4 page each, written page by page as the
// designs of a batch are run, so a long batch never holds more than one sheet.
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

#include "common/page.h"

namespace mx::cli {

class SheetBook {
public:
    // The file is opened by the first page, so a batch without sheets writes none.
    explicit SheetBook(const QString& path);
    ~SheetBook();
    // Adds the sheet as the next page; false when it could not be painted.
    bool add(const PageModel& page);
    int pages() const { return pages_; }
    // Ends the document; false when the file could not be finished.
    bool finish();

private:
    QPrinter printer_;
    QPainter painter_;
    bool ok_ = false;
    bool finished_ = false;
    int pages_ = 0;
};

}  // namespace mx::cli
