#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/classes/Events.h"
#include "framework/forms/FormMenu.h"
#include "framework/graphics/Canvas.h"

namespace framework {

class TAction;
class TImageList;
class TMenu;

// A key with its shift keys, as menus store it: the key code in the low byte.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(std::uint16_t key, TShiftState shift);
// "Ctrl+O", "F1", "Shift+Del"; empty for none.
std::string ShortCutToText(TShortCut shortCut);

enum TOwnerDrawStateFlag {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TAdvancedMenuDrawItemEvent = std::function<void(
    TObject* Sender, TCanvas* ACanvas, platform::TRect ARect, TOwnerDrawState State)>;

// An item of a menu; an item with items of its own opens a submenu. A caption of "-" is a
// separator.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  // Further keys that run the item; the menu shows only ShortCut. Not stored.
  const std::vector<TShortCut>& SecondaryShortCuts() const { return secondaryShortCuts_; }
  void SetSecondaryShortCuts(std::vector<TShortCut> keys) { secondaryShortCuts_ = std::move(keys); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The pictures of the items below this one, in place of the menu's Images.
  TImageList* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(TImageList* images);
  // Where the item's picture comes from: its parent's SubMenuImages, else the menu's Images.
  TImageList* GetImageList() const;
  bool IsLine() const { return caption_ == "-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;  // EListError outside 0..Count()-1
  // Takes item from its former parent; raises EInvalidOperation for a loop.
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu the item is in, or null.
  TMenu* GetParentMenu() const;
  // The id of the item's WM_COMMAND.
  std::uint32_t Command() const { return command_; }
  // Shows the action's caption and state from now on; clicking runs it unless the item has
  // an OnClick of its own. The link goes when the action is freed.
  TAction* Action() const { return action_; }
  void SetAction(TAction* action);
  // Runs OnClick, or the action, when the item is enabled.
  virtual void Click();

  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  void Changed();
  void ActionChanged();

  std::string caption_;
  TShortCut shortCut_ = 0;
  std::vector<TShortCut> secondaryShortCuts_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  int imageIndex_ = -1;
  TImageList* subMenuImages_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  TAction* action_ = nullptr;
  std::uint32_t command_;
};

// A tree of items shown as the platform's menu, optionally drawn by the items' owners.
class TMenu : public TFormMenu {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TMenuItem* Items() const { return items_.get(); }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  // The items' pictures, by their ImageIndex.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  platform::HMENU MenuHandle() override;
  bool DispatchCommand(std::uint32_t id) override;
  bool IsShortCut(std::uint16_t key, TShiftState shift) override;
  bool MeasureItem(platform::MeasureItemStruct& measure) override;
  bool DrawItem(const platform::DrawItemStruct& draw) override;
  TMenuItem* FindItem(std::uint32_t command) const;

 protected:
  virtual platform::HMENU CreateMenuHandle() const = 0;
  // The platform menu changed; a main menu tells its form.
  virtual void MenuChanged();
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  void Rebuild();
  void Fill(platform::HMENU menu, const TMenuItem& item) const;
  void DestroyHandle();

  std::unique_ptr<TMenuItem> items_;
  bool ownerDraw_ = false;
  TImageList* images_ = nullptr;
  platform::HMENU handle_{};
};

// The menu bar of the form that owns it.
class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  platform::HMENU CreateMenuHandle() const override;
  void MenuChanged() override;
};

// A menu that opens at a point until an item is chosen or it is dismissed.
class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Runs the chosen item's OnClick after the menu has closed.
  void Popup(int x, int y);

 protected:
  platform::HMENU CreateMenuHandle() const override;

 private:
  platform::HWND window_{};  // receives the owner-draw messages while the menu is open
};

}  // namespace framework
