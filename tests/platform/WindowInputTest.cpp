#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/window/Input.h"

namespace platform {
namespace {

using testing::MakeChild;
using testing::MakeTopLevel;
using testing::MessageLog;

constexpr std::uint32_t kPopup = WS_POPUP | WS_VISIBLE;

class WindowInputTest : public ::testing::Test {
 protected:
  WindowInputTest() {
    top = MakeTopLevel(log.Proc(), {0, 0, 300, 300}, kPopup);
    a = MakeChild(top, {10, 10, 110, 110}, log.Proc(), CS_DBLCLKS);
    b = MakeChild(top, {150, 10, 250, 110}, log.Proc());
    log.Clear();
  }

  std::vector<std::uint32_t> MouseMessages() const {
    return log.Only({WM_NCHITTEST, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                     WM_MOUSELEAVE, WM_CAPTURECHANGED});
  }

  MessageLog log;
  HeadlessSession session;
  HWND top{}, a{}, b{};
};

TEST_F(WindowInputTest, AClickIsHitTestedThenPressedAndReleased) {
  session.Click({20, 30});
  EXPECT_EQ(MouseMessages(),
            (std::vector<std::uint32_t>{WM_NCHITTEST, WM_MOUSEMOVE, WM_NCHITTEST, WM_LBUTTONDOWN,
                                        WM_NCHITTEST, WM_LBUTTONUP}));
  const auto* down = log.Last(WM_LBUTTONDOWN);
  EXPECT_EQ(down->Window, a);
  EXPECT_EQ(GET_X_LPARAM(down->LParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(down->LParam), 20);
  EXPECT_EQ(down->WParam & MK_LBUTTON, MK_LBUTTON);
}

TEST_F(WindowInputTest, CaptureSendsTheMouseToItsWindowWithoutHitTesting) {
  SetWindowProc(a, log.Proc([](HWND w, TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) SetCapture(w);
    if (m.Msg == WM_LBUTTONUP) ReleaseCapture();
    return false;
  }));
  session.Press({20, 30});
  log.Clear();
  session.MoveMouse({200, 50});  // over b, but captured by a
  session.Release({200, 50});
  EXPECT_EQ(MouseMessages(),
            (std::vector<std::uint32_t>{WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_NCHITTEST,
                                        WM_MOUSELEAVE, WM_MOUSEMOVE}));
  EXPECT_EQ(log.Last(WM_LBUTTONUP)->Window, a);
  EXPECT_EQ(GET_X_LPARAM(log.Last(WM_LBUTTONUP)->LParam), 190);
  EXPECT_EQ(log.Last(WM_MOUSELEAVE)->Window, a);
  EXPECT_EQ(log.entries.back().Window, b);
  EXPECT_EQ(GetCapture(), NullWindow);
}

TEST_F(WindowInputTest, LeavingAWindowSendsItALeaveMessage) {
  session.MoveMouse({20, 20});
  session.MoveMouse({30, 20});
  EXPECT_EQ(log.Count(WM_MOUSELEAVE), 0);
  session.MoveMouse({160, 20});
  ASSERT_EQ(log.Count(WM_MOUSELEAVE), 1);
  EXPECT_EQ(log.Last(WM_MOUSELEAVE)->Window, a);
  InputMouseExit();
  EXPECT_EQ(log.Last(WM_MOUSELEAVE)->Window, b);
}

TEST_F(WindowInputTest, DoubleClicksNeedTheClassStyleAndComeWithin500MsAnd4Pixels) {
  const struct {
    TPoint second;
    std::uint32_t waitMs;
    int doubles;
  } pairs[] = {
      {{50, 50}, 501, 0},  // too late
      {{53, 50}, 10, 0},   // too far
      {{52, 48}, 500, 1},  // 2 pixels off each way, just in time
  };
  for (const auto& pair : pairs) {
    session.Backend().AdvanceClock(1000);
    log.Clear();
    session.Click({50, 50});
    session.Backend().AdvanceClock(pair.waitMs);
    session.Click(pair.second);
    EXPECT_EQ(log.Count(WM_LBUTTONDBLCLK, a), pair.doubles) << pair.waitMs << " ms";
    EXPECT_EQ(log.Count(WM_LBUTTONDBLCLK), pair.doubles);
  }
  // A third quick click starts a new pair.
  session.Click({52, 48});
  EXPECT_EQ(log.Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<std::uint32_t>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
  // b has no CS_DBLCLKS: two presses.
  session.Backend().AdvanceClock(1000);
  log.Clear();
  session.Click({200, 50});
  session.Click({200, 50});
  EXPECT_EQ(log.Count(WM_LBUTTONDBLCLK), 0);
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, b), 2);
}

TEST_F(WindowInputTest, FocusMovesWithKillAndSetMessages) {
  EXPECT_EQ(SetFocus(a), NullWindow);
  log.Clear();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(log.Only({WM_KILLFOCUS, WM_SETFOCUS}),
            (std::vector<std::uint32_t>{WM_KILLFOCUS, WM_SETFOCUS}));
  EXPECT_EQ(log.entries[0].Window, a);
  EXPECT_EQ(log.entries[0].WParam, static_cast<WPARAM>(b));
  EXPECT_EQ(log.Last(WM_SETFOCUS)->WParam, static_cast<WPARAM>(a));
  EXPECT_EQ(GetFocus(), b);

  EnableWindow(a, false);
  EXPECT_EQ(SetFocus(a), b);
  EXPECT_EQ(GetFocus(), b);
  ShowWindow(b, ShowCommand::Hide);
  EXPECT_EQ(GetFocus(), NullWindow);
}

TEST_F(WindowInputTest, KeysGoToTheFocusWithCharactersBetweenDownAndUp) {
  SetFocus(a);
  log.Clear();
  InputKey('A', true);
  InputText("a\xC3\xA9");
  InputKey('A', false);
  InputKey(VK_RETURN, true);
  EXPECT_EQ(
      log.Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
      (std::vector<std::uint32_t>{WM_KEYDOWN, WM_CHAR, WM_CHAR, WM_KEYUP, WM_KEYDOWN, WM_CHAR}));
  std::vector<WPARAM> chars;
  for (const auto& e : log.entries) {
    if (e.Msg == WM_CHAR) chars.push_back(e.WParam);
  }
  EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 0xE9, 13}));
  EXPECT_TRUE(IsKeyDown(VK_RETURN));
  EXPECT_LT(GetKeyState(VK_RETURN), 0);
}

