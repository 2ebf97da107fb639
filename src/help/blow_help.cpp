#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText blowHelp() { return {"blowhelp", "", ""}; }

}  // namespace mx::help
