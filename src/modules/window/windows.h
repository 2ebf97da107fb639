#pragma once

namespace mx {

// Makes every window of the folders listed in src/modules.def known to the window
// registry, so the menu, the project and the modules open each other by name.
void registerModuleWindows();

}  // namespace mx