TEST_F(WindowInputTest, AltMakesSystemKeysAndControlLettersMakeControlCharacters) {
  SetFocus(a);
  log.Clear();
  InputKey(VK_MENU, true);
  InputKey('X', true);
  InputKey('X', false);
  InputKey(VK_MENU, false);
  EXPECT_EQ(log.Only({WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYDOWN}),
            (std::vector<std::uint32_t>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP,
                                        WM_SYSKEYUP}));
  EXPECT_EQ(log.Last(WM_SYSCHAR)->WParam, WPARAM{'x'});
  InputKey(VK_MENU, true);
  InputKey(VK_SPACE, true);
  EXPECT_EQ(log.Last(WM_SYSCHAR)->WParam, WPARAM{' '}) << "Alt+Space, the system menu's key";
  InputKey(VK_SPACE, false);
  InputKey(VK_MENU, false);
  log.Clear();
  InputKey(VK_CONTROL, true);
  InputKey('C', true);
  EXPECT_EQ(log.Last(WM_CHAR)->WParam, WPARAM{3});
}

// Alt with a letter or digit is a menu's access key, never typed; a character the key does
// not make by itself (AltGr's) still is.
TEST_F(WindowInputTest, TextTypedWithAltIsTheAccessKeyNotACharacter) {
  struct {
    bool Alt;
    std::uint32_t Key;
    const char* Text;
    std::vector<WPARAM> Typed;
  } const cases[] = {
      {true, 'F', "f", {}},     {true, 'F', "F", {}},
      {true, '5', "5", {}},     {true, 'E', "\xE2\x82\xAC", {0x20AC}},  // the euro sign on AltGr+E
      {false, 'F', "f", {'f'}},
  };
  SetFocus(a);
  for (const auto& c : cases) {
    log.Clear();
    if (c.Alt) InputKey(VK_MENU, true);
    InputKey(c.Key, true);
    InputText(c.Text);
    InputKey(c.Key, false);
    if (c.Alt) InputKey(VK_MENU, false);
    std::vector<WPARAM> typed;
    for (const auto& e : log.entries)
      if (e.Msg == WM_CHAR) typed.push_back(e.WParam);
    EXPECT_EQ(typed, c.Typed) << c.Text;
  }
}

