#pragma once
// The tool's project commands:
//   mx7100-calc project PROJECT.mx7100                  one JSON line per member
//   mx7100-calc report PROJECT.mx7100 --pdf FILE.pdf    the whole calculation report
//   mx7100-calc quantities PROJECT.mx7100 [--csv F]     one JSON line per member's quantities and
//                                                       one for the totals; the table as CSV
//   mx7100-calc takedown PROJECT.mx7100                 one JSON line per linked field
// and what `batch FILE.csv --project OUT.mx7100` keeps of a schedule.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/cli.h"
#include "project/project.h"

class QApplication;

namespace mx::cli {

// Runs "project", "report", "quantities" or "takedown" (args[0]); startQt starts painting when pages are
// written. Exit status 0, 1 when the PDF could not be written, 2 for a file or a
// command line that cannot be used.
int runProjectCommand(const std::vector<ModuleDescription>& modules, const std::vector<std::string>& args,
                      const std::function<std::unique_ptr<QApplication>()>& startQt);

// The designs of a batch kept as a project's members (batch --project): each with its
// type, grade and every field's text as the row's settings left them, named by its
// member field or, where that is empty, by its row.
class BatchProject {
public:
    explicit BatchProject(const std::vector<ModuleDescription>& modules);
    void add(const ModuleDescription& module, const FormState& state, int row);
    // Saves the project; a Thai message naming the file when it cannot be written.
    std::optional<std::string> save(const std::string& path) const;

private:
    const std::vector<ModuleDescription>* modules_;
    project::Project project_;
};

}  // namespace mx::cli
