#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/Metrics.h"

namespace platform {
namespace {

using testing::MakeChild;
using testing::MakeTopLevel;
using testing::MessageLog;
using testing::TitleButton;

class WindowNonClientTest : public ::testing::Test {
 protected:
  int HitAt(HWND h, TPoint windowPoint) {
    const TPoint s = WindowToScreen(h, windowPoint);
    return static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y)));
  }

  MessageLog log;
  HeadlessSession session;
};

TEST_F(WindowNonClientTest, TheClientAreaLeavesRoomForFrameCaptionAndMenuOnlyWhereTheyAre) {
  const HWND h = MakeTopLevel(log.Proc(), {100, 100, 400, 300});
  EXPECT_EQ(GetClientRectInWindow(h), (TRect{4, 23, 296, 196}));
  EXPECT_EQ(ClientToScreen(h, {0, 0}), (TPoint{104, 123}));

  const HMENU bar = CreateMenu();
  AppendMenuItem(bar, CommandItem("&File", 1));
  SetMenu(h, bar);
  EXPECT_EQ(GetClientRectInWindow(h), (TRect{4, 23 + GetSystemMetrics(SM_CYMENU), 296, 196}));

  const HWND child = MakeChild(h, {10, 10, 50, 40}, log.Proc());
  EXPECT_EQ(GetClientRectInWindow(child), (TRect{0, 0, 40, 30}));
  const HWND popup = MakeTopLevel(log.Proc(), {0, 0, 80, 60}, WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetClientRectInWindow(popup), (TRect{0, 0, 80, 60})) << "no border: all client";
}

TEST_F(WindowNonClientTest, CalcSizeAnsweredByTheProcedureDecidesTheClientArea) {
  // The procedure answers and changes nothing: the whole window stays client.
  const HWND h = MakeTopLevel(log.Proc([](HWND, TMessage& m) { return m.Msg == WM_NCCALCSIZE; }));
  EXPECT_EQ(GetClientRectInWindow(h), (TRect{0, 0, 300, 200}));
}

TEST_F(WindowNonClientTest, HitTestingAnswersTheUsualCodes) {
  const HWND h = MakeTopLevel(log.Proc(), {100, 100, 400, 300});
  EXPECT_EQ(HitAt(h, {150, 100}), HTCLIENT);
  EXPECT_EQ(HitAt(h, {150, 12}), HTCAPTION);
  EXPECT_EQ(HitAt(h, {8, 12}), HTSYSMENU);
  // Title buttons 16 wide from the right: frame 4, margin 2, gap 2; points at their middle.
  EXPECT_EQ(HitAt(h, TitleButton({0, 0, 300, 200}, 0)), HTCLOSE);
  EXPECT_EQ(HitAt(h, TitleButton({0, 0, 300, 200}, 1)), HTMAXBUTTON);
  EXPECT_EQ(HitAt(h, TitleButton({0, 0, 300, 200}, 2)), HTMINBUTTON);
  EXPECT_EQ(HitAt(h, {1, 100}), HTLEFT);
  EXPECT_EQ(HitAt(h, {298, 100}), HTRIGHT);
  EXPECT_EQ(HitAt(h, {150, 1}), HTTOP);
  EXPECT_EQ(HitAt(h, {150, 198}), HTBOTTOM);
  EXPECT_EQ(HitAt(h, {1, 1}), HTTOPLEFT);
  EXPECT_EQ(HitAt(h, {298, 198}), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(h, {400, 400}), HTNOWHERE);
}

TEST_F(WindowNonClientTest, HelpButtonMenuBarAndFixedBorders) {
  CreateParams p;
  p.Style = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  p.ExStyle = WS_EX_CONTEXTHELP;
  p.Bounds = {0, 0, 200, 150};
  p.Menu = CreateMenu();
  AppendMenuItem(p.Menu, CommandItem("&Edit", 1));
  const HWND h = CreateWindow(p);
  EXPECT_EQ(HitAt(h, TitleButton({0, 0, 200, 150}, 1)), HTHELP);
  EXPECT_EQ(HitAt(h, {10, 30}), HTMENU);
  EXPECT_EQ(HitAt(h, {1, 100}), HTBORDER);
}

