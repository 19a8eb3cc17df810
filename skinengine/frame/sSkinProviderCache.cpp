#include <algorithm>
#include <cstddef>

#include "framework/forms/Menus.h"
#include "framework/graphics/Graphic.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Icons.h"
#include "platform/window/Metrics.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/frame/sSkinProviderParts.h"
#include "skinengine/skin/sGraphUtilsSkin.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleSection.h"
#include "skinengine/style/sStyleSimply.h"

namespace sSkinProvider {

using framework::TMenuItem;
using platform::Bitmap;
using platform::GetSystemMetrics;
using platform::TRect;

namespace {
// The bar's gap on either side of an item's measured width, as the platform lays it out.
constexpr int BarItemPadding = 12;
}  // namespace

platform::TPoint TsSkinProvider::ClientOffset() const {
  return platform::GetClientRectInWindow(Window()).TopLeft();
}

void TsSkinProvider::BuildCache() {
  framework::TBitmap& cache = *frameStyle_->Bitmap();
  const TRect bounds = platform::GetWindowBounds(Window());
  // A cache of another size than the window's is stale whatever marked it.
  if (cache.Width() != bounds.Width() || cache.Height() != bounds.Height()) cacheStale_ = true;
  if (!cacheStale_) return;
  regionMustBeComputed_ = true;
  cache.SetSize(bounds.Width(), bounds.Height());
  Bitmap& pixels = cache.Data();
  sStyleUtil::PaintSection(pixels, pixels.BoundsRect(), frameStyle_->SkinIndex(), formActive_,
                           false);
  platform::Canvas canvas(pixels);
  sStyleSimply::PaintChildShadows(*form_, canvas, ClientOffset());
  menuBarShown_ = false;
  if (!HasBorder()) return;
  const int titleSection = sSkinManager::FindSectionIndex("FORMTITLE");
  PaintTitle(titleSection);
  PaintTitleBar();
  PaintMenuBar();
  PaintIcon();
  SaveButtonStrip();
  LayoutTitleButtons();
  for (const TsTitleButton& button : buttons_)
    if (button.Shown) PaintTitleButton(button, button.ImageIndex);
  PaintCaption(titleSection);
}

// The title sees the frame painted so far beneath it.
void TsSkinProvider::PaintTitle(int titleSection) {
  Bitmap& pixels = frameStyle_->Bitmap()->Data();
  sStyleUtil::PaintSection(pixels, {0, 0, pixels.Width(), TitleHeight()}, titleSection, formActive_,
                           true, sStyleUtil::TsSectionParent{&pixels, {0, 0}});
}

void TsSkinProvider::PaintTitleBar() {
  const int index = frameStyle_->ImageIndexOf("TITLEBAR");
  if (index < 0) return;
  const Bitmap& image = sSkinManager::SkinImages()[static_cast<std::size_t>(index)].Bitmap->Data();
  Bitmap& pixels = frameStyle_->Bitmap()->Data();
  const int width = image.Width() / 9 * 2 + ButtonCount() * ButtonSize().cx;
  sMaskData::PaintSectionBorder(pixels, image, formActive_ ? 1 : 0, true,
                                {pixels.Width() - width, 0, pixels.Width(), TitleHeight()});
}

bool TsSkinProvider::ShowsMenuBar() const {
  const auto* menu = dynamic_cast<const framework::TMainMenu*>(form_->Menu());
  if (!menu || form_->BorderStyle() == framework::bsDialog) return false;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    if (menu->Items()->Items(i)->Visible()) return true;
  return false;
}

// The bar's items run from x = SM_CXFRAME and wrap to a new line where the next would pass the
// window's width, so they lie where the platform hit-tests them. Counting the lines measures
// every item that can be measured; drawing stops at the first that cannot be drawn or is
// hidden.
int TsSkinProvider::LayOutMenuBar(framework::TCanvas& canvas, bool draw) const {
  const framework::TMenuItem& items = *dynamic_cast<framework::TMainMenu&>(*form_->Menu()).Items();
  const int frame = GetSystemMetrics(platform::SM_CXFRAME);
  const int limit = form_->Width() - 2 * frame - 2 * form_->BorderWidth() - 6;
  int lines = 1;
  int x = frame;
  int y = TitleHeight();
  for (int i = 0; i < items.Count(); ++i) {
    TMenuItem& item = *items.Items(i);
    if (!item.OnMeasureItem || (draw && (!item.OnAdvancedDrawItem || !item.Visible()))) break;
    int width = 0;
    int height = 0;
    item.OnMeasureItem(&item, &canvas, width, height);
    width += BarItemPadding;
    if (limit < x + width) {
      x = frame;
      y += MenuLineHeight();
      ++lines;
    }
    if (draw) item.OnAdvancedDrawItem(&item, &canvas, {x, y, x + width, y + MenuLineHeight()}, {});
    x += width;
  }
  return lines;
}

void TsSkinProvider::PaintMenuBar() {
  if (!ShowsMenuBar()) return;
  framework::TBitmap& cache = *frameStyle_->Bitmap();
  framework::TCanvas& canvas = *cache.Canvas();
  menuLines_ = LayOutMenuBar(canvas, false);
  const TRect bar{0, TitleHeight(), cache.Width(),
                  TitleHeight() + menuLines_ * MenuLineHeight() + 1};
  sStyleUtil::PaintSection(cache.Data(), bar, sSkinManager::FindSectionIndex("MENULINE"), false,
                           true);
  menuBarStrip_->SetSize(bar.Width(), bar.Height());
  CopyPixels(menuBarStrip_->Data(), {0, 0}, cache.Data(), bar);
  menuBarShown_ = true;
  LayOutMenuBar(canvas, true);
}

// The form's own icon at its own size, else the standard one.
void TsSkinProvider::PaintIcon() {
  const TRect place = TRect::FromBounds(
      GetSystemMetrics(platform::SM_CXFRAME), GetSystemMetrics(platform::SM_CYFRAME),
      GetSystemMetrics(platform::SM_CXSMICON), GetSystemMetrics(platform::SM_CYSMICON));
  platform::Canvas canvas(frameStyle_->Bitmap()->Data());
  const framework::TGraphic* icon = form_->Icon()->Graphic();
  if (!icon || icon->Empty()) return platform::DrawApplicationIcon(canvas, place.TopLeft());
  canvas.IntersectClipRect(place);
  icon->Draw(canvas, TRect::FromBounds(place.Left, place.Top, icon->Width(), icon->Height()));
}

// What lies under the title buttons, for redrawing one of them alone.
void TsSkinProvider::SaveButtonStrip() {
  Bitmap& pixels = frameStyle_->Bitmap()->Data();
  const int width = ButtonCount() * (ButtonSize().cx + 1) + GetSystemMetrics(platform::SM_CXFRAME);
  const int height =
      GetSystemMetrics(platform::SM_CYCAPTION) + 2 * GetSystemMetrics(platform::SM_CYFRAME) + 6;
  buttonStrip_->SetSize(width, height);
  CopyPixels(buttonStrip_->Data(), {0, 0}, pixels,
             TRect::FromBounds(pixels.Width() - width - 1, 0, width, height));
}

void TsSkinProvider::PaintCaption(int titleSection) {
  platform::Canvas canvas(frameStyle_->Bitmap()->Data());
  platform::Font font = form_->Font()->Data();
  font.Bold = true;
  canvas.SetFont(font);
  TRect place{GetSystemMetrics(platform::SM_CXSMICON) + GetSystemMetrics(platform::SM_CXFRAME) + 4,
              GetSystemMetrics(platform::SM_CYFRAME), form_->Width(),
              GetSystemMetrics(platform::SM_CYCAPTION)};
  sGraphUtils::WriteSkinnedText(canvas, form_->Caption(), form_->Enabled(), formActive_,
                                titleSection, 0, place);
}

}  // namespace sSkinProvider
