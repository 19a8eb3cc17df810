#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include "WindowTestSupport.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/Files.h"

namespace platform {
namespace {

using testing::MakeChild;
using testing::MakeTopLevel;
using testing::MessageLog;
using testing::ScreenPixel;
using testing::SolidPainter;

class WindowPaintTest : public ::testing::Test {
 protected:
  static HWND Popup(TRect bounds, WindowProc proc) {
    return MakeTopLevel(std::move(proc), bounds, WS_POPUP | WS_VISIBLE);
  }
  static HWND Popup(WindowProc proc) { return Popup({0, 0, 100, 100}, std::move(proc)); }

  // Paints in whatever `color` holds at the time.
  WindowProc Painter() {
    return [this](HWND w, TMessage& m) { SolidPainter(color)(w, m); };
  }

  // Procedures capture these, so they must outlive the windows the session destroys.
  MessageLog log;
  std::vector<TRect> painted;
  TColor color = clRed;
  int paints = 0;
  HeadlessSession session;
};

TEST_F(WindowPaintTest, InvalidationsCoalesceIntoOnePaintOfTheirUnion) {
  const HWND h = Popup({0, 0, 200, 200}, log.Proc([this](HWND w, TMessage& m) {
    if (m.Msg != WM_PAINT) return false;
    PaintStruct ps;
    WindowCanvas canvas = BeginPaint(w, ps);
    painted.push_back(ps.PaintRect);
    return true;
  }));
  ProcessMessages();
  painted.clear();
  const TRect a{10, 10, 20, 20}, b{50, 40, 60, 70};
  InvalidateRect(h, &a, false);
  InvalidateRect(h, &b, false);
  Region expected(a);
  expected.Include(b);
  EXPECT_EQ(GetUpdateRgn(h), expected);
  ProcessMessages();
  EXPECT_EQ(painted, (std::vector<TRect>{{10, 10, 60, 70}}));
  EXPECT_TRUE(GetUpdateRgn(h).IsEmpty());
}

TEST_F(WindowPaintTest, PaintWaitsUntilNoPostedMessageIsLeft) {
  const HWND h = Popup(log.Proc());
  ProcessMessages();
  log.Clear();
  InvalidateRect(h, nullptr, false);
  PostMessage(h, WM_USER);
  PostMessage(h, WM_USER + 1);
  ProcessMessages();
  EXPECT_EQ(log.Only({WM_USER, WM_USER + 1, WM_PAINT}),
            (std::vector<std::uint32_t>{WM_USER, WM_USER + 1, WM_PAINT}));
}

TEST_F(WindowPaintTest, PaintingIsClippedToTheUpdateRegion) {
  const HWND h = Popup(Painter());
  ProcessMessages();
  color = clBlue;
  const TRect part{0, 0, 10, 10};
  InvalidateRect(h, &part, false);
  ProcessMessages();
  const Bitmap shot = WindowSnapshot(h);
  EXPECT_EQ(shot.Pixel(5, 5), clBlue);
  EXPECT_EQ(shot.Pixel(50, 50), clRed);
}

TEST_F(WindowPaintTest, UpdateNowPaintsAndPresentsWithoutTheLoop) {
  const HWND h = Popup(SolidPainter(clLime, &paints));
  UpdateWindow(h);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(ScreenPixel(session, h, {50, 50}), clLime);
  UpdateWindow(h);  // nothing invalid: no second paint
  EXPECT_EQ(paints, 1);
  RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(paints, 2);
}

TEST_F(WindowPaintTest, EveryRepaintReachesTheScreenEvenBetweenSleeps) {
  const HWND h = Popup({0, 0, 120, 20}, Painter());
  UpdateWindow(h);
  const int before = session.Backend().Native(h)->Presents;
  for (std::uint8_t step = 1; step <= 100; ++step) {
    color = RGB(step, 0, 0);
    InvalidateRect(h, nullptr, false);
    UpdateWindow(h);
    ASSERT_EQ(ScreenPixel(session, h, {60, 10}), color);
    Sleep(20);
  }
  EXPECT_GE(session.Backend().Native(h)->Presents - before, 100);
}

TEST_F(WindowPaintTest, ChildrenAreClippedOutOfTheirParentsPainting) {
  const HWND parent = Popup({0, 0, 200, 200}, SolidPainter(clRed));
  const HWND lower = MakeChild(parent, {20, 20, 80, 80}, SolidPainter(clLime));
  MakeChild(parent, {50, 50, 120, 120}, SolidPainter(clBlue));
  ProcessMessages();
  // Repainting the parent and the lower sibling again must not cover what lies above them.
  InvalidateRect(parent, nullptr, true);
  InvalidateRect(lower, nullptr, true);
  ProcessMessages();
  const Bitmap shot = WindowSnapshot(parent);
  EXPECT_EQ(shot.Pixel(10, 10), clRed);
  EXPECT_EQ(shot.Pixel(30, 30), clLime);
  EXPECT_EQ(shot.Pixel(60, 60), clBlue);
  EXPECT_EQ(shot.Pixel(100, 100), clBlue);
}

TEST_F(WindowPaintTest, MovingAChildRepaintsWhatItUncovered) {
  const HWND parent = Popup({0, 0, 200, 200}, SolidPainter(clRed));
  const HWND child = MakeChild(parent, {0, 0, 50, 50}, SolidPainter(clBlue));
  ProcessMessages();
  SetWindowBounds(child, {100, 100, 150, 150});
  ProcessMessages();
  const Bitmap shot = WindowSnapshot(parent);
  EXPECT_EQ(shot.Pixel(10, 10), clRed);
  EXPECT_EQ(shot.Pixel(110, 110), clBlue);
  ShowWindow(child, ShowCommand::Hide);
  ProcessMessages();
  EXPECT_EQ(WindowSnapshot(parent).Pixel(110, 110), clRed);
}

TEST_F(WindowPaintTest, InvalidationWithEraseFillsTheBackgroundFirst) {
  const HWND h = Popup(log.Proc());
  SetWindowBackground(h, clYellow);
  ProcessMessages();
  log.Clear();
  InvalidateRect(h, nullptr, true);
  ProcessMessages();
  EXPECT_EQ(log.Only({WM_PAINT, WM_ERASEBKGND}),
            (std::vector<std::uint32_t>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_EQ(WindowSnapshot(h).Pixel(50, 50), clYellow);
}

TEST_F(WindowPaintTest, AProcedureThatNeverBeginsPaintingIsNotAskedForever) {
  const HWND h = Popup(log.Proc([](HWND, TMessage& m) { return m.Msg == WM_PAINT; }));
  ProcessMessages();
  EXPECT_EQ(log.Count(WM_PAINT), 1);
  EXPECT_TRUE(GetUpdateRgn(h).IsEmpty());
}

TEST_F(WindowPaintTest, AProcedureFailingWhilePaintingIsNotAskedAgainAndAgain) {
  const HWND h = Popup(log.Proc([](HWND, TMessage& m) {
    if (m.Msg == WM_PAINT) throw std::runtime_error("paint failed");
    return false;
  }));
  EXPECT_THROW(ProcessMessages(), std::runtime_error);
  EXPECT_NO_THROW(ProcessMessages());
  EXPECT_EQ(log.Count(WM_PAINT), 1);
  EXPECT_TRUE(GetUpdateRgn(h).IsEmpty());
}

TEST_F(WindowPaintTest, HiddenWindowsAreNotPaintedAndCanvasesOfHiddenOrGoneWindowsDrawNowhere) {
  const HWND h = MakeTopLevel(log.Proc(), {0, 0, 100, 100}, WS_POPUP);
  InvalidateRect(h, nullptr, true);
  ProcessMessages();
  EXPECT_EQ(log.Count(WM_PAINT), 0);
  WindowCanvas canvas = GetClientCanvas(h);
  canvas->GetBrush().Color = clRed;
  canvas->FillRect({0, 0, 100, 100});
  EXPECT_TRUE(canvas->ClipRegion().IsEmpty());

  const HWND shown = Popup(log.Proc());
  WindowCanvas outliving = GetWindowCanvas(shown);
  DestroyWindow(shown);
  outliving->GetBrush().Color = clRed;
  outliving->FillRect({0, 0, 100, 100});
}

TEST_F(WindowPaintTest, ResizingGivesAFreshBackingAndRepaintsEverything) {
  const HWND h = Popup(SolidPainter(clBlue, &paints));
  ProcessMessages();
  WindowCanvas stale = GetClientCanvas(h);
  SetWindowBounds(h, {0, 0, 40, 30});
  stale->GetBrush().Color = clRed;
  stale->FillRect({0, 0, 100, 100});  // draws into the old picture, not out of bounds
  ProcessMessages();
  EXPECT_EQ(paints, 2);
  EXPECT_EQ(WindowSnapshot(h).Width(), 40);
  EXPECT_EQ(WindowSnapshot(h).Pixel(39, 29), clBlue);
}

TEST_F(WindowPaintTest, ShrinkingBeforeTheFirstPaintLeavesNothingPendingOutside) {
  const HWND top = Popup({0, 0, 300, 200}, log.Proc());
  const HWND child = MakeChild(top, {10, 10, 330, 130}, SolidPainter(clBlue, &paints));
  SetWindowBounds(child, {10, 10, 50, 40});
  ProcessMessages();
  EXPECT_EQ(paints, 1);
  EXPECT_TRUE(GetUpdateRgn(child).IsEmpty());
}

TEST_F(WindowPaintTest, AnyWindowCanBeSavedAsAPicture) {
  const HWND parent = Popup({0, 0, 120, 80}, SolidPainter(clRed));
  const HWND child = MakeChild(parent, {10, 10, 50, 40}, SolidPainter(clBlue));
  UpdateWindow(parent);
  const Bitmap shot = WindowSnapshot(child);
  EXPECT_EQ(shot.Width(), 40);
  EXPECT_EQ(shot.Pixel(0, 0), clBlue);
  const std::string path = ::testing::TempDir() + "window_paint_snapshot.png";
  SaveWindowPng(parent, path);
  EXPECT_TRUE(FileExists(path));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace platform
