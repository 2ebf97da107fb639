#pragma once
// The pile-cap footing module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::pilecap {

ModuleDescription description();

}  // namespace mx::pilecap
