// How a background style composes its look: picture, gradient and colour by their shares, the
// parent's picture by the transparency, the hot and the pressed look, the stored skin's button.
#include <gtest/gtest.h>

#include "framework/controls/Panel.h"
#include "framework/graphics/Bitmap.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/skin/StoredSkinSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using platform::Bitmap;
using platform::TColor;
using sStyleUtil::TsComposeRule;
using styletests::TStyledControl;

constexpr auto Grey = sGraphUtils::GreyWeight;

// Every pixel of the bitmap has this colour.
::testing::AssertionResult Uniform(const Bitmap& b, TColor color) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != color)
        return ::testing::AssertionFailure()
               << std::hex << b.Pixel(x, y) << " at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

TEST(StyleCompose, SharesWeighPictureGradientAndColour) {
  struct Case {
    const char* what;
    TsComposeRule rule;
    int gradient, image;  // shares
    int picture, band;    // greys of the picture and the gradient, -1 for none
    int color;
    int expected;
  };
  const Case cases[] = {
      {"k = 50 x 256 div 100 = 128: floor(128 * 255 / 256) + 0", TsComposeRule::Normal, 50, 50, 255,
       0, 30, 127},
      {"hot k = 50 x 255 div 100 = 127: floor(127 * 255 / 256) = 126", TsComposeRule::Hot, 50, 50,
       255, 0, 30, 126},
      {"the gauge without its picture: colour, then the plain gradient", TsComposeRule::Normal, 50,
       50, -1, 100, 30, 100},
      {"no shares: the solid colour", TsComposeRule::Normal, 0, 0, 255, 100, 30, 30},
      {"g = 30: m = 76, 30 + floor(76 * (100 - 30) / 256) = 30 + 20", TsComposeRule::Normal, 30, 0,
       -1, 100, 30, 50},
      {"a missing hot picture keeps the target (0): 100 + floor(127 * -100 / 256) = 50",
       TsComposeRule::Hot, 0, 50, -1, -1, 100, 50},
      {"a missing normal picture leaves the colour", TsComposeRule::Normal, 0, 50, -1, -1, 100,
       100},
      {"an empty gradient paints the colour", TsComposeRule::Normal, 100, 0, -1, -1, 30, 30},
      {"shares out of range count as 100 and 0: the gradient", TsComposeRule::Normal, 150, -20, 200,
       100, 30, 100},
  };
  for (const Case& c : cases) {
    Bitmap picture(3, 2);
    sGradient::GradientArray band;
    if (c.band >= 0)
      band.push_back({static_cast<int>(Grey(c.band)), static_cast<int>(Grey(c.band)), 100, 0});
    sStyleUtil::TsLook look;
    look.Color = Grey(c.color);
    look.GradientPercent = c.gradient;
    look.Gradient = &band;
    look.ImagePercent = c.image;
    if (c.picture >= 0) {
      picture.Fill(Grey(c.picture));
      look.Image = {&picture, sGraphUtils::PictureKind::Bitmap};
    }
    Bitmap target(7, 5);
    Bitmap scratch(7, 5);
    sStyleUtil::ComposeLook(target, scratch, look, target.BoundsRect(), c.rule);
    EXPECT_TRUE(Uniform(target, Grey(c.expected))) << c.what;
  }
}

class StyleBackground : public ::testing::Test, public styletests::StyledFixture {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }

  // A child at (10, 5), 20 x 10, of a parent whose cache holds a picture of its own.
  template <class S = sStyleUtil::TsPassiveBGStyle>
  S& Child(framework::TWinControl* parent, int kind = 0) {
    child = AddStyled<S>(parent, {10, 5, 30, 15}, kind);
    S& style = child->Style<S>();
    style.Painting()->SetColor(Grey(200));
    return style;
  }
  sStyleUtil::TsPassiveBGStyle& Parent() {
    parent = AddStyled<sStyleUtil::TsPassiveBGStyle>(form, {0, 0, 100, 60}, 0);
    auto& style = parent->Style<sStyleUtil::TsPassiveBGStyle>();
    style.ResizeCache();
    return style;
  }

  skintests::SkinStateReset reset;
  TStyledControl* parent = nullptr;
  TStyledControl* child = nullptr;
};

TEST_F(StyleBackground, TransparencyLetsTheParentShowThrough) {
  struct Case {
    int transparency;  // the bound section's, outside 0..100 too
    int expected;
  };
  const Case cases[] = {
      {-5, 200},   // as 0: the own look
      {0, 200},    // the own look
      {50, 150},   // d = 127: floor(127 * 200 / 256) + 100 - floor(127 * 100 / 256) = 99 + 100 - 49
      {100, 100},  // the parent
      {150, 100},  // as 100
  };
  Parent().CacheBmp()->Data().Fill(Grey(100));
  auto& style = Child(parent);
  sSkinManager::SetSkinLoaded(true);
  for (const Case& c : cases) {
    sSkinManager::SkinSections() = {skintests::Section("Glass")};
    sSkinManager::SkinSections()[0].PaintingColor = Grey(200);
    sSkinManager::SkinSections()[0].PaintingTransparency = c.transparency;
    style.SetSkinSection("Glass");
    EXPECT_TRUE(Uniform(styletests::Composed(style), Grey(c.expected))) << c.transparency;
    style.SetSkinSection("");
  }
}

