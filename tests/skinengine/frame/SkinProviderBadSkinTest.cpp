// The skinned frame with skins that lack parts or have odd ones, and windows too small for
// their title: the stated fallbacks, and nothing outside the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "tests/skinengine/frame/SkinProviderTestSupport.h"

namespace {

using namespace providertests;
using sSkinProvider::TsTitleButtonKind;

using Fallbacks = ProviderFixture;

// With no close picture the buttons are 21 x 21 and the close button draws nothing: its slot
// (374 to 395, rows 1 to 22) shows the title.
TEST_F(Fallbacks, NoClosePictureMeansBigButtonsAndNoCloseGlyph) {
  LoadSkin({.Close = false});
  Show();
  const TRect close = provider->TitleButton(TsTitleButtonKind::Close).Rect;
  EXPECT_EQ(close, (TRect{374, 1, 395, 22}));
  EXPECT_EQ(Screen().Pixel(385, 10), TitleHotColor);
  EXPECT_EQ(HitCode({385, 10}), 20) << "still a button";
}

// A "TITLEBAR" picture covers the right end of the title, (63 / 9) * 2 + 3 * 17 = 65 wide.
TEST_F(Fallbacks, ATitleBarPictureCoversTheTitlesRightEnd) {
  LoadSkin({.TitleBar = true});
  Show();
  const Bitmap shown = Screen();
  EXPECT_EQ(shown.Pixel(336, 21), 0x808080u) << "inside the bar's 65 pixels";
  EXPECT_EQ(shown.Pixel(334, 21), TitleHotColor) << "left of them";
}

TEST_F(Fallbacks, WithoutMenuLineTheBarKeepsTheFormsLook) {
  AddMainMenu("File");
  LoadSkin({.MenuLine = false});
  Show();
  EXPECT_EQ(Screen().Pixel(300, 32), FormHotColor);
  ASSERT_NE(provider->MenuBarStrip(), nullptr);
}

TEST_F(Fallbacks, WithoutTheTitleMaskTheWindowKeepsItsCorners) {
  LoadSkin({.TitleMask = false});
  Show();
  EXPECT_TRUE(provider->CornerCutOuts().empty());
  ASSERT_TRUE(Native().Shape.has_value());
  EXPECT_EQ(*Native().Shape, platform::Region(TRect{0, 0, 400, 300}));
}

// Odd sizes, and windows smaller than their title: the frame is still made, of the window's
// size, and the mouse may go anywhere over it.
TEST_F(Fallbacks, OddPicturesAndTinyWindows) {
  struct Case {
    const char* Name;
    int MaskWidth, MaskHeight, ButtonWidth, ButtonHeight;
    TRect Bounds;
  };
  const std::vector<Case> cases = {
      {"masks of odd widths", 64, 31, 50, 33, {100, 100, 500, 400}},
      {"tiny masks", 5, 3, 2, 1, {100, 100, 500, 400}},
      {"narrower than its buttons", 63, 30, 51, 32, {100, 100, 130, 400}},
      {"lower than its caption", 63, 30, 51, 32, {100, 100, 500, 110}},
      {"a sliver", 63, 30, 51, 32, {100, 100, 103, 102}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    delete manager;
    LoadSkin({.TitleMaskWidth = c.MaskWidth,
              .TitleMaskHeight = c.MaskHeight,
              .ButtonImageWidth = c.ButtonWidth,
              .ButtonImageHeight = c.ButtonHeight});
    form->SetBounds(c.Bounds.Left, c.Bounds.Top, c.Bounds.Width(), c.Bounds.Height());
    Show();
    for (int x = 0; x < c.Bounds.Width(); x += 7) session.MoveMouse(OnScreen({x, 5}));
    session.Click(OnScreen({c.Bounds.Width() - 10, 8}));
    provider->RedrawTitleButton(platform::HTCLOSE);
    const Bitmap shown = Screen();
    EXPECT_EQ(provider->FrameCache().Width(), shown.Width());
    EXPECT_EQ(provider->FrameCache().Height(), shown.Height());
    ASSERT_TRUE(Native().Shape.has_value());
    const TRect shape = Native().Shape->Bounds();
    const TRect window{0, 0, shown.Width(), shown.Height()};
    EXPECT_EQ(window.Intersect(shape), shape) << "the region lies within the window";
  }
}

}  // namespace
