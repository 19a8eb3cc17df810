#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "platform/window/Input.h"

namespace platform {
namespace {

using testing::MakeTopLevel;
using testing::MessageLog;
using testing::TitleButton;

class WindowStateTest : public ::testing::Test {
 protected:
  WindowStateTest() : session(TRect{0, 0, 1000, 700}) {
    h = MakeTopLevel(log.Proc(), {100, 100, 400, 300});
    ProcessMessages();
    log.Clear();
  }

  // Title buttons of the window where it starts, in screen coordinates.
  static TPoint Button(int index) { return TitleButton({100, 100, 400, 300}, index); }

  MessageLog log;
  HeadlessSession session;
  HWND h{};
};

TEST_F(WindowStateTest, MaximizeFillsTheWorkAreaAndRestoreGivesTheBoundsBack) {
  ShowWindow(h, ShowCommand::Maximize);
  EXPECT_EQ(GetWindowState(h), WindowState::Maximized);
  EXPECT_EQ(GetWindowRect(h), (TRect{0, 0, 1000, 700}));
  EXPECT_EQ(log.Last(WM_SIZE)->WParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  ShowWindow(h, ShowCommand::Restore);
  EXPECT_EQ(GetWindowState(h), WindowState::Normal);
  EXPECT_EQ(GetWindowRect(h), (TRect{100, 100, 400, 300}));
}

TEST_F(WindowStateTest, AMinimizedWindowIsNeitherHitNorPaintedAndRestoresToItsFormerState) {
  ShowWindow(h, ShowCommand::Maximize);
  ShowWindow(h, ShowCommand::Minimize);
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_EQ(WindowFromPoint({200, 200}), NullWindow);
  EXPECT_EQ(session.Backend().Native(h)->State, WindowState::Minimized);
  EXPECT_EQ(GetActiveWindow(), NullWindow);
  ShowWindow(h, ShowCommand::Restore);
  EXPECT_EQ(GetWindowState(h), WindowState::Maximized);
  EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(WindowStateTest, TitleButtonsSendSystemCommandsWhenReleasedOverThem) {
  session.Click(Button(1));
  EXPECT_EQ(log.Last(WM_SYSCOMMAND)->WParam, SC_MAXIMIZE);
  EXPECT_EQ(GetWindowState(h), WindowState::Maximized);
  session.Click(TitleButton({0, 0, 1000, 700}, 1));  // maximized, the same button restores
  EXPECT_EQ(log.Last(WM_SYSCOMMAND)->WParam, SC_RESTORE);
  EXPECT_EQ(GetWindowState(h), WindowState::Normal);

  // Pressed on one button and released elsewhere: nothing.
  log.Clear();
  session.Press(Button(2));
  session.MoveMouse({250, 200});
  session.Release({250, 200});
  EXPECT_EQ(log.Count(WM_SYSCOMMAND), 0);

  session.Click(Button(2));
  EXPECT_EQ(GetWindowState(h), WindowState::Minimized);
  ShowWindow(h, ShowCommand::Restore);
  session.Click(Button(0));
  EXPECT_EQ(log.Last(WM_SYSCOMMAND)->WParam, SC_CLOSE);
  EXPECT_EQ(log.Count(WM_CLOSE), 1);
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowStateTest, DraggingTheCaptionMovesTheWindow) {
  session.Press({200, 110});
  session.MoveMouse({230, 150});
  session.MoveMouse({260, 130});
  session.Release({260, 130});
  EXPECT_EQ(GetWindowRect(h), (TRect{160, 120, 460, 320}));
  EXPECT_EQ(log.Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
            (std::vector<std::uint32_t>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
  EXPECT_EQ(session.Backend().Native(h)->Bounds, (TRect{160, 120, 460, 320}));
  EXPECT_FALSE(IsMouseTracking());
}

TEST_F(WindowStateTest, EscapeCancelsAMoveAndAMaximizedWindowDoesNotMove) {
  session.Press({200, 110});
  session.MoveMouse({300, 300});
  InputKey(VK_ESCAPE, true);
  session.Release({300, 300});
  EXPECT_EQ(GetWindowRect(h), (TRect{100, 100, 400, 300}));

  ShowWindow(h, ShowCommand::Maximize);
  session.Press({500, 10});
  session.MoveMouse({600, 100});
  session.Release({600, 100});
  EXPECT_EQ(GetWindowRect(h), (TRect{0, 0, 1000, 700}));
}

// The system menu's Move and Size: the window stays until the pointer or a key moves it; an
// arrow moves it (or its bottom right corner) 8 pixels, Enter keeps, Escape restores, and
// the pointer's own moves add to the keys'.
TEST_F(WindowStateTest, MoveAndSizeFromTheSystemMenuFollowTheArrowKeys) {
  struct {
    std::uint32_t Command;
    std::vector<std::uint32_t> Keys;
    TPoint PointerMove;
    TRect Expected;
  } const cases[] = {
      {SC_MOVE, {}, {}, {100, 100, 400, 300}},
      {SC_MOVE, {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}, {}, {116, 108, 416, 308}},
      {SC_MOVE, {VK_LEFT, VK_UP, VK_ESCAPE}, {}, {100, 100, 400, 300}},
      {SC_MOVE, {VK_RIGHT}, {5, -3}, {113, 97, 413, 297}},  // 8 + 5, -3
      {SC_SIZE, {VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}, {}, {100, 100, 408, 316}},
  };
  for (const auto& c : cases) {
    SetWindowBounds(h, {100, 100, 400, 300});
    session.MoveMouse({500, 500});
    SendMessage(h, WM_SYSCOMMAND, c.Command);
    for (const std::uint32_t key : c.Keys) session.PressKey(key);
    if (c.PointerMove != TPoint{}) session.MoveMouse(TPoint{500, 500} + c.PointerMove);
    EXPECT_EQ(GetWindowRect(h), c.Expected) << c.Command << ", " << c.Keys.size() << " keys";
    InputKey(VK_RETURN, true);
    InputKey(VK_RETURN, false);
    EXPECT_FALSE(IsMouseTracking());
  }
}

TEST_F(WindowStateTest, DraggingABorderResizesWithinAMinimum) {
  session.Press({398, 200});
  session.MoveMouse({448, 200});
  session.Release({448, 200});
  EXPECT_EQ(GetWindowRect(h), (TRect{100, 100, 450, 300}));
  EXPECT_EQ(log.Last(WM_SIZE)->LParam, MAKELPARAM(450 - 100 - 8, 200 - 23 - 4));
  session.Press({101, 200});
  session.MoveMouse({900, 200});
  session.Release({900, 200});
  EXPECT_GE(GetWindowRect(h).Width(), 8 + 3 * 19);
  EXPECT_EQ(GetWindowRect(h).Right, 450);
}

TEST_F(WindowStateTest, DoubleClickOnTheCaptionTogglesMaximized) {
  session.Click({200, 110});
  session.Click({200, 110});
  EXPECT_EQ(GetWindowState(h), WindowState::Maximized);
  session.Backend().AdvanceClock(1000);
  session.Click({200, 10});
  session.Click({200, 10});
  EXPECT_EQ(GetWindowState(h), WindowState::Normal);
}

TEST_F(WindowStateTest, AltF4ClosesAndContextHelpAsksTheNextClickedWindow) {
  const HWND other =
      MakeTopLevel(log.Proc(), {500, 100, 700, 300}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  SendMessage(other, WM_SYSCOMMAND, SC_CONTEXTHELP);
  session.Click({600, 200});
  ASSERT_NE(log.Last(WM_HELP), nullptr);
  EXPECT_EQ(log.Last(WM_HELP)->Window, other);
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 0);

  InputKey(VK_MENU, true);
  InputKey(VK_F4, true);
  InputKey(VK_F4, false);
  InputKey(VK_MENU, false);
  ProcessMessages();
  EXPECT_FALSE(IsWindow(other));
  EXPECT_TRUE(IsWindow(h));
}

}  // namespace
}  // namespace platform
