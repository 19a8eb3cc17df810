#pragma once

#include <functional>

namespace framework {

class TControl;

// The control under the mouse. Changing it sends CM_MOUSELEAVE to the one left and
// CM_MOUSEENTER to the one entered, then tells the hook (the application shows hints).
TControl* MouseControl();
void SetMouseControl(TControl* control);
// A control being freed stops being the mouse control without being told.
void ForgetMouseControl(TControl* control);

using TMouseControlHook = std::function<void(TControl* control)>;
void SetMouseControlHook(TMouseControlHook hook);

}  // namespace framework
