#include "framework/forms/MessageBoxes.h"

#include <utility>

#include "framework/forms/Application.h"
#include "platform/window/Input.h"

namespace framework {
namespace {

void ShowBox(const std::string& text, platform::MessageBoxKind kind, std::string caption) {
  platform::MessageBoxParams box;
  box.Owner = platform::GetActiveWindow();
  box.Kind = kind;
  box.Caption = std::move(caption);
  box.Text = text;
  platform::MessageBox(box);
}

std::string ApplicationTitle() { return Application() ? Application()->Title() : std::string(); }

}  // namespace

void ShowMessage(const std::string& text, platform::MessageBoxKind kind) {
  ShowBox(text, kind, ApplicationTitle());
}

void MessageDlg(const std::string& text, TMsgDlgType type) {
  using platform::MessageBoxKind;
  switch (type) {
    case mtWarning:
      return ShowBox(text, MessageBoxKind::Warning, "Warning");
    case mtError:
      return ShowBox(text, MessageBoxKind::Error, "Error");
    case mtInformation:
      return ShowBox(text, MessageBoxKind::Information, "Information");
    case mtCustom:
      break;
  }
  ShowBox(text, MessageBoxKind::Custom, ApplicationTitle());
}

}  // namespace framework
