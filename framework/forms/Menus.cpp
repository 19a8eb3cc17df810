#include "framework/forms/Menus.h"

#include <algorithm>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/HandleException.h"
#include "framework/forms/Actions.h"
#include "framework/forms/Form.h"
#include "framework/forms/ImageList.h"
#include "framework/graphics/Bitmap.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {

// WM_COMMAND carries the id in 16 bits; ids of freed items are used again.
std::vector<bool>& CommandsInUse() {
  static std::vector<bool> used(0x10000, false);
  return used;
}

std::uint32_t AllocateCommand() {
  auto& used = CommandsInUse();
  const auto free = std::find(used.begin() + 1, used.end(), false);
  if (free == used.end()) throw EInvalidOperation("Too many menu items");
  *free = true;
  return static_cast<std::uint32_t>(free - used.begin());
}

std::string KeyName(std::uint16_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F1 + 23) {
    std::string name(1, 'F');
    name += std::to_string(key - VK_F1 + 1);
    return name;
  }
  switch (key) {
    case VK_BACK:
      return "BkSp";
    case VK_TAB:
      return "Tab";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    case VK_SPACE:
      return "Space";
    case VK_PRIOR:
      return "PgUp";
    case VK_NEXT:
      return "PgDn";
    case VK_END:
      return "End";
    case VK_HOME:
      return "Home";
    case VK_LEFT:
      return "Left";
    case VK_UP:
      return "Up";
    case VK_RIGHT:
      return "Right";
    case VK_DOWN:
      return "Down";
    case VK_INSERT:
      return "Ins";
    case VK_DELETE:
      return "Del";
    default:
      return {};
  }
}

TOwnerDrawState DrawState(std::uint32_t itemState) {
  TOwnerDrawState state;
  if (itemState & ODS_SELECTED) state.Include(odSelected);
  if (itemState & ODS_GRAYED) state.Include(odGrayed);
  if (itemState & ODS_DISABLED) state.Include(odDisabled);
  if (itemState & ODS_CHECKED) state.Include(odChecked);
  if (itemState & ODS_FOCUS) state.Include(odFocused);
  if (itemState & ODS_DEFAULT) state.Include(odDefault);
  if (itemState & ODS_HOTLIGHT) state.Include(odHotLight);
  if (itemState & ODS_INACTIVE) state.Include(odInactive);
  if (itemState & ODS_NOACCEL) state.Include(odNoAccel);
  return state;
}

constexpr int ItemTextIndent = 18;  // room for a check mark

}  // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key > 0xFF) return 0;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

// --- TMenuItem ---------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  if (action_) action_->RemoveClient(this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  items_.clear();
  if (parent_) parent_->Remove(this);
  CommandsInUse()[command_] = false;
}

const TClassInfo& TMenuItem::StaticClassInfo() {
  using I = TMenuItem;
  static const TClassInfo info =
      TClassBuilder<I, TComponent>("TMenuItem")
          .String("Caption", &I::Caption, &I::SetCaption)
          .Bool("Checked", &I::Checked, &I::SetChecked, false)
          .Bool("Enabled", &I::Enabled, &I::SetEnabled, true)
          .Int("ImageIndex", &I::ImageIndex, &I::SetImageIndex, -1)
          .Int("ShortCut", &I::ShortCut, &I::SetShortCut, 0)
          .Bool("Visible", &I::Visible, &I::SetVisible, true)
          .Component("Action", &I::Action, &I::SetAction)
          .Component("SubMenuImages", &I::SubMenuImages, &I::SetSubMenuImages)
          .Event("OnClick", &I::OnClick)
          .Event("OnMeasureItem", &I::OnMeasureItem)
          .Event("OnAdvancedDrawItem", &I::OnAdvancedDrawItem)
          .Build();
  return info;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TMenuItem::SetSubMenuImages(TImageList* images) {
  if (images == subMenuImages_) return;
  if (subMenuImages_) subMenuImages_->RemoveFreeNotification(this);
  subMenuImages_ = images;
  if (images) images->FreeNotification(this);
}

TImageList* TMenuItem::GetImageList() const {
  if (parent_ && parent_->subMenuImages_) return parent_->subMenuImages_;
  const TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) {
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EInvalidOperation("A menu item cannot hold itself or its parents");
  if (item->parent_) item->parent_->Remove(item);
  items_.push_back(item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_) {
    action_->RemoveClient(this);
    action_->RemoveFreeNotification(this);
  }
  action_ = action;
  if (!action) return;
  action->FreeNotification(this);
  action->AddClient(this, [this] { ActionChanged(); });
  ActionChanged();
}

void TMenuItem::ActionChanged() {
  SetCaption(action_->Caption());
  SetEnabled(action_->Enabled());
  SetChecked(action_->Checked());
  SetVisible(action_->Visible());
  SetImageIndex(action_->ImageIndex());
  SetShortCut(action_->ShortCut());
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == action_) action_ = nullptr;
  if (component == subMenuImages_) subMenuImages_ = nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick) {
    OnClick(this);
  } else if (action_) {
    action_->Execute();
  }
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  } else if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (!parent) {
    if (parent_) parent_->Remove(this);
  } else {
    throw EInvalidOperation(Format("Menu item '%s' lies outside a menu", {Name()}));
  }
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->Rebuild();
}

