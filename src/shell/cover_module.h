#pragma once
// The report's two pages as modules: the cover and the design criteria. They
// calculate nothing; their run prints the page from the fields.
#include "common/cli.h"

namespace mx::shell {

ModuleDescription coverDescription();
ModuleDescription criteriaDescription();

}  // namespace mx::shell
