#pragma once

#include "framework/classes/ClassInfo.h"

namespace framework {

// The border styles of forms; a control's frame takes the first two.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const TEnumType FormBorderStyleType;
// A control's frame: bsNone or bsSingle of the form border styles.
using TBorderStyle = TFormBorderStyle;
extern const TEnumType BorderStyleType;

}  // namespace framework
