#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "platform/Error.h"

namespace platform {
namespace {

using testing::MakeChild;
using testing::MakeTopLevel;
using testing::MessageLog;

constexpr std::uint32_t WM_APP_TEST = WM_USER + 1;

class WindowMessagesTest : public ::testing::Test {
 protected:
  MessageLog log;
  std::vector<std::uint32_t> seen;
  int calls = 0;
  HeadlessSession session;
};

TEST_F(WindowMessagesTest, CreationComputesTheClientAreaBeforeCreateAndShowsLast) {
  const HWND h = MakeTopLevel(log.Proc());
  ASSERT_TRUE(IsWindow(h));
  EXPECT_EQ(
      log.Only({WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_SHOWWINDOW, WM_ACTIVATE}),
      (std::vector<std::uint32_t>{WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_SHOWWINDOW, WM_ACTIVATE}));
  EXPECT_EQ(GetActiveWindow(), h);
}

TEST_F(WindowMessagesTest, CreateAnsweringMinusOneOrAMissingParentFailsTheCreation) {
  const HWND h = MakeTopLevel(log.Proc([](HWND, TMessage& m) {
    if (m.Msg != WM_CREATE) return false;
    m.Result = -1;
    return true;
  }));
  EXPECT_EQ(h, NullWindow);
  EXPECT_EQ(log.Count(WM_DESTROY), 1);
  EXPECT_TRUE(GetTopLevelWindows().empty());
  EXPECT_EQ(MakeChild(HWND{12345}, {0, 0, 10, 10}, log.Proc()), NullWindow);
}

TEST_F(WindowMessagesTest, SendAnswersTheResultAndPostedMessagesArriveInOrder) {
  const HWND h = MakeTopLevel(log.Proc([](HWND, TMessage& m) {
    if (m.Msg != WM_APP_TEST) return false;
    m.Result = static_cast<LRESULT>(m.WParam * 2);
    return true;
  }));
  EXPECT_EQ(SendMessage(h, WM_APP_TEST, 21), 42);
  log.Clear();
  PostMessage(h, WM_APP_TEST, 1);
  PostMessage(h, WM_APP_TEST, 2);
  EXPECT_EQ(log.Count(WM_APP_TEST), 0);
  ProcessMessages();
  ASSERT_EQ(log.Count(WM_APP_TEST), 2);
  EXPECT_EQ(log.entries[0].WParam, 1u);
}

TEST_F(WindowMessagesTest, MessagesToADestroyedWindowAreIgnored) {
  const HWND h = MakeTopLevel(log.Proc());
  PostMessage(h, WM_APP_TEST);
  DestroyWindow(h);
  log.Clear();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(SendMessage(h, WM_APP_TEST), 0);
  EXPECT_FALSE(PostMessage(h, WM_APP_TEST));
  EXPECT_FALSE(DestroyWindow(h));
  ProcessMessages();
  EXPECT_TRUE(log.entries.empty());
  EXPECT_FALSE(SetWindowProc(h, log.Proc()));
}

TEST_F(WindowMessagesTest, ASubclassSeesEveryMessageFirstAndPassesOnWhatItLikes) {
  const HWND h = MakeTopLevel(log.Proc());
  auto previous = std::make_shared<WindowProc>();
  *previous = SetWindowProc(h, [this, previous](HWND w, TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_APP_TEST) {
      m.Result = 7;  // swallowed
      return;
    }
    (*previous)(w, m);
  });
  log.Clear();
  EXPECT_EQ(SendMessage(h, WM_APP_TEST), 7);
  SendMessage(h, WM_APP_TEST + 1);
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{WM_APP_TEST, WM_APP_TEST + 1}));
  EXPECT_EQ(log.Only({WM_APP_TEST, WM_APP_TEST + 1}),
            (std::vector<std::uint32_t>{WM_APP_TEST + 1}));
  // Putting the saved procedure back undoes the subclass.
  SetWindowProc(h, *previous);
  previous.reset();
  SendMessage(h, WM_APP_TEST);
  EXPECT_EQ(log.Count(WM_APP_TEST), 1);
}