// A capture whose press lost its release (to a dialog that opened meanwhile) does not take the
// next press: that one goes where it points. A press while another button is held still goes
// to the capture.
TEST_F(WindowInputTest, APressWithNoOtherButtonHeldEndsAStaleCapture) {
  SetWindowProc(a, log.Proc([](HWND w, TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN) SetCapture(w);
    return false;
  }));
  struct {
    const char* What;
    std::function<void()> Before;
    MouseButton Button;
    HWND Expected;
  } const cases[] = {
      {"capture set after the release",
       [&] {
         session.Click({20, 20});
       },
       MouseButton::Left, b},
      {"release lost",
       [&] {
         session.Press({20, 20});
       },
       MouseButton::Left, b},
      {"another button held",
       [&] {
         session.Press({20, 20});
       },
       MouseButton::Right, a},
  };
  for (const auto& c : cases) {
    c.Before();
    if (c.Button == MouseButton::Left) SetCapture(a);  // as the press of a message box leaves it
    log.Clear();
    session.Press({200, 50}, c.Button);
    const std::uint32_t down = c.Button == MouseButton::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    ASSERT_NE(log.Last(down), nullptr) << c.What;
    EXPECT_EQ(log.Last(down)->Window, c.Expected) << c.What;
    session.Release({200, 50}, c.Button);
    session.Release({200, 50});
    ReleaseCapture();
  }
}

TEST_F(WindowInputTest, DisabledChildrenPassTheMouseToTheirParentAndDisabledWindowsGetNothing) {
  EnableWindow(a, false);
  session.Click({20, 20});
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, a), 0);
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, top), 1);
  EnableWindow(top, false);
  log.Clear();
  session.Click({200, 200});
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(WindowInputTest, TransparentHitPassesTheMouseToTheWindowBelow) {
  const HWND glass = MakeChild(top, {0, 0, 300, 300}, log.Proc([](HWND, TMessage& m) {
    if (m.Msg != WM_NCHITTEST) return false;
    m.Result = HTTRANSPARENT;
    return true;
  }));
  log.Clear();
  session.Click({160, 20});
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, glass), 0);
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, b), 1);
}

TEST_F(WindowInputTest, AClickActivatesItsWindowAndTheWheelGoesUnderThePointer) {
  const HWND other = MakeTopLevel(log.Proc(), {400, 0, 600, 200});
  EXPECT_EQ(GetActiveWindow(), other);
  const HWND main = MakeTopLevel(log.Proc(), {0, 400, 200, 600});
  log.Clear();
  session.Click({450, 100});
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(log.Last(WM_ACTIVATE)->Window, other);
  EXPECT_EQ(LOWORD(log.Last(WM_ACTIVATE)->WParam), static_cast<int>(WA_CLICKACTIVE));
  EXPECT_EQ(log.Count(WM_NCACTIVATE, main), 1);
  EXPECT_EQ(GetFocus(), other);
  InputMouseWheel({100, 500}, -WHEEL_DELTA);
  EXPECT_EQ(log.Last(WM_MOUSEWHEEL)->Window, main) << "not the focus";
  EXPECT_EQ(static_cast<std::int16_t>(HIWORD(log.Last(WM_MOUSEWHEEL)->WParam)), -WHEEL_DELTA);
}

TEST_F(WindowInputTest, DestroyingTheFocusedOrCapturingWindowClearsThoseRoles) {
  SetFocus(a);
  SetCapture(a);
  session.MoveMouse({20, 20});
  DestroyWindow(a);
  EXPECT_EQ(GetFocus(), NullWindow);
  EXPECT_EQ(GetCapture(), NullWindow);
  session.Click({20, 20});
  EXPECT_EQ(log.Last(WM_LBUTTONDOWN)->Window, top);
}

}  // namespace
}  // namespace platform
