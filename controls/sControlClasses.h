#pragma once

#include "framework/classes/ClassRegistry.h"

namespace sControlClasses {

// Registers the skin engine's components that stored descriptions may name: the edit, the
// speed button, the check box, the gauge and the skin manager; and the skinned menu painter,
// which every skin manager made afterwards creates.
void RegisterSkinControlClasses(framework::TClassRegistry& classes);

}  // namespace sControlClasses
