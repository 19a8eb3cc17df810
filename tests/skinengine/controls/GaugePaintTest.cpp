// The gauge's look, by pixels: each figure through the foreground mask over a white
// background, the text, the skin's border and progress masks, and sizes and values at their
// extremes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/graphics/Color.h"
#include "platform/window/Windows.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/StoredSkinSupport.h"

namespace {

using platform::TColor;
using platform::TPoint;
using sGauge::TsGauge;
using sGauge::TsGaugeKind;

// The mask blend of lime (R 0, G 255, B 0) over white, c + floor(m * (255 - c) / 256):
constexpr TColor Lime = 0x00FF00;         // mask 0
constexpr TColor HalfLime = 0x7FFF7F;     // mask 128: 0 + floor(128 * 255 / 256) = 127
constexpr TColor AlmostWhite = 0xFEFFFE;  // mask 255: 0 + floor(255 * 255 / 256) = 254
constexpr TColor White = 0xFFFFFF;

class GaugeLook : public ::testing::Test, public skintests::FormFixture {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }

  // A 102 x 22 gauge over a plain white gradient, so that its raised bevel leaves the inner
  // rectangle (1, 1, 101, 21): w = 100 and h = 20.
  void SetUp() override {
    gauge = Add<TsGauge>(form, 10, 10, 102, 22);
    gauge->SetShowText(false);
    gauge->sStyle()->Painting()->SetColor(platform::clLime);
    gauge->sStyle()->Background()->Gradient()->SetData("16777215;16777215;0;0;0");
    gauge->sStyle()->Background()->Gradient()->SetPercent(100);
  }

  skintests::SkinStateReset reset;
  TsGauge* gauge = nullptr;
};

struct FigureCase {
  TsGaugeKind Kind;
  int Progress;
  int ForeAlpha;
  TPoint At;
  TColor Expected;
};

TEST_F(GaugeLook, EveryFigureIsLaidOverTheBackgroundThroughItsGreyLevel) {
  const FigureCase cases[] = {
      // Horizontal bar: x = trunc(100 * 47 / 100) = 47, filled from column 1 to 47; at 0 % no
      // bar is drawn and nothing blended.
      {sGauge::gkHorizontalBar, 47, 50, {47, 10}, HalfLime},
      {sGauge::gkHorizontalBar, 47, 50, {48, 10}, AlmostWhite},
      {sGauge::gkHorizontalBar, 0, 50, {1, 10}, White},
      {sGauge::gkHorizontalBar, 47, 100, {20, 10}, AlmostWhite},
      {sGauge::gkHorizontalBar, 47, 0, {20, 10}, Lime},
      // Vertical bar: y = trunc(20 * 50 / 100) = 10, rows 20 - 10 = 10 to 20.
      {sGauge::gkVerticalBar, 50, 50, {50, 10}, HalfLime},
      {sGauge::gkVerticalBar, 50, 50, {50, 9}, AlmostWhite},
      // At 0 % only row h = 20; at 100 % y = 20 is cut to h - 1 = 19: rows 1 to 20.
      {sGauge::gkVerticalBar, 0, 50, {50, 20}, HalfLime},
      {sGauge::gkVerticalBar, 0, 50, {50, 19}, AlmostWhite},
      {sGauge::gkVerticalBar, 100, 50, {50, 1}, HalfLime},
      // Pie in the box (1, 1, 100, 20): the sector from twelve o'clock to three is filled in
      // g2 (0 at ForeAlpha 100, 255 at 0); the rest of the ellipse is not.
      {sGauge::gkPie, 25, 100, {70, 6}, Lime},
      {sGauge::gkPie, 25, 100, {30, 6}, AlmostWhite},
      {sGauge::gkPie, 25, 0, {70, 6}, AlmostWhite},
      // Needle in g2: at 50 % from (102 div 2, 20) straight up; the base line on row 21.
      {sGauge::gkNeedle, 50, 100, {51, 10}, Lime},
      {sGauge::gkNeedle, 50, 100, {60, 10}, AlmostWhite},
      {sGauge::gkNeedle, 50, 100, {30, 21}, Lime},
      {sGauge::gkNeedle, 0, 100, {51, 10}, AlmostWhite},
      {sGauge::gkText, 100, 0, {50, 10}, White},
  };
  for (const FigureCase& c : cases) {
    gauge->SetKind(c.Kind);
    gauge->SetProgress(c.Progress);
    gauge->SetForeAlpha(c.ForeAlpha);
    EXPECT_EQ(skintests::Painted(*gauge).Pixel(c.At.X, c.At.Y), c.Expected)
        << "kind " << c.Kind << " at " << c.Progress << " %, ForeAlpha " << c.ForeAlpha << ", ("
        << c.At.X << ", " << c.At.Y << ")";
  }
}

