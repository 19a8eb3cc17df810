// How a speed button paints itself into its cache: the frame from a skin's border mask, its
// own mask or a bevel, the window region the mask cuts, separators and dividers, the arrow
// of the drop-down part, and the caption's colours.
#include <gtest/gtest.h>

#include <memory>

#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using platform::Bitmap;
using platform::TColor;
using sCustomButton::TsSpeedButton;

constexpr TColor StateColors[] = {platform::clRed, platform::clLime, platform::clBlue};

// A border mask of 1 x 1 slices (9 x 6) whose three state blocks are red, lime and blue over
// mask 0, each with a transparent top-left corner.
std::unique_ptr<framework::TBitmap> StateMask() {
  auto mask = std::make_unique<framework::TBitmap>();
  mask->SetSize(9, 6);
  Bitmap& data = mask->Data();
  data.Fill(0);
  for (int k = 0; k < 3; ++k) {
    data.FillRect({3 * k, 0, 3 * k + 3, 3}, StateColors[k]);
    data.SetPixel(3 * k, 0, sSkinManager::SkinTransparentColor);
  }
  return mask;
}

class SpeedButtonPaint : public ::testing::Test, public styletests::StyledFixture {
 protected:
  void SetUp() override {
    button = Add<TsSpeedButton>(form, 20, 20, 84, 22);
    button->SetShowCaption(false);
    style = button->sStyle();
    style->Painting()->SetColor(platform::clWhite);
    style->HotStyle()->HotPainting()->SetColor(platform::clWhite);
  }
  // Lists a skin with a TsSpeedButton section of raised soft bevels, with or without the
  // state mask, and binds the button to it.
  void LoadSkin(bool withMask) {
    sSkinManager::SkinSectionData section = skintests::Section("TsSpeedButton");
    section.PaintingBevel = section.HotPaintingBevel = sBevels::cbRaisedSoft;
    section.PaintingBevelWidth = 2;
    section.HotPaintingBevelWidth = 5;
    sSkinManager::SkinSections() = {section};
    if (withMask)
      sSkinManager::SkinImages().push_back({StateMask(), "TSSPEEDBUTTON", "BORDERSMASK"});
    sSkinManager::SetSkinLoaded(true);
    style->BindSkin();
  }
  void UnloadSkin() {
    sSkinManager::SkinSections().clear();
    sSkinManager::ClearSkinImages();
    sSkinManager::SetSkinLoaded(false);
    style->BindSkin();
  }
  TColor Shown(int x, int y) { return skintests::Painted(*button).Pixel(x, y); }

  skintests::SkinStateReset reset;
  TsSpeedButton* button = nullptr;
  sStyleUtil::TsActiveBGStyle* style = nullptr;
};

// State 0 normal, 1 hot, 2 down, from the section's mask or from the own one. A bound
// section without a mask, or own masks switched off, give the bevel frame: raised soft strips
// whose left one is grey 240 at its outer column, lowered (grey 25) while down.
TEST_F(SpeedButtonPaint, TheFrameComesFromTheBoundMaskTheOwnMaskOrABevel) {
  struct Case {
    const char* what;
    bool skin, skinMask, ownMask;
    TColor normal, hot, down;
  };
  const TColor raised = platform::RGB(240, 240, 240);
  const TColor lowered = platform::RGB(25, 25, 25);
  const Case cases[] = {
      {"section mask", true, true, false, platform::clRed, platform::clLime, platform::clBlue},
      {"own mask", false, false, true, platform::clRed, platform::clLime, platform::clBlue},
      {"section without mask", true, false, true, raised, raised, lowered},
      {"own mask off", false, false, false, raised, raised, lowered},
  };
  style->BtnEffects()->Fading()->SetEnabled(false);
  auto own = StateMask();
  style->BtnEffects()->MaskedBorders()->SetMask(own.get());
  for (const Case& c : cases) {
    UnloadSkin();
    if (c.skin) LoadSkin(c.skinMask);
    style->BtnEffects()->MaskedBorders()->SetEnabled(c.ownMask);
    session.MoveMouse(form->ClientToScreen({300, 250}));
    EXPECT_EQ(Shown(0, 11), c.normal) << c.what;
    session.MoveMouse(Centre(*button));
    EXPECT_EQ(Shown(0, 11), c.hot) << c.what;
    button->SetDown(true);
    EXPECT_EQ(Shown(0, 11), c.down) << c.what;
    button->SetDown(false);
  }
}

