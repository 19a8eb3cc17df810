// Where a speed button puts its glyph and caption, and the size it takes under AutoSize.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/graphics/Font.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace {

using platform::TRect;
using sButtonControl::TsContentLayout;
using sButtonControl::TsContentMetrics;
using sCustomButton::TsSpeedButton;
using namespace sButtonControl;

constexpr unsigned Left = platform::DT_LEFT;
constexpr unsigned Centre = platform::DT_CENTER;
constexpr unsigned Right = platform::DT_RIGHT;

// A glyph of 16 x 16 and a caption of 60 x 13 on a button 84 wide, spacing 3.
TsContentMetrics Usual(TButtonLayout layout, int height = 22, int margin = 0, bool down = false) {
  return {{84, height}, {16, 16}, {60, 13}, margin, 3, true, layout, down};
}

TEST(SpeedButtonLayout, GlyphAndCaptionRectanglesFollowTheLayout) {
  struct Case {
    const char* what;
    TsContentMetrics in;
    TRect glyph, caption;
    unsigned alignment;
  };
  const Case cases[] = {
      // (84 - 16 - 3 - 60) div 2 = 2; dx = 2: caption from 16 + 2 + 3 to 84 - 2.
      {"left", Usual(blGlyphLeft), {2, 3, 18, 19}, {21, 0, 82, 22}, Left},
      // (84 - 16 + 3 + 60) div 2 = 65; the caption from dx to 60 + dx.
      {"right", Usual(blGlyphRight), {65, 3, 81, 19}, {2, 0, 62, 22}, Right},
      // Margin 2: (60 - 16 - 3 - 13) div 2 = 14; dy = 14 - 2 = 12.
      {"top", Usual(blGlyphTop, 60, 2), {34, 14, 50, 30}, {2, 33, 82, 46}, Centre},
      // 60 - 16 - 14 = 30; the caption ends at 60 - 12 - 2 - 16 - 3 = 27.
      {"bottom", Usual(blGlyphBottom, 60, 2), {34, 30, 50, 46}, {2, 2, 82, 27}, Centre},
      // Without a caption the glyph is centred, (84 - 16) div 2 = 34; the caption rectangle
      // still counts the spacing: dx = (84 - 16 - 3) div 2 = 32.
      {"no caption",
       {{84, 22}, {16, 16}, {0, 0}, 0, 3, false, blGlyphLeft, false},
       {34, 3, 50, 19},
       {51, 0, 52, 22},
       Left},
      // (11 - 16) div 2 truncates to -2, not -3; so does dx.
      {"glyph wider than the button",
       {{11, 22}, {16, 16}, {0, 0}, 0, 0, false, blGlyphLeft, false},
       {-2, 3, 14, 19},
       {14, 0, 13, 22},
       Left},
      // dx = (84 - 1 - 3 - 60) div 2 = 10: the caption from 1 + 10 + 3.
      {"glyph of one column",
       {{84, 22}, {1, 16}, {60, 13}, 0, 3, true, blGlyphLeft, false},
       {},
       {14, 0, 74, 22},
       Left},
      {"down", Usual(blGlyphLeft, 22, 0, true), {3, 4, 19, 20}, {22, 1, 83, 23}, Left},
  };
  for (const Case& c : cases) {
    const TsContentLayout out = LayoutContent(c.in);
    EXPECT_EQ(out.Glyph, c.glyph) << c.what;
    EXPECT_EQ(out.Caption, c.caption) << c.what;
    EXPECT_EQ(out.Alignment, c.alignment) << c.what;
  }
}

class SpeedButtonContent : public ::testing::Test, public skintests::FormFixture {
 protected:
  void SetUp() override {
    button = Add<TsSpeedButton>(form, 10, 10, 84, 22);
    button->sStyle()->BtnEffects()->MaskedBorders()->SetEnabled(false);
    button->sStyle()->Painting()->SetBevel(sBevels::cbNone);
    button->sStyle()->Painting()->SetColor(platform::clWhite);
  }
  static int TextWidth(const TsSpeedButton& b, const char* text) {
    return platform::TextExtent(b.Font()->Data(), text).cx;
  }

  TsSpeedButton* button = nullptr;
};

