#include <cstdint>

#include "framework/controls/WinControl.h"
#include "framework/forms/Application.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinManager.h"

namespace sSkinManager {

using framework::TComponent;
using framework::TWinControl;
using platform::TMessage;

namespace {

TMessage Perform(framework::TControl& control, std::uint32_t msg, platform::WPARAM wParam,
                 platform::LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  control.WindowProc(message);
  return message;
}

// Windowed controls hear it through their window procedure, then their own components do;
// frame painters hear it at their frame style; other components are passed by.
void SendToOwned(TComponent& owner, std::uint32_t msg, platform::WPARAM wParam,
                 platform::LPARAM lParam) {
  // A receiver may free components; stay within the list as it is now.
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* component = owner.Components(i);
    if (auto* control = dynamic_cast<TWinControl*>(component)) {
      Perform(*control, msg, wParam, lParam);
      SendToOwned(*control, msg, wParam, lParam);
    } else if (auto* painter = dynamic_cast<TsFramePainter*>(component)) {
      TMessage message{msg, wParam, lParam, 0};
      painter->FrameStyleMessage(message);
    }
  }
}

}  // namespace

void TsSkinManager::Broadcast(std::uint32_t msg) {
  framework::TApplication* application = framework::Application();
  if (!application) return;
  const platform::LPARAM lParam = sMessages::SkinManagerParam(this);
  for (int i = 0; i < application->ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TWinControl*>(application->Components(i)))
      SendToOwned(*form, msg, groupIndex_, lParam);
}

framework::TPersistent* SkinStyleOf(TComponent* component) {
  auto* control = dynamic_cast<framework::TControl*>(component);
  if (!control) return nullptr;
  const TMessage reply = Perform(*control, sMessages::SM_GETSTYLE, 0, 0);
  return sMessages::StyleOf(reply);
}

int IsSkinnedControl(TComponent* component) {
  auto* control = dynamic_cast<TWinControl*>(component);
  if (!control) return 0;
  return sMessages::StyleTypeOf(Perform(*control, sMessages::SM_GETSTYLE, 0, 0));
}

}  // namespace sSkinManager
