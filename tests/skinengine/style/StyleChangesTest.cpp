#include <gtest/gtest.h>

#include <utility>

#include "framework/controls/Panel.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using styletests::TStyledControl;

class StyleChanges : public ::testing::Test, public styletests::StyledFixture {
 protected:
  void AddSection(const std::string& name, const std::string& parent = {}) {
    sSkinManager::SkinSections().push_back(skintests::Section(name, parent));
  }
  void AddImage(const std::string& section, const std::string& property) {
    sSkinManager::SkinImageEntry entry;
    entry.Bitmap = std::make_unique<framework::TBitmap>();
    entry.SectionName = section;
    entry.PropertyName = property;
    sSkinManager::SkinImages().push_back(std::move(entry));
  }
  template <class S>
  TStyledControl* Styled(framework::TWinControl* parent = nullptr, int kind = 0) {
    return AddStyled<S>(parent ? parent : form, {10, 10, 50, 30}, kind);
  }

  skintests::SkinStateReset reset;
};

TEST_F(StyleChanges, BindingDefaultsTheSectionToTheControlsClassName) {
  AddSection("TsEdit");
  AddSection("TsSpeedButton");
  AddImage("TSSPEEDBUTTON", "BORDERSMASK");
  sSkinManager::SetSkinLoaded(true);
  const auto* button = Add<sCustomButton::TsSpeedButton>(form, 0, 0, 84, 22);
  const sStyleUtil::TsActiveBGStyle& style = *button->sStyle();
  EXPECT_EQ(style.SkinSection(), "TsSpeedButton");
  EXPECT_EQ(style.SkinIndex(), 1);
  EXPECT_EQ(style.MaskIndex(), 0);
  EXPECT_EQ(style.ControlKind(), sStyleSimply::KindSpeedButton);
}

// An unknown section leaves the style unbound.
TEST_F(StyleChanges, ChangingTheSectionRebindsWithoutRepainting) {
  AddSection("TsEdit");
  AddSection("Special");
  sSkinManager::SetSkinLoaded(true);
  TStyledControl* control = Styled<sStyleEdits::TsStyle>();
  auto& style = control->Style<sStyleEdits::TsStyle>();
  const int invalidates = control->invalidates;
  style.SetSkinSection("special");
  EXPECT_EQ(style.SkinIndex(), 1);
  style.SetSkinSection("Nowhere");
  EXPECT_EQ(style.SkinSection(), "Nowhere") << "kept, though unknown";
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_EQ(style.MaskIndex(), -1);
  EXPECT_EQ(control->invalidates, invalidates);
}

TEST_F(StyleChanges, SoftControlMarksTheRegionAndRepaints) {
  TStyledControl* control = Styled<sStyleEdits::TsStyle>();
  auto& style = control->Style<sStyleEdits::TsStyle>();
  style.SetRegionStale(false);
  style.SetCacheStale(false);
  const int invalidates = control->invalidates;
  style.SetSoftControl(false);
  EXPECT_FALSE(style.SoftControl());
  EXPECT_TRUE(style.RegionStale());
  EXPECT_TRUE(style.CacheStale());
  EXPECT_EQ(control->invalidates, invalidates + 1);
}

TEST_F(StyleChanges, ImageAndGradientSharesNeverExceedAHundred) {
  TStyledControl* control = Styled<sStyleUtil::TsPassiveBGStyle>();
  sStyleActive::TsBackground& background =
      *control->Style<sStyleUtil::TsPassiveBGStyle>().Background();
  const int invalidates = control->invalidates;
  background.Image()->SetPercent(60);
  EXPECT_EQ(background.Gradient()->Percent(), 40);
  background.Gradient()->SetPercent(80);
  EXPECT_EQ(background.Image()->Percent(), 20);
  background.Image()->SetPercent(150);
  EXPECT_EQ(background.Image()->Percent(), 100);
  EXPECT_EQ(background.Gradient()->Percent(), 0);
  EXPECT_GE(control->invalidates, invalidates + 3);
}

TEST_F(StyleChanges, AMalformedGradientKeepsThePreviousOne) {
  sStyleUtil::TsPassiveBGStyle style(nullptr);
  sStyleActive::TsBGGradient& gradient = *style.Background()->Gradient();
  gradient.SetData("255;0;100;1;0");
  const sGradient::GradientArray before = gradient.GradientArray();
  ASSERT_EQ(before.size(), 1u);
  EXPECT_THROW(gradient.SetData("255;0;abc;1;0"), framework::EConvertError);
  EXPECT_EQ(gradient.Data(), "255;0;100;1;0");
  EXPECT_EQ(gradient.GradientArray(), before);
}

TEST_F(StyleChanges, AnImageNameIsTakenOnlyForAnExistingFile) {
  TStyledControl* control = Styled<sStyleUtil::TsPassiveBGStyle>();
  auto& style = control->Style<sStyleUtil::TsPassiveBGStyle>();
  const int invalidates = control->invalidates;
  style.Background()->Image()->SetImageName("/nonexistent/picture.bmp");
  EXPECT_EQ(style.Background()->Image()->ImageName(), "");
  EXPECT_EQ(control->invalidates, invalidates);
}

TEST_F(StyleChanges, ShadowTransparencyIsClamped) {
  TStyledControl* parent = Styled<sStyleUtil::TsPassiveBGStyle>();
  sStyleSimply::TsShadow& shadow = *Styled<sStyleUtil::TsActiveBGStyle>(parent)
                                        ->Style<sStyleUtil::TsActiveBGStyle>()
                                        .Effects()
                                        ->Shadow();
  for (const auto& [set, kept] : {std::pair{150, 100}, std::pair{-5, 0}}) {
    shadow.SetTransparency(set);
    EXPECT_EQ(shadow.Transparency(), kept) << set;
  }
  EXPECT_EQ(parent->staleNotices, 0) << "no repaint while the shadow is off";
}