// --- TMenu ------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TFormMenu(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  DestroyHandle();
  items_.reset();
}

const TClassInfo& TMenu::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TMenu, TFormMenu>("TMenu")
          .Component("Images", &TMenu::Images, &TMenu::SetImages)
          .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
          .Build();
  return info;
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_) return;
  ownerDraw_ = ownerDraw;
  Rebuild();
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TFormMenu::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

HMENU TMenu::MenuHandle() {
  if (!IsMenu(handle_)) {
    handle_ = CreateMenuHandle();
    Fill(handle_, *items_);
  }
  return handle_;
}

void TMenu::DestroyHandle() {
  if (IsMenu(handle_)) platform::DestroyMenu(handle_);
  handle_ = NullMenu;
}

// The handle stays the same, so a window showing the menu keeps it.
void TMenu::Rebuild() {
  if (!IsMenu(handle_) || ComponentState().Contains(csLoading) ||
      ComponentState().Contains(csDestroying))
    return;
  while (GetMenuItemCount(handle_) > 0) {
    if (const auto info = GetMenuItemInfo(handle_, 0); info && IsMenu(info->SubMenu))
      platform::DestroyMenu(info->SubMenu);
    RemoveMenuItem(handle_, 0);
  }
  Fill(handle_, *items_);
  MenuChanged();
}

void TMenu::Fill(HMENU menu, const TMenuItem& parent) const {
  for (const TMenuItem* item : parent.items_) {
    MenuItemInfo info;
    info.Text = item->caption_;
    if (const std::string keys = ShortCutToText(item->shortCut_); !keys.empty())
      info.Text += "\t" + keys;
    info.Id = item->command_;
    info.Separator = item->IsLine();
    info.OwnerDraw = ownerDraw_;
    info.Checked = item->checked_;
    info.Enabled = item->enabled_;
    info.Visible = item->visible_;
    info.ItemData = item->command_;
    if (!item->items_.empty()) {
      info.SubMenu = CreatePopupMenu();
      Fill(info.SubMenu, *item);
    }
    AppendMenuItem(menu, info);
  }
}

void TMenu::MenuChanged() {}

void TMenu::Loaded() {
  TFormMenu::Loaded();
  Rebuild();
}

TMenuItem* TMenu::FindItem(std::uint32_t command) const {
  std::vector<TMenuItem*> pending(items_->items_.begin(), items_->items_.end());
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item->command_ == command) return item;
    pending.insert(pending.end(), item->items_.begin(), item->items_.end());
  }
  return nullptr;
}

bool TMenu::DispatchCommand(std::uint32_t id) {
  TMenuItem* item = FindItem(id);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(std::uint16_t key, TShiftState shift) {
  const TShortCut wanted = ShortCut(key, shift);
  if (wanted == 0) return false;
  // Only items that can be reached: every parent visible and enabled.
  std::vector<TMenuItem*> pending(items_->items_.begin(), items_->items_.end());
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (!item->visible_ || !item->enabled_) continue;
    if (item->shortCut_ == wanted ||
        std::ranges::find(item->secondaryShortCuts_, wanted) != item->secondaryShortCuts_.end()) {
      item->Click();
      return true;
    }
    pending.insert(pending.end(), item->items_.begin(), item->items_.end());
  }
  return false;
}

