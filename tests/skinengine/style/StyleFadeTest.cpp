// Hot tracking and fading on the virtual clock: the active state, the frames of a fade in and
// out, what stops a fade, and what never fades.
#include <gtest/gtest.h>

#include <vector>

#include "platform/window/Timers.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using sButtonControl::TFadeDirection;
using sCustomButton::TsSpeedButton;

class StyleFade : public ::testing::Test, public styletests::StyledFixture {
 protected:
  // A button black when normal and white when hot, fading in 4 steps; nothing else on it.
  void SetUp() override {
    button = Add<TsSpeedButton>(form, 20, 20, 84, 22);
    button->SetShowCaption(false);
    style = button->sStyle();
    style->Painting()->SetColor(platform::clBlack);
    style->Painting()->SetBevel(sBevels::cbNone);
    style->HotStyle()->HotPainting()->SetColor(platform::clWhite);
    style->HotStyle()->HotPainting()->SetBevel(sBevels::cbNone);
    style->BtnEffects()->Fading()->SetIterations(4);
    ASSERT_EQ(Shown(), 0);
  }

  // The blue channel of the middle of the button as the screen shows it.
  int Shown() { return skintests::Painted(*button).Pixel(42, 11) & 0xFF; }
  // One timer interval; the platform raises the stated 5 ms to its shortest interval.
  std::vector<int> Ticks(int count) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i) {
      session.Advance(platform::USER_TIMER_MINIMUM);
      shown.push_back(Shown());
    }
    return shown;
  }
  platform::TPoint Outside() const { return form->ClientToScreen({200, 150}); }

  TsSpeedButton* button = nullptr;
  sStyleUtil::TsActiveBGStyle* style = nullptr;
};

// Each frame is floor((255 - a) x old / 256) + new - floor((255 - a) x new / 256) with old 0
// and new 255: 255 - floor((255 - a) x 255 / 256).
TEST_F(StyleFade, AFadeInShowsItsFramesThenTheHotLook) {
  session.MoveMouse(Centre(*button));
  EXPECT_EQ(Shown(), 0) << "the first frame waits for the timer";
  // a = 63, 127, 191, 255: 255 - 191, 255 - 127, 255 - 63, 255; then the closing repaint.
  EXPECT_EQ(Ticks(5), (std::vector<int>{64, 128, 192, 255, 255}));
  EXPECT_EQ(button->FadeTimer()->FadeDirection(), TFadeDirection::None);
  EXPECT_FALSE(button->FadeTimer()->Enabled());
  EXPECT_EQ(button->FadeStep(), 4);
}

// Going out the old look is the hot one (255) and the new one black: the same arithmetic.
TEST_F(StyleFade, LeavingHalfWayFadesBackFromWhereItWas) {
  session.MoveMouse(Centre(*button));
  EXPECT_EQ(Ticks(2), (std::vector<int>{64, 128}));
  session.MoveMouse(Outside());
  // Steps 3, 2, 1, 0: a = 191, 127, 63, 0; then the closing repaint shows the normal look.
  EXPECT_EQ(Ticks(5), (std::vector<int>{192, 128, 64, 1, 0}));
  EXPECT_EQ(button->FadeStep(), 0);
  EXPECT_EQ(button->FadeTimer()->FadeDirection(), TFadeDirection::None);
}

// No steps and no interval would divide by zero and stop the timer for good: they count as 1.
TEST_F(StyleFade, AFadeWithoutStepsOrIntervalStillEnds) {
  style->BtnEffects()->Fading()->SetIterations(0);
  style->BtnEffects()->Fading()->SetIntervalIn(0);
  session.MoveMouse(Centre(*button));
  EXPECT_EQ(Ticks(3), (std::vector<int>{255, 255, 255})) << "a = 1 x 255 div 1, then closed";
  EXPECT_EQ(button->FadeTimer()->FadeDirection(), TFadeDirection::None);
}

// Any press ends the fade on the look it was heading for (255), never on its frame (64): the
// left one pressed, the right one hot.
TEST_F(StyleFade, APressStopsTheFade) {
  for (const auto mouse : {platform::MouseButton::Left, platform::MouseButton::Right}) {
    session.MoveMouse(Outside());
    Ticks(6);
    session.MoveMouse(Centre(*button));
    ASSERT_EQ(Ticks(1), std::vector<int>{64});
    session.Press(Centre(*button), mouse);
    EXPECT_EQ(button->FadeTimer()->FadeDirection(), TFadeDirection::None);
    EXPECT_EQ(button->FadeStep(), 3) << "the iterations less one";
    EXPECT_EQ(Shown(), 255);
    session.Release(Centre(*button), mouse);
  }
}

