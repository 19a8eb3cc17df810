#include "skinengine/frame/sSkinProviderSystemMenu.h"

#include "platform/window/Messages.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/frame/sSkinProviderParts.h"

namespace sSkinProvider {

using framework::TMenuItem;
using namespace platform;

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider)
    : TPopupMenu(provider), provider_(provider), form_(provider->Form()) {
  ItemRestore =
      AddItem("Restore", [this](framework::TObject*) { Command(SC_RESTORE, false, true); });
  ItemMove = AddItem("Move", [this](framework::TObject*) { Command(SC_MOVE, false, false); });
  ItemSize = AddItem("Size", [this](framework::TObject*) { Command(SC_SIZE, false, false); });
  ItemMinimize =
      AddItem("Minimize", [this](framework::TObject*) { Command(SC_MINIMIZE, true, true); });
  ItemMaximize =
      AddItem("Maximize", [this](framework::TObject*) { Command(SC_MAXIMIZE, false, true); });
  AddItem("-", {});
  ItemClose = AddItem("Close", [this](framework::TObject*) { Command(SC_CLOSE, false, false); });
  ItemClose->SetShortCut(framework::ShortCut(VK_F4, {framework::ssAlt}));
}

TMenuItem* TsSystemMenu::AddItem(const char* caption, framework::TNotifyEvent click) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  item->OnClick = std::move(click);
  Items()->Add(item);
  return item;
}

void TsSystemMenu::Command(std::uint32_t command, bool toMainWindow, bool updateAfterwards) {
  if (!form_) return;
  SendMessage(toMainWindow ? MinimizeTarget(form_->Handle()) : form_->Handle(), WM_SYSCOMMAND,
              command);
  if (updateAfterwards) UpdateItems();
}

void TsSystemMenu::UpdateItems() {
  if (!form_) return;
  const framework::TFormBorderStyle style = form_->BorderStyle();
  const bool framed = provider_->HasMinMaxButtons();
  const bool maximized = GetWindowState(form_->Handle()) == WindowState::Maximized;
  ItemRestore->SetVisible(framed);
  ItemRestore->SetEnabled(provider_->CanRestore());
  ItemMove->SetEnabled(!maximized);
  ItemSize->SetVisible(framed || style == framework::bsSizeToolWin);
  ItemSize->SetEnabled(style != framework::bsSingle);
  ItemMinimize->SetVisible(framed);
  ItemMinimize->SetEnabled(provider_->CanMinimize());
  ItemMaximize->SetVisible(framed);
  ItemMaximize->SetEnabled(provider_->CanMaximize());
}

}  // namespace sSkinProvider
