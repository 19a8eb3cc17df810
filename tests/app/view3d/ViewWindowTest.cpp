// The 3-D view as a user works it: opened from the menu, following the table, turned by
// keys, picking and dragging control points, moving them by arrows, at any window size.
#include <limits>

#include "framework/runtime/Conversions.h"
#include "platform/window/Input.h"
#include "tests/app/view3d/ViewWindowSupport.h"

namespace Bezier::testing {
namespace {

using platform::TPoint;

// The unit square of side 100 in the plane z = 0.
const std::vector<TVec3> Square{{0, 0, 0}, {100, 0, 0}, {0, 100, 0}, {100, 100, 0}};

// Where a point lies on the panel, before it becomes a pixel.
void ExpectAt(const TViewPanel& panel, int point, double x, double y) {
  const auto at = panel.Camera().Project(panel.Scene().Net.Points[static_cast<std::size_t>(point)]);
  EXPECT_NEAR(at->X, x, 1e-9);
  EXPECT_NEAR(at->Y, y, 1e-9);
}

TEST_F(ViewWindow, FollowsEveryChangeOfTheTable) {
  const platform::Bitmap drawingArea = Snapshot(*form->Panel);
  TViewForm& view = OpenView();
  EXPECT_TRUE(view.Visible());
  EXPECT_EQ(view.Caption(), "Tampilan 3-D");
  const TViewScene& scene = view.Panel().Scene();
  EXPECT_EQ(scene.Net.Hint, "Isi nilai M dan N, lalu tekan \"Nilai (M x N)\"");

  SizeTable(2, 3);
  EXPECT_EQ(scene.Net.Hint, "Baris 1 belum berisi bilangan bulat X, Y dan Z");
  Click(*form->BtnRandom);
  ASSERT_EQ(scene.Net.Hint, "");
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(scene.Net.Points[static_cast<std::size_t>(k)].Z,
              framework::StrToInt(form->SGInput->Cells(3, k + 1)));
  ClickCell(2, 4);
  session.TypeText("7");
  EXPECT_EQ(scene.Net.Points[3].Y, framework::StrToInt(form->SGInput->Cells(2, 4)));
  EXPECT_EQ(static_cast<int>(scene.Net.Points[3].Y) % 10, 7);

  const std::string file = folder.Path("three.txt");
  tempfiles::WriteBytes(file, "3x1\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n");
  Backend().AnswerFileDialog(file);
  form->Open->Click();
  EXPECT_EQ(scene.Net.M, 3);
  EXPECT_EQ(scene.Net.Points[2], (TVec3{7, 8, 9}));

  form->Reset1->Click();
  EXPECT_EQ(scene.Net.Hint, "Isi nilai M dan N, lalu tekan \"Nilai (M x N)\"");
  EXPECT_TRUE(scene.Net.Points.empty());
  Settle(view);
  // Nothing of the view reached the main window's drawing, and nothing was said in a box.
  EXPECT_EQ(Snapshot(*form->Panel), drawingArea);
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(ViewWindow, KeysChooseTheViews) {
  EnterNet(Square);
  TViewPanel& panel = Panel();
  const struct {
    std::uint32_t key;
    TMat3 orientation;
    bool oblique;
  } cases[] = {
      {'1', TCamera::AlongX(), false},
      {'2', TCamera::AlongY(), false},
      {'3', TCamera::AlongZ(), false},
      {'0', TCamera::ObliqueView().Orientation, true},
  };
  for (const auto& c : cases) {
    session.PressKey(c.key);
    EXPECT_EQ(panel.Camera().Oblique, c.oblique) << c.key;
    for (int r = 0; r < 3; ++r)
      EXPECT_EQ(panel.Camera().Orientation.Rows[r], c.orientation.Rows[r]) << c.key;
  }
  // View 0 is the main window's picture: the point (100, 100, 0) at 20 + 100 both ways.
  form->TableEdits->Select(-1);
  Settle(View());
  EXPECT_EQ(panel.Frame().Pixels().Pixel(120, 120), ViewColors.Marker);
  session.PressKey('P');
  EXPECT_EQ(panel.Camera().Projection, TProjection::Perspective);
  EXPECT_TRUE(View().Command("Perspektif")->Checked());
  session.PressKey('S');
  EXPECT_FALSE(panel.Options().Shaded);
  session.PressKey(platform::VK_PRIOR);
  EXPECT_EQ(panel.Options().IsoCount, TViewOptions{}.IsoCount + 1);
}

// Seen along Z, the points (10, 10, 50) and (10, 10, 0) share a marker; the nearer is taken.
TEST_F(ViewWindow, AClickPicksTheNearestPointOrNone) {
  EnterNet({{10, 10, 50}, {10, 10, 0}, {100, 100, 0}, {0, 100, 30}});
  TViewPanel& panel = Panel();
  session.PressKey('3');
  session.Click(MarkerOnScreen(panel, 0));
  EXPECT_EQ(form->TableEdits->Selected(), 2);
  EXPECT_EQ(form->SGInput->Row(), 2);
  session.Click(MarkerOnScreen(panel, 2));
  EXPECT_EQ(form->TableEdits->Selected(), 3);
  Settle(View());
  const TPoint lit = *MarkerPixel(panel.Camera(), panel.Scene().Net.Points[2]);
  EXPECT_EQ(panel.Frame().Pixels().Pixel(lit.X, lit.Y), ViewColors.Selected);
  session.Click(OnPanel(panel, {3, 3}));
  EXPECT_EQ(form->TableEdits->Selected(), -1);
}

// Along Z the square fits 640 x 480 at 220 / 50 = 4.4 pixels a unit, (0, 0, 0) at
// (320 - 220, 240 - 220); a drag of (22, -44) pixels is (5, -10) units.
TEST_F(ViewWindow, DraggingMovesThePointAsOneStep) {
  EnterNet(Square);
  TViewPanel& panel = Panel();
  session.PressKey('3');
  ExpectAt(panel, 0, 100, 20);
  const std::size_t steps = form->TableEdits->History().UndoCount();
  const TPoint from = MarkerOnScreen(panel, 0);
  session.Press(from);
  session.MoveMouse({from.X + 11, from.Y});
  EXPECT_EQ(Row(1), (std::array<std::string, 3>{"2", "0", "0"}));  // 2.5 to even, at once
  EXPECT_EQ(panel.Scene().Net.Points[0].X, 2);
  session.MoveMouse({from.X + 22, from.Y - 44});
  session.Release({from.X + 22, from.Y - 44});
  EXPECT_EQ(Row(1), (std::array<std::string, 3>{"5", "-10", "0"}));
  EXPECT_EQ(form->TableEdits->History().UndoCount(), steps + 1);
  // With Ctrl only the axis nearest the drag moves: (20, 3) is along X.
  platform::InputKey(platform::VK_CONTROL, true);
  Drag(MarkerOnScreen(panel, 3), 22, 3);
  platform::InputKey(platform::VK_CONTROL, false);
  EXPECT_EQ(Row(4), (std::array<std::string, 3>{"105", "100", "0"}));
  session.PressKey(platform::VK_LEFT);
  session.PressKey(platform::VK_UP);
  EXPECT_EQ(Row(4), (std::array<std::string, 3>{"104", "99", "0"}));
  form->TableEdits->Undo();
  form->TableEdits->Undo();
  form->TableEdits->Undo();
  EXPECT_EQ(Row(4), (std::array<std::string, 3>{"100", "100", "0"}));
  form->TableEdits->Undo();
  EXPECT_EQ(Row(1), (std::array<std::string, 3>{"0", "0", "0"}));
  form->TableEdits->Redo();
  EXPECT_EQ(Row(1), (std::array<std::string, 3>{"5", "-10", "0"}));
  EXPECT_EQ(panel.Scene().Net.Points[0], (TVec3{5, -10, 0}));
}

// A drag cut short by closing the view is still one step, and undo works afterwards.
TEST_F(ViewWindow, ClosingTheViewEndsADrag) {
  EnterNet(Square);
  TViewPanel& panel = Panel();
  session.PressKey('3');
  const std::size_t steps = form->TableEdits->History().UndoCount();
  const TPoint from = MarkerOnScreen(panel, 0);
  session.Press(from);
  session.MoveMouse({from.X + 22, from.Y});
  View().Close();
  EXPECT_EQ(form->TableEdits->History().UndoCount(), steps + 1);
  form->TableEdits->Undo();
  EXPECT_EQ(Row(1), (std::array<std::string, 3>{"0", "0", "0"}));
}

// A point near the top of the 32-bit range dragged far right stops at its edge.
TEST_F(ViewWindow, DragsStopAtTheEdgeOfTheIntegerRange) {
  EnterNet({{0, 0, 0}, {2147483600, 0, 0}, {0, 100, 0}, {2147483600, 100, 0}});
  TViewPanel& panel = Panel();
  session.PressKey('3');
  Drag(MarkerOnScreen(panel, 1), 200, 0);
  EXPECT_EQ(Row(2)[0], std::to_string(std::numeric_limits<std::int32_t>::max()));
  session.PressKey(platform::VK_RIGHT);
  EXPECT_EQ(Row(2)[0], std::to_string(std::numeric_limits<std::int32_t>::max()));
}

TEST_F(ViewWindow, TurnsZoomsAndPansByTheMouse) {
  EnterNet(Square);
  TViewPanel& panel = Panel();
  session.PressKey('3');
  Drag(OnPanel(panel, {600, 400}), 50, 0);  // away from every marker: a turn
  EXPECT_NE(panel.Camera().Orientation.Rows[0], TCamera::AlongZ().Rows[0]);
  EXPECT_EQ(form->TableEdits->Selected(), -1);
  session.PressKey('3');
  platform::InputMouseWheel(OnPanel(panel, {100, 20}), platform::WHEEL_DELTA);
  EXPECT_NEAR(panel.Camera().Scale, 4.4 * 1.1, 1e-9);
  ExpectAt(panel, 0, 100, 20);  // zoomed towards it
  session.Press(OnPanel(panel, {300, 300}), platform::MouseButton::Middle);
  session.MoveMouse(OnPanel(panel, {310, 280}));
  session.Release(OnPanel(panel, {310, 280}), platform::MouseButton::Middle);
  ExpectAt(panel, 0, 110, 0);
}

TEST_F(ViewWindow, AnyWindowSizeGivesAPicture) {
  EnterNet(Square);
  TViewForm& view = OpenView();
  for (const auto& [width, height] :
       {std::pair{1, 1}, std::pair{4000, 3000}, std::pair{300, 200}}) {
    view.SetBounds(view.Left(), view.Top(), width, height);
    session.PressKey(platform::VK_HOME);
    Settle(view);
  }
  // The last size was painted whole, and the larger one before it too.
  EXPECT_EQ(view.Panel().Frame().Width(), view.Panel().ClientWidth());
  EXPECT_EQ(view.Panel().Frame().Height(), view.Panel().ClientHeight());
  EXPECT_EQ(view.Panel().ClientWidth(), 300 - (view.Width() - view.ClientWidth()));
}

// Closed and opened again, the view stands where it stood.
TEST_F(ViewWindow, KeepsItsPlaceWhileTheToolRuns) {
  TViewForm& view = OpenView();
  view.SetBounds(200, 150, 500, 400);
  view.Close();
  EXPECT_FALSE(view.Visible());
  ASSERT_TRUE(View3DPlacement().has_value());
  EXPECT_EQ(View3DPlacement()->Bounds, (platform::TRect{200, 150, 700, 550}));
  EXPECT_EQ(&OpenView(), &view);
  EXPECT_EQ(view.BoundsRect(), (platform::TRect{200, 150, 700, 550}));
}

}  // namespace
}  // namespace Bezier::testing
