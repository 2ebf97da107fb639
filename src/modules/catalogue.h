#pragma once
// Every module the program and the tool offer, gathered from the folders listed in
// src/modules.def, in that order. No Qt.
#include <string_view>
#include <vector>

#include "common/module.h"

namespace mx {

// The descriptions of every listed folder, made once.
const std::vector<ModuleDescription>& allModules();

// The module of a name among allModules(), or nullptr.
const ModuleDescription* findModule(std::string_view name);

}  // namespace mx
