#pragma once

// Makes every built module window known to the window registry, so the menu and the
// modules can open each other by name.
void registerModuleWindows();
