#include "help/help_texts.h"

namespace mx::help {

// Written together with the module's window.
HelpText spreadFootingHelp() { return {"f00t1help", "", ""}; }

}  // namespace mx::help
