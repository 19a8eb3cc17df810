#pragma once

#include "framework/classes/ClassInfo.h"
#include "skinengine/pixels/sBevels.h"

// The bevel enumerations as published types, and their reading from plain ordinals.
namespace sBevelTypes {

extern const framework::TEnumType ControlBevelType;
extern const framework::TEnumType EditorBevelType;

// An ordinal outside the enumeration (a skin file may hold anything) gives no bevel.
sBevels::TsControlBevel ControlBevelOf(int ordinal);
sBevels::TsEditorBevel EditorBevelOf(int ordinal);

}  // namespace sBevelTypes
