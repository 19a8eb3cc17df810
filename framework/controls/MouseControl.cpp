#include "framework/controls/MouseControl.h"

#include "framework/controls/Control.h"

namespace framework {

namespace {
TControl* current = nullptr;

TMouseControlHook& Hook() {
  static TMouseControlHook hook;
  return hook;
}
}  // namespace

TControl* MouseControl() {
  return current;
}

void SetMouseControl(TControl* control) {
  if (control == current) return;
  TControl* old = current;
  current = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control && current == control) control->Perform(CM_MOUSEENTER);
  if (Hook() && current == control) Hook()(control);
}

void ForgetMouseControl(TControl* control) {
  if (control != current) return;
  current = nullptr;
  if (Hook()) Hook()(nullptr);
}

void SetMouseControlHook(TMouseControlHook hook) {
  Hook() = std::move(hook);
}

}  // namespace framework