bool TMenu::MeasureItem(MeasureItemStruct& measure) {
  TMenuItem* item = FindItem(static_cast<std::uint32_t>(measure.ItemData));
  if (!item) return false;
  TBitmap scratch;
  scratch.SetSize(1, 1);
  TCanvas& canvas = *scratch.Canvas();
  const std::string keys = ShortCutToText(item->shortCut_);
  int width = ItemTextIndent * 2 + canvas.TextWidth(MenuItemCaption(item->caption_)) +
              (keys.empty() ? 0 : ItemTextIndent + canvas.TextWidth(keys));
  int height = item->IsLine() ? 8 : GetSystemMetrics(SM_CYMENU);
  if (item->OnMeasureItem) item->OnMeasureItem(item, &canvas, width, height);
  measure.ItemWidth = width;
  measure.ItemHeight = height;
  return true;
}

bool TMenu::DrawItem(const DrawItemStruct& draw) {
  TMenuItem* item = FindItem(static_cast<std::uint32_t>(draw.ItemData));
  if (!item || !draw.DC) return false;
  TCanvas canvas;
  canvas.SetHandle(draw.DC);
  const TOwnerDrawState state = DrawState(draw.ItemState);
  if (item->OnAdvancedDrawItem) {
    item->OnAdvancedDrawItem(item, &canvas, draw.ItemRect, state);
    return true;
  }
  const bool selected = state.Contains(odSelected);
  canvas.Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(draw.ItemRect);
  const TRect& r = draw.ItemRect;
  if (item->IsLine()) {
    canvas.Pen()->SetColor(clGrayText);
    canvas.MoveTo(r.Left + 1, (r.Top + r.Bottom) / 2);
    canvas.LineTo(r.Right - 1, (r.Top + r.Bottom) / 2);
    return true;
  }
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->SetColor(state.Contains(odDisabled) || state.Contains(odGrayed) ? clGrayText
                          : selected                                             ? clHighlightText
                                                                                 : clMenuText);
  const std::string caption = MenuItemCaption(item->caption_);
  const int top = r.Top + (r.Height() - canvas.TextHeight(caption)) / 2;
  canvas.TextOut(r.Left + ItemTextIndent, top, caption);
  if (state.Contains(odChecked)) canvas.TextOut(r.Left + 4, top, "\u2713");
  return true;
}

// --- TMainMenu and TPopupMenu -------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TMainMenu, TMenu>("TMainMenu").Build();
  return info;
}

HMENU TMainMenu::CreateMenuHandle() const {
  return CreateMenu();
}

void TMainMenu::MenuChanged() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form && form->Menu() == this && form->HandleAllocated()) DrawMenuBar(form->Handle());
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  platform::CreateParams params;
  params.Style = WS_POPUP;
  params.Proc = [this](HWND window, TMessage& m) {
    try {
      if (m.Msg == WM_MEASUREITEM && MeasureItem(MeasureItemOf(m))) {
        m.Result = 1;
      } else if (m.Msg == WM_DRAWITEM && DrawItem(DrawItemOf(m))) {
        m.Result = 1;
      } else {
        DefWindowProc(window, m);
      }
    } catch (const std::exception& e) {
      HandleException(e);
    }
  };
  window_ = CreateWindow(params);
}

TPopupMenu::~TPopupMenu() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TPopupMenu, TMenu>("TPopupMenu").Build();
  return info;
}

HMENU TPopupMenu::CreateMenuHandle() const {
  return CreatePopupMenu();
}

void TPopupMenu::Popup(int x, int y) {
  const std::uint32_t chosen = TrackPopupMenu(MenuHandle(), TPM_RETURNCMD, {x, y}, window_);
  if (chosen != 0) DispatchCommand(chosen);
}

}  // namespace framework
