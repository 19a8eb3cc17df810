// The control-point table in the DeepBlue style with the colours stored with the window.
#include "tests/app/MainWindowSupport.h"
#include "tests/styled/StyledTestSupport.h"

namespace Bezier::testing {
namespace {

using platform::ColorToRGB;
using platform::TColor;

TEST_F(MainWindow, TheTableHasTheColoursStoredWithTheWindow) {
  const auto& grid = *form->SGInput;
  EXPECT_EQ(grid.UIStyle(), suiThemes::TsuiUIStyle::DeepBlue);
  EXPECT_EQ(suiTesting::StyleColours(grid),
            (suiTesting::TStyleColours{platform::clMenuHighlight, platform::clSkyBlue, 15263976,
                                       platform::clBlack, platform::clBlack}));
  EXPECT_EQ(grid.FocusedColor(), platform::clAqua);
  EXPECT_EQ(grid.SelectedColor(), platform::clYellow);
  EXPECT_FALSE(grid.Ctl3D());
}

TEST_F(MainWindow, TheTablePaintsItsCellsByStateInsideItsFrame) {
  SizeTable(2, 2);
  auto& grid = *form->SGInput;
  grid.SetSelection({1, 1, 2, 2});
  grid.SetFocus();
  const platform::Bitmap shot = Snapshot(grid);
  // A pixel of a cell away from its edges and text; the client area starts at (1, 1).
  auto cell = [&](int col, int row) {
    const platform::TRect r = grid.CellRect(col, row);
    return shot.Pixel(r.Right - 6 + 1, r.Bottom - 4 + 1);
  };

  const TColor frame = ColorToRGB(platform::clMenuHighlight);
  for (const auto& [x, y] :
       {std::pair{0, 0}, {132, 0}, {264, 120}, {264, 240}, {100, 240}, {0, 120}})
    EXPECT_EQ(shot.Pixel(x, y), frame) << x << "," << y;
  EXPECT_EQ(cell(1, 0), platform::clSkyBlue);
  EXPECT_EQ(cell(0, 3), platform::clSkyBlue);
  EXPECT_EQ(cell(1, 1), platform::clAqua) << "the focused cell";
  EXPECT_EQ(cell(2, 1), platform::clYellow);
  EXPECT_EQ(cell(1, 2), platform::clYellow);
  EXPECT_EQ(cell(3, 4), 15263976u);

  // The header "Titik Kontrol" is written in black (grey at its antialiased edges) on the fixed
  // colour: its darkest pixels are neutral and nearly black.
  const platform::TRect header = grid.CellRect(0, 0);
  int dark = 0;
  for (int y = header.Top; y < header.Bottom; ++y) {
    for (int x = header.Left; x < header.Right; ++x) {
      const TColor c = shot.Pixel(x + 1, y + 1);
      const int b = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, r = c & 0xFF;
      if (b < 0x50 && g < 0x50 && r < 0x50) ++dark;
    }
  }
  EXPECT_GT(dark, 10);
}

// After typing the counts the keyboard is in a count field; the wheel over the table
// scrolls it all the same, three rows a notch, and leaves the focus where it was.
TEST_F(MainWindow, TheWheelOverTheTableScrollsItWhereverTheFocusIs) {
  SizeTable(3, 4);
  form->EdN->SetFocus();
  platform::InputMouseWheel(CellCentre(2, 3), -platform::WHEEL_DELTA);
  EXPECT_EQ(form->SGInput->TopRow(), 4);
  platform::InputMouseWheel(CellCentre(2, 3), platform::WHEEL_DELTA);
  EXPECT_EQ(form->SGInput->TopRow(), 1);
  EXPECT_TRUE(form->EdN->Focused());
}

}  // namespace
}  // namespace Bezier::testing