TEST_F(GaugeLook, ThePercentageIsWrittenInTheMiddleEnabledOrEmbossed) {
  gauge->SetKind(sGauge::gkText);
  gauge->SetShowText(true);
  const platform::TRect middle{31, 2, 71, 20};
  EXPECT_LT(skintests::Darkest(skintests::Painted(*gauge), middle), 0x40) << "black text";
  gauge->SetEnabled(false);
  // Disabled text is white, then grey (0x80) over it: nothing is darker than that grey.
  const int darkest = skintests::Darkest(skintests::Painted(*gauge), middle);
  EXPECT_GE(darkest, 0x80);
  EXPECT_LT(darkest, 0xC0);
}

TEST_F(GaugeLook, WithTheSkinTheBorderMaskShapesTheWindowAndTheBarIsTheProgressMask) {
  const auto windowAt = [&](TPoint p) {
    return platform::WindowFromPoint(gauge->ClientToScreen(p));
  };
  EXPECT_EQ(windowAt({0, 0}), form->Handle()) << "a soft style cuts the corners";
  sSkinManager::TsSkinManager manager(nullptr);
  skintests::LoadStoredSkin(manager);
  gauge->Perform(sMessages::SM_SKINLOADED);
  gauge->SetProgress(50);
  const platform::Bitmap shown = skintests::Painted(*gauge);
  EXPECT_EQ(windowAt({0, 0}), gauge->Handle()) << "the section's mask has square corners";
  EXPECT_EQ(skintests::CountColor(shown, gauge->ClientRect(), Lime), 0)
      << "the skin's mask replaces the colour's";
  // The section's bevel is none, so the bar runs over (0, 0, 51 + 1, 22 + 1), and the centre
  // of the 72 x 30 progress mask (slices 8 x 5) is tiled from (8, 5): (25, 11) takes its
  // pixel (8 + 17 mod 8, 5 + 6 mod 5) = (9, 6), whose mask is 0.
  const auto& images = sSkinManager::SkinImages();
  const int index = sSkinManager::FindImageIndex(sSkinManager::FindSectionIndex("TsGauge"),
                                                 "TsGauge", "GAUGEPROGRESSMASK");
  ASSERT_GE(index, 0);
  EXPECT_EQ(shown.Pixel(25, 11),
            images[static_cast<std::size_t>(index)].Bitmap->Data().Pixel(9, 6));
}

TEST_F(GaugeLook, TinyGaugesAndExtremeRangesPaintEveryKindInsideThemselves) {
  gauge->SetShowText(true);
  gauge->SetMinValue(std::numeric_limits<std::int32_t>::min());
  gauge->SetMaxValue(std::numeric_limits<std::int32_t>::max());
  for (const int size : {0, 1, 2, 3}) {
    gauge->SetBounds(10, 10, size, size);
    for (const int kind : {0, 1, 2, 3, 4}) {
      gauge->SetKind(static_cast<TsGaugeKind>(kind));
      for (const std::int32_t progress : {std::numeric_limits<std::int32_t>::min(), 0,
                                          std::numeric_limits<std::int32_t>::max()}) {
        gauge->SetProgress(progress);
        EXPECT_EQ(skintests::Painted(*gauge).Width(), size);
      }
    }
  }
}

}  // namespace
