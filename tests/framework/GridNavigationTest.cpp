#include <gtest/gtest.h>

#include "framework/graphics/Bitmap.h"
#include "tests/framework/GridTestSupport.h"

namespace framework {
namespace {

using platform::TPoint;
using platform::TRect;
using testing::GridFixture;
using testing::TProbeEdit;

class GridNavigation : public ::testing::Test, public GridFixture {
 protected:
  // The current cell lies wholly inside the area the cells are shown in.
  bool CurrentShows() const {
    const TRect cell = grid->CellRect(grid->Col(), grid->Row());
    return !cell.IsEmpty() && cell.Height() == grid->RowHeights(grid->Row()) &&
           cell.Bottom <= grid->GridArea().Bottom;
  }
  // A screen point inside the vertical scroll bar, at a client offset along it.
  TPoint OnVerticalBar(int y) const {
    const TRect bar = grid->VerticalScrollBar()->Bounds();
    return grid->ClientToScreen({(bar.Left + bar.Right) / 2, y});
  }
};

TEST_F(GridNavigation, ArrowsMoveTheCurrentCellAndStopAtTheEdges) {
  grid->SetFocus();
  session.PressKey(platform::VK_UP);
  session.PressKey(platform::VK_LEFT);
  EXPECT_EQ(Current(), (std::pair{1, 1})) << "the fixed header is never entered";
  session.PressKey(platform::VK_RIGHT);
  session.PressKey(platform::VK_DOWN);
  session.PressKey(platform::VK_DOWN);
  session.PressKey(platform::VK_DOWN);
  session.PressKey(platform::VK_RIGHT);
  session.PressKey(platform::VK_RIGHT);
  EXPECT_EQ(Current(), (std::pair{3, 3}));
  EXPECT_TRUE(grid->Focused()) << "arrows stay in the grid";
  session.PressKey(platform::VK_HOME);
  EXPECT_EQ(Current(), (std::pair{1, 3}));
  session.PressKey(platform::VK_END);
  EXPECT_EQ(Current(), (std::pair{3, 3}));
}

TEST_F(GridNavigation, ACurrentCellInTheBiggestTableIsScrolledIntoView) {
  grid->SetRowCount(82);  // 9 x 9 points and the header
  ASSERT_TRUE(grid->VerticalScrollBar());
  grid->SetFocus();
  const int visible = grid->VisibleRowCount();
  ASSERT_GT(visible, 1);
  ASSERT_LT(visible, 81);

  PressWith(platform::VK_CONTROL, platform::VK_END);
  EXPECT_EQ(Current(), (std::pair{3, 81}));
  EXPECT_EQ(grid->TopRow(), 82 - visible);
  EXPECT_TRUE(CurrentShows());

  PressWith(platform::VK_CONTROL, platform::VK_HOME);
  EXPECT_EQ(Current(), (std::pair{1, 1}));
  EXPECT_EQ(grid->TopRow(), 1);

  session.PressKey(platform::VK_NEXT);
  EXPECT_EQ(grid->Row(), 1 + visible);
  EXPECT_TRUE(CurrentShows());
  session.PressKey(platform::VK_PRIOR);
  EXPECT_EQ(grid->Row(), 1);

  grid->SetRow(40);
  EXPECT_TRUE(CurrentShows());
  const int top = grid->TopRow();
  session.PressKey(platform::VK_UP);
  EXPECT_EQ(grid->TopRow(), top) << "a move inside the view does not scroll";

  grid->SetRowCount(4);
  EXPECT_FALSE(grid->VerticalScrollBar());
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(Current(), (std::pair{1, 3}));
}

TEST_F(GridNavigation, TabMovesThroughTheCellsOnlyWithGoTabs) {
  auto* next = Add<TProbeEdit>(form, 300, 10);
  grid->SetFocus();
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(next->Focused()) << "without goTabs Tab leaves the grid";

  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  grid->SetFocus();
  grid->SetCol(3);
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(Current(), (std::pair{1, 2})) << "on to the next row";
  PressWith(platform::VK_SHIFT, platform::VK_TAB);
  EXPECT_EQ(Current(), (std::pair{3, 1}));
  grid->SetRow(3);
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(Current(), (std::pair{1, 1})) << "round the grid";
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridNavigation, ShiftArrowsExtendTheSelectionFromItsAnchor) {
  grid->SetFocus();
  PressWith(platform::VK_SHIFT, platform::VK_RIGHT);
  PressWith(platform::VK_SHIFT, platform::VK_DOWN);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
  session.PressKey(platform::VK_DOWN);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(GridNavigation, TheScrollBarScrollsByLineByPageAndByDraggingItsThumb) {
  grid->SetRowCount(82);
  const auto bar = grid->VerticalScrollBar();
  ASSERT_TRUE(bar);
  const TRect bounds = bar->Bounds();
  session.Click(OnVerticalBar(bounds.Bottom - 2));  // the down arrow
  EXPECT_EQ(grid->TopRow(), 2);
  session.Advance(1000);
  session.Click(OnVerticalBar(bounds.Top + 2));  // the up arrow
  EXPECT_EQ(grid->TopRow(), 1);
  session.Advance(1000);
  const TRect thumb = bar->ThumbRect();
  session.Click(OnVerticalBar(thumb.Bottom + 2));  // the track below the thumb
  EXPECT_EQ(grid->TopRow(), 1 + grid->VisibleRowCount());
  EXPECT_EQ(Current(), (std::pair{1, 1})) << "scrolling leaves the current cell";

  session.Advance(1000);
  const TRect moved = grid->VerticalScrollBar()->ThumbRect();
  session.Press(OnVerticalBar(moved.Top + 1));
  session.MoveMouse(OnVerticalBar(bounds.Bottom + 50));
  EXPECT_EQ(grid->TopRow(), 82 - grid->VisibleRowCount()) << "dragged to the end";
  session.MoveMouse(OnVerticalBar(bounds.Top - 50));
  session.Release(OnVerticalBar(bounds.Top - 50));
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST(ClientScrollBar, TheThumbShowsTheViewAndMapsBackToPositions) {
  const TClientScrollBar bar(true, {0, 0, 16, 216}, 1, 75, 1, 7);
  const TRect thumb = bar.ThumbRect();
  EXPECT_EQ(thumb.Top, 16) << "right below the up arrow";
  EXPECT_GE(thumb.Height(), 8);
  EXPECT_EQ(bar.HitTest({8, 5}), TClientScrollBar::Part::LineBack);
  EXPECT_EQ(bar.HitTest({8, 210}), TClientScrollBar::Part::LineForward);
  EXPECT_EQ(bar.HitTest({8, thumb.Bottom}), TClientScrollBar::Part::PageForward);
  EXPECT_EQ(bar.HitTest({8, thumb.Top}), TClientScrollBar::Part::Thumb);
  EXPECT_EQ(bar.PositionAt(16), 1);
  EXPECT_EQ(bar.PositionAt(200 - thumb.Height()), 75);
  EXPECT_EQ(bar.PositionAt(10000), 75);

  const TClientScrollBar tiny(true, {0, 0, 16, 20}, 1, 75, 30, 7);
  EXPECT_TRUE(tiny.ThumbRect().IsEmpty()) << "no room for a thumb";
  EXPECT_EQ(tiny.PositionAt(5), 1);
}

TEST(ClientScrollBar, TheTrackIsDitheredAndTheThumbPlain) {
  const TClientScrollBar bar(true, {0, 0, 16, 216}, 1, 75, 1, 7);
  TBitmap bitmap;
  bitmap.SetSize(16, 216);
  bar.Paint(*bitmap.Canvas(), TClientScrollBar::Part::None);
  TCanvas& canvas = *bitmap.Canvas();
  const int track = bar.ThumbRect().Bottom + 10;
  const auto light = platform::ColorToRGB(platform::clBtnHighlight);
  const auto face = platform::ColorToRGB(platform::clScrollBar);
  const auto first = canvas.Pixels(8, track);
  EXPECT_TRUE(first == light || first == face);
  EXPECT_EQ(canvas.Pixels(9, track), first == light ? face : light);
  EXPECT_EQ(canvas.Pixels(9, track + 1), first) << "a checker pattern";
  const int thumb = (bar.ThumbRect().Top + bar.ThumbRect().Bottom) / 2;
  EXPECT_EQ(canvas.Pixels(8, thumb), platform::ColorToRGB(platform::clBtnFace));
  EXPECT_EQ(canvas.Pixels(9, thumb), platform::ColorToRGB(platform::clBtnFace));
}

TEST_F(GridNavigation, TheWheelScrollsThreeRowsANotchAndLeavesTheCurrentCell) {
  grid->SetRowCount(82);
  grid->SetFocus();
  platform::InputMouseWheel(Centre(*grid), -platform::WHEEL_DELTA);
  EXPECT_EQ(grid->TopRow(), 4);
  platform::InputMouseWheel(Centre(*grid), 10 * platform::WHEEL_DELTA);
  EXPECT_EQ(grid->TopRow(), 1) << "stops at the first row that is not fixed";
  EXPECT_EQ(Current(), (std::pair{1, 1}));
}

TEST_F(GridNavigation, AHeldTrackPagesUntilTheThumbReachesThePointer) {
  grid->SetRowCount(82);
  const TRect bounds = grid->VerticalScrollBar()->Bounds();
  const int y = (bounds.Top + bounds.Bottom) / 2;
  session.Press(OnVerticalBar(y));
  EXPECT_EQ(grid->TopRow(), 1 + grid->VisibleRowCount());
  session.Advance(TCustomGrid::RepeatDelayMs);
  for (int i = 0; i < 100; ++i) session.Advance(TCustomGrid::RepeatIntervalMs);
  const TRect thumb = grid->VerticalScrollBar()->ThumbRect();
  EXPECT_TRUE(thumb.Top <= y && y < thumb.Bottom) << "stopped under the pointer";
  EXPECT_LT(grid->TopRow(), 82 - grid->VisibleRowCount());
  session.Release(OnVerticalBar(y));
}

}  // namespace
}  // namespace framework
