// The speed button and the mouse: the press and release rules of each style, clicks that
// leave the focus alone, the disabled state, published defaults and auto size.
#include <gtest/gtest.h>

#include <utility>

#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

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
    button->OnMouseDown = [this](TObject*, framework::TMouseButton, framework::TShiftState, int,
                                 int) { ++downs; };
    button->OnMouseUp = [this](TObject*, framework::TMouseButton, framework::TShiftState, int,
                               int) { ++ups; };
  }

  TPoint Outside() const { return button->ClientToScreen({button->Width() + 20, 5}); }

  sEdit::TsEdit* edit = nullptr;
  TsSpeedButton* button = nullptr;
  int clicks = 0;
  int downs = 0;
  int ups = 0;
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

// What one left press and release does, by the button's style and where the release is.
TEST_F(SpeedButton, EachStyleFollowsItsPressAndReleaseRules) {
  struct Case {
    sStyleSimply::TsButtonStyle style;
    bool releaseInside;
    bool downWhilePressed, downAfter;
    int clicks, downs, ups;
  };
  const Case cases[] = {
      {sStyleSimply::tbsButton, true, true, false, 1, 1, 0},
      {sStyleSimply::tbsButton, false, true, false, 0, 1, 0},
      {sStyleSimply::tbsCheck, true, true, true, 1, 1, 1},
      {sStyleSimply::tbsCheck, false, true, true, 0, 1, 1},
      {sStyleSimply::tbsDropDown, true, true, false, 1, 1, 0},
      {sStyleSimply::tbsSeparator, true, false, false, 0, 0, 1},
      {sStyleSimply::tbsDivider, true, false, false, 0, 0, 1},
  };
  for (const Case& c : cases) {
    button->SetDown(false);
    button->SetButtonStyle(c.style);
    clicks = downs = ups = 0;
    session.Press(Centre(*button));
    EXPECT_EQ(button->Down(), c.downWhilePressed) << c.style;
    EXPECT_EQ(platform::GetCapture(), button->Handle()) << c.style;
    session.MoveMouse(Outside());
    EXPECT_EQ(button->Down(), c.downWhilePressed) << c.style << ": the pointer may wander";
    session.Release(c.releaseInside ? Centre(*button) : Outside());
    EXPECT_EQ(button->Down(), c.downAfter) << c.style;
    EXPECT_EQ(clicks, c.clicks) << c.style;
    EXPECT_EQ(downs, c.downs) << c.style;
    EXPECT_EQ(ups, c.ups) << c.style;
    EXPECT_EQ(platform::GetCapture(), platform::NullWindow) << c.style;
  }
}

// Neither another mouse button nor a disabled button presses anything; OnMouseUp hears of the
// right release, and a disabled window hears nothing at all.
TEST_F(SpeedButton, ARightPressOrADisabledButtonChangesNothing) {
  for (const bool enabled : {true, false}) {
    button->SetEnabled(enabled);
    const auto mouseButton = enabled ? platform::MouseButton::Right : platform::MouseButton::Left;
    session.Press(Centre(*button), mouseButton);
    EXPECT_FALSE(button->Down()) << enabled;
    session.Release(Centre(*button), mouseButton);
  }
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(SpeedButton, LosingTheMouseToAnotherWindowEndsThePressWithoutAClick) {
  session.Press(Centre(*button));
  platform::SetCapture(form->Handle());
  EXPECT_FALSE(button->Down());
  session.Release(Centre(*button));
  EXPECT_EQ(clicks, 0);
}

// How a disabled button ignores the mouse is checked with the right press above.
TEST_F(SpeedButton, ADisabledButtonGreysItsCaption) {
  const platform::TRect face{3, 3, button->Width() - 3, button->Height() - 3};
  EXPECT_LT(skintests::Darkest(skintests::Painted(*button), face), 0x40) << "black caption";
  button->SetEnabled(false);
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
  EXPECT_FALSE(button->Down());
}

TEST_F(SpeedButton, SettersKeepTheirRangesAndANewButtonStoresItsSpacing) {
  for (const auto& [set, kept] : {std::pair{150, 100}, std::pair{-5, 0}}) {
    button->SetBlend(set);
    EXPECT_EQ(button->Blend(), kept) << set;
  }
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

TEST_F(SpeedButton, AStoredButtonKeepsItsStyleMenuAndImages) {
  framework::ReadDescription(R"(object Form1: TForm
  object Menu: TPopupMenu
  end
  object Pictures: TImageList
  end
  object Tool: TsSpeedButton
    Caption = 'Tool'
    Spacing = 3
    DropdownMenu = Menu
    AllowAllUp = True
    GroupIndex = 2
    ButtonStyle = tbsDropDown
    Down = True
    Layout = blGlyphTop
    DisabledGlyphKind = [dgBlended, dgGrayed]
    Images = Pictures
  end
end)",
                             *form, skintests::SkinClasses());
  auto* tool = dynamic_cast<TsSpeedButton*>(form->FindComponent("Tool"));
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->ButtonStyle(), sStyleSimply::tbsDropDown);
  EXPECT_EQ(tool->DropdownMenu(), form->FindComponent("Menu"));
  EXPECT_EQ(tool->Images(), form->FindComponent("Pictures"));
  EXPECT_TRUE(tool->AllowAllUp());
  EXPECT_EQ(tool->GroupIndex(), 2);
  EXPECT_TRUE(tool->Down());
  EXPECT_EQ(tool->DisabledGlyphKind(),
            (sCustomButton::TDisabledGlyphKind{sCustomButton::dgBlended, sCustomButton::dgGrayed}));
  EXPECT_EQ(tool->sStyle()->SkinSection(), "TsSpeedButton") << "bound after loading";
  form->SetName("Form1");
  const std::string written = framework::WriteDescription(*form);
  EXPECT_NE(written.find("ButtonStyle = tbsDropDown"), std::string::npos) << written;
  EXPECT_NE(written.find("DropdownMenu = Menu"), std::string::npos) << written;
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
