// Drop shadows: their share, where containers paint their children's, the check glyph's, and
// settings far out of range.
#include <gtest/gtest.h>

#include <climits>

#include "resources/Embedded.h"
#include "skinengine/controls/sCheckbox.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using platform::Bitmap;
using sStyleUtil::TsActiveBGStyle;
using sStyleUtil::TsPassiveBGStyle;
using styletests::TStyledControl;

TEST(StyleShadow, MixPercentRoundsHalvesToEven) {
  struct Case {
    int a, b, expected;
  };
  const Case cases[] = {
      {50, 60, 80},  // (100 - 60) x 50 / 100 + 60
      {0, 60, 60},   // an opaque control: the shadow's own share
      {25, 50, 62},  // 62.5
      {75, 50, 88},  // 87.5
  };
  for (const Case& c : cases) EXPECT_EQ(sStyleSimply::MixPercent(c.a, c.b), c.expected) << c.a;
}

class StyleShadows : public ::testing::Test, public styletests::StyledFixture {
 protected:
  // A white container at (0, 0), 100 x 60, holding a half-transparent button at (10, 10),
  // 20 x 10, whose black shadow is offset by 5 with square corners and no blur.
  void SetUp() override {
    parent = AddStyled<TsPassiveBGStyle>(form, {0, 0, 100, 60}, 151);
    Parent().Painting()->SetColor(platform::clWhite);
    child = AddStyled<TsActiveBGStyle>(parent, {10, 10, 30, 20}, sStyleSimply::KindSpeedButton);
    TsActiveBGStyle& style = child->Style<TsActiveBGStyle>();
    style.SetSoftControl(false);
    style.Painting()->SetTransparency(50);
    sStyleSimply::TsShadow& shadow = *style.Effects()->Shadow();
    shadow.SetOffset(5);
    shadow.SetBlur(0);
    shadow.SetEnabled(true);
    ASSERT_TRUE(shadow.Enabled());
  }
  TsPassiveBGStyle& Parent() { return parent->Style<TsPassiveBGStyle>(); }

  skintests::SkinStateReset reset;
  TStyledControl* parent = nullptr;
  TStyledControl* child = nullptr;
};

// Share MixPercent(50, 60) = 80: m = 80 x 255 div 100 = 204, black over white gives
// floor(204 x 255 / 256) = 203, over the child's bounds moved by 5: (15, 15) to (35, 25).
TEST_F(StyleShadows, AContainerPaintsItsChildrensShadows) {
  struct Case {
    const char* what;
    int parentKind;
    bool visible;
    int childKind;
    int expected;
  };
  const Case cases[] = {{"a container", 151, true, 92, 203},
                        {"not a container", 0, true, 92, 255},
                        {"a hidden child", 151, false, 92, 255},
                        {"a child of no kind", 151, true, 0, 255}};
  for (const Case& c : cases) {
    Parent().SetControlKind(c.parentKind);
    child->SetVisible(c.visible);
    child->Style<TsActiveBGStyle>().SetControlKind(c.childKind);
    const Bitmap& cache = styletests::Composed(Parent());
    EXPECT_EQ(cache.Pixel(15, 15) & 0xFF, c.expected) << c.what;
    EXPECT_EQ(cache.Pixel(34, 24) & 0xFF, c.expected) << c.what;
    EXPECT_EQ(cache.Pixel(35, 25), platform::clWhite) << c.what;
    EXPECT_EQ(cache.Pixel(14, 14), platform::clWhite) << c.what;
  }
}

TEST_F(StyleShadows, ASectionDecidesTheShadowOfABoundControl) {
  sSkinManager::SkinSections() = {skintests::Section("Button")};
  sSkinManager::SetSkinLoaded(true);
  sSkinManager::SkinSectionData& section = sSkinManager::SkinSections()[0];
  section.ShadowOffset = 2;
  section.ShadowTransparency = 0;  // a solid shadow: the fill
  section.ShadowColor = platform::clBlack;
  child->Style<TsActiveBGStyle>().SetSkinSection("Button");
  EXPECT_EQ(styletests::Composed(Parent()).Pixel(12, 12), platform::clWhite)
      << "a section without a shadow takes the own one away";
  section.ShadowEnabled = true;
  const Bitmap& cache = styletests::Composed(Parent());
  EXPECT_EQ(cache.Pixel(12, 12), platform::clBlack) << "(10, 10) moved by 2";
  EXPECT_EQ(cache.Pixel(31, 21), platform::clBlack);
  EXPECT_EQ(cache.Pixel(32, 22), platform::clWhite);
  section.PaintingTransparency = 101;
  EXPECT_EQ(styletests::Composed(Parent()).Pixel(12, 12), platform::clWhite)
      << "a control more than transparent casts none";
}

TEST_F(StyleShadows, FarOffsetsAndNegativeBlurPaintNothingAndNeverOverflow) {
  sStyleSimply::TsShadow& shadow = *child->Style<TsActiveBGStyle>().Effects()->Shadow();
  shadow.SetBlur(-3);
  for (int offset : {INT_MAX, INT_MIN, -1000}) {
    shadow.SetOffset(offset);
    const Bitmap& cache = styletests::Composed(Parent());
    EXPECT_EQ(cache.Pixel(50, 30), platform::clWhite) << offset;
    EXPECT_EQ(cache.Pixel(0, 0), platform::clWhite) << offset;
  }
}

// A check box's shadow falls from its glyph: the built-in 16 x 16 glyph, centred in the
// 18-pixel height at y = (18 - 16) div 2 = 1, of a box at (30, 40), moved by the offset 3:
// (33, 44) to (49, 60), its corners rounded.
TEST_F(StyleShadows, ACheckControlsShadowFallsFromItsGlyph) {
  resources::RegisterEmbeddedResources();
  auto* box = Add<sCheckbox::TsCheckBox>(form, 30, 40, 80, 18);
  sStyleEdits::TsStyle style(box);
  style.SetControlKind(sStyleSimply::KindCheckBox);
  style.Effects()->Shadow()->SetOffset(3);
  style.Effects()->Shadow()->SetTransparency(0);  // solid
  Bitmap picture(120, 80);
  picture.Fill(platform::clWhite);
  platform::Canvas canvas(picture);
  style.PaintShadow(canvas, 0, 0);
  EXPECT_EQ(picture.Pixel(34, 45), platform::clBlack);
  EXPECT_EQ(picture.Pixel(48, 59), platform::clBlack);
  EXPECT_EQ(picture.Pixel(49, 59), platform::clWhite);
  EXPECT_EQ(picture.Pixel(34, 43), platform::clWhite);
}

// A vanishing control takes its shadow along: its parent hears of it twice, once as the
// style goes and once as the shadow is switched off.
TEST_F(StyleShadows, AVanishingControlRepaintsItsParent) {
  const int notices = parent->staleNotices;
  delete child;
  EXPECT_EQ(parent->staleNotices, notices + 2);
  EXPECT_EQ(styletests::Composed(Parent()).Pixel(15, 15), platform::clWhite);
}

}  // namespace
