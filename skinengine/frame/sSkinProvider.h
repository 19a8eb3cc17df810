#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Component.h"
#include "framework/controls/Control.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowTypes.h"
#include "skinengine/skin/sFramePainter.h"
#include "skinengine/skin/sMenuPainter.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStylePassive.h"

// The skinned window frame. A provider dropped on a form takes over the drawing of the form's
// whole window while a skin is active: border, title bar with icon, caption and title buttons
// of its own, menu bar, and the background behind the controls. It replaces the form's message
// procedure, paints everything into one picture of the window (the frame cache) and copies
// parts of it to the screen; a window region cuts the title's transparent corners out.
namespace sSkinProvider {

using TsBorderIcon = framework::TBorderIcon;
using TsBorderIcons = framework::TBorderIcons;

class TsSystemMenu;

// The title buttons, in the order the provider keeps them.
enum class TsTitleButtonKind { Minimize, Maximize, Close, Help };
inline constexpr int TitleButtonCount = 4;

// The glyph cell a title button shows.
enum class TsButtonState { Normal = 0, Hot = 1, Pressed = 2 };

struct TsTitleButton {
  TsButtonState State = TsButtonState::Normal;
  int ImageIndex = -1;   // into the skin's image list; -1 draws nothing
  platform::TRect Rect;  // window coordinates, while the button is shown
  bool Shown = false;
};

// The error shown when the skin is switched on while the form's border icons cannot change.
inline constexpr const char* BorderIconsError =
    "Cannot change property SkinManager.Active in OnShow or OnHide if BordersIcons of Form is "
    "not void.\r\nTwo solutions are available : \r\n 1. Set property Active in OnCreate "
    "event;\r\n 2. Set property Active in Design-time (this way is better)";

class TsSkinProvider : public framework::TComponent, public sSkinManager::TsFramePainter {
 public:
  // The declared default, which is the initial value too.
  static constexpr TsBorderIcons DefaultBorderIcons{framework::biSystemMenu, framework::biMinimize,
                                                    framework::biMaximize};
  // The kind code of the frame style.
  static constexpr int FrameKind = 224;

  explicit TsSkinProvider(framework::TComponent* owner);
  ~TsSkinProvider() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Which title buttons the provider draws and which system-menu commands it enables.
  TsBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TsBorderIcons icons) { borderIcons_ = icons; }

  void FrameStyleMessage(platform::TMessage& message) override;
  const framework::TBitmap* MenuBarStrip() const override;

  // The form whose window the provider paints; null when it lies on none.
  framework::TCustomForm* Form() const { return form_; }
  sSkinManager::TsSkinManager* Manager() const { return manager_; }
  sStylePassive::TsPassivePaintStyle& FrameStyle() const { return *frameStyle_; }
  TsSystemMenu& SystemMenu() const { return *systemMenu_; }

  // The state the frame is painted from, for looking on.
  const framework::TBitmap& FrameCache() const { return *frameStyle_->Bitmap(); }
  const framework::TBitmap& ButtonStrip() const { return *buttonStrip_; }
  const TsTitleButton& TitleButton(TsTitleButtonKind kind) const {
    return buttons_[static_cast<std::size_t>(kind)];
  }
  // The hot title element, a hit code: 0 none, 2 caption, 3 icon, 8, 9, 20, 21 the buttons.
  int HotElement() const { return hot_; }
  bool FormActive() const { return formActive_; }
  bool CacheStale() const { return cacheStale_; }
  bool RegionApplied() const { return regionApplied_; }
  // One-pixel-high rectangles of the window's transparent corners (the title's at the top, the
  // frame's at the bottom), in window coordinates.
  const std::vector<platform::TRect>& CornerCutOuts() const { return cutOuts_; }
  int MenuLines() const { return menuLines_; }

  // The tests the system menu shares with the title buttons.
  bool CanMaximize() const;
  bool CanRestore() const;
  bool CanMinimize() const;
  // The border style has minimize and maximize buttons.
  bool HasMinMaxButtons() const;

  // Opens the system menu at a screen point.
  void ShowSystemMenu(platform::TPoint screen);

  // The next copy to the screen rebuilds the frame cache, and the skinned controls on the
  // form repaint over it.
  void SetCacheStale(bool stale) { cacheStale_ = stale; }
  // Rebuilds the frame cache when it is stale or not of the window's size.
  void BuildCache();
  // Copies the frame round the client area from the cache to the screen.
  void CopyNonClient();
  // Puts back what lay under a title button, paints its glyph and shows just the button.
  void RedrawTitleButton(int hitCode);

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  // The message procedure the provider puts in place of the form's.
  struct TProc {
    TsSkinProvider* Provider;
    void operator()(platform::TMessage& message) const { Provider->WndProc(message); }
  };

