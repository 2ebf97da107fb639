#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText pileCapHelp() { return {"foot2help", "", ""}; }

}  // namespace mx::help
