#pragma once

// A headless desktop with an application and a shown form, and small controls that record
// what happens to them.

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ClassRegistry.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/FrameworkClasses.h"
#include "platform/headless/Headless.h"
#include "platform/window/Input.h"

namespace framework::testing {

using Log = std::vector<std::string>;

// A windowed control that takes the focus by Tab and by click, and logs its keys.
class TProbeEdit : public TCustomControl {
 public:
  explicit TProbeEdit(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  std::string Typed;

 protected:
  void KeyPress(char& key) override {
    TCustomControl::KeyPress(key);
    if (key != 0) Typed += key;
  }
};

// A windowed container that does not take the focus (a panel).
class TProbePanel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

// A button without a window (a speed button): it never has the focus.
class TProbeButton : public TGraphicControl {
 public:
  explicit TProbeButton(TComponent* owner) : TGraphicControl(owner) {}
  platform::TColor Face = platform::clRed;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Face);
    Canvas()->FillRect({0, 0, Width(), Height()});
  }
};

// Every class the framework publishes, as stored forms name them.
inline const TClassRegistry& FrameworkClasses() {
  static const TClassRegistry registry = [] {
    TClassRegistry r;
    RegisterFrameworkClasses(r);
    return r;
  }();
  return registry;
}

class FormFixture {
 public:
  FormFixture() {
    form = app.CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    form->ShowForm();
  }

  // The centre of a control, in screen coordinates.
  platform::TPoint Centre(const TControl& control) const {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  }
  void Click(const TControl& control) { session.Click(Centre(control)); }
  // A key pressed while a modifier key is held.
  void PressWith(std::uint32_t modifier, std::uint32_t key) {
    platform::InputKey(modifier, true);
    session.PressKey(key);
    platform::InputKey(modifier, false);
  }

  template <class C>
  C* Add(TWinControl* parent, int left, int top, int width = 60, int height = 20) {
    auto* control = new C(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  platform::HeadlessSession session;
  TApplication app;
  TForm* form = nullptr;
};

}  // namespace framework::testing
