// The speed button's glyph: from a bitmap of one or two cells or from image lists, greyed,
// blended and disabled; and bad glyphs, indexes, captions and sizes that paint nothing wrong.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/forms/ImageList.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace {

using platform::RGB;
using platform::TColor;
using sCustomButton::TsSpeedButton;

// The glyph colour: red 0x80, green 0x40, blue 0x20 (mean 224 div 3 = 74).
constexpr TColor Ink = RGB(0x80, 0x40, 0x20);
constexpr TColor Grey = RGB(74, 74, 74);
// Each channel Round(s - (s - 255) x f) over the white face, halves to even:
// f = 0.5: 128 + 63.5, 64 + 95.5, 32 + 111.5.
constexpr TColor HalfInk = RGB(192, 160, 144);
// f = 0.5 of the grey: 74 + 90.5.
constexpr TColor HalfGrey = RGB(164, 164, 164);
// f = 0.75: 128 + 95.25, 64 + 143.25, 32 + 167.25.
constexpr TColor QuarterInk = RGB(223, 207, 199);
constexpr TColor Face = platform::clWhite;

// An 8 x 8 picture per colour, side by side, keyed by the fuchsia bottom-left pixel.
std::unique_ptr<framework::TBitmap> Cells(std::initializer_list<TColor> colors) {
  auto bitmap = std::make_unique<framework::TBitmap>();
  bitmap->SetSize(8 * static_cast<int>(colors.size()), 8);
  int left = 0;
  for (const TColor c : colors) {
    bitmap->Data().FillRect({left, 0, left + 8, 8}, c);
    left += 8;
  }
  bitmap->Data().SetPixel(0, 7, platform::clFuchsia);
  return bitmap;
}

class SpeedButtonGlyph : public ::testing::Test, public skintests::FormFixture {
 protected:
  // A white, frameless button without caption and without fading: the 8 x 8 glyph lies at
  // ((84 - 8) div 2, (22 - 8) div 2) = (38, 7).
  void SetUp() override { button = NewButton(); }
  TsSpeedButton* NewButton() {
    auto* b = Add<TsSpeedButton>(form, 20, 20, 84, 22);
    b->SetShowCaption(false);
    sStyleUtil::TsActiveBGStyle& style = *b->sStyle();
    style.BtnEffects()->MaskedBorders()->SetEnabled(false);
    style.BtnEffects()->Fading()->SetEnabled(false);
    style.Painting()->SetBevel(sBevels::cbNone);
    style.Painting()->SetColor(Face);
    style.HotStyle()->HotPainting()->SetBevel(sBevels::cbNone);
    style.HotStyle()->HotPainting()->SetColor(Face);
    return b;
  }
  void SetHot(bool hot) {
    session.MoveMouse(hot ? Centre(*button) : form->ClientToScreen({300, 250}));
  }
  TColor Shown() { return skintests::Painted(*button).Pixel(40, 9); }
  // An 8 x 8 image of one colour, transparent at its bottom-left pixel when keyed.
  framework::TImageList* List(TColor color, bool keyed = true) {
    auto* list = new framework::TImageList(form);
    list->SetWidth(8);
    list->SetHeight(8);
    const auto cells = Cells({color});
    if (!keyed) cells->Data().SetPixel(0, 7, color);
    list->AddMasked(*cells, platform::clFuchsia);
    return list;
  }
  TColor Corner() { return skintests::Painted(*button).Pixel(38, 14); }

  TsSpeedButton* button = nullptr;
};

TEST_F(SpeedButtonGlyph, AOneCellGlyphIsGreyedBlendedOrFadedByState) {
  using sCustomButton::dgBlended;
  using sCustomButton::dgGrayed;
  struct Case {
    const char* what;
    bool enabled, hot, grayed;
    int blend;
    sCustomButton::TDisabledGlyphKind kind;
    TColor shown;
  };
  const Case cases[] = {
      {"plain", true, false, false, 0, {dgBlended}, Ink},
      {"grayed", true, false, true, 0, {dgBlended}, Grey},
      {"grayed but hot", true, true, true, 0, {dgBlended}, Ink},
      {"blended", true, false, false, 50, {dgBlended}, HalfInk},
      {"blended but hot", true, true, false, 50, {dgBlended}, Ink},
      {"disabled, blended", false, false, false, 0, {dgBlended}, HalfInk},
      {"disabled, grayed", false, false, false, 0, {dgGrayed}, Grey},
      {"disabled, both", false, false, false, 0, {dgBlended, dgGrayed}, HalfGrey},
      {"disabled, neither", false, false, false, 0, {}, Ink},
  };
  button->SetGlyph(Cells({Ink}).get());
  for (const Case& c : cases) {
    button->SetEnabled(c.enabled);
    SetHot(c.hot);
    button->SetGrayed(c.grayed);
    button->SetBlend(c.blend);
    button->SetDisabledGlyphKind(c.kind);
    EXPECT_EQ(Shown(), c.shown) << c.what;
    EXPECT_EQ(Corner(), Face) << c.what << ": the key colour";
  }
}

TEST_F(SpeedButtonGlyph, ATwoCellGlyphShowsItsSecondCellWhenDisabled) {
  button->SetGlyph(Cells({Ink, platform::clLime}).get());
  button->SetNumGlyphs(2);
  EXPECT_EQ(Shown(), Ink);
  button->SetEnabled(false);
  EXPECT_EQ(Shown(), platform::clLime);
}

