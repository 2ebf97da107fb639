#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText beamHelp() { return {"Bhelp", "", ""}; }

}  // namespace mx::help
