#pragma once
// The print action of the pile windows' sheets.
#include <optional>

#include "common/message.h"
#include "common/page.h"

class QWidget;

namespace mx::pile {

// Asks the print question; on OK shows the sheet's warning, if any, and prints the
// page. True when the sheet went to the printer.
bool printPileSheet(const PageModel& page, const std::optional<Message>& warning, QWidget* parent);

}  // namespace mx::pile
