#pragma once

// The classes a description of skinned controls names: the framework's and the skin engine's.

#include "framework/classes/ClassRegistry.h"
#include "framework/forms/FrameworkClasses.h"
#include "skinengine/controls/sControlClasses.h"

namespace skintests {

inline const framework::TClassRegistry& SkinClasses() {
  static const framework::TClassRegistry classes = [] {
    framework::TClassRegistry r;
    framework::RegisterFrameworkClasses(r);
    sControlClasses::RegisterSkinControlClasses(r);
    return r;
  }();
  return classes;
}

}  // namespace skintests
