#include <gtest/gtest.h>

#include <map>

#include "tests/framework/GridTestSupport.h"

namespace framework {
namespace {

using platform::ColorToRGB;
using platform::TColor;
using platform::TRect;
using testing::GridFixture;

// A point inside a cell, away from its edges and its text.
platform::TPoint Inside(const TRect& r) {
  return {r.Right - 6, r.Bottom - 4};
}

class GridDraw : public ::testing::Test, public GridFixture {
 protected:
  TColor CellColour(const platform::Bitmap& shot, int col, int row) const {
    const platform::TPoint p = Inside(grid->CellRect(col, row));
    return shot.Pixel(p.X, p.Y);
  }
};

TEST_F(GridDraw, FixedNormalSelectedAndFocusedCellsHaveTheClassicColours) {
  grid->SetFixedColor(platform::clSkyBlue);
  grid->SetSelection({1, 1, 2, 2});  // current cell (1, 1)
  grid->SetFocus();
  platform::Bitmap shot = Snapshot();
  EXPECT_EQ(CellColour(shot, 0, 2), ColorToRGB(platform::clSkyBlue));
  EXPECT_EQ(CellColour(shot, 3, 3), ColorToRGB(platform::clWindow));
  EXPECT_EQ(CellColour(shot, 2, 2), ColorToRGB(platform::clHighlight));
  EXPECT_EQ(CellColour(shot, 1, 1), ColorToRGB(platform::clWindow))
      << "the focused cell is not highlighted without goDrawFocusSelected";

  grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
  shot = Snapshot();
  EXPECT_EQ(CellColour(shot, 1, 1), ColorToRGB(platform::clHighlight));

  grid->SetOptions(grid->Options() - TGridOptions{goDrawFocusSelected});
  form->SetFocus();  // the grid loses the focus: its current cell is only selected
  shot = Snapshot();
  EXPECT_FALSE(grid->Focused());
  EXPECT_EQ(CellColour(shot, 1, 1), ColorToRGB(platform::clHighlight));
}

TEST_F(GridDraw, FixedCellsAreRaisedAndLinesHaveTheClassicColours) {
  const platform::Bitmap shot = Snapshot();
  const TRect header = grid->CellRect(1, 0);
  EXPECT_EQ(shot.Pixel(header.Left, header.Top + 5), ColorToRGB(platform::clBtnHighlight));
  EXPECT_EQ(shot.Pixel(header.Right - 1, header.Top + 5), ColorToRGB(platform::clBtnShadow));
  EXPECT_EQ(shot.Pixel(header.Right, header.Top + 5), platform::clBlack) << "fixed line";
  const TRect cell = grid->CellRect(1, 2);
  EXPECT_EQ(shot.Pixel(cell.Right, cell.Top + 5), ColorToRGB(platform::clSilver));
  EXPECT_EQ(shot.Pixel(cell.Left + 5, cell.Bottom), ColorToRGB(platform::clSilver));
  EXPECT_EQ(shot.Pixel(262, 100), ColorToRGB(platform::clWindow)) << "beyond the last column";

  grid->SetCtl3D(false);
  const platform::Bitmap flat = Snapshot();
  EXPECT_EQ(flat.Pixel(header.Left, header.Top + 5), ColorToRGB(platform::clBtnFace));
}

TEST_F(GridDraw, TextStartsTwoPixelsInAndIsClippedToItsCell) {
  grid->SetColor(platform::clWhite);
  grid->SetCells(1, 2, "WWWWWWWWWWWWWWWWWWWWWWWW");
  const platform::Bitmap shot = Snapshot();
  const TRect cell = grid->CellRect(1, 2);
  int inked = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    for (int x = cell.Left; x < cell.Right; ++x) {
      if (shot.Pixel(x, y) == platform::clWhite) continue;
      ++inked;
      EXPECT_GE(x, cell.Left + 2);
      EXPECT_GE(y, cell.Top + 2);
    }
  }
  EXPECT_GT(inked, 20);
  const TRect next = grid->CellRect(2, 2);
  for (int x = next.Left; x < next.Right; ++x)
    ASSERT_EQ(shot.Pixel(x, next.Top + 8), platform::clWhite) << "spilled into the next cell";
}

TEST_F(GridDraw, WithoutDefaultDrawingOnlyTheOwnerPaintsAndKnowsTheStates) {
  std::map<std::pair<int, int>, TGridDrawState> states;
  grid->OnDrawCell = [&](TObject*, int col, int row, TRect rect, TGridDrawState state) {
    states[{col, row}] = state;
    grid->Canvas()->Brush()->SetColor(platform::clRed);
    grid->Canvas()->FillRect(rect);
  };
  grid->SetCells(1, 1, "text");
  grid->SetDefaultDrawing(false);
  grid->SetFocus();
  const platform::Bitmap shot = Snapshot();
  EXPECT_EQ(CellColour(shot, 0, 0), platform::clRed);
  EXPECT_EQ(shot.Pixel(grid->CellRect(1, 1).Left + 4, grid->CellRect(1, 1).Top + 8),
            platform::clRed)
      << "no text without default drawing";
  EXPECT_EQ(grid->CellRect(0, 0).Left, 0);
  EXPECT_EQ(states[std::pair(0, 1)], TGridDrawState{gdFixed});
  EXPECT_EQ(states[std::pair(1, 1)], (TGridDrawState{gdSelected, gdFocused}));
  EXPECT_EQ(states[std::pair(2, 2)], TGridDrawState{});
}

// A subclass that paints its cell backgrounds itself, as a styled grid does.
class TGreenGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;

