// mx7100-calc: runs a module's calculation headless, as the window's Calculate would,
// and prints the outcome as one JSON object (or writes the printed sheet as a PDF);
// or runs a CSV schedule of designs, one JSON line per row.
//
//   mx7100-calc MODULE [FIELD=TEXT | type=N | grade=SR24|SD30|SD35|SD40 ...] [--raw]
//               [--sheet FILE.pdf] [--drawing FILE.png]
//   mx7100-calc batch FILE.csv [--sheets FILE.pdf] [--raw]
//   mx7100-calc project PROJECT.mx7100 | report PROJECT.mx7100 --pdf FILE.pdf
//   mx7100-calc quantities PROJECT.mx7100 [--csv FILE.csv]
//   mx7100-calc [MODULE] --help | --version
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/output.h"
#include "cli/project_commands.h"
#include "cli/sheetbook.h"
#include "cli/tool.h"
#include "common/utf8.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/qttranslation.h"
#include "modules/catalogue.h"

#ifndef MX_VERSION
#define MX_VERSION "unknown"
#endif

namespace {

// The window drawing as a PNG at screen scale (15 twips to a pixel), with room to
// the right and below for the texts that start near the edge.
// The image is never larger than a few window surfaces, whatever the drawing reaches:
// what lies beyond is cut off rather than the image growing with the member's size.
bool writeDrawingPng(const mx::PageModel& page, const QString& path) {
    const auto [x, y] = page.extent();
    auto pixels = [](double twips, double least) {
        constexpr double kMostPixels = 4000;
        return static_cast<int>(std::isfinite(twips) ? std::clamp(twips / 15.0, least, kMostPixels) : least);
    };
    QImage image(pixels(x + 6000, 200), pixels(y + 800, 150), QImage::Format_RGB32);
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

bool isHelp(const std::string& a) { return a == "--help" || a == "-h" || a == "help"; }

// Qt paints the sheets; without a display it paints offscreen.
std::unique_ptr<QApplication> startQt(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    mx::ui::installQtThaiTranslation(*app);  // as the program does: any Qt text is Thai
    return app;
}

int cannotWriteOutput() {
    std::cerr << "mx7100-calc: cannot write the standard output\n";
    return 1;
}

int runBatchCommand(const std::vector<mx::ModuleDescription>& modules, const std::vector<std::string>& args, int& argc,
                    char** argv) {
    std::string csvPath, sheetsPath, projectPath;
    mx::cli::SettingMode mode = mx::cli::SettingMode::Typed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sheets") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return fail("--sheets needs a file name");
            sheetsPath = args[++i];
        } else if (args[i] == "--project") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return fail("--project needs a file name");
            projectPath = args[++i];
        } else if (args[i] == "--raw") {
            mode = mx::cli::SettingMode::Raw;
        } else if (csvPath.empty() && !args[i].empty() && !args[i].starts_with("-")) {
            csvPath = args[i];
        } else {
            return fail("batch takes FILE.csv [--sheets FILE.pdf] [--project OUT.mx7100] [--raw], not " + mx::quoted(args[i]));
        }
    }
    if (csvPath.empty()) return fail("usage: mx7100-calc batch FILE.csv [--sheets FILE.pdf] [--project OUT.mx7100] [--raw]");
    if (!sheetsPath.empty()) {
        // The schedule is never written over: a typing slip must not cost the input.
        if (mx::cli::samePath(csvPath, sheetsPath))
            return fail(mx::shownPath(sheetsPath) + " is the schedule itself; name another file for the sheets");
        if (const auto err = mx::cli::checkOutputPath(sheetsPath)) return fail(*err);
    }
    if (!projectPath.empty() && (mx::cli::samePath(csvPath, projectPath) ||
                                 (!sheetsPath.empty() && mx::cli::samePath(sheetsPath, projectPath))))
        return fail(mx::shownPath(projectPath) + " is named for another file of the batch; name another file for the project");
    if (!projectPath.empty())
        if (const auto err = mx::cli::checkOutputPath(projectPath)) return fail(*err);
    std::string bytes;
    if (const auto err = mx::cli::readInputFile(csvPath, bytes)) return fail(*err);
    mx::cli::CsvReader reader(bytes);
    const std::size_t rows = reader.remaining();
    if (rows == 0) return fail(mx::shownPath(csvPath) + " holds no rows");
    if (rows == 1) return fail(mx::shownPath(csvPath) + " holds a header and no designs");
    if (reader.encoding() == mx::cli::TextEncoding::Windows874)
        std::cerr << "mx7100-calc: " << mx::shownPath(csvPath) << " is not UTF-8; read as Windows-874 Thai\n";

    std::unique_ptr<QApplication> app;
    std::unique_ptr<mx::cli::SheetBook> book;
    bool bookFailed = false;
    std::function<bool(const mx::PageModel&)> addSheet;
    if (!sheetsPath.empty()) {
        app = startQt(argc, argv);
        book = std::make_unique<mx::cli::SheetBook>(sheetsPath);
        addSheet = [&](const mx::PageModel& page) {
            if (bookFailed) return false;
            bookFailed = !book->add(page);
            return !bookFailed;
        };
    }
    std::optional<mx::cli::BatchProject> kept;
    mx::cli::DesignSink keep;
    if (!projectPath.empty()) {
        kept.emplace(modules);
        keep = [&](const mx::ModuleDescription& m, const mx::FormState& state, int row) { kept->add(m, state, row); };
    }
    const auto summary = mx::cli::runBatch(modules, reader, mode, std::cout, std::cerr, addSheet, keep);
    if (summary.outputFailed) return cannotWriteOutput();
    // A row that could not be read is on its own line; the exit status says there was one.
    int status = summary.headerBad ? 2 : summary.bad > 0 ? 1 : 0;
    if (kept && !summary.headerBad && summary.designs == 0) {
        // A schedule of blank or unreadable rows must not empty a project kept there.
        std::cerr << "mx7100-calc: no row gave a design; " << mx::shownPath(projectPath) << " is not written\n";
    } else if (kept && !summary.headerBad) {
        if (const auto err = kept->save(projectPath)) {
            std::cerr << "mx7100-calc: " << *err << "\n";
            status = std::max(status, 1);
        }
    }
    if (book) {
        if (bookFailed) {
            std::cerr << "mx7100-calc: cannot write " << mx::shownPath(sheetsPath) << ": a page could not be painted\n";
            status = std::max(status, 1);
        } else if (book->pages() == 0) {
            std::cerr << "mx7100-calc: no design gave a sheet; " << mx::shownPath(sheetsPath) << " is not written\n";
        } else if (const auto err = book->finish()) {
            std::cerr << "mx7100-calc: " << *err << "\n";
            status = std::max(status, 1);
        }
    }
    return status;
}

