#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Timers.h"

namespace platform {
namespace {

using testing::MakeTopLevel;
using testing::MessageLog;

class TimerTest : public ::testing::Test {
 protected:
  TimerTest() { h = MakeTopLevel(log.Proc(), {0, 0, 100, 100}, WS_POPUP | WS_VISIBLE); }

  // Moves the clock on by each step's milliseconds and expects the ticks counted so far.
  void ExpectTicksAfter(std::initializer_list<std::pair<std::uint32_t, int>> steps) {
    for (const auto& [ms, ticks] : steps) {
      session.Advance(ms);
      EXPECT_EQ(log.Count(WM_TIMER), ticks) << "after " << ms << " ms more";
    }
  }

  MessageLog log;
  HeadlessSession session;
  HWND h{};
};

TEST_F(TimerTest, ATimerFiresOnlyWhenTheClockPassesIt) {
  EXPECT_EQ(SetTimer(h, 7, 100), 7u);
  ExpectTicksAfter({{99, 0}, {1, 1}});
  ASSERT_NE(log.Last(WM_TIMER), nullptr);
  EXPECT_EQ(log.Last(WM_TIMER)->WParam, 7u);
  // A late timer fires once, not once for every interval it missed.
  ExpectTicksAfter({{350, 2}, {99, 2}, {1, 3}});
  EXPECT_TRUE(KillTimer(h, 7));
  EXPECT_FALSE(KillTimer(h, 7));
  ExpectTicksAfter({{1000, 3}});
}

TEST_F(TimerTest, TimersOfOneWindowKeepTheirOwnIntervalsAndSettingAgainRestarts) {
  SetTimer(h, 1, 30);
  SetTimer(h, 2, 50);
  session.Advance(20);
  SetTimer(h, 1, 30);  // restarted: due at 50 now
  ExpectTicksAfter({{29, 0}, {1, 2}});
}

TEST_F(TimerTest, SleepingAdvancesTheVirtualClockAtOnce) {
  const std::uint32_t start = GetTickCount();
  const std::int64_t counter = QueryPerformanceCounter();
  SetTimer(h, 1, 200);
  Sleep(250);
  EXPECT_EQ(GetTickCount() - start, 250u);
  EXPECT_EQ(QueryPerformanceCounter() - counter, 250 * QueryPerformanceFrequency() / 1000);
  EXPECT_EQ(log.Count(WM_TIMER), 0);  // ticks arrive through the loop
  ProcessMessages();
  EXPECT_EQ(log.Count(WM_TIMER), 1);
}

TEST_F(TimerTest, TimersOnMissingOrDestroyedWindowsAreHarmless) {
  EXPECT_EQ(SetTimer(HWND{999}, 1, 10), 0u);
  SetTimer(h, 1, 10);
  DestroyWindow(h);
  ExpectTicksAfter({{100, 0}});
  EXPECT_FALSE(KillTimer(h, 1));
}

TEST_F(TimerTest, ATimerKilledOrDestroyingItsWindowInsideItsTickIsSafe) {
  SetWindowProc(h, log.Proc([](HWND w, TMessage& m) {
    if (m.Msg == WM_TIMER) DestroyWindow(w);
    return false;
  }));
  SetTimer(h, 1, 10);
  session.Advance(100);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(log.Count(WM_TIMER), 1);
}

TEST_F(TimerTest, AZeroIntervalIsRaisedSoTheLoopStillEnds) {
  SetTimer(h, 1, 0);
  ExpectTicksAfter({{USER_TIMER_MINIMUM - 1, 0}, {1, 1}});
}

// A clock that answers whatever the test last set, as a coarse real clock does between two
// quick reads.
class SetByHandClock : public Clock {
 public:
  std::uint64_t NowMicroseconds() override { return now; }
  void Sleep(std::uint32_t) override {}
  std::uint64_t now = 0;
};

TEST(CounterTest, TwoReadsOfAClockThatStandsStillStillDiffer) {
  SetByHandClock clock;
  SetClock(&clock);
  struct Read {
    std::uint64_t ClockMicroseconds;
    std::int64_t Counter;
  };
  const Read reads[] = {
      {100, 1000}, {100, 1001}, {100, 1002},  // 100 us in 100 ns ticks, then one tick on
      {150, 1500},                            // the clock moved past: its own value again
      {150, 1501},
  };
  for (const Read& r : reads) {
    clock.now = r.ClockMicroseconds;
    EXPECT_EQ(QueryPerformanceCounter(), r.Counter) << "clock at " << r.ClockMicroseconds;
  }
  SetClock(nullptr);
}

}  // namespace
}  // namespace platform
