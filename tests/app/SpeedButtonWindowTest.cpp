// The main window's speed buttons in the stored skin: bound to its "TsSpeedButton" section,
// painted through its 144 x 60 border mask, and fading in four frames.
#include <vector>

#include "platform/window/Timers.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace Bezier::testing {
namespace {

using platform::TColor;

class SpeedButtonWindow : public MainWindow {
 protected:
  // The window as the loop leaves it once idle: painted, its buttons' regions set.
  void SetUp() override { app.ProcessMessages(); }
  TColor Shown(int x, int y) { return skintests::Painted(*form->BtMxN).Pixel(x, y); }
  // Timer messages do not pile up: a fade needs the clock to pass each of its ticks.
  void Settle() {
    for (int i = 0; i < 10; ++i) session.Advance(platform::USER_TIMER_MINIMUM);
  }
  // What the section's colour c leaves below the mask at (x, y): c itself, or, when the form
  // has a picture, that picture q showing through by the transparency t: Mix(k, c, q) with
  // k = (100 - t) x 255 div 100.
  TColor Below(TColor c, int t, int x, int y) {
    const auto parent = form->BtMxN->sStyle()->GetParentBackground();
    if (!parent) return c;
    const platform::TPoint at =
        form->BtMxN->BoundsRect().TopLeft() + parent->Offset + platform::TPoint{x, y};
    return Mix((100 - t) * 255 / 100, c, parent->Picture->Pixel(at.X, at.Y));
  }
};

TEST_F(SpeedButtonWindow, TheThreeButtonsAreBoundToTheSectionAndItsMask) {
  const int section = sSkinManager::FindSectionIndex("TsSpeedButton");
  ASSERT_GE(section, 0);
  for (const sCustomButton::TsSpeedButton* b : {form->BtnRandom, form->Gambar, form->BtMxN}) {
    EXPECT_EQ(b->sStyle()->SkinSection(), "TsSpeedButton") << b->Name();
    EXPECT_EQ(b->sStyle()->SkinIndex(), section) << b->Name();
    const int mask = b->sStyle()->MaskIndex();
    ASSERT_GE(mask, 0) << b->Name();
    EXPECT_EQ(sSkinManager::SkinImages()[mask].Bitmap->Width(), 144) << b->Name();
    EXPECT_EQ(sSkinManager::SkinImages()[mask].Bitmap->Height(), 60) << b->Name();
  }
}

// The section: colour 0xE8E8E8 at transparency 50, hot 0xCD7B0C at 60. The mask's slices are
// 16 x 10; (42, 3) lies in its top edge, whose picture is white over mask 0x41 in the normal
// and hot blocks, and (0, 11) on its left border, mask 0 there. Without a form picture:
// normal (42, 3): floor(232 x 65 / 256) + 255 - floor(255 x 65 / 256) = 58 + 255 - 64 = 249;
// hot (42, 3), red 0x0C, green 0x7B, blue 0xCD: 3 + 191, 31 + 191, 52 + 191.
TEST_F(SpeedButtonWindow, TheNormalAndHotLooksFollowThePipeline) {
  sCustomButton::TsSpeedButton& b = *form->BtMxN;
  const platform::Bitmap& mask = sSkinManager::SkinImages()[b.sStyle()->MaskIndex()].Bitmap->Data();
  EXPECT_EQ(mask.Pixel(26, 3), platform::clWhite);
  EXPECT_EQ(mask.Pixel(26, 33) & 0xFF, 0x41u);
  EXPECT_EQ(mask.Pixel(0, 41), 0u);
  // Rows 3 and 11 of the button come from the same rows of the mask (its middle slice starts
  // at 10); column 42 from column 26 of the top edge's tiles, 16 wide from 16.
  struct Sample {
    int x, y, m;
    int column;  // in the normal block; the hot block lies 48 pixels to the right
  };
  const Sample samples[] = {{42, 3, 0x41, 26}, {0, 11, 0, 0}};
  for (const bool hot : {false, true}) {
    if (hot) session.MoveMouse(Centre(b));
    Settle();
    const TColor colour = hot ? 0xCD7B0C : 0xE8E8E8;
    const int transparency = hot ? 60 : 50;
    for (const Sample& s : samples) {
      const TColor p = mask.Pixel(s.column + (hot ? 48 : 0), s.y);
      // The mask rule: Mix(m, below, picture).
      EXPECT_EQ(Shown(s.x, s.y), Mix(s.m, Below(colour, transparency, s.x, s.y), p))
          << hot << " " << s.x << "," << s.y;
    }
  }
  if (!b.sStyle()->GetParentBackground()) {
    EXPECT_EQ(Shown(42, 3), platform::RGB(194, 222, 243));
    session.MoveMouse(form->ClientToScreen({600, 300}));
    Settle();
    EXPECT_EQ(Shown(42, 3), platform::RGB(249, 249, 249));
  }
}

// The section fades in 4 steps at 5 ms, which the platform stretches to its shortest timer
// of 10 ms: frames at a = 63, 127, 191, 255, then the closing repaint. Red at (42, 3) goes
// from 249 to 194 without a form picture: 186 + 194 - 145 = 235, 124 + 194 - 97 = 221,
// 62 + 194 - 48 = 208, then 194 twice.
TEST_F(SpeedButtonWindow, EnteringAButtonFadesInFourFrames) {
  sCustomButton::TsSpeedButton& b = *form->BtMxN;
  const TColor before = Shown(42, 3);
  session.MoveMouse(Centre(b));
  EXPECT_EQ(b.FadeTimer()->Interval(), 5u);
  session.Advance(platform::USER_TIMER_MINIMUM - 1);
  EXPECT_EQ(Shown(42, 3), before) << "no frame before 10 ms";
  std::vector<TColor> frames;
  for (int i = 0; i < 5; ++i) {
    session.Advance(i == 0 ? 1 : platform::USER_TIMER_MINIMUM);
    frames.push_back(Shown(42, 3));
  }
  EXPECT_FALSE(b.FadeTimer()->Enabled());
  EXPECT_EQ(b.FadeStep(), 4);
  // Each frame is Mix(255 - a, old, new).
  const TColor after = frames.back();
  EXPECT_EQ(frames, (std::vector<TColor>{Mix(192, before, after), Mix(128, before, after),
                                         Mix(64, before, after), after, after}));
  if (!b.sStyle()->GetParentBackground()) {
    EXPECT_EQ(frames[0] & 0xFF, 235u);
    EXPECT_EQ(frames[2] & 0xFF, 208u);
  }
}

}  // namespace
}  // namespace Bezier::testing
