// A HiDPI screen on the headless back end: native windows, shapes and pictures in device
// pixels, input arriving in device pixels reaches the logical point its block shows.
#include <gtest/gtest.h>

#include "platform/window/MessageParams.h"
#include "tests/platform/WindowTestSupport.h"

namespace platform {
namespace {

using testing::MakeTopLevel;
using testing::MessageLog;

TEST(WindowScaleTest, RegionAndHitTestAgreeAtTheFactor) {
  HeadlessSession session({0, 0, 1920, 1080}, 2);
  const HWND h = MakeTopLevel(DefWindowProc, {100, 100, 160, 150}, WS_VISIBLE);
  // A T: a bar across the top and a stem.
  SetWindowRgn(h, Region::FromRects(std::vector<TRect>{{0, 0, 60, 10}, {25, 10, 35, 50}}), true);
  const auto* native = session.Backend().Native(h);
  ASSERT_TRUE(native != nullptr && native->Shape.has_value());
  EXPECT_EQ(native->Bounds, (TRect{200, 200, 320, 300}));
  int inside = 0;
  for (int y = 190; y < 310; ++y) {
    for (int x = 190; x < 330; ++x) {
      const bool shown = native->Bounds.Contains({x, y}) &&
                         native->Shape->Contains(TPoint{x, y} - native->Bounds.TopLeft());
      const bool hit = WindowFromPoint(session.Backend().Scale().ToLogical({x, y})) == h;
      ASSERT_EQ(shown, hit) << x << ", " << y;
      inside += shown;
    }
  }
  EXPECT_EQ(inside, (60 * 10 + 10 * 40) * 4);  // each logical pixel a 2 x 2 block
}

TEST(WindowScaleTest, AClickInADevicePixelReachesTheLogicalPointOfItsBlock) {
  MessageLog log;  // outlives the window, which logs its destruction
  HeadlessSession session({0, 0, 1920, 1080}, 2);
  const HWND h = MakeTopLevel(log.Proc(), {100, 100, 400, 300}, WS_VISIBLE);
  const TPoint client = ClientToScreen(h, {0, 0});
  // Logical client point (37, 12): device (2x + 1, 2y + 1) of its screen point.
  const TPoint logical = client + TPoint{37, 12};
  session.Click(session.Backend().Scale().ToLogical({2 * logical.X + 1, 2 * logical.Y + 1}));
  ASSERT_NE(log.Last(WM_LBUTTONDOWN), nullptr);
  const LPARAM where = log.Last(WM_LBUTTONDOWN)->LParam;
  EXPECT_EQ((TPoint{GET_X_LPARAM(where), GET_Y_LPARAM(where)}), (TPoint{37, 12}));
  EXPECT_EQ(session.Backend().WorkArea(), (TRect{0, 0, 960, 540}));
}

}  // namespace
}  // namespace platform