TEST_F(StyleFade, SeparatorsDividersAndButtonsWithoutFadingChangeAtOnce) {
  struct Case {
    const char* what;
    sStyleSimply::TsButtonStyle kind;
    bool fading;
  };
  const Case cases[] = {{"separator", sStyleSimply::tbsSeparator, true},
                        {"divider", sStyleSimply::tbsDivider, true},
                        {"fading off", sStyleSimply::tbsButton, false}};
  for (const Case& c : cases) {
    button->SetButtonStyle(c.kind);
    style->BtnEffects()->Fading()->SetEnabled(c.fading);
    Shown();
    session.MoveMouse(Centre(*button));
    EXPECT_EQ(button->FadeTimer()->FadeDirection(), TFadeDirection::None) << c.what;
    EXPECT_TRUE(style->CacheStale()) << c.what << ": invalidated instead";
    session.MoveMouse(Outside());
  }
}

TEST_F(StyleFade, TheActiveStateFollowsItsOrder) {
  auto* gauge =
      AddStyled<sStyleUtil::TsPassiveBGStyle>(form, {150, 20, 250, 40}, sStyleSimply::KindGauge);
  auto* edit = AddStyled<sStyleEdits::TsStyle>(form, {150, 60, 250, 80}, sStyleSimply::KindEdit);
  edit->SetTabStop(true);
  const auto& gaugeStyle = gauge->Style<sStyleUtil::TsPassiveBGStyle>();
  const auto& editStyle = edit->Style<sStyleEdits::TsStyle>();

  EXPECT_EQ(gauge->Perform(framework::CM_MOUSEENTER), 1) << "answered also when never active";
  EXPECT_FALSE(gaugeStyle.MouseInside());
  gauge->SetFocus();
  EXPECT_FALSE(gaugeStyle.IsActive()) << "a gauge is never active, not even focused";

  edit->SetFocus();
  session.MoveMouse(Centre(*edit));
  session.MoveMouse(Outside());
  EXPECT_TRUE(editStyle.IsActive()) << "a focused edit stays active when the mouse leaves";
  edit->SetEnabled(false);
  EXPECT_FALSE(editStyle.IsActive());

  session.Press(Centre(*button));
  EXPECT_TRUE(style->IsActive()) << "down";
  button->SetEnabled(false);
  EXPECT_FALSE(style->IsActive()) << "disabled and down";
  button->SetEnabled(true);
  button->SetDesigning(true);
  EXPECT_FALSE(style->IsActive()) << "designed";
}

// While active a style answers with its hot values: from the bound section, else its own.
TEST_F(StyleFade, TheHotValuesShowWhileActive) {
  auto* edit = AddStyled<sStyleEdits::TsStyle>(form, {150, 60, 250, 80}, sStyleSimply::KindEdit);
  auto& editor = edit->Style<sStyleEdits::TsStyle>();
  editor.Painting()->SetColor(0x111111);
  editor.Selection()->SetColor(0x222222);
  style->HotStyle()->HotPainting()->SetFontColor(0x333333);
  sSkinManager::SkinSections() = {skintests::Section("Bound")};
  sSkinManager::SkinSectionData& section = sSkinManager::SkinSections()[0];
  section.PaintingColor = 0x444444;
  section.SelectionColor = 0x555555;
  section.HotPaintingColor = 0x666666;
  section.HotFontColor.Color = 0x777777;
  sSkinManager::SetSkinLoaded(true);

  struct Case {
    const char* what;
    bool bound, active;
    platform::TColor editor, buttonLook, buttonFont;
  };
  const Case cases[] = {
      {"own, normal", false, false, 0x111111, platform::clBlack, 0x333333},
      {"own, hot", false, true, 0x222222, platform::clWhite, 0x333333},
      {"bound, normal", true, false, 0x444444, 0x444444, 0x777777},
      {"bound, hot", true, true, 0x555555, 0x666666, 0x777777},
  };
  for (const Case& c : cases) {
    editor.SetSkinSection(c.bound ? "Bound" : "");
    style->SetSkinSection(c.bound ? "Bound" : "");
    session.MoveMouse(c.active ? Centre(*button) : Outside());
    if (c.active)
      edit->SetFocus();
    else
      form->SetFocus();
    EXPECT_EQ(editor.BackgroundColor(), c.editor) << c.what;
    EXPECT_EQ(style->Look().Color, c.buttonLook) << c.what;
    EXPECT_EQ(style->HotFontColor(), c.buttonFont) << c.what;
  }
  editor.Selection()->SetMode({sStyleEdits::msBorder});
  EXPECT_EQ(editor.BackgroundColor(), 0x444444u) << "no selection colour without msColor";
}

}  // namespace