// The centre of the dark pixels in rows top..bottom of the shown button, or -1.
int InkCentre(const platform::Bitmap& shot, int top, int bottom) {
  int left = shot.Width();
  int right = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < shot.Width(); ++x)
      if ((shot.Pixel(x, y) & 0xFF) < 0x80) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return right < 0 ? -1 : (left + right) / 2;
}

// "Gambar Kurva Bezier" wraps after "Kurva" in 84 pixels: both lines share their centre
// whether the layout aligns the caption left or right.
TEST_F(SpeedButtonContent, ACaptionOfMoreThanOneLineIsCentred) {
  button->SetBounds(10, 10, 84, 44);
  button->SetCaption("Gambar Kurva Bezier");
  const int lineHeight = platform::TextExtent(button->Font()->Data(), "T").cy;
  for (const TButtonLayout layout : {blGlyphLeft, blGlyphRight}) {
    button->SetLayout(layout);
    const platform::Bitmap shot = skintests::Painted(*button);
    // Two lines of lineHeight, moved down by (44 - 2 x lineHeight) div 2.
    const int top = (44 - 2 * lineHeight) / 2;
    const int first = InkCentre(shot, top, top + lineHeight);
    const int second = InkCentre(shot, top + lineHeight, top + 2 * lineHeight);
    ASSERT_GT(first, 0) << layout;
    EXPECT_NEAR(first, second, 2) << layout;
  }
}

// A glyph of three cells is not drawn, yet its cell width of 48 div 3 = 16 is kept free.
TEST_F(SpeedButtonContent, GlyphsOfOtherCellCountsKeepTheirRoomButAreNotDrawn) {
  framework::TBitmap glyph;
  glyph.SetSize(48, 16);
  glyph.Data().Fill(platform::clRed);
  glyph.Data().SetPixel(0, 15, platform::clFuchsia);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(3);
  EXPECT_EQ(button->GlyphWidth(), 16);
  EXPECT_EQ(button->ContentLayout().Glyph.Width(), 16);
  const platform::Bitmap shot = skintests::Painted(*button);
  EXPECT_EQ(skintests::CountColor(shot, shot.BoundsRect(), platform::clRed), 0);
  button->SetNumGlyphs(1);
  EXPECT_GT(skintests::CountColor(skintests::Painted(*button), shot.BoundsRect(), platform::clRed),
            0);
}

// Bevels 2 x 2 = 4 around a 16 x 16 glyph; the caption beside or below it with spacing 3.
TEST_F(SpeedButtonContent, AutoSizeFitsGlyphCaptionAndArrow) {
  framework::TBitmap glyph;
  glyph.SetSize(16, 16);
  button->SetGlyph(&glyph);
  button->SetCaption("Randomize");
  const int text = TextWidth(*button, "Randomize");
  const int line = platform::TextExtent(button->Font()->Data(), "W").cy;
  struct Case {
    sStyleSimply::TsButtonStyle style;
    TButtonLayout layout;
    bool caption;
    int width, height;
  };
  const Case cases[] = {
      {sStyleSimply::tbsButton, blGlyphLeft, true, text + 20 + 3, std::max(20, line)},
      {sStyleSimply::tbsButton, blGlyphTop, true, std::max(20, text), line + 20 + 3},
      {sStyleSimply::tbsButton, blGlyphLeft, false, 20, 20},
      {sStyleSimply::tbsDropDown, blGlyphLeft, false, 20 + 20, 20},
      // The width follows the height, which settles at 20: 20 + 4.
      {sStyleSimply::tbsSeparator, blGlyphLeft, true, 24, 20},
      {sStyleSimply::tbsDivider, blGlyphLeft, true, 4 + 4, 20},
  };
  for (const Case& c : cases) {
    button->SetAutoSize(false);
    button->SetBounds(10, 10, 84, 22);
    button->SetButtonStyle(c.style);
    button->SetLayout(c.layout);
    button->SetShowCaption(c.caption);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), c.width) << c.style << " " << c.layout;
    EXPECT_EQ(button->Height(), c.height) << c.style << " " << c.layout;
  }
  button->SetDown(true);
  button->SetMargin(5);
  EXPECT_EQ(button->Height(), 20) << "a down button keeps its size";
}

}  // namespace
