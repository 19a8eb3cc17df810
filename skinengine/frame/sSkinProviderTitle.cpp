#include <cstddef>

#include "framework/forms/Application.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Metrics.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/frame/sSkinProviderParts.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace sSkinProvider {

using namespace platform;

namespace {

TsTitleButton& Button(std::array<TsTitleButton, TitleButtonCount>& buttons,
                      TsTitleButtonKind kind) {
  return buttons[static_cast<std::size_t>(kind)];
}

}  // namespace

// A cell of the close button's glyph image, or 21 x 21 without one.
TSize TsSkinProvider::ButtonSize() const {
  const int index = TitleButton(TsTitleButtonKind::Close).ImageIndex;
  const auto& images = sSkinManager::SkinImages();
  if (index < 0 || static_cast<std::size_t>(index) >= images.size()) return {21, 21};
  const Bitmap& image = images[static_cast<std::size_t>(index)].Bitmap->Data();
  return {image.Width() / 3, image.Height() / 2};
}

int TsSkinProvider::ButtonTop() const {
  return (TitleHeight() - ButtonSize().cy) / 2;
}

int TsSkinProvider::ButtonCount() const {
  if (!borderIcons_.Contains(framework::biSystemMenu)) return 0;
  return 3 + (borderIcons_.Contains(framework::biHelp) ? 1 : 0) - (HasMinMaxButtons() ? 0 : 2);
}

// Close at the right end, then maximize, minimize and help, each in the next free slot.
void TsSkinProvider::LayoutTitleButtons() {
  for (TsTitleButton& button : buttons_) button.Shown = false;
  if (!borderIcons_.Contains(framework::biSystemMenu)) return;
  const TSize size = ButtonSize();
  const int top = ButtonTop();
  const int right = form_->Width() - GetSystemMetrics(SM_CXFRAME);
  const auto place = [&](TsTitleButtonKind kind, int slot) {
    TsTitleButton& button = Button(buttons_, kind);
    const int left = right - slot * (size.cx + 1);
    button.Rect = {left, top, left + size.cx, top + size.cy};
    button.Shown = true;
  };
  place(TsTitleButtonKind::Close, 1);
  int next = 2;
  if (HasMinMaxButtons()) {
    place(TsTitleButtonKind::Maximize, 2);
    TsTitleButton& maximize = Button(buttons_, TsTitleButtonKind::Maximize);
    maximize.ImageIndex = CanMaximize() ? maximizeImage_ : restoreImage_;
    if (maximize.ImageIndex >= 0) next = 3;
    place(TsTitleButtonKind::Minimize, next++);
  }
  if (borderIcons_.Contains(framework::biHelp)) place(TsTitleButtonKind::Help, next);
}

TsTitleButton* TsSkinProvider::ButtonOf(int hitCode) {
  switch (hitCode) {
    case HTMINBUTTON:
      return &Button(buttons_, TsTitleButtonKind::Minimize);
    case HTMAXBUTTON:
      return &Button(buttons_, TsTitleButtonKind::Maximize);
    case HTCLOSE:
      return &Button(buttons_, TsTitleButtonKind::Close);
    case HTHELP:
      return &Button(buttons_, TsTitleButtonKind::Help);
    default:
      return nullptr;
  }
}

// An inactive form's buttons look faded while nothing happens to them.
void TsSkinProvider::PaintTitleButton(const TsTitleButton& button, int imageIndex) {
  const sMaskData::GlyphMode mode = button.State == TsButtonState::Normal && !formActive_
                                        ? sMaskData::GlyphMode::Lightened
                                        : sMaskData::GlyphMode::Plain;
  sMaskData::PaintSkinGlyphCell(frameStyle_->Bitmap()->Data(), imageIndex, button.Rect.TopLeft(),
                                mode, static_cast<int>(button.State));
}

void TsSkinProvider::RedrawTitleButton(int hitCode) {
  const TsTitleButton* button = ButtonOf(hitCode);
  Bitmap& cache = frameStyle_->Bitmap()->Data();
  const TRect window = GetWindowBounds(Window());
  // A cache of another size is rebuilt, buttons and all, before it is shown again.
  if (!button || !button->Shown || cache.Width() != window.Width() ||
      cache.Height() != window.Height())
    return;
  const int stripLeft = cache.Width() - buttonStrip_->Width() - 1;
  CopyPixels(cache, button->Rect.TopLeft(), buttonStrip_->Data(),
             button->Rect.Offset(-stripLeft, 0));
  const bool restores = hitCode == HTMAXBUTTON && WindowState() != WindowState::Normal;
  PaintTitleButton(*button, restores ? restoreImage_ : button->ImageIndex);
  GetWindowCanvas(Window(), button->Rect)->CopyRect(button->Rect, Canvas(cache), button->Rect);
}

// Every range includes both of its ends.
int TsSkinProvider::TitleHit(TPoint p) {
  LayoutTitleButtons();
  const int top = ButtonTop();
  const int bottom = top + ButtonSize().cy;
  if (p.Y < top || p.Y > bottom) return HTNOWHERE;
  const auto over = [&](TsTitleButtonKind kind) {
    const TsTitleButton& button = TitleButton(kind);
    return button.Shown && p.X >= button.Rect.Left && p.X <= button.Rect.Right;
  };
  if (over(TsTitleButtonKind::Close)) return HTCLOSE;
  if (over(TsTitleButtonKind::Maximize) && (CanMaximize() || CanRestore())) return HTMAXBUTTON;
  if (over(TsTitleButtonKind::Minimize) && CanMinimize()) return HTMINBUTTON;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  if (p.X >= frame && p.X <= frame + GetSystemMetrics(SM_CXSMICON)) return HTSYSMENU;
  if (borderIcons_.Contains(framework::biHelp))
    return over(TsTitleButtonKind::Help) ? HTHELP : HTNOWHERE;
  return p.Y < bottom ? HTCAPTION : HTNOWHERE;
}

void TsSkinProvider::SetHot(int hitCode) {
  if (hitCode == hot_) return;
  if (TsTitleButton* old = ButtonOf(hot_)) {
    old->State = TsButtonState::Normal;
    RedrawTitleButton(hot_);
  }
  hot_ = hitCode;
  if (TsTitleButton* button = ButtonOf(hitCode)) {
    button->State = TsButtonState::Hot;
    RedrawTitleButton(hitCode);
  }
}

void TsSkinProvider::Press(int hitCode) {
  if (TsTitleButton* old = ButtonOf(hot_); old && hot_ != hitCode) {
    old->State = TsButtonState::Normal;
    RedrawTitleButton(hot_);
  }
  hot_ = hitCode;
  pressed_ = hitCode;
  ButtonOf(hitCode)->State = TsButtonState::Pressed;
  RedrawTitleButton(hitCode);
  if (framework::TApplication* application = framework::Application())
    application->ProcessMessages();
}

}  // namespace sSkinProvider