TEST_F(WindowMessagesTest, DestroyingAWindowInsideItsOwnProcedureIsSafe) {
  auto state = std::make_shared<int>(0);
  HWND child{};
  const HWND h = MakeTopLevel([state](HWND w, TMessage& m) {
    if (m.Msg == WM_APP_TEST) {
      DestroyWindow(w);
      *state += 1;  // the procedure's own data outlives the window until it returns
      SendMessage(w, WM_APP_TEST);
      return;
    }
    DefWindowProc(w, m);
  });
  child = MakeChild(h, {0, 0, 20, 20}, log.Proc());
  SendMessage(h, WM_APP_TEST);
  EXPECT_EQ(*state, 1);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(log.Only({WM_DESTROY, WM_NCDESTROY}),
            (std::vector<std::uint32_t>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowMessagesTest, AProcedureMayReplaceItselfWhileRunning) {
  const HWND h = MakeTopLevel(log.Proc());
  SetWindowProc(h, [this](HWND w, TMessage& m) {
    ++calls;
    SetWindowProc(w, DefWindowProc);
    m.Result = 5;
  });
  EXPECT_EQ(SendMessage(h, WM_APP_TEST), 5);
  EXPECT_EQ(SendMessage(h, WM_APP_TEST), 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(WindowMessagesTest, DestroyReachesParentFirstFinishesWithTheChildrenAndTakesOwnedPopups) {
  const HWND parent = MakeTopLevel(log.Proc());
  const HWND child = MakeChild(parent, {0, 0, 20, 20}, log.Proc());
  CreateParams p;
  p.Style = WS_POPUP | WS_VISIBLE;
  p.Bounds = {0, 0, 50, 50};
  p.Parent = parent;
  const HWND popup = CreateWindow(p);
  EXPECT_EQ(GetOwner(popup), parent);
  log.Clear();
  DestroyWindow(parent);
  std::vector<std::pair<HWND, std::uint32_t>> order;
  for (const auto& e : log.entries) {
    if (e.Msg == WM_DESTROY || e.Msg == WM_NCDESTROY) order.emplace_back(e.Window, e.Msg);
  }
  EXPECT_EQ(order, (std::vector<std::pair<HWND, std::uint32_t>>{{parent, WM_DESTROY},
                                                                {child, WM_DESTROY},
                                                                {child, WM_NCDESTROY},
                                                                {parent, WM_NCDESTROY}}));
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(WindowMessagesTest, CloseDestroysByDefaultAndTheLoopEndsWithTheQuitCode) {
  const HWND h = MakeTopLevel(log.Proc([](HWND, TMessage& m) {
    if (m.Msg == WM_DESTROY) PostQuitMessage(3);
    return false;
  }));
  PostMessage(h, WM_CLOSE);
  EXPECT_EQ(RunMessageLoop(), 3);
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowMessagesTest, ProcessMessagesLeavesTheQuitForTheOuterLoop) {
  PostQuitMessage(9);
  ProcessMessages();
  EXPECT_TRUE(QuitPending());
  EXPECT_EQ(RunMessageLoop(), 9);
}

TEST_F(WindowMessagesTest, AnIdleLoopWithoutScriptIsAnErrorNotAHang) {
  MakeTopLevel(log.Proc());
  ProcessMessages();
  MSG msg;
  EXPECT_THROW(GetMessage(msg), Error);
}

TEST_F(WindowMessagesTest, ScriptedStepsDriveAWaitingLoop) {
  const HWND h = MakeTopLevel(log.Proc());
  session.Backend().ScheduleStep([&] { PostMessage(h, WM_APP_TEST); });
  session.Backend().ScheduleStep([&] {
    SendMessage(h, WM_CLOSE);
    PostQuitMessage(0);
  });
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_EQ(log.Count(WM_APP_TEST), 1);
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace
}  // namespace platform