TEST_F(StyleChanges, AShadowNeedsASkinnedParentAndAKindThatCastsOne) {
  auto* panel = Add<framework::TPanel>(form, 0, 0, 200, 100);
  TStyledControl* control = Styled<sStyleUtil::TsActiveBGStyle>(panel);
  auto& style = control->Style<sStyleUtil::TsActiveBGStyle>();
  sStyleSimply::TsShadow& shadow = *style.Effects()->Shadow();
  shadow.SetEnabled(true);
  EXPECT_FALSE(shadow.Enabled()) << "an unskinned panel cannot carry it";
  EXPECT_TRUE(shadow.DontUse());

  TStyledControl* parent = Styled<sStyleUtil::TsPassiveBGStyle>();
  control->SetParent(parent);
  style.SetControlKind(58);
  shadow.SetEnabled(true);
  EXPECT_FALSE(shadow.Enabled());

  style.SetControlKind(sStyleSimply::KindSpeedButton);
  shadow.SetEnabled(true);
  EXPECT_TRUE(shadow.Enabled());
  EXPECT_FALSE(shadow.DontUse());
  EXPECT_EQ(parent->staleNotices, 1);
  shadow.SetDontUse(true);
  EXPECT_FALSE(shadow.Enabled());
  EXPECT_EQ(parent->staleNotices, 2);
}

TEST_F(StyleChanges, ACheckControlKeepsItsParentColour) {
  TStyledControl* control = Styled<sStyleEdits::TsStyle>(nullptr, sStyleSimply::KindCheckBox);
  auto& style = control->Style<sStyleEdits::TsStyle>();
  control->SetColor(0x102030);
  const int invalidates = control->invalidates;
  style.Painting()->SetParentColor(false);
  EXPECT_TRUE(style.Painting()->ParentColor());
  EXPECT_EQ(style.Painting()->Color(), 0x102030u);
  EXPECT_EQ(control->invalidates, invalidates);
}

TEST_F(StyleChanges, StylesThatFollowTheParentsColourTakeItOver) {
  form->SetColor(0x405060);
  TStyledControl* edit = Styled<sStyleEdits::TsStyle>(nullptr, sStyleSimply::KindEdit);
  auto& editor = edit->Style<sStyleEdits::TsStyle>();
  editor.Painting()->SetParentColor(true);
  EXPECT_TRUE(edit->ParentColor());
  EXPECT_EQ(editor.Painting()->Color(), 0x405060u);
  editor.Painting()->SetColor(0x010203);
  EXPECT_FALSE(editor.Painting()->ParentColor());

  TStyledControl* gauge = Styled<sStyleUtil::TsPassiveBGStyle>();
  auto& paint = gauge->Style<sStyleUtil::TsPassiveBGStyle>();
  EXPECT_EQ(paint.Painting()->Color(), 0x405060u) << "following from the start";
  paint.Painting()->SetColor(0x00FF00);
  EXPECT_EQ(gauge->Color(), 0x00FF00u);
  EXPECT_FALSE(paint.Painting()->ParentColor());
  form->SetColor(0x708090);
  EXPECT_EQ(paint.Painting()->Color(), 0x00FF00u) << "no longer following";
  paint.Painting()->SetParentColor(true);
  EXPECT_TRUE(gauge->ParentColor());
  EXPECT_EQ(paint.Painting()->Color(), 0x708090u);
  form->SetColor(platform::clAqua);
  EXPECT_EQ(paint.Painting()->Color(), platform::clAqua) << "the parent's notice";

  paint.Painting()->SetTransparency(250);
  EXPECT_EQ(paint.Painting()->Transparency(), 100);
}

TEST_F(StyleChanges, MaskChangesRepaintTheButton) {
  TStyledControl* control = Styled<sStyleUtil::TsActiveBGStyle>();
  auto& style = control->Style<sStyleUtil::TsActiveBGStyle>();
  int invalidates = control->invalidates;
  style.BtnEffects()->MaskedBorders()->SetEnabled(false);
  EXPECT_EQ(control->invalidates, ++invalidates);
  // Hot layers show at the next repaint.
  style.HotStyle()->HotBackground()->Gradient()->SetPercent(10);
  EXPECT_EQ(control->invalidates, invalidates);
}

TEST_F(StyleChanges, TheFormStyleFindsItsSectionAndFallsBackToTheParentsImages) {
  sStylePassive::TsPassivePaintStyle style(nullptr);
  style.SetSkinSection("Form");
  AddSection("Other");
  AddSection("FORM", "DIALOG");
  AddImage("DIALOG", "BORDERSMASK");
  EXPECT_EQ(style.SectionIndexOf(), -1);  // no skin active yet
  sSkinManager::SetSkinLoaded(true);
  style.BindSkin();
  EXPECT_EQ(style.SkinIndex(), 1);
  EXPECT_EQ(style.MaskIndex(), 0);
  AddImage("FORM", "BORDERSMASK");
  EXPECT_EQ(style.ImageIndexOf("bordersmask"), 1);
  style.UnbindSkin();
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_EQ(style.ImageIndexOf("TITLE"), -1);
  style.SetSkinSection("");
  EXPECT_EQ(style.ImageIndexOf("BORDERSMASK"), -1);
}

}  // namespace
