#include <gtest/gtest.h>

#include "platform/window/MessageParams.h"

namespace platform {
namespace {

TMessage WithParams(WPARAM wParam, LPARAM lParam) {
  return {WM_NULL, wParam, lParam, 0};
}

TEST(MessageParamsTest, PointsKeepTheirSignThroughSixteenBits) {
  const struct {
    TPoint Point;
    LPARAM Packed;
  } cases[] = {
      {{0, 0}, 0},
      {{10, 20}, 0x0014000A},         // 20 << 16 | 10
      {{-1, -1}, 0xFFFFFFFF},         // each -1 is 0xFFFF
      {{-5, 300}, 0x012CFFFB},        // 300 = 0x12C, -5 = 0xFFFB
      {{32767, -32768}, 0x80007FFF},  // the ends of the 16-bit range
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointParam(c.Point), c.Packed) << c.Point.X << "," << c.Point.Y;
    EXPECT_EQ(PointOf(WithParams(0, c.Packed)), c.Point) << c.Point.X << "," << c.Point.Y;
  }
}

TEST(MessageParamsTest, WheelCarriesTheKeysLowAndTheSignedDistanceHigh) {
  const TMessage down = WithParams(WheelParam(MK_LBUTTON | MK_SHIFT, -WHEEL_DELTA), 0);
  EXPECT_EQ(down.WParam, 0xFF880005u);  // -120 = 0xFF88; MK_LBUTTON | MK_SHIFT = 5
  EXPECT_EQ(WheelDeltaOf(down), -WHEEL_DELTA);
  EXPECT_EQ(WheelDeltaOf(WithParams(WheelParam(0, 2 * WHEEL_DELTA), 0)), 240);
}

TEST(MessageParamsTest, KeyFlagsFollowTheKeyAndAlt) {
  const struct {
    bool Alt, WasDown, Down;
    LPARAM Flags;
  } cases[] = {
      {false, false, true, 0x00000001},  // a repeat count of one
      {true, false, true, 0x20000001},   // bit 29: Alt
      {false, true, true, 0x40000001},   // bit 30: down before, an auto-repeat
      {true, true, false, 0xE0000001},   // bits 30 and 31 on release
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeyParam(c.Alt, c.WasDown, c.Down), c.Flags) << std::hex << c.Flags;
    EXPECT_EQ(AltDownOf(WithParams(0, c.Flags)), c.Alt) << std::hex << c.Flags;
  }
}

TEST(MessageParamsTest, SystemCommandsSplitFromTheirExtraBits) {
  const TMessage size = WithParams(SysCommandParam(SC_SIZE, HTBOTTOMRIGHT - HTLEFT + 1), 0);
  EXPECT_EQ(size.WParam, 0xF008u);  // the bottom-right corner is the eighth sizing edge
  EXPECT_EQ(SysCommandOf(size), SC_SIZE);
  EXPECT_EQ(SysCommandExtraOf(size), 8u);
  EXPECT_EQ(SysCommandOf(WithParams(SC_CLOSE, 0)), SC_CLOSE);
  EXPECT_EQ(SysCommandExtraOf(WithParams(SC_CLOSE, 0)), 0u);
}

TEST(MessageParamsTest, LowWordsAnswerTheActivationAndTheCommand) {
  EXPECT_EQ(MenuClosedParam, 0xFFFF0000u);  // no item, flags 0xFFFF
  EXPECT_EQ(MenuSelectParam(11, MF_HILITE | MF_POPUP), 0x0090000Bu);
  EXPECT_EQ(ActivationOf(WithParams(MAKEWPARAM(WA_CLICKACTIVE, 1), 0)), WA_CLICKACTIVE);
  EXPECT_EQ(CommandOf(WithParams(0x00010042, 0)), 0x42u);
}

}  // namespace
}  // namespace platform
