#include "pile/window/sheetprint.h"

#include "pile/pile_sheet.h"
#include "ui/printing.h"
#include "ui/prompter.h"

namespace mx::pile {

bool printPileSheet(const PageModel& page, const std::optional<Message>& warning, QWidget* parent) {
    if (!warning) return ui::printSheet(page, sheetQuestion(), parent);
    // The warning belongs between the question and the printer: the user has chosen
    // to print, is told the sheet has no pile type, and the sheet still prints.
    const ui::PrintChoice choice = ui::prompter().askPrint(sheetQuestion(), parent);
    if (choice == ui::PrintChoice::Cancel) return false;
    ui::prompter().show(*warning, parent);
    return choice == ui::PrintChoice::Preview ? ui::previewSheet(page, parent) : ui::sendSheet(page, parent);
}

}  // namespace mx::pile
