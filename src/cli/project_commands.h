#pragma once
// The tool's project commands:
//   mx7100-calc project PROJECT.mx7100                  one JSON line per member
//   mx7100-calc report PROJECT.mx7100 --pdf FILE.pdf    the whole calculation report
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/cli.h"

class QApplication;

namespace mx::cli {

// Runs "project" or "report" (args[0]); startQt starts painting when pages are
// written. Exit status 0, 1 when the PDF could not be written, 2 for a file or a
// command line that cannot be used.
int runProjectCommand(const std::vector<Module>& modules, const std::vector<std::string>& args,
                      const std::function<std::unique_ptr<QApplication>()>& startQt);

}  // namespace mx::cli
