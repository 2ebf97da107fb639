#pragma once
// A PDF of many calculation sheets, one A4 page each, written page by page as the
// designs of a batch are run, so a long batch never holds more than one sheet.
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "cli/output.h"
#include "common/page.h"

namespace mx::cli {

class SheetBook {
public:
    // The pages go to a temporary file, opened by the first page; the book reaches its
    // name only when finished whole, so a batch without sheets writes no file.
    explicit SheetBook(const std::string& path);
    ~SheetBook();
    // Why no page can be written at all (no temporary file could be made beside the
    // name: the folder may not be written), known before any page is painted; nothing
    // when the book can be written.
    std::optional<std::string> cannotStart();
    // Adds the sheet as the next page; false when it could not be painted.
    bool add(const PageModel& page);
    int pages() const { return pages_; }
    // Ends the document and writes it to its name. Returns an error text naming the
    // file, or nothing; with no page added it writes nothing.
    std::optional<std::string> finish();

private:
    StagedOutput output_;
    QPrinter printer_;
    QPainter painter_;
    bool ok_ = false;
    bool finished_ = false;
    int pages_ = 0;
};

}  // namespace mx::cli
