// The skinned frame's title: its buttons' places, hit codes, hot and pressed looks, the
// caption, and the region that cuts the title's corners out.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/frame/SkinProviderTestSupport.h"

namespace {

using namespace providertests;
using framework::TBorderIcons;
using sSkinProvider::TsButtonState;
using sSkinProvider::TsTitleButtonKind;
using enum framework::TBorderIcon;
using enum framework::TFormBorderStyle;

constexpr TBorderIcons AllIcons{biSystemMenu, biMinimize, biMaximize};

class Title : public ProviderFixture {
 protected:
  // Sets the provider's border icons and builds the frame anew.
  void Rebuild(TBorderIcons icons) {
    provider->SetBorderIcons(icons);
    provider->SetCacheStale(true);
    provider->BuildCache();
  }
  std::optional<int> Left(TsTitleButtonKind kind) {
    const sSkinProvider::TsTitleButton& button = provider->TitleButton(kind);
    return button.Shown ? std::optional<int>(button.Rect.Left) : std::nullopt;
  }
};

// On a 400-pixel window with 17 x 16 buttons, slot n starts at 400 - 4 - n * 18: 378, 360,
// 342, 324. The strip behind them is count * 18 + 4 wide.
TEST_F(Title, ButtonsTakeTheirSlotsFromTheRight) {
  struct Case {
    const char* Name;
    TBorderIcons Icons;
    framework::TFormBorderStyle Style;
    TSkinParts Parts;
    std::optional<int> Close, Maximize, Minimize, Help;
    int Top;
    int StripWidth;
  };
  const std::vector<Case> cases = {
      {"three buttons", AllIcons, bsSizeable, {}, 378, 360, 342, {}, 3, 58},
      {"with help", AllIcons + TBorderIcons{biHelp}, bsSingle, {}, 378, 360, 342, 324, 3, 76},
      {"a dialog shows close alone", {biSystemMenu}, bsDialog, {}, 378, {}, {}, {}, 3, 22},
      {"tool window, help", {biSystemMenu, biHelp}, bsToolWindow, {}, 378, {}, {}, 360, 3, 40},
      {"no border icons, no buttons", {}, bsSingle, {}, {}, {}, {}, {}, 3, 4},
      // Minimize moves into slot 2 when maximize has no picture.
      {"no maximize picture", AllIcons, bsSizeable, {.Maximize = false}, 378, 360, 360, {}, 3, 58},
      // 21 x 21 buttons: top (23 - 21) / 2 = 1, slots at 400 - 4 - n * 22.
      {"no close picture", AllIcons, bsSizeable, {.Close = false}, 374, 352, 330, {}, 1, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    delete manager;
    form->SetBorderStyle(c.Style);
    LoadSkin(c.Parts);
    Rebuild(c.Icons);
    EXPECT_EQ(Left(TsTitleButtonKind::Close), c.Close);
    EXPECT_EQ(Left(TsTitleButtonKind::Maximize), c.Maximize);
    EXPECT_EQ(Left(TsTitleButtonKind::Minimize), c.Minimize);
    EXPECT_EQ(Left(TsTitleButtonKind::Help), c.Help);
    if (c.Close) {
      EXPECT_EQ(provider->TitleButton(TsTitleButtonKind::Close).Rect.Top, c.Top);
    }
    EXPECT_EQ(provider->ButtonStrip().Width(), c.StripWidth);
  }
}

// The band of the buttons is rows 3 to 19, both included. What the title does not claim the
// platform answers: the sizing border, the caption, the client area.
TEST_F(Title, HitCodesOverTheTitle) {
  LoadSkin();
  Show();
  const TBorderIcons withHelp = AllIcons + TBorderIcons{biHelp};
  struct Case {
    const char* Name;
    TPoint At;
    int Code;
    TBorderIcons Icons = AllIcons;
    bool Maximized = false;
  };
  const std::vector<Case> cases = {
      {"close, top left corner of its band", {378, 3}, 20},
      {"close, bottom right, both ends included", {395, 19}, 20},
      {"maximize", {377, 10}, 9},
      {"minimize", {342, 10}, 8},
      {"minimize not allowed: the caption", {350, 10}, 2, {biSystemMenu, biMaximize}},
      {"the icon from x = 4", {4, 10}, 3},
      {"the icon to x = 4 + 16", {20, 10}, 3},
      {"the caption after the icon", {21, 10}, 2},
      {"the last row of the band is the platform's caption", {100, 19}, 2},
      {"right of the buttons: the sizing corner", {396, 10}, 14},
      {"above the band: the sizing border", {100, 2}, 12},
      {"below the band, still the caption", {100, 21}, 2},
      {"the client area", {100, 100}, 1},
      {"help", {330, 10}, 21, withHelp},
      {"with help the rest of the band is the platform's", {100, 10}, 2, withHelp},
      {"no buttons without border icons", {385, 10}, 2, {}},
      {"maximized, the caption stays the title's", {100, 10}, 2, AllIcons, true},
      {"maximized, the button restores", {370, 10}, 9, AllIcons, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    provider->SetBorderIcons(c.Icons);
    platform::ShowWindow(
        Window(), c.Maximized ? platform::ShowCommand::Maximize : platform::ShowCommand::Restore);
    // A maximized window fills the work area: its right edge is 1280.
    const TPoint at = c.Maximized && c.At.X > 300 ? TPoint{c.At.X + 1280 - 400, c.At.Y} : c.At;
    EXPECT_EQ(HitCode(at), c.Code);
  }
}

TEST_F(Title, ButtonsShowHotAndPressedAndActOnlyOnTheButtonPressed) {
  LoadSkin();
  Show();
  const TPoint close{386, 10};
  const auto cell = [&] { return Screen().Pixel(close.X, close.Y); };
  EXPECT_EQ(cell(), CellColors[0]);

  session.MoveMouse(OnScreen(close));
  EXPECT_EQ(provider->HotElement(), 20);
  EXPECT_EQ(provider->TitleButton(TsTitleButtonKind::Close).State, TsButtonState::Hot);
  EXPECT_EQ(cell(), CellColors[1]);

  session.Press(OnScreen(close));
  EXPECT_EQ(provider->TitleButton(TsTitleButtonKind::Close).State, TsButtonState::Pressed);
  EXPECT_EQ(cell(), CellColors[2]);
  session.Release(OnScreen({200, 10}));
  EXPECT_EQ(provider->TitleButton(TsTitleButtonKind::Close).State, TsButtonState::Normal);
  EXPECT_EQ(cell(), CellColors[0]);
  EXPECT_FALSE(app.Terminated()) << "released away from the button";

  session.Press({20, 20});  // on no window
  session.Release(OnScreen(close));
  EXPECT_FALSE(app.Terminated()) << "released over the button without a press on it";

  session.Click(OnScreen(close));
  EXPECT_TRUE(app.Terminated());
}

// The button strip is taken one pixel left of the window's right edge; putting a button's
// background back from it restores exactly what was there.
TEST_F(Title, AButtonLeftAloneGetsBackTheTitleUnderIt) {
  LoadSkin({.StripedTitle = true});
  provider->SetBorderIcons({biSystemMenu});
  Show();
  const TRect close = provider->TitleButton(TsTitleButtonKind::Close).Rect;
  const TRect around = close.Inflate(2, 2);
  const Bitmap before = Screen();
  session.MoveMouse(OnScreen({close.Left + 2, close.Top + 2}));
  session.MoveMouse(OnScreen({200, 10}));
  const Bitmap after = Screen();
  for (int y = around.Top; y < around.Bottom; ++y)
    for (int x = around.Left; x < around.Right; ++x)
      ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;
}

TEST_F(Title, TheTitleCaptionAndButtonsShowWhetherTheFormIsActive) {
  LoadSkin();
  Show();
  const TRect caption{24, 4, 100, 19};
  const TPoint title{200, 12}, close{386, 10};
  for (const bool active : {true, false}) {
    if (!active) {
      auto* other = app.CreateForm<framework::TForm>();
      other->SetBounds(600, 600, 100, 100);
      other->ShowForm();
      EXPECT_FALSE(provider->FormActive());
    }
    const TColor text = active ? CaptionHotColor : CaptionColor;
    const TColor otherText = active ? CaptionColor : CaptionHotColor;
    const Bitmap shown = Screen();
    EXPECT_EQ(shown.Pixel(title.X, title.Y), active ? TitleHotColor : TitleColor) << active;
    EXPECT_GT(skintests::CountColor(shown, caption, text), 0) << active;
    EXPECT_EQ(skintests::CountColor(shown, caption, otherText), 0) << active;
    EXPECT_EQ(shown.Pixel(close.X, close.Y) == CellColors[0], active) << "inactive: faded";
  }
}

// The test mask (63 x 30, slices 7 x 5) has magenta at (0, 0), (1, 0), (4, 0) and (0, 1) in
// its left corner and at (19, 0), (20, 0) in its right corner (columns 14 to 20), which lies
// at x = 400 + 19 - 21 = 398 of the window.
TEST_F(Title, TheRegionCutsTheMagentaOfTheTitleCornersOut) {
  LoadSkin();
  Show();
  const std::vector<TRect> cuts{{0, 0, 2, 1}, {4, 0, 5, 1}, {0, 1, 1, 2}, {398, 0, 400, 1}};
  EXPECT_EQ(provider->CornerCutOuts(), cuts);
  ASSERT_TRUE(Native().Shape.has_value());
  const platform::Region expected =
      platform::Region(TRect{0, 0, 400, 300}).Difference(platform::Region::FromRects(cuts));
  EXPECT_EQ(*Native().Shape, expected);

  form->SetWidth(300);
  Settle();
  EXPECT_EQ(provider->CornerCutOuts().back(), (TRect{298, 0, 300, 1})) << "follows the width";
  EXPECT_FALSE(Native().Shape->Contains({299, 0}));
  EXPECT_TRUE(Native().Shape->Contains({297, 0}));
}

// Painting the frame on the screen goes in pairs: a paint that finds the region not applied
// applies it, which asks for another paint; that one copies the frame.
TEST_F(Title, NonClientPaintsAlternateBetweenTheRegionAndTheCopy) {
  LoadSkin();
  Show();
  ASSERT_FALSE(provider->RegionApplied());
  {
    platform::WindowCanvas canvas = platform::GetWindowCanvas(Window());
    canvas->GetBrush().Color = platform::clBlack;
    canvas->FillRect({0, 0, 400, 23});
  }
  const auto title = [&] { return platform::WindowSnapshot(Window()).Pixel(200, 12); };
  platform::SendMessage(Window(), platform::WM_NCPAINT);
  EXPECT_TRUE(provider->RegionApplied());
  EXPECT_EQ(title(), platform::clBlack) << "only the region";
  platform::SendMessage(Window(), platform::WM_NCPAINT);
  EXPECT_FALSE(provider->RegionApplied());
  EXPECT_EQ(title(), TitleHotColor) << "the copy";
}

}  // namespace
