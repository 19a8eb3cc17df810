#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/desktop/SdlKeys.h"
#include "platform/window/Messages.h"

namespace platform {
namespace {

TEST(WindowDesktopKeysTest, SdlKeysBecomeTheStandardVirtualKeys) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 'A');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 'Z');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), '0');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), '9');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), VK_F1);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), VK_F12);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKSPACE), 8u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_TAB), 9u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), 13u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), 16u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LCTRL), 17u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RALT), 18u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), 27u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 32u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 37u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 40u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DELETE), 46u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13), 0u);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_CARET), 0u);
}

}  // namespace
}  // namespace platform
