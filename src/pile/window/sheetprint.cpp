#include "pile/window/sheetprint.h"

#include "pile/pile_sheet.h"
#include "ui/printing.h"
#include "ui/prompter.h"

namespace mx::pile {

bool printPileSheet(const PageModel& page, const std::optional<Message>& warning, QWidget* parent) {
    if (!warning) return ui::printSheet(page, sheetQuestion(), parent);
    // The warning belongs between the question and the printer: the user has chosen
    // to print, is told the sheet has no pile type, and the sheet still prints.
    if (!ui::prompter().ask(sheetQuestion(), parent)) return false;
    ui::prompter().show(*warning, parent);
    return ui::sendSheet(page, parent);
}

}  // namespace mx::pile
