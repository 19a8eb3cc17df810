#pragma once

#include "framework/classes/ClassRegistry.h"

namespace sControlClasses {

// Registers the skin engine's components that stored descriptions may name: the edit, the
// speed button, the check box, the gauge, the label and the skin manager; the skinned menu
// painter, which every skin manager made afterwards creates; and the label that editor
// styles show as their caption.
void RegisterSkinControlClasses(framework::TClassRegistry& classes);

}  // namespace sControlClasses
