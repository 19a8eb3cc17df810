#include <gtest/gtest.h>

#include "framework/runtime/Exceptions.h"
#include "skin/sSkinLists.h"
#include "tests/skinengine/SkinDataTestSupport.h"
#include "tests/skinengine/StyleTestSupport.h"

namespace {

using styletests::TFakeControl;

class StyleChanges : public ::testing::Test {
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

  skintests::SkinStateReset reset;
  TFakeControl control;
};

TEST_F(StyleChanges, BindingDefaultsTheSectionToTheControlsClassName) {
  AddSection("TsEdit");
  AddSection("TsSpeedButton");
  AddImage("TSSPEEDBUTTON", "BORDERSMASK");
  sSkinManager::SetSkinLoaded(true);
  TFakeControl button("TsSpeedButton");
  sStyleUtil::TsActiveBGStyle style(&button);
  style.BindSkin();
  EXPECT_EQ(style.SkinSection(), "TsSpeedButton");
  EXPECT_EQ(style.SkinIndex(), 1);
  EXPECT_EQ(style.MaskIndex(), 0);
  EXPECT_EQ(button.invalidates, 0);
}

TEST_F(StyleChanges, AnUnknownSectionLeavesTheStyleUnbound) {
  AddSection("TsEdit");
  sStyleEdits::TsStyle style(&control);
  style.SetSkinSection("Panel");
  style.BindSkin();
  EXPECT_EQ(style.SkinSection(), "Panel");
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_EQ(style.MaskIndex(), -1);
}

TEST_F(StyleChanges, ChangingTheSectionRebindsWithoutRepainting) {
  AddSection("TsEdit");
  AddSection("Special");
  sSkinManager::SetSkinLoaded(true);
  sStyleEdits::TsStyle style(&control);
  style.SetSkinSection("special");
  EXPECT_EQ(style.SkinIndex(), 1);
  style.SetSkinSection("Nowhere");
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_EQ(control.invalidates, 0);
}

TEST_F(StyleChanges, SoftControlMarksTheRegionAndRepaints) {
  sStyleEdits::TsStyle style(&control);
  style.SetRegionStale(false);
  style.SetCacheStale(false);
  style.SetSoftControl(false);
  EXPECT_FALSE(style.SoftControl());
  EXPECT_TRUE(style.RegionStale());
  EXPECT_TRUE(style.CacheStale());
  EXPECT_EQ(control.invalidates, 1);
}

TEST_F(StyleChanges, ImageAndGradientSharesNeverExceedAHundred) {
  sStyleUtil::TsPassiveBGStyle style(&control);
  sStyleActive::TsBackground& background = *style.Background();
  background.Image()->SetPercent(60);
  EXPECT_EQ(background.Gradient()->Percent(), 40);
  background.Gradient()->SetPercent(80);
  EXPECT_EQ(background.Image()->Percent(), 20);
  background.Image()->SetPercent(150);
  EXPECT_EQ(background.Image()->Percent(), 100);
  EXPECT_EQ(background.Gradient()->Percent(), 0);
  EXPECT_GE(control.invalidates, 3);
}

TEST_F(StyleChanges, AMalformedGradientKeepsThePreviousOne) {
  sStyleUtil::TsPassiveBGStyle style(&control);
  sStyleActive::TsBGGradient& gradient = *style.Background()->Gradient();
  gradient.SetData("255;0;100;1;0");
  const sGradient::GradientArray before = gradient.GradientArray();
  ASSERT_EQ(before.size(), 1u);
  EXPECT_THROW(gradient.SetData("255;0;abc;1;0"), framework::EConvertError);
  EXPECT_EQ(gradient.Data(), "255;0;100;1;0");
  EXPECT_EQ(gradient.GradientArray(), before);
}

TEST_F(StyleChanges, AnImageNameIsTakenOnlyForAnExistingFile) {
  sStyleUtil::TsPassiveBGStyle style(&control);
  style.Background()->Image()->SetImageName("/nonexistent/picture.bmp");
  EXPECT_EQ(style.Background()->Image()->ImageName(), "");
  EXPECT_EQ(control.invalidates, 0);
}

TEST_F(StyleChanges, ShadowTransparencyIsClamped) {
  sStyleUtil::TsActiveBGStyle style(&control);
  sStyleSimply::TsShadow& shadow = *style.Effects()->Shadow();
  shadow.SetTransparency(150);
  EXPECT_EQ(shadow.Transparency(), 100);
  shadow.SetTransparency(-5);
  EXPECT_EQ(shadow.Transparency(), 0);
  EXPECT_EQ(control.parentRepaints, 0);  // no repaint while the shadow is off
}

TEST_F(StyleChanges, AShadowNeedsASkinnedParentAndAKindThatCastsOne) {
  sStyleUtil::TsActiveBGStyle style(&control);
  sStyleSimply::TsShadow& shadow = *style.Effects()->Shadow();
  shadow.SetEnabled(true);
  EXPECT_FALSE(shadow.Enabled());
  EXPECT_TRUE(shadow.DontUse());

  control.skinnedParent = true;
  style.SetControlKind(58);
  shadow.SetEnabled(true);
  EXPECT_FALSE(shadow.Enabled());

  style.SetControlKind(sStyleSimply::KindSpeedButton);
  shadow.SetEnabled(true);
  EXPECT_TRUE(shadow.Enabled());
  EXPECT_FALSE(shadow.DontUse());
  EXPECT_EQ(control.parentRepaints, 1);
  shadow.SetDontUse(true);
  EXPECT_FALSE(shadow.Enabled());
  EXPECT_EQ(control.parentRepaints, 2);
}

TEST_F(StyleChanges, ACheckControlKeepsItsParentColour) {
  sStyleEdits::TsStyle style(&control);
  style.SetControlKind(sStyleSimply::KindCheckBox);
  style.Painting()->SetParentColor(false);
  EXPECT_TRUE(style.Painting()->ParentColor());
  EXPECT_EQ(style.Painting()->Color(), control.color);
  EXPECT_EQ(control.invalidates, 0);
}

TEST_F(StyleChanges, AnEditorFollowsItsControlsColourWhenAskedTo) {
  sStyleEdits::TsStyle style(&control);
  style.SetControlKind(sStyleSimply::KindEdit);
  style.Painting()->SetParentColor(true);
  EXPECT_TRUE(control.parentColorFlag);
  EXPECT_EQ(style.Painting()->Color(), control.color);
  style.Painting()->SetColor(0x010203);
  EXPECT_FALSE(style.Painting()->ParentColor());
  EXPECT_EQ(control.invalidates, 2);
}

TEST_F(StyleChanges, APaintStylesColourGoesToItsControl) {
  sStyleUtil::TsPassiveBGStyle style(&control);
  style.Painting()->SetColor(0x00FF00);
  EXPECT_EQ(control.color, 0x00FF00u);
  EXPECT_FALSE(style.Painting()->ParentColor());
  EXPECT_EQ(control.invalidates, 1);

  style.Painting()->SetParentColor(true);
  EXPECT_TRUE(control.parentColorFlag);
  EXPECT_EQ(style.Painting()->Color(), control.parentColor);
  EXPECT_EQ(control.invalidates, 2);

  style.Painting()->SetTransparency(250);
  EXPECT_EQ(style.Painting()->Transparency(), 100);
  EXPECT_EQ(control.parentRepaints, 1);
}

TEST_F(StyleChanges, MaskChangesRepaintTheButton) {
  sStyleUtil::TsActiveBGStyle style(&control);
  style.BtnEffects()->MaskedBorders()->SetEnabled(false);
  EXPECT_EQ(control.invalidates, 1);
  // Hot layers show at the next repaint.
  style.HotStyle()->HotBackground()->Gradient()->SetPercent(10);
  EXPECT_EQ(control.invalidates, 1);
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
