#pragma once
// The main menu's project part: the menu bar's "โครงการ" (new, open, save, save as,
// the recent projects, the project window, the report, exit), the window title with
// the project's name and its unsaved mark, and the question before the program ends
// with unsaved changes.
namespace mx::shell {
class MainMenu;
}

namespace mx::project {

class ProjectSession;

void attachProjectMenu(shell::MainMenu& menu, ProjectSession& session);

}  // namespace mx::project