  // --- Message procedure (sSkinProviderProc.cpp) ---
  void WndProc(platform::TMessage& m);
  bool Skinning() const;
  void CallSaved(platform::TMessage& m);
  void Activated(platform::TMessage& m);
  void Resized(bool repaint);
  void HitTestMessage(platform::TMessage& m);
  void NcButtonDown(platform::TMessage& m);
  void NcButtonUp(platform::TMessage& m);
  void ShowSystemMenuUnderIcon();
  void NcDoubleClick(platform::TMessage& m);
  void PrepareMeasuredItem(const platform::TMessage& m);
  void AnswerFramePicture(platform::TMessage& m);

  // --- Life (sSkinProvider.cpp) ---
  void InstallProc();
  bool UsesOwnProc() const;
  void SkinLoaded();
  void SkinRemoved();
  void EmptyFormBorderIcons();
  void ResolveButtonImages();
  void TakeManager(sSkinManager::TsSkinManager* manager);
  // The registered painter of the manager's menus, or null.
  sSkinManager::TsMenuPainter* MenuPainter() const;
  void HandOverBarItems();
  platform::HWND Window() const { return form_->Handle(); }
  bool Designing() const;
  bool HasBorder() const;
  platform::WindowState WindowState() const;

  // --- The frame cache (sSkinProviderCache.cpp) ---
  void PaintTitle(int titleSection);
  void PaintTitleBar();
  void PaintMenuBar();
  bool ShowsMenuBar() const;
  // Lays the bar's items out, drawing them or not; answers the number of lines.
  int LayOutMenuBar(framework::TCanvas& canvas, bool draw) const;
  void PaintIcon();
  void SaveButtonStrip();
  void PaintCaption(int titleSection);
  // Where the client area lies in the window, and so in the cache.
  platform::TPoint ClientOffset() const;

  // --- Title buttons (sSkinProviderTitle.cpp) ---
  platform::TSize ButtonSize() const;
  int ButtonTop() const;
  int ButtonCount() const;
  void LayoutTitleButtons();
  TsTitleButton* ButtonOf(int hitCode);
  void PaintTitleButton(const TsTitleButton& button, int imageIndex);
  int TitleHit(platform::TPoint window);
  void SetHot(int hitCode);
  void Press(int hitCode);

  // --- To the screen (sSkinProviderScreen.cpp) ---
  void ComputeCutOuts();
  void ApplyRegion();
  void NcPaint(platform::TMessage& m);
  void PaintClient(platform::TMessage& m);
  void CopyClient(platform::Canvas& canvas);
  void RefreshChildren();

  std::unique_ptr<sStylePassive::TsPassivePaintStyle> frameStyle_;
  int hot_ = platform::HTNOWHERE;
  // The title button pressed and not yet released; a release acts only on it.
  int pressed_ = platform::HTNOWHERE;
  bool formAutoScroll_ = true;
  bool formActive_ = true;
  bool cacheStale_ = true;
  bool regionMustBeComputed_ = true;
  bool regionApplied_ = false;
  bool refreshing_ = false;
  std::vector<platform::TRect> cutOuts_;
  sSkinManager::TsSkinManager* manager_ = nullptr;
  framework::TCustomForm* form_ = nullptr;
  framework::TWndMethod savedProc_;
  int menuLines_ = 0;
  bool menuBarShown_ = false;
  std::unique_ptr<framework::TBitmap> buttonStrip_;
  std::unique_ptr<framework::TBitmap> menuBarStrip_;
  std::array<TsTitleButton, TitleButtonCount> buttons_;
  // The maximize button's two looks: "BICONMAX", and "BICONNORM" while it restores.
  int maximizeImage_ = -1;
  int restoreImage_ = -1;
  TsSystemMenu* systemMenu_ = nullptr;  // owned as a component
  TsBorderIcons formBorderIcons_;
  TsBorderIcons borderIcons_ = DefaultBorderIcons;
};

// The provider of the form a control lies on, or null.
TsSkinProvider* FindProvider(framework::TControl* control);

// Registers every skin engine class that stored descriptions may name, the frame's included.
void RegisterSkinClasses(framework::TClassRegistry& classes);

}  // namespace sSkinProvider
