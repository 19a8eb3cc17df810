// The main window on a HiDPI screen (factor 2 on a 3840 x 2160 headless screen): the screen
// shows the very logical picture in sharp 2 x 2 blocks, and clicks in device pixels work; on
// a screen too small for the factor it falls back.
#include "platform/window/Windows.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

class ScaledMainWindow : public MainWindow {
 protected:
  ScaledMainWindow() : MainWindow(2, {0, 0, 3840, 2160}) {}

  // Clicks the device pixel (2x + 1, 2y + 1) of the control's centre (x, y).
  void ClickDevice(const framework::TControl& control) {
    const platform::TPoint c = Centre(control);
    session.Click(Backend().Scale().ToLogical({2 * c.X + 1, 2 * c.Y + 1}));
  }
};

TEST_F(ScaledMainWindow, ScreenShowsTheLogicalPictureWithEveryPixelDoubled) {
  ASSERT_EQ(Backend().Scale().Factor(), 2);
  const platform::Bitmap logical = Snapshot(*form);
  ASSERT_EQ(logical.Width(), 797);
  platform::Bitmap doubled(logical.Width() * 2, logical.Height() * 2);
  for (int y = 0; y < doubled.Height(); ++y)
    for (int x = 0; x < doubled.Width(); ++x) doubled.SetPixel(x, y, logical.Pixel(x / 2, y / 2));
  const auto* native = Backend().Native(form->Handle());
  ASSERT_NE(native, nullptr);
  EXPECT_TRUE(native->Screen == doubled);
  EXPECT_EQ(native->Bounds.Width(), 2 * 797);
}

TEST_F(ScaledMainWindow, ClicksAtDoubledPositionsSizeTheTable) {
  ClickDevice(*form->EdM);
  session.TypeText("3");
  ClickDevice(*form->EdN);
  session.TypeText("4");
  ClickDevice(*form->BtMxN);
  EXPECT_EQ(form->SGInput->RowCount(), 1 + 3 * 4);
  EXPECT_TRUE(Messages().empty());
}

// 2 x 797 = 1594 device pixels do not fit a 1280 x 1024 screen; factor 1 does.
class CrampedMainWindow : public MainWindow {
 protected:
  CrampedMainWindow() : MainWindow(2, {0, 0, 1280, 1024}) {}
};

TEST_F(CrampedMainWindow, FallsBackToTheLargestFactorAtWhichItFits) {
  EXPECT_EQ(Backend().Scale().Factor(), 1);
  platform::UpdateWindow(form->Handle());
  const auto* native = Backend().Native(form->Handle());
  ASSERT_NE(native, nullptr);
  EXPECT_EQ(native->Bounds, platform::GetWindowRect(form->Handle()));
  EXPECT_TRUE(native->Screen == platform::WindowSnapshot(form->Handle()));
}

// The 797 x 541 window opens at (272, 108) where it fits, else moved just onto the work area.
struct Placement {
  int scale;
  platform::TRect screen;  // device pixels
  platform::TPoint at;     // logical pixels
};

class PlacedMainWindow : public MainWindow, public ::testing::WithParamInterface<Placement> {
 protected:
  PlacedMainWindow() : MainWindow(GetParam().scale, GetParam().screen) {}
};

TEST_P(PlacedMainWindow, LiesWhollyOnTheWorkArea) {
  EXPECT_EQ(platform::GetWindowRect(form->Handle()).TopLeft(), GetParam().at);
  EXPECT_EQ(form->Left(), GetParam().at.X);
  EXPECT_EQ(form->Top(), GetParam().at.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlacedMainWindow,
    ::testing::Values(Placement{1, {0, 0, 1920, 1080}, {272, 108}},
                      Placement{2, {0, 0, 3840, 2160}, {272, 108}},  // 1920 x 1080 logical
                      Placement{1, {0, 0, 1024, 768}, {227, 108}},   // 1024 - 797
                      Placement{1, {0, 0, 800, 600}, {3, 59}},       // 800 - 797, 600 - 541
                      Placement{1, {0, 0, 640, 480}, {0, 0}}),       // larger than the screen
    [](const auto& info) {
      const Placement& p = info.param;
      return std::to_string(p.screen.Right) + "x" + std::to_string(p.screen.Bottom) + "_factor" +
             std::to_string(p.scale);
    });

}  // namespace
}  // namespace Bezier::testing
