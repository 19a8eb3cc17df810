#pragma once

// A headless form with a skin provider, and a small skin whose parts each paint in a colour of
// their own, so that pixels tell the frame's parts apart.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/classes/ClassRegistry.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/headless/Headless.h"
#include "platform/window/Metrics.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sControlClasses.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/skin/sMenuPainter.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace providertests {

using platform::Bitmap;
using platform::TColor;
using platform::TPoint;
using platform::TRect;

// The colours of the test skin.
inline constexpr TColor FormColor = 0x203040;
inline constexpr TColor FormHotColor = 0x223242;
inline constexpr TColor TitleColor = 0x506070;
inline constexpr TColor TitleHotColor = 0x527272;
inline constexpr TColor MenuLineColor = 0x708090;
inline constexpr TColor CaptionColor = 0x0000FF;
inline constexpr TColor CaptionHotColor = 0x00FFFF;
// The title-button glyph cells: normal, hot, pressed.
inline constexpr TColor CellColors[3] = {0x0000C0, 0x00C000, 0xC00000};

// What the test skin holds besides its three sections.
struct TSkinParts {
  bool Close = true;
  bool Maximize = true;  // "BICONMAX" and "BICONNORM"
  bool TitleMask = true;
  bool MenuLine = true;
  bool TitleBar = false;
  // The title shows the form's picture, vertical stripes, through it.
  bool StripedTitle = false;
  int TitleMaskWidth = 63;
  int TitleMaskHeight = 30;
  int ButtonImageWidth = 51;
  int ButtonImageHeight = 32;
};

// The transparent corner pixels of the test title mask, in its picture half: two runs in the
// top row of the normal block's left corner (slices 7 wide), one in its right corner.
inline const std::vector<TPoint> TitleMagenta{{0, 0}, {1, 0}, {4, 0}, {0, 1}, {20, 0}, {19, 0}};

// A border mask of that size: its picture in one colour with the magenta pixels, its mask half
// all 255, so that the border barely shows.
inline Bitmap TitleMaskPicture(int width, int height) {
  Bitmap mask(width, height);
  mask.Fill(0x808080);
  mask.FillRect({0, height / 6 * 3, width, height}, 0xFFFFFF);
  for (const TPoint& p : TitleMagenta) mask.SetPixel(p.X, p.Y, platform::clFuchsia);
  return mask;
}

// A border mask whose picture covers what it is laid over.
inline Bitmap OpaqueMask(int width, int height, TColor color) {
  Bitmap mask(width, height);
  mask.Fill(color);
  mask.FillRect({0, height / 6 * 3, width, height}, 0);
  return mask;
}

// Three glyph cells in the cell colours, drawn solid (mask 0) but for their transparent first
// column, where the title shows through.
inline Bitmap ButtonPicture(int width, int height) {
  Bitmap image(width, height);
  const int cell = width / 3;
  for (int k = 0; k < 3; ++k) {
    image.FillRect({k * cell, 0, (k + 1) * cell, height / 2}, CellColors[k]);
    image.FillRect({k * cell, 0, k * cell + 1, height / 2}, platform::clFuchsia);
  }
  image.FillRect({0, height / 2, width, height}, 0);
  return image;
}

inline Bitmap Stripes() {
  Bitmap picture(6, 2);
  for (int x = 0; x < 6; ++x)
    picture.FillRect({x, 0, x + 1, 2}, 0x101010 * static_cast<TColor>(x + 1));
  return picture;
}

// The menu painter that managers made meanwhile create (none for null); the skin controls'
// painter comes back afterwards. The real painter takes over the bar items' handlers.
class MenuPainterSwap {
 public:
  explicit MenuPainterSwap(sSkinManager::TsMenuPainterFactory factory) {
    sSkinManager::RegisterMenuPainter(factory);
  }
  ~MenuPainterSwap() {
    framework::TClassRegistry again;
    sControlClasses::RegisterSkinControlClasses(again);
  }
  MenuPainterSwap(const MenuPainterSwap&) = delete;
  MenuPainterSwap& operator=(const MenuPainterSwap&) = delete;
};

// A form with a provider, shown once the test has set it up.
class ProviderFixture : public ::testing::Test {
 protected:
  ProviderFixture() {
    form = app.CreateForm<framework::TForm>();
    form->SetCaption("Frame");
    form->SetBorderStyle(framework::bsSizeable);
    form->SetBounds(100, 100, 400, 300);
    provider = new sSkinProvider::TsSkinProvider(form);
  }

