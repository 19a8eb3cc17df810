// The HiDPI factor: what the desktop's settings ask for, what fits the screen, and how points
// and rectangles cross between device and logical pixels.
#include <gtest/gtest.h>

#include "platform/window/ScreenScale.h"

namespace platform {
namespace {

TEST(ScreenScaleTest, WantedFactorComesFromGdkScaleElseXftDpi) {
  struct Case {
    const char* GdkScale;
    const char* XftDpi;
    int Factor;
  };
  const Case cases[] = {
      {"2", nullptr, 2},     {"6", nullptr, 6},   {"1", "192", 1},       // GDK_SCALE wins
      {"0", nullptr, 1},     {"7", nullptr, 1},   {"-1", nullptr, 1},    // out of range
      {"two", nullptr, 1},   {"2x", nullptr, 1},  {" 2", nullptr, 1},    // no whole number
      {"0", "192", 1},                                                   // set but bad: no guess
      {"", "192", 2},        {nullptr, "192", 2},                        // empty counts as unset
      {nullptr, "191.9", 1}, {nullptr, "288", 3}, {nullptr, "250", 2},   // 250 / 96 = 2.6
      {nullptr, "96", 1},    {nullptr, "dpi", 1}, {nullptr, "9600", 6},  // 100 capped at 6
      {nullptr, nullptr, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WantedScale(c.GdkScale, c.XftDpi), c.Factor)
        << (c.GdkScale ? c.GdkScale : "unset") << " / " << (c.XftDpi ? c.XftDpi : "unset");
  }
}

TEST(ScreenScaleTest, FirstWindowSettlesTheLargestFactorAtWhichItFits) {
  struct Case {
    int Wanted;
    TSize Area;
    int Factor;
  };
  // The main window is 797 x 541.
  const Case cases[] = {
      {2, {1594, 1082}, 2},                      // exactly
      {2, {1593, 1200}, 1},                      // one device pixel too narrow
      {4, {3840, 2160}, 3},                      // 4 x 541 = 2164 > 2160
      {6, {800, 600}, 1},   {1, {100, 100}, 1},  // a window larger than the screen keeps factor 1
  };
  for (const Case& c : cases) {
    ScreenScale scale(c.Wanted);
    scale.Settle({0, 0}, {1, 1});  // a timer's window has nothing to fit
    scale.Settle({797, 541}, c.Area);
    EXPECT_EQ(scale.Factor(), c.Factor) << c.Wanted << " on " << c.Area.cx << " x " << c.Area.cy;
    scale.Settle({10, 10}, c.Area);
    EXPECT_EQ(scale.Factor(), c.Factor) << "later windows change nothing";
  }
}

TEST(ScreenScaleTest, DevicePixelsMapToTheLogicalPixelTheirBlockShows) {
  const ScreenScale two(2);
  // Every device pixel of the block of logical (x, y) maps back to it, left of and above the
  // origin too.
  const TPoint devices[] = {{20, 30}, {21, 31}, {0, 0}, {-1, -1}, {-2, -3}};
  const TPoint logicals[] = {{10, 15}, {10, 15}, {0, 0}, {-1, -1}, {-1, -2}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(two.ToLogical(devices[i]), logicals[i]) << i;
  EXPECT_EQ(two.ToDevice(TRect{3, 4, 10, 20}), (TRect{6, 8, 20, 40}));
  // A work area keeps only whole logical pixels: 1 / 2 rounds in, 1279 / 2 rounds down.
  EXPECT_EQ(two.AreaToLogical({1, 0, 1279, 1024}), (TRect{1, 0, 639, 512}));
  EXPECT_EQ(two.ToDevice(Region::FromRects(std::vector<TRect>{{0, 0, 2, 1}, {0, 1, 1, 2}})),
            Region::FromRects(std::vector<TRect>{{0, 0, 4, 2}, {0, 2, 2, 4}}));
}

}  // namespace
}  // namespace platform