 protected:
  void DrawCell(int col, int row, TRect rect, TGridDrawState state) override {
    if (!state.Contains(gdFixed)) {
      Canvas()->Brush()->SetColor(platform::clLime);
      Canvas()->FillRect(rect);
    }
    TStringGrid::DrawCell(col, row, rect, state);
  }
};

TEST_F(GridDraw, ASubclassDrawsCellsOverTheDefaultFill) {
  auto* green = Add<TGreenGrid>(form, 8, 16, 265, 241);
  green->SetFixedColor(platform::clNavy);
  platform::UpdateWindow(green->Handle());
  const platform::Bitmap shot = platform::WindowSnapshot(green->Handle());
  const TRect cell = green->CellRect(2, 2);
  const TRect header = green->CellRect(2, 0);
  EXPECT_EQ(shot.Pixel(cell.Left + 10, cell.Top + 10), platform::clLime);
  EXPECT_EQ(shot.Pixel(header.Left + 10, header.Top + 10), platform::clNavy);
}

TEST_F(GridDraw, ASingleBorderIsTheSunkenEdgeOrWithoutCtl3DALine) {
  EXPECT_EQ(grid->ClientWidth(), 265) << "no border";
  grid->SetBorderStyle(bsSingle);
  EXPECT_EQ(grid->ClientWidth(), 261);
  platform::Bitmap shot = Snapshot();
  EXPECT_EQ(shot.Pixel(0, 10), ColorToRGB(platform::clBtnShadow));
  EXPECT_EQ(shot.Pixel(1, 10), ColorToRGB(platform::cl3DDkShadow));
  EXPECT_EQ(shot.Pixel(264, 10), ColorToRGB(platform::clBtnHighlight));
  grid->SetCtl3D(false);
  EXPECT_EQ(grid->ClientWidth(), 263);
  shot = Snapshot();
  EXPECT_EQ(shot.Pixel(0, 10), ColorToRGB(platform::clWindowFrame));
  EXPECT_EQ(shot.Pixel(264, 10), ColorToRGB(platform::clWindowFrame));
}

// The pixels of a cell's top edge that the dotted focus frame turned black.
int FocusDots(const platform::Bitmap& shot, const TRect& cell) {
  int dots = 0;
  for (int x = cell.Left; x < cell.Right; ++x) dots += shot.Pixel(x, cell.Top) == platform::clBlack;
  return dots;
}

TEST_F(GridDraw, AFocusedGridFramesItsCurrentCellWithDots) {
  grid->SetFocus();
  const TRect cell = grid->CellRect(1, 1);
  platform::Bitmap shot = Snapshot();
  EXPECT_EQ(FocusDots(shot, cell), cell.Width() / 2) << "every other pixel";
  EXPECT_NE(shot.Pixel(cell.Left, cell.Top), shot.Pixel(cell.Left + 1, cell.Top));
  int side = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y)
    side += shot.Pixel(cell.Left, y) == platform::clBlack;
  EXPECT_EQ(side, cell.Height() / 2) << "and down the left edge";
  EXPECT_EQ(CellColour(shot, 1, 1), ColorToRGB(platform::clWindow)) << "inside stays clear";

  form->SetFocus();
  EXPECT_EQ(FocusDots(Snapshot(), cell), 0) << "only while the grid has the focus";
  grid->SetFocus();
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  EXPECT_EQ(FocusDots(Snapshot(), cell), 0) << "whole rows show as selected instead";
  grid->SetOptions(grid->Options() - TGridOptions{goRowSelect});
  grid->SetDefaultDrawing(false);
  EXPECT_EQ(FocusDots(Snapshot(), cell), 0) << "the owner draws";
}

}  // namespace
}  // namespace framework
