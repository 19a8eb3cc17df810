#pragma once

#include <cstdint>

#include "framework/forms/Form.h"
#include "framework/forms/Menus.h"

namespace sSkinProvider {

class TsSkinProvider;

// The system menu of a skinned form, whose own is out of reach behind the skinned frame: it
// opens from the title icon and from a right click on the caption.
class TsSystemMenu : public framework::TPopupMenu {
 public:
  // Owned by the provider, for the provider's form.
  explicit TsSystemMenu(TsSkinProvider* provider);

  // Shows and enables the items as the form's border style, its window state and the
  // provider's border icons allow; nothing without a form.
  void UpdateItems();

  framework::TMenuItem* ItemRestore = nullptr;
  framework::TMenuItem* ItemMove = nullptr;
  framework::TMenuItem* ItemSize = nullptr;
  framework::TMenuItem* ItemMinimize = nullptr;
  framework::TMenuItem* ItemMaximize = nullptr;
  framework::TMenuItem* ItemClose = nullptr;

 private:
  framework::TMenuItem* AddItem(const char* caption, framework::TNotifyEvent click);
  // Sends the system command to the window that carries it out.
  void Command(std::uint32_t command, bool toMainWindow, bool updateAfterwards);

  TsSkinProvider* provider_;
  framework::TCustomForm* form_;
};

}  // namespace sSkinProvider