TEST_F(WindowNonClientTest, NonClientClicksCarryTheHitCode) {
  // Handling the press itself keeps the caption from starting a drag.
  MakeTopLevel(log.Proc([](HWND, TMessage& m) { return m.Msg == WM_NCLBUTTONDOWN; }),
               {100, 100, 400, 300});
  session.Click({250, 110});
  const auto* down = log.Last(WM_NCLBUTTONDOWN);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->WParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(GET_X_LPARAM(down->LParam), 250);
  EXPECT_EQ(log.Last(WM_NCLBUTTONUP)->WParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(WindowNonClientTest, AWindowRegionCuttingACornerNeitherPaintsNorIsHitThere) {
  const HWND below = MakeTopLevel(log.Proc(), {0, 0, 500, 500}, WS_POPUP | WS_VISIBLE);
  const HWND h =
      MakeTopLevel(testing::SolidPainter(clRed), {100, 100, 300, 250}, WS_POPUP | WS_VISIBLE);
  Region shape(TRect{0, 0, 200, 150});
  shape.Exclude({0, 0, 20, 20});
  SetWindowRgn(h, shape, true);
  UpdateWindow(h);

  EXPECT_EQ(WindowFromPoint({105, 105}), below);
  EXPECT_EQ(WindowFromPoint({125, 105}), h);
  EXPECT_EQ(WindowSnapshot(h).Pixel(5, 5), clBlack);
  EXPECT_EQ(WindowSnapshot(h).Pixel(25, 5), clRed);
  log.Clear();
  session.Click({105, 105});
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN, below), 1);
  ASSERT_TRUE(session.Backend().Native(h)->Shape.has_value());
  EXPECT_EQ(*session.Backend().Native(h)->Shape, shape);
}

TEST_F(WindowNonClientTest, AChildRegionLetsTheParentShowThrough) {
  const HWND parent =
      MakeTopLevel(testing::SolidPainter(clBlue), {0, 0, 200, 200}, WS_POPUP | WS_VISIBLE);
  const HWND child = MakeChild(parent, {50, 50, 100, 100}, testing::SolidPainter(clLime));
  SetWindowRgn(child, Region(TRect{10, 10, 50, 50}), true);
  UpdateWindow(parent);
  const Bitmap shot = WindowSnapshot(parent);
  EXPECT_EQ(shot.Pixel(55, 55), clBlue);
  EXPECT_EQ(shot.Pixel(65, 65), clLime);
  EXPECT_EQ(WindowFromPoint({55, 55}), parent);
  EXPECT_EQ(WindowFromPoint({65, 65}), child);
}

TEST_F(WindowNonClientTest, TheDefaultFrameShowsTheCaptionInTheActiveColours) {
  const HWND first = MakeTopLevel(log.Proc(), {0, 0, 300, 200});
  ProcessMessages();
  EXPECT_EQ(WindowSnapshot(first).Pixel(150, 6), ColorToRGB(clActiveCaption));
  EXPECT_EQ(WindowSnapshot(first).Pixel(0, 100), ColorToRGB(cl3DLight));
  EXPECT_EQ(WindowSnapshot(first).Pixel(2, 100), ColorToRGB(clBtnFace));

  const HWND second = MakeTopLevel(log.Proc(), {400, 0, 700, 200});
  ProcessMessages();
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(WindowSnapshot(first).Pixel(150, 6), ColorToRGB(clInactiveCaption));
  EXPECT_EQ(testing::ScreenPixel(session, first, {150, 6}), ColorToRGB(clInactiveCaption));
}

TEST_F(WindowNonClientTest, AFramePainterAnsweringNcPaintReplacesTheDefaultDrawing) {
  const HWND h = MakeTopLevel(log.Proc([](HWND w, TMessage& m) {
    if (m.Msg != WM_NCPAINT) return false;
    WindowCanvas canvas = GetWindowCanvas(w);
    canvas->GetBrush().Color = clFuchsia;
    canvas->FillRect({0, 0, 300, 23});
    return true;
  }),
                              {0, 0, 300, 200});
  ProcessMessages();
  EXPECT_EQ(WindowSnapshot(h).Pixel(150, 6), clFuchsia);
  EXPECT_EQ(WindowSnapshot(h).Pixel(150, 100), ColorToRGB(clBtnFace));  // the client erased
}

}  // namespace
}  // namespace platform
