#pragma once
// The main menu's "print the project's calculation report".
#include <vector>

#include "common/cli.h"
#include "project/project.h"

class QWidget;

namespace mx::project {

// Prints every page of the project's report, in order, through the shared printing
// path to the destination the user chooses. True when the report was printed.
bool printProjectReport(const Project& project, const std::vector<cli::Module>& modules, QWidget* parent);

}  // namespace mx::project
