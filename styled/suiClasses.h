#pragma once

#include "framework/classes/ClassRegistry.h"

namespace suiClasses {

// Registers the styling kit's components for stored descriptions.
void RegisterStyledClasses(framework::TClassRegistry& classes);

}  // namespace suiClasses
