#pragma once

namespace mx::shell {

// Makes the shell's own windows known to the window registry: the identity window
// t01, the calculator and the two report-page makers.
void registerWindows();

}  // namespace mx::shell