TEST_F(StyleBackground, AFullyTransparentControlIsAnExactCopyOfItsParentsCacheUnderIt) {
  Parent();
  auto& style = Child(parent);
  style.Painting()->SetTransparency(100);  // the parent repaints: its picture comes after
  Bitmap& below = parent->Style<sStyleUtil::TsPassiveBGStyle>().CacheBmp()->Data();
  for (int y = 0; y < below.Height(); ++y)
    for (int x = 0; x < below.Width(); ++x) below.SetPixel(x, y, platform::RGB(x, y, 7));
  const Bitmap& cache = styletests::Composed(style);
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x)
      ASSERT_EQ(cache.Pixel(x, y), below.Pixel(x + 10, y + 5)) << x << "," << y;
}

TEST_F(StyleBackground, AParentWithoutPictureLeavesTheOwnLook) {
  auto* panel = Add<framework::TPanel>(form, 0, 0, 100, 60);
  for (framework::TWinControl* below : {panel, static_cast<framework::TPanel*>(nullptr)}) {
    auto& style = Child(below);
    style.Painting()->SetTransparency(100);
    EXPECT_TRUE(Uniform(styletests::Composed(style), Grey(200)))
        << (below ? "an unskinned panel" : "no parent at all");
  }
}

TEST_F(StyleBackground, BeyondASmallParentPictureTheOwnLookShows) {
  Parent();
  auto& style = Child(parent);
  for (int transparency : {100, 50}) {
    style.Painting()->SetTransparency(transparency);
    framework::TBitmap& below = *parent->Style<sStyleUtil::TsPassiveBGStyle>().CacheBmp();
    below.SetSize(15, 8);  // covers the child's (0..4, 0..2) only
    below.Data().Fill(Grey(100));
    const Bitmap& cache = styletests::Composed(style);
    // Halfway: 99 + 100 - 49 = 150 over the parent; 99 + 200 - 99 = 200 beyond it.
    EXPECT_EQ(cache.Pixel(4, 2), Grey(transparency == 100 ? 100 : 150)) << transparency;
    EXPECT_EQ(cache.Pixel(5, 2), Grey(200)) << transparency;
    EXPECT_EQ(cache.Pixel(4, 3), Grey(200)) << transparency;
  }
}

TEST_F(StyleBackground, ASectionGoneWithASkinChangeLeavesTheOwnLook) {
  sSkinManager::SkinSections() = {skintests::Section("Glass")};
  sSkinManager::SetSkinLoaded(true);
  auto& style = Child(form);
  style.SetSkinSection("Glass");
  ASSERT_EQ(style.SkinIndex(), 0);
  sSkinManager::SkinSections().clear();
  EXPECT_EQ(style.Section(), nullptr);
  EXPECT_TRUE(Uniform(styletests::Composed(style), Grey(200)));
}

// The stored skin's button lets half of what lies below show (d = 127), its hot look 40 %
// (d = 102); here that is the frame picture of the form, grey 100.
TEST_F(StyleBackground, TheStoredSkinsButtonShowsTheFrameBelowIt) {
  sSkinManager::TsSkinManager manager(nullptr);
  skintests::LoadStoredSkin(manager);
  auto* framed = app.CreateForm<styletests::TFramedForm>();
  framed->picture = Bitmap(300, 200);
  framed->picture.Fill(Grey(100));
  framed->clientOffset = {4, 42};
  auto* button = Add<sCustomButton::TsSpeedButton>(framed, 20, 10, 84, 22);
  sStyleUtil::TsActiveBGStyle& style = *button->sStyle();
  ASSERT_EQ(style.SkinIndex(), sSkinManager::FindSectionIndex("TsSpeedButton"));
  // 0xE8 = 232: floor(127 * 232 / 256) + 100 - floor(127 * 100 / 256) = 115 + 100 - 49 = 166.
  EXPECT_TRUE(Uniform(styletests::Composed(style), Grey(166)));

  button->Perform(framework::CM_MOUSEENTER);
  // 0xCD7B0C: blue 205, green 123, red 12; floor(102 * c / 256) + 100 - 39:
  // blue 81 + 61 = 142, green 49 + 61 = 110, red 4 + 61 = 65.
  EXPECT_TRUE(Uniform(styletests::Composed(style), platform::RGB(65, 110, 142)));
}

// Pressed, the hot picture starts one pixel right and down, under a soft lowered frame of
// width 5 div 4 + 1 = 2.
TEST_F(StyleBackground, ThePressedLookIsShiftedUnderALoweredFrame) {
  auto* button = Add<sCustomButton::TsSpeedButton>(form, 20, 10, 84, 22);
  button->SetShowCaption(false);
  sStyleUtil::TsActiveBGStyle& style = *button->sStyle();
  style.BtnEffects()->MaskedBorders()->SetEnabled(false);  // the bevel frame, not a mask
  framework::TBitmap tile;
  tile.SetSize(4, 4);
  tile.Data().Fill(Grey(128));
  tile.Data().SetPixel(0, 0, platform::clRed);
  style.HotStyle()->HotBackground()->Image()->Image()->Assign(&tile);
  style.HotStyle()->HotBackground()->Image()->SetPercent(100);
  session.Press(Centre(*button));
  ASSERT_TRUE(button->Pressed());
  skintests::Painted(*button);
  const Bitmap& cache = style.CacheBmp()->Data();
  EXPECT_EQ(cache.Pixel(5, 5), platform::clRed) << "the tile at (1, 1) + (4, 4)";
  EXPECT_EQ(cache.Pixel(4, 4), Grey(128));
  EXPECT_EQ(cache.Pixel(0, 6), Grey(25)) << "the left strip's outer column is its grey";
  // Mask 255 div 2 = 127 one pixel in: (127 * 128 + 129 * 25) >> 8 = 19481 >> 8.
  EXPECT_EQ(cache.Pixel(1, 6), Grey(76));
  EXPECT_EQ(cache.Pixel(2, 6), Grey(128));
}

}  // namespace
