#include "project/window/reportprint.h"

#include <QPainter>
#include <QPrinter>

#include "project/report.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

namespace mx::project {

bool printProjectReport(const Project& project, const std::vector<cli::Module>& modules, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    ui::setUpSheetPrinter(printer);
    if (!ui::printTarget().choose(printer, parent)) return false;
    ui::setUpSheetPrinter(printer);  // every page is an A4 portrait sheet, whatever the dialog chose
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(1440);
    QPainter painter;
    bool ok = painter.begin(&printer);
    bool first = true;
    ok = ok && buildReport(project, modules, [&](const PageModel& page) {
        if (!first && !printer.newPage()) return false;
        first = false;
        ui::paintPage(painter, page, printer.resolution() / 1440.0, &printer);
        return true;
    });
    ok = painter.end() && ok;
    if (!ok) ui::prompter().show(ui::printFailure(printer), parent);
    return ok;
}

}  // namespace mx::project