// The mask's transparent corner leaves the window's region: the form is hit there.
TEST_F(SpeedButtonPaint, TheMaskCutsItsTransparentPixelsOutOfTheWindow) {
  auto own = StateMask();
  style->BtnEffects()->MaskedBorders()->SetMask(own.get());
  skintests::Painted(*button);
  EXPECT_FALSE(style->RegionStale());
  EXPECT_EQ(platform::WindowFromPoint(button->ClientToScreen({0, 0})), form->Handle());
  EXPECT_EQ(platform::WindowFromPoint(button->ClientToScreen({1, 0})), button->Handle());
}

// A separator is the parent's picture under it, or the parent's colour when it has none; a
// divider adds a bevel 3 x 2 wide from x = (84 - 2) div 2 = 41, y = 2 to 22 - 2, whose left
// column is grey 240.
TEST_F(SpeedButtonPaint, SeparatorsAndDividersShowTheParentsPicture) {
  button->SetButtonStyle(sStyleSimply::tbsSeparator);
  EXPECT_EQ(Shown(0, 0), platform::ColorToRGB(form->Color())) << "a plain form";
  auto* panel = AddStyled<sStyleUtil::TsPassiveBGStyle>(form, {10, 100, 210, 160}, 0);
  auto& panelStyle = panel->Style<sStyleUtil::TsPassiveBGStyle>();
  panelStyle.Painting()->SetColor(0x336699);
  skintests::Painted(*panel);
  button->SetParent(panel);
  button->SetBounds(5, 5, 84, 22);
  for (const auto kind : {sStyleSimply::tbsSeparator, sStyleSimply::tbsDivider}) {
    button->SetButtonStyle(kind);
    skintests::Painted(*button);
    const Bitmap& cache = style->CacheBmp()->Data();
    EXPECT_EQ(cache.Pixel(0, 0), 0x336699u) << kind;
    EXPECT_EQ(cache.Pixel(83, 21), 0x336699u) << kind;
    EXPECT_EQ(cache.Pixel(41, 11),
              kind == sStyleSimply::tbsDivider ? platform::RGB(240, 240, 240) : TColor{0x336699})
        << kind;
  }
}

// The arrow zone is 20 wide; its triangle's anchor is (64 + 10 - 6, 11 - 1) = (68, 10), so
// (74, 11) lies inside the triangle (71, 10), (77, 10), (74, 13).
TEST_F(SpeedButtonPaint, TheArrowTakesTheFontTheHotOrTheDisabledColours) {
  button->SetButtonStyle(sStyleSimply::tbsDropDown);
  style->Painting()->SetColor(platform::clBlack);
  style->BtnEffects()->MaskedBorders()->SetEnabled(false);
  button->Font()->SetColor(0x112233);
  style->HotStyle()->HotPainting()->SetFontColor(0x445566);
  EXPECT_EQ(Shown(74, 11), 0x112233u);
  style->BtnEffects()->Fading()->SetEnabled(false);
  session.MoveMouse(Centre(*button));
  EXPECT_EQ(Shown(74, 11), 0x445566u);
  button->SetEnabled(false);
  EXPECT_EQ(Shown(74, 11), 0x808080u);
  // The white copy one pixel right and down shows beyond the grey one's right edge.
  EXPECT_EQ(Shown(77, 11), platform::clWhite);
}

// A hot caption takes the hot font colour; a disabled one is embossed in the button
// highlight and shadow colours.
TEST_F(SpeedButtonPaint, TheCaptionTakesTheHotFontColour) {
  button->SetShowCaption(true);
  button->SetCaption("WWWW");
  style->BtnEffects()->MaskedBorders()->SetEnabled(false);
  style->BtnEffects()->Fading()->SetEnabled(false);
  style->HotStyle()->HotPainting()->SetFontColor(platform::clRed);
  const platform::TRect face{2, 2, 82, 20};
  EXPECT_EQ(skintests::CountColor(skintests::Painted(*button), face, platform::clRed), 0);
  session.MoveMouse(Centre(*button));
  EXPECT_GT(skintests::CountColor(skintests::Painted(*button), face, platform::clRed), 0);
}

}  // namespace
