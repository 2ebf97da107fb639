#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText pileHelp() { return {"pilehelp", "", ""}; }

}  // namespace mx::help
