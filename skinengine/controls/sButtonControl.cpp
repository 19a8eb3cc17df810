#include "skinengine/controls/sButtonControl.h"

#include <algorithm>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Messages.h"

namespace sButtonControl {

using namespace framework;
using namespace platform;

namespace {
constexpr std::string_view LayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                            "blGlyphBottom"};
constexpr std::string_view ButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown",
                                                 "tbsSeparator", "tbsDivider"};

// The look a button placed at design time starts with: a silver face, darker when hot.
constexpr const char* DesignGradient =
    "12632256;16777215;49;0;0;16777215;8421504;34;0;0;8421504;16777215;16;0;0;16777215;16777215;"
    "0;0;0";
constexpr const char* DesignHotGradient =
    "8421504;8421504;6;0;0;8421504;16777215;47;0;0;16777215;12632256;28;0;0;12632256;14275020;18;"
    "0;0;14275020;14275020;0;0;0";
}  // namespace

const TEnumType ButtonLayoutType{"TButtonLayout", LayoutNames};
const TEnumType ToolButtonStyleType{"TToolButtonStyle", ButtonStyleNames};

TsButtonControl::TsButtonControl(TComponent* owner)
    : TCustomControl(owner),
      sStyle_(std::make_unique<sStyleUtil::TsActiveBGStyle>(this)),
      fadeTimer_(std::make_unique<TFadeTimer>(this)) {
  // No click events from the framework: the release rules below decide on clicks.
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 84, 22);
  SetTabStop(false);
  sStyle_->SetControlKind(sStyleSimply::KindButtonControl);
  if (ComponentState().Contains(csDesigning) && sStyle_->Background()->Gradient()->Data().empty()) {
    sStyle_->Background()->Gradient()->SetData(DesignGradient);
    sStyle_->HotStyle()->HotBackground()->Gradient()->SetData(DesignHotGradient);
  }
}

// Messages that still reach the control while its style goes find none.
TsButtonControl::~TsButtonControl() {
  Destroying();
  fadeTimer_.reset();
  actionLink_.reset();
  const std::unique_ptr<sStyleUtil::TsActiveBGStyle> style = std::move(sStyle_);
}

const TClassInfo& TsButtonControl::StaticClassInfo() {
  using B = TsButtonControl;
  static const TClassInfo info =
      TClassBuilder<B, TCustomControl>("TsButtonControl")
          .Int("Margin", &B::Margin, &B::SetMargin, B::DefaultMargin)
          .Bool("AutoSize", &B::AutoSize, &B::SetAutoSize, B::DefaultAutoSize)
          .Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth, B::DefaultBevelWidth)
          .Object("sStyle", &B::sStyle)
          .Build();
  return info;
}

namespace {
// Stores a changed value; answers whether it changed.
template <class V>
bool Store(V& field, V value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TsButtonControl::SetMargin(int margin) {
  if (!Store(margin_, margin)) return;
  sStyle_->SetCacheStale(true);
  Invalidate();
}

void TsButtonControl::SetNumGlyphs(int numGlyphs) {
  if (Store(numGlyphs_, std::max(numGlyphs, 1))) sStyle_->Invalidate();
}

void TsButtonControl::SetShowCaption(bool showCaption) {
  if (Store(showCaption_, showCaption)) sStyle_->Invalidate();
}

void TsButtonControl::SetSpacing(int spacing) {
  if (Store(spacing_, spacing)) sStyle_->Invalidate();
}

void TsButtonControl::SetImageIndex(int imageIndex) {
  if (Store(imageIndex_, imageIndex)) sStyle_->Invalidate();
}

void TsButtonControl::SetAutoSize(bool autoSize) {
  if (Store(autoSize_, autoSize)) sStyle_->Invalidate();
}

void TsButtonControl::SetGrayed(bool grayed) {
  if (Store(grayed_, grayed)) sStyle_->Invalidate();
}

void TsButtonControl::SetBlend(int blend) {
  if (Store(blend_, std::clamp(blend, 0, 100))) sStyle_->Invalidate();
}

void TsButtonControl::SetBevelWidth(int bevelWidth) {
  if (Store(bevelWidth_, bevelWidth)) sStyle_->Invalidate();
}

void TsButtonControl::SetButtonStyle(sStyleSimply::TsButtonStyle buttonStyle) {
  if (Store(buttonStyle_, buttonStyle)) sStyle_->Invalidate();
}

void TsButtonControl::SetLayout(TButtonLayout layout) {
  if (Store(layout_, layout)) sStyle_->Invalidate();
}

void TsButtonControl::SetDown(bool down) {
  if (!Store(down_, down)) return;
  sStyle_->Invalidate();
  DownChanged();
}

void TsButtonControl::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == dropdownMenu_) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TsButtonControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
  if (actionLink_ && component == actionLink_->Action()) {
    actionLink_->Forget();
    actionLink_.reset();
  }
}

void TsButtonControl::Loaded() {
  TCustomControl::Loaded();
  sStyle_->BindSkin();
}

void TsButtonControl::Invalidate() {
  const TComponentState state = ComponentState();
  if (Parent() && !state.Contains(csLoading) && !state.Contains(csDestroying)) {
    AdjustSize();
    if (state.Contains(csDesigning)) sStyle_->SetCacheStale(true);
  }
  TCustomControl::Invalidate();
}

void TsButtonControl::Restyle() {
  sStyle_->SetCacheStale(true);
  Repaint();
}

void TsButtonControl::WndProc(TMessage& m) {
  // The style sees every message first but the text changing, which is the content's.
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
    if (sStyle_) sStyle_->Invalidate();
  } else if (sStyle_ && sStyle_->HandleMessage(m)) {
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel; erasing first would only flicker.
      m.Result = 1;
      return;
    case WM_CAPTURECHANGED:
      // Another window (a dialog, a menu) took the mouse in the middle of a press.
      if (m.LParam != 0) PressLost();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace sButtonControl
