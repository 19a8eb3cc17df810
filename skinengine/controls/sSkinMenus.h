#pragma once

#include <functional>
#include <memory>

#include "framework/classes/ClassInfo.h"
#include "framework/controls/Label.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/skin/sMenuPainter.h"

// The menu painter of the skin engine: it makes the framework's menus owner-drawn and paints
// their items from the active skin's sections "MAINMENU", "MENUITEM" and "MENULINE".
namespace sSkinMenus {

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

using TsMenuManagerDrawItemEvent = std::function<void(
    framework::TObject* Sender, framework::TCanvas* ACanvas, const platform::TRect& ARect,
    framework::TOwnerDrawState State, TsMenuItemType ItemType)>;

// "-" is a divider, "-Text-" a caption item; a top-level item of a main menu is a bar item.
TsMenuItemType ItemType(const framework::TMenuItem& item);

class TsHookedItems;

// One painter per skin manager, created and freed by it. It keeps no state per item: what
// it installs are the items' measure and draw handlers, and only where they are its own does
// it take them away again.
class TsSkinableMenus : public sSkinManager::TsMenuPainter {
 public:
  // The declared default, which is the initial value too.
  static constexpr int DefaultMargin = 4;

  explicit TsSkinableMenus(sSkinManager::TsSkinManager* manager);
  ~TsSkinableMenus() override;
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TFont* Font() const { return font_.get(); }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment value) { alignment_ = value; }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { bevelWidth_ = value; }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { borderWidth_ = value; }
  framework::TFont* CaptionFont() const { return captionFont_.get(); }

  // Called after an item has been painted.
  TsMenuManagerDrawItemEvent OnDrawItem;

  void HookMainMenu(framework::TMainMenu* menu, bool on) override;
  void HookPopupMenu(framework::TPopupMenu* menu, bool on) override;
  void HookItemTree(framework::TMenuItem* item, bool on) override;
  void PrepareItem(framework::TMenuItem* item, bool on) override;
  void SkinAll(bool on) override;
  void FlushPictureCache() override;

 private:
  // A handler of this painter, told from anybody else's by its type and painter.
  template <auto Method>
  struct THandler {
    TsSkinableMenus* Painter;
    template <class... A>
    void operator()(A&&... args) const {
      (Painter->*Method)(std::forward<A>(args)...);
    }
  };

  // --- Handler installation (sSkinMenus.cpp) ---
  template <auto Method, class Event>
  bool IsOwn(const Event& event) const;
  template <auto Method, class Event>
  void Install(framework::TMenuItem& item, Event& event);
  void SetBarHandlers(framework::TMenuItem& item, bool draw);
  void SetItemHandlers(framework::TMenuItem& item);
  void ClearBarHandlers(framework::TMenuItem& item);
  void ClearItemHandlers(framework::TMenuItem& item);
  // Takes every handler of this painter off the item.
  void Release(framework::TMenuItem& item);
  void Forget(framework::TMenuItem& item);
  void HookChildren(framework::TMenuItem& parent, bool on);
  void SkinOwned(framework::TComponent& owner, bool on);

  // --- Measuring (sSkinMenusMeasure.cpp) ---
  void ItemMeasure(framework::TObject* sender, framework::TCanvas* canvas, int& width, int& height);
  void BarMeasure(framework::TObject* sender, framework::TCanvas* canvas, int& width, int& height);

  // --- Painting (sSkinMenusPaint.cpp) ---
  void ItemDraw(framework::TObject* sender, framework::TCanvas* canvas, platform::TRect rect,
                framework::TOwnerDrawState state);
  void BarDraw(framework::TObject* sender, framework::TCanvas* canvas, platform::TRect rect,
               framework::TOwnerDrawState state);
  void PaintDivider(const framework::TMenuItem& item, framework::TCanvas& canvas,
                    const platform::TRect& rect) const;
  void PaintItemFace(framework::TBitmap& bitmap, const framework::TMenuItem& item,
                     bool selected) const;
  void PaintNormalItem(framework::TMenuItem& item, framework::TCanvas& canvas,
                       const platform::TRect& rect, framework::TOwnerDrawState state);
  void PaintCheck(platform::Canvas& canvas, const framework::TMenuItem& item, int height) const;
  // The caption in rect and the shortcut right-aligned at shortcutRight, in the painter's
  // font and the section's colours.
  void PaintTexts(framework::TCanvas& canvas, const framework::TMenuItem& item,
                  const platform::TRect& rect, int shortcutLeft, int shortcutRight,
                  int sectionIndex, framework::TOwnerDrawState state) const;

  std::unique_ptr<framework::TFont> font_;
  int margin_ = DefaultMargin;
  framework::TAlignment alignment_ = framework::taLeftJustify;
  int bevelWidth_ = 0;
  int borderWidth_ = 0;
  std::unique_ptr<framework::TFont> captionFont_;
  std::unique_ptr<TsHookedItems> hooked_;
};

}  // namespace sSkinMenus
