// The draw command through the window: gauge, point store, recorded lines, picture.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The drawing area as a cleared area with rows drawn on it, made without the window.
platform::Bitmap Expected(std::int32_t m, std::int32_t n, const Rows& rows) {
  platform::Bitmap area(503, 455);
  area.Fill(platform::ColorToRGB(platform::clBtnFace));
  platform::Canvas canvas(area);
  MatA points;
  SizePoints(points, m, n);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int axis = 0; axis < 3; ++axis) {
      points[r / n][r % n][axis] = std::stoi(rows[r][axis]);
    }
  }
  DrawSurface(canvas, m - 1, n - 1, points);
  return area;
}

class Drawing : public MainWindow {
 protected:
  void Draw(int m, int n, const Rows& rows) {
    SizeTable(m, n);
    Click(*form->BtnRandom);
    FillTable(rows);
    Click(*form->Gambar);
  }
};

const Rows Quad = {{"0", "0", "0"}, {"100", "0", "0"}, {"0", "80", "0"}, {"120", "90", "0"}};

TEST_F(Drawing, DrawsTheNetAndSurfaceAndKeepsThePicture) {
  const auto presentsBefore = Backend().Native(form->Handle())->Presents;
  Draw(2, 2, Quad);
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(form->Bar->Progress(), 100);
  EXPECT_GE(Backend().Native(form->Handle())->Presents - presentsBefore, 100)
      << "every gauge step is shown";
  EXPECT_TRUE(form->Image->Visible());
  EXPECT_FALSE(form->PaintBox->Visible());
  EXPECT_TRUE(form->BtMxN->Enabled());

  const platform::Bitmap expected = Expected(2, 2, Quad);
  ASSERT_EQ(Picture().Width(), 503);
  ASSERT_EQ(Picture().Height(), 455);
  EXPECT_TRUE(Picture() == expected) << "the picture is the drawn area, pixel for pixel";
  // The net starts at the point (0, 0, 0): blue first pixel, then black on odd columns,
  // where no surface point lands.
  EXPECT_EQ(Picture().Pixel(21, 20), platform::clBlack);
  EXPECT_EQ(AreaPixel(21, 20), platform::clBlack) << "and the screen shows it";
  EXPECT_EQ(form->ListGrid->Items()->Lines(),
            (std::vector<std::string>{"2x2", "0 0 0", "100 0 0", "0 80 0", "120 90 0"}));
  EXPECT_EQ(form->Points[1][1], (std::vector<std::int32_t>{120, 90, 0}));
}

TEST_F(Drawing, WithoutClearCanvasDrawingsAccumulate) {
  Draw(2, 2, Quad);
  Click(*form->CheckBox);
  ASSERT_FALSE(form->CheckBox->Checked());
  const Rows moved = {
      {"200", "200", "0"}, {"300", "200", "0"}, {"200", "300", "0"}, {"300", "300", "0"}};
  form->BtnRandom->SetEnabled(true);
  Click(*form->BtnRandom);
  FillTable(moved);
  Click(*form->Gambar);
  EXPECT_EQ(Picture().Pixel(21, 20), platform::clBlack) << "the first drawing stays";
  EXPECT_EQ(Picture().Pixel(221, 220), platform::clBlack);
}

TEST_F(Drawing, AnIncompleteTableLeavesABlankPictureWhenClearing) {
  Draw(2, 2, Quad);
  SizeTable(2, 2);
  form->SGInput->SetCells(3, 4, "");
  form->Gambar->SetEnabled(true);
  const auto lines = form->ListGrid->Items()->Lines();
  Click(*form->Gambar);
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_EQ(Messages()[0], (std::pair<std::string, std::string>{
                               "Information", "Cek Seluruh Input yang harus diisi ... !"}));
  const platform::TColor face = platform::ColorToRGB(platform::clBtnFace);
  EXPECT_EQ(Picture().Pixel(20, 20), face);
  EXPECT_EQ(AreaPixel(20, 20), face);
  EXPECT_EQ(form->ListGrid->Items()->Lines(), lines) << "the recorded lines stay";
  EXPECT_TRUE(form->BtMxN->Enabled());
}

TEST_F(Drawing, ACellThatIsNoIntegerStopsTheDrawing) {
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  form->SGInput->SetCells(2, 2, "99999999999");
  Click(*form->Gambar);
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_EQ(Messages()[0].second, "'99999999999' is not a valid integer value");
  EXPECT_EQ(form->ListGrid->Items()->Count(), 2) << "the header and the first row";
  EXPECT_FALSE(form->BtMxN->Enabled());
  EXPECT_TRUE(form->PaintBox->Visible()) << "no copy, no switch to the image";
}

TEST_F(Drawing, ResetClearsTheAreaButNotTheKeptPicture) {
  Draw(2, 2, Quad);
  form->Reset1->Click();
  EXPECT_EQ(Picture().Pixel(21, 20), platform::clBlack);
  EXPECT_EQ(AreaPixel(21, 20), platform::ColorToRGB(platform::clBtnFace)) << "the screen is";
  EXPECT_EQ(form->ListGrid->Items()->Count(), 5);
}

TEST_F(Drawing, CountsChangedSinceSizingStayInsideThePointStore) {
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  form->SGInput->SetRowCount(10);
  for (int r = 5; r < 10; ++r) {
    for (int c = 1; c <= 3; ++c) form->SGInput->SetCells(c, r, "5");
  }
  EnterCount(*form->EdM, "3");
  Click(*form->Gambar);
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(form->Points.size(), 3u);
  EXPECT_EQ(form->ListGrid->Items()->Count(), 7);
}

TEST_F(Drawing, RowsPastTheTableCountAsEmptyCells) {
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  EnterCount(*form->EdM, "3");
  Click(*form->Gambar);
  EXPECT_EQ(Messages(), (std::vector<std::pair<std::string, std::string>>{
                            {app.Title(), "'' is not a valid integer value"}}));
  EXPECT_EQ(form->ListGrid->Items()->Count(), 5) << "the header and the rows there are";
}

TEST_F(Drawing, AFileThatShrankTheTableBelowThePointCountLeavesItIncomplete) {
  SizeTable(3, 3);
  Click(*form->BtnRandom);
  tempfiles::WriteBytes(folder.Path("a.txt"), "2x2\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n4 4 4\r\n");
  Backend().AnswerFileDialog(folder.Path("a.txt"));
  form->Open->Click();
  Click(*form->Gambar);
  EXPECT_EQ(Messages(), (std::vector<std::pair<std::string, std::string>>{
                            {"Information", "Cek Seluruh Input yang harus diisi ... !"}}));
}

}  // namespace
}  // namespace Bezier::testing
