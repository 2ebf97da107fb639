// mx7100-calc: runs a module's calculation headless, as the window's Calculate would,
// and prints the outcome as one JSON object (or writes the printed sheet as a PDF).
//
//   mx7100-calc MODULE [CONTROL=TEXT | type=N | grade=SR24|SD30|SD35|SD40 ...]
//               [--sheet FILE.pdf] [--drawing FILE.png]
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "common/cli_modules.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"

namespace {

std::vector<mx::cli::Module> modules() {
    using namespace mx::cli;
    return {pileCliModule(),   blowCliModule(),          beamCliModule(),    slabCliModule(),
            columnCliModule(), stairCliModule(),         spreadFootingCliModule(), pileCapCliModule(),
            coverCliModule(),  criteriaCliModule()};
}

// The window drawing as a PNG at screen scale (15 twips to a pixel), with room to
// the right and below for the texts that start near the edge.
bool writeDrawingPng(const mx::PageModel& page, const QString& path) {
    const auto [x, y] = page.extent();
    const int w = static_cast<int>((x + 6000) / 15.0), h = static_cast<int>((y + 800) / 15.0);
    QImage image(std::max(w, 200), std::max(h, 150), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    mx::ui::paintPage(painter, page, 1.0 / 15.0, &image);
    painter.end();
    return image.save(path, "PNG");
}

int fail(const std::string& message) {
    std::cerr << "mx7100-calc: " << message << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::string names;
        for (const auto& m : modules()) names += (names.empty() ? "" : "|") + m.name;
        return fail("usage: mx7100-calc " + names + " [CONTROL=TEXT | type=N | grade=G ...] [--sheet FILE.pdf]");
    }
    const std::string name = argv[1];
    mx::cli::Module module;
    bool found = false;
    for (auto& m : modules()) {
        if (m.name == name) {
            module = m;
            found = true;
        }
    }
    if (!found) return fail("unknown module '" + name + "'");
    if (!module.run) return fail("module '" + name + "' is not available yet");

    mx::cli::Invocation inv;
    if (const auto err = mx::cli::parseSettings(module, std::vector<std::string>(argv + 2, argv + argc), inv))
        return fail(*err);

    const bool wantPages = !inv.sheetPath.empty() || !inv.drawingPath.empty();
    mx::cli::Report report = module.run(inv.state, wantPages);
    std::cout << mx::cli::toJson(module, inv.state, report) << std::endl;
    if (!wantPages) return 0;

    if (!inv.sheetPath.empty() && !report.sheet) return fail("module '" + name + "' has no printed sheet yet");
    if (!inv.drawingPath.empty() && !report.drawing) return fail("module '" + name + "' has no drawing");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!inv.sheetPath.empty() && !mx::ui::writeSheetPdf(*report.sheet, QString::fromStdString(inv.sheetPath))) {
        std::cerr << "mx7100-calc: cannot write " << inv.sheetPath << "\n";
        return 1;
    }
    if (!inv.drawingPath.empty() && !writeDrawingPng(*report.drawing, QString::fromStdString(inv.drawingPath))) {
        std::cerr << "mx7100-calc: cannot write " << inv.drawingPath << "\n";
        return 1;
    }
    return 0;
}
