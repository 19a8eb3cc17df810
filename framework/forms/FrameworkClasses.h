#pragma once

#include "framework/classes/ClassRegistry.h"

namespace framework {

// Registers the framework's non-visual components that stored descriptions may name:
// menus and their items, the timer, the file dialogs, image lists, actions.
void RegisterFrameworkClasses(TClassRegistry& classes);

}  // namespace framework
