// The plain speed button: clicks that leave the focus alone, press tracking, the disabled
// state, published defaults and auto size.
#include <gtest/gtest.h>

#include "controls/sCustomButton.h"
#include "controls/sEdit.h"
#include "framework/description/DescriptionWriter.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/skinengine/ControlsTestSupport.h"

namespace {

using framework::TObject;
using platform::TPoint;
using sCustomButton::TsSpeedButton;

class SpeedButton : public ::testing::Test, public skintests::FormFixture {
 protected:
  void SetUp() override {
    edit = Add<sEdit::TsEdit>(form, 10, 10, 121, 21);
    edit->OnExit = [this](TObject*) { ++exits; };
    button = Add<TsSpeedButton>(form, 10, 50, 84, 22);
    button->SetCaption("Gambar Kurva");
    button->OnClick = [this](TObject*) { ++clicks; };
  }

  TPoint Outside() const { return button->ClientToScreen({button->Width() + 20, 5}); }

  sEdit::TsEdit* edit = nullptr;
  TsSpeedButton* button = nullptr;
  int clicks = 0;
  int exits = 0;
};

TEST_F(SpeedButton, AClickLeavesTheFocusInTheEditSoItsExitCheckDoesNotRun) {
  Click(*edit);
  ASSERT_TRUE(edit->Focused());
  Click(*button);
  Click(*button);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(exits, 0);
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(edit->Focused()) << "the button is no tab stop either";
}

TEST_F(SpeedButton, ShowsPressedOnlyWhileThePointerIsInsideAndClicksOnlyOnReleaseInside) {
  session.Press(Centre(*button));
  EXPECT_TRUE(button->Pressed());
  EXPECT_EQ(platform::GetCapture(), button->Handle());
  session.MoveMouse(Outside());
  EXPECT_FALSE(button->Pressed());
  session.MoveMouse(Centre(*button));
  EXPECT_TRUE(button->Pressed());
  session.MoveMouse(Outside());
  session.Release(Outside());
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(platform::GetCapture(), platform::NullWindow);

  session.Click(Centre(*button), platform::MouseButton::Right);
  EXPECT_EQ(clicks, 0) << "only the left button clicks";
}

TEST_F(SpeedButton, LosingTheMouseToAnotherWindowEndsThePressWithoutAClick) {
  session.Press(Centre(*button));
  platform::SetCapture(form->Handle());
  EXPECT_FALSE(button->Pressed());
  session.Release(Centre(*button));
  EXPECT_EQ(clicks, 0);
}

TEST_F(SpeedButton, ADisabledButtonIgnoresTheMouseAndGreysItsCaption) {
  const platform::TRect face{3, 3, button->Width() - 3, button->Height() - 3};
  EXPECT_LT(skintests::Darkest(skintests::Painted(*button), face), 0x40) << "black caption";

  button->SetEnabled(false);
  Click(*button);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->Pressed());
  const platform::Bitmap greyed = skintests::Painted(*button);
  EXPECT_GE(skintests::Darkest(greyed, face), 0x80) << "nothing darker than the shadow grey";
  EXPECT_GT(skintests::CountColor(greyed, face, platform::clBtnShadow), 0);
}

TEST_F(SpeedButton, AHandlerMayDisableTheButtonItWasClickedOn) {
  button->OnClick = [this](TObject*) {
    ++clicks;
    button->SetEnabled(false);
  };
  Click(*button);
  Click(*button);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(SpeedButton, SettersKeepTheirRangesAndANewButtonStoresItsSpacing) {
  button->SetBlend(150);
  EXPECT_EQ(button->Blend(), 100);
  button->SetBlend(-5);
  EXPECT_EQ(button->Blend(), 0);
  button->SetNumGlyphs(0);
  EXPECT_EQ(button->NumGlyphs(), 1);
  EXPECT_EQ(button->Spacing(), 3);
  EXPECT_EQ(button->Layout(), sButtonControl::blGlyphLeft);
  EXPECT_FALSE(button->TabStop());

  button->SetName("Gambar");
  const std::string text = framework::WriteDescription(*button);
  EXPECT_NE(text.find("Spacing = 3"), std::string::npos) << text;
  EXPECT_NE(text.find("Layout = blGlyphLeft"), std::string::npos) << "always stored";
  EXPECT_EQ(text.find("Blend"), std::string::npos) << "defaults are not stored";
}

TEST_F(SpeedButton, AutoSizeFitsTheCaptionAndFollowsItsChanges) {
  button->SetAutoSize(true);
  const int width = button->Width();
  const int height = button->Height();
  EXPECT_LT(height, 22);
  button->SetCaption("Gambar Kurva Bezier");
  EXPECT_GT(button->Width(), width);
  EXPECT_EQ(button->Height(), height);
  button->SetLayout(sButtonControl::blGlyphTop);
  EXPECT_GT(button->Height(), height) << "spacing and bevels above the caption";
  EXPECT_EQ(button->Left(), 10);
}

}  // namespace