// A standard stream the caller closed (`>&-`) would give its number to the next file
// opened, and the lines meant for it would land inside a PDF or a project. Each closed
// one is held by /dev/null opened for reading, so a write to it fails as it should.
void holdClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = ::open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    const std::vector<mx::ModuleDescription> modules = mx::allModules();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << mx::cli::toolHelp(modules);
        return 2;
    }
    const std::string& name = args[0];
    if (isHelp(name)) {
        // "help MODULE" is the same as "MODULE --help".
        if (args.size() > 1 && mx::findModule(modules, args[1])) {
            std::cout << mx::cli::moduleHelp(*mx::findModule(modules, args[1]));
            return 0;
        }
        std::cout << mx::cli::toolHelp(modules);
        return 0;
    }
    if (name == "--version" || name == "-V") {
        std::cout << "mx7100-calc " MX_VERSION "\n";
        return 0;
    }
    if (name == "batch") {
        if (args.size() > 1 && isHelp(args[1])) {
            std::cout << mx::cli::toolHelp(modules);
            return 0;
        }
        return runBatchCommand(modules, {args.begin() + 1, args.end()}, argc, argv);
    }
    if (name == "project" || name == "report" || name == "quantities" || name == "takedown")
        return mx::cli::runProjectCommand(modules, args, [&] { return startQt(argc, argv); });
    const mx::ModuleDescription* found = mx::findModule(modules, name);
    if (!found) {
        std::vector<std::string> names{"batch", "project", "report", "quantities", "takedown"};
        for (const auto& m : modules) names.push_back(m.name);
        return fail("unknown module " + mx::quoted(name) + " (did you mean " + mx::closestName(name, names) +
                    "? mx7100-calc --help lists them)");
    }
    const mx::ModuleDescription& module = *found;
    if (std::any_of(args.begin() + 1, args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        std::cout << mx::cli::moduleHelp(module);
        return 0;
    }
    if (!module.run) return fail("module '" + name + "' is not available yet");

    std::vector<std::string> settings(args.begin() + 1, args.end());
    if (const auto err = mx::cli::checkArguments(settings, std::cerr)) return fail(*err);
    mx::cli::Invocation inv;
    if (const auto err = mx::cli::parseSettings(module, settings, inv, mx::cli::SettingMode::Typed)) return fail(*err);

    const bool wantPages = !inv.sheetPath.empty() || !inv.drawingPath.empty();
    mx::cli::Report report = mx::cli::runInvocation(module, inv, wantPages);
    std::cout << mx::cli::toJson(module, inv.state, report) << std::endl;
    if (!std::cout) return cannotWriteOutput();
    if (!wantPages) return 0;

    if (!inv.sheetPath.empty() && !report.sheet) return fail("module '" + name + "' has no printed sheet yet");
    if (!inv.drawingPath.empty() && !report.drawing) return fail("module '" + name + "' has no drawing");
    const auto app = startQt(argc, argv);
    // Each file is painted into a temporary one and reaches its name only when whole.
    if (!inv.sheetPath.empty()) {
        mx::WriteFault fault;
        if (!mx::ui::writeSheetPdf(*report.sheet, QString::fromStdString(inv.sheetPath), &fault)) {
            std::cerr << "mx7100-calc: " << mx::cli::cannotWrite(inv.sheetPath, fault) << "\n";
            return 1;
        }
    }
    if (!inv.drawingPath.empty()) {
        mx::StagedOutput staged(inv.drawingPath);
        const QString staging = QString::fromStdString(staged.stagingPath());
        if (!staging.isEmpty()) writeDrawingPng(*report.drawing, staging);  // an unfinished file is caught below
        if (const auto fault = staged.commit(mx::kPngEnding)) {
            std::cerr << "mx7100-calc: " << mx::cli::cannotWrite(inv.drawingPath, *fault) << "\n";
            return 1;
        }
    }
    return 0;
}
