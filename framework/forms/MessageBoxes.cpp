#include "framework/forms/MessageBoxes.h"

#include "framework/forms/Application.h"
#include "platform/window/Input.h"

namespace framework {

void ShowMessage(const std::string& text, platform::MessageBoxKind kind) {
  platform::MessageBoxParams box;
  box.Owner = platform::GetActiveWindow();
  box.Kind = kind;
  box.Caption = Application() ? Application()->Title() : std::string();
  box.Text = text;
  platform::MessageBox(box);
}

}  // namespace framework
