#pragma once

#include "framework/classes/ClassRegistry.h"

namespace sControlClasses {

// Registers the skin engine's components that stored descriptions may name: the edit, the
// speed button, the check box, the gauge and the skin manager.
void RegisterSkinControlClasses(framework::TClassRegistry& classes);

}  // namespace sControlClasses