  // A manager on the form with the test skin, made active.
  void LoadSkin(const TSkinParts& parts = {}) {
    manager = new sSkinManager::TsSkinManager(form);
    sSkinManager::TsStoredSkin& skin = *manager->InternalSkins()->Add();
    skin.SetName("Test");
    AddSection(skin, "FORM", FormColor, FormHotColor, parts.StripedTitle ? 100 : 0, 0);
    AddSection(skin, "FORMTITLE", TitleColor, TitleHotColor, 0, parts.StripedTitle ? 100 : 0);
    AddSection(skin, "MENULINE", MenuLineColor, MenuLineColor, 0, 0);
    const int w = parts.ButtonImageWidth, h = parts.ButtonImageHeight;
    if (parts.Close) AddImage(skin, "FORM", "BIconClose", ButtonPicture(w, h));
    if (parts.Maximize) AddImage(skin, "FORM", "BIconMax", ButtonPicture(w, h));
    if (parts.Maximize) AddImage(skin, "FORM", "BIconNorm", ButtonPicture(w, h));
    AddImage(skin, "FORM", "BIconMin", ButtonPicture(w, h));
    AddImage(skin, "FORM", "BIconHelp", ButtonPicture(w, h));
    if (parts.StripedTitle) AddImage(skin, "FORM", "Imagefile", Stripes());
    if (parts.StripedTitle) AddImage(skin, "FORM", "HotImagefile", Stripes());
    if (parts.TitleMask)
      AddImage(skin, "FORMTITLE", "BordersMask",
               TitleMaskPicture(parts.TitleMaskWidth, parts.TitleMaskHeight));
    if (parts.MenuLine) AddImage(skin, "MENULINE", "BordersMask", TitleMaskPicture(63, 30));
    if (parts.TitleBar) AddImage(skin, "FORM", "TitleBar", OpaqueMask(63, 30, 0x808080));
    if (!parts.MenuLine) skin.GeneralData()->Items(2)->Values().SectionName = "NOMENULINE";
    manager->SetSkinName("Test");
  }

  void Show() {
    form->ShowForm();
    Settle();
  }
  // Everything pending painted.
  void Settle() {
    app.ProcessMessages();
    platform::UpdateWindow(Window());
  }
  platform::HWND Window() { return form->Handle(); }
  // The form's main menu of one item, which it returns.
  framework::TMenuItem* AddMainMenu(const char* caption) {
    auto* menu = new framework::TMainMenu(form);
    auto* item = new framework::TMenuItem(form);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    form->SetMenu(menu);
    return item;
  }
  // A control on the form, made with these arguments after its owner.
  template <class C, class... Args>
  C* Add(Args&&... args) {
    auto* control = new C(form, std::forward<Args>(args)...);
    control->SetParent(form);
    control->SetBounds(10, 10, 60, 20);
    return control;
  }
  TPoint Centre(const framework::TControl& control) const {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  }
  // The window as the screen shows it, in window coordinates.
  Bitmap Screen() {
    Settle();
    return platform::WindowSnapshot(Window());
  }
  TPoint OnScreen(TPoint window) { return platform::WindowToScreen(Window(), window); }
  int HitCode(TPoint window) {
    return static_cast<int>(platform::SendMessage(Window(), platform::WM_NCHITTEST, 0,
                                                  platform::PointParam(OnScreen(window))));
  }
  const platform::HeadlessBackend::NativeWindow& Native() {
    return *session.Backend().Native(Window());
  }
  const std::vector<platform::DialogRecord>& Dialogs() { return session.Backend().Dialogs(); }

  skintests::SkinStateReset reset;
  platform::HeadlessSession session;
  framework::TApplication app;
  framework::TForm* form = nullptr;
  sSkinProvider::TsSkinProvider* provider = nullptr;
  sSkinManager::TsSkinManager* manager = nullptr;

 private:
  static void AddSection(sSkinManager::TsStoredSkin& skin, const char* name, TColor color,
                         TColor hot, int imagePercent, int transparency) {
    sSkinManager::TsGeneralValues& v = skin.GeneralData()->Add()->Values();
    v = sSkinManager::DefaultGeneralValues();
    v.SectionName = name;
    v.PaintingColor = color;
    v.HotPaintingColor = hot;
    v.ImagePercent = imagePercent;
    v.HotImagePercent = imagePercent;
    v.PaintingTransparency = transparency;
    v.HotPaintingTransparency = transparency;
    v.FontColor = std::to_string(CaptionColor) + " -1 -1 -1 -1";
    v.HotFontColor = std::to_string(CaptionHotColor) + " -1 -1 -1 -1";
  }
  static void AddImage(sSkinManager::TsStoredSkin& skin, const char* section, const char* property,
                       const Bitmap& picture) {
    sSkinManager::TsSkinImage& image = *skin.Images()->Add();
    image.SetSectionName(section);
    image.SetPropertyName(property);
    image.Image()->Data() = picture;
  }
};

}  // namespace providertests
