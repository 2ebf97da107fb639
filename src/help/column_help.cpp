#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText columnHelp() { return {"chelp", "", ""}; }

}  // namespace mx::help