// The grayed list serves an enabled button that is not hot, the disabled list a disabled
// one; without them Images serves, greyed when Grayed and faded by 0.75 when disabled.
TEST_F(SpeedButtonGlyph, ImageListsServeByState) {
  struct Case {
    const char* what;
    bool grayedList, disabledList, enabled, hot, grayed;
    TColor shown;
  };
  const Case cases[] = {
      {"images", false, false, true, false, false, Ink},
      {"images, grayed", false, false, true, false, true, Grey},
      {"images, disabled", false, false, false, false, false, QuarterInk},
      {"grayed list", true, false, true, false, true, platform::clLime},
      {"grayed list, hot", true, false, true, true, false, Ink},
      {"disabled list", false, true, false, false, false, platform::clBlue},
  };
  framework::TImageList* images = List(Ink);
  framework::TImageList* grayed = List(platform::clLime);
  framework::TImageList* disabled = List(platform::clBlue);
  for (const Case& c : cases) {
    button->SetImages(images);
    button->SetImagesGrayed(c.grayedList ? grayed : nullptr);
    button->SetImagesDisabled(c.disabledList ? disabled : nullptr);
    button->SetEnabled(c.enabled);
    SetHot(c.hot);
    button->SetGrayed(c.grayed);
    EXPECT_EQ(Shown(), c.shown) << c.what;
    EXPECT_EQ(Corner(), Face) << c.what << ": the list's transparent pixel";
  }
  // The list keeps its own transparency: an image opaque at its corner shows it there.
  button->SetEnabled(true);
  button->SetImagesGrayed(nullptr);
  button->SetImages(List(Ink, false));
  for (const bool grayed : {false, true}) {
    button->SetGrayed(grayed);
    EXPECT_EQ(Corner(), grayed ? Grey : Ink) << grayed;
  }
  button->SetGrayed(false);
  button->SetImages(images);
  ASSERT_EQ(Shown(), Ink);
  images->Delete(0);
  EXPECT_EQ(Shown(), Face) << "the list told the button: index 0 lies past it now";
  delete images;
  EXPECT_EQ(button->Images(), nullptr);
}

// None of these may fail or reach past the button: the form around it stays as it was.
TEST_F(SpeedButtonGlyph, BadGlyphsIndexesCaptionsAndSizesPaintOnlyInsideTheButton) {
  const std::string longWord(300, 'W');
  std::string longText;
  for (int i = 0; i < 60; ++i) longText += "Gambar\tKurva ";
  const auto glyph = [](TsSpeedButton& b, int width, int height, int cells) {
    framework::TBitmap g;
    g.SetSize(width, height);
    g.Data().Fill(platform::clRed);
    b.SetGlyph(&g);
    b.SetNumGlyphs(cells);
  };
  const struct Case {
    const char* what;
    std::function<void(TsSpeedButton&)> setup;
  } cases[] = {
      {"odd two-cell glyph", [&](TsSpeedButton& b) { glyph(b, 7, 5, 2); }},
      {"one-pixel glyph", [&](TsSpeedButton& b) { glyph(b, 1, 1, 1); }},
      {"glyph larger than the button, below",
       [&](TsSpeedButton& b) {
         glyph(b, 300, 100, 1);
         b.SetLayout(sButtonControl::blGlyphBottom);
       }},
      {"no cells", [&](TsSpeedButton& b) { glyph(b, 8, 8, 0); }},
      {"more cells than columns", [&](TsSpeedButton& b) { glyph(b, 8, 8, 50); }},
      {"index past the list",
       [this](TsSpeedButton& b) {
         b.SetImages(List(Ink));
         b.SetImageIndex(5);
       }},
      {"long word", [&](TsSpeedButton& b) { b.SetCaption(longWord); }},
      {"long text, glyph on top",
       [&](TsSpeedButton& b) {
         b.SetCaption(longText);
         b.SetLayout(sButtonControl::blGlyphTop);
       }},
      {"huge margin and spacing",
       [&](TsSpeedButton& b) {
         b.SetCaption(longText);
         b.SetMargin(100000);
         b.SetSpacing(-100000);
       }},
      {"zero size", [](TsSpeedButton& b) { b.SetBounds(20, 20, 0, 0); }},
      {"two pixels, drop-down",
       [](TsSpeedButton& b) {
         b.SetBounds(20, 20, 2, 2);
         b.SetButtonStyle(sStyleSimply::tbsDropDown);
       }},
      {"zero size divider",
       [](TsSpeedButton& b) {
         b.SetBounds(20, 20, 0, 0);
         b.SetButtonStyle(sStyleSimply::tbsDivider);
       }},
  };
  delete button;
  platform::UpdateWindow(form->Handle());
  const platform::Bitmap before = platform::WindowSnapshot(form->Handle());
  const platform::TPoint origin =
      form->ClientToScreen({0, 0}) - platform::GetWindowRect(form->Handle()).TopLeft();
  for (const Case& c : cases) {
    button = NewButton();
    button->SetShowCaption(true);
    c.setup(*button);
    SetHot(true);
    const platform::TRect inside = button->BoundsRect().Offset(origin);
    platform::UpdateWindow(form->Handle());
    const platform::Bitmap after = platform::WindowSnapshot(form->Handle());
    int changed = 0;
    for (int y = 0; y < after.Height(); ++y)
      for (int x = 0; x < after.Width(); ++x)
        if (!inside.Contains({x, y}) && after.Pixel(x, y) != before.Pixel(x, y)) ++changed;
    EXPECT_EQ(changed, 0) << c.what;
    delete button;
    SetHot(false);
  }
}

}  // namespace
