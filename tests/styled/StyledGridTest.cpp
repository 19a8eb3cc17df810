// The styled string grid: its colours by style, its painting by cell state and its frame.
#include <gtest/gtest.h>

#include <string>

#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/forms/FrameworkClasses.h"
#include "platform/window/Messages.h"
#include "styled/suiClasses.h"
#include "tests/styled/StyledTestSupport.h"

namespace {

using platform::ColorToRGB;
using platform::TColor;
using suiThemes::TsuiUIStyle;

class StyledGrid : public ::testing::Test, public suiTesting::GridFixture {};

using suiTesting::DeepBlue;
using suiTesting::StyleColours;

TEST_F(StyledGrid, ANewGridOnAPlainFormIsDeepBlueAndFlat) {
  EXPECT_EQ(grid->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(StyleColours(*grid), DeepBlue);
  EXPECT_EQ(grid->FocusedColor(), platform::clLime);
  EXPECT_EQ(grid->SelectedColor(), platform::clYellow);
  EXPECT_EQ(grid->Color(), 0xE8E8E8u);
  EXPECT_EQ(grid->FixedColor(), 0xA04A44u);
  EXPECT_EQ(grid->BorderStyle(), framework::bsNone);
  EXPECT_EQ(grid->BorderWidth(), 1);
  EXPECT_FALSE(grid->Ctl3D());
}

TEST_F(StyledGrid, ANewGridPaintsTheDeepBlueLookWithItsFrame) {
  grid->SetCells(1, 0, "X");
  grid->SetSelection({1, 1, 2, 2});
  grid->SetFocus();
  const platform::Bitmap shot = Snapshot();
  EXPECT_EQ(shot.Pixel(0, 0), platform::clBlack);
  EXPECT_EQ(shot.Pixel(264, 120), platform::clBlack);
  EXPECT_EQ(shot.Pixel(100, 240), platform::clBlack);
  EXPECT_EQ(CellColour(shot, 1, 0), 0xA04A44u);
  EXPECT_EQ(CellColour(shot, 3, 3), 0xE8E8E8u);
  EXPECT_EQ(CellColour(shot, 1, 1), platform::clLime) << "the focused cell of the range";
  EXPECT_EQ(CellColour(shot, 2, 1), platform::clYellow);
  EXPECT_EQ(CellColour(shot, 2, 2), platform::clYellow);
  EXPECT_EQ(shot.Pixel(250, 150), 0xE8E8E8u) << "beyond the last column";
}

// Whether a cell shows ink of a colour other than its background.
bool HasInk(const platform::Bitmap& shot, const platform::TRect& cell, TColor ink) {
  for (int y = cell.Top; y < cell.Bottom; ++y)
    for (int x = cell.Left; x < cell.Right; ++x)
      if (shot.Pixel(x + 1, y + 1) == ink) return true;
  return false;
}

TEST_F(StyledGrid, FixedCellsKeepFixedBGColorAndWriteInFixedFontColor) {
  grid->SetFixedBGColor(platform::clSkyBlue);
  grid->SetFixedFontColor(platform::clRed);
  grid->SetFontColor(platform::clBlue);
  grid->SetCells(0, 1, "WWW");
  grid->SetCells(3, 3, "WWW");
  const platform::Bitmap shot = Snapshot();
  EXPECT_EQ(CellColour(shot, 0, 1), platform::clSkyBlue);
  EXPECT_TRUE(HasInk(shot, grid->CellRect(0, 1), platform::clRed));
  EXPECT_FALSE(HasInk(shot, grid->CellRect(0, 1), platform::clBlue));
  EXPECT_TRUE(HasInk(shot, grid->CellRect(3, 3), platform::clBlue));
  EXPECT_FALSE(HasInk(shot, grid->CellRect(3, 3), platform::clRed));
}

// FromThemeFile without a file theme paints as DeepBlue.
TEST_F(StyledGrid, ChoosingAStyleOverridesColoursSetOneByOne) {
  const std::pair<TsuiUIStyle, suiTesting::TStyleColours> cases[] = {
      {TsuiUIStyle::WinXP, {0x686868, 0xEFD3C6, 0xDEEBEF, 0x000000, 0x000000}},
      {TsuiUIStyle::MacOS, {0x7F7F7F, 0xC47339, 0xE7E7E7, 0xFFFFFF, 0x000000}},
      {TsuiUIStyle::Protein, {0x000000, 0xC4302D, 0xFBFBFB, 0xFFFFFF, 0x000000}},
      {TsuiUIStyle::BlueGlass, {0x000000, 0xEC5E5E, 0xE7E7E7, 0xFFFFFF, 0x000000}},
      {TsuiUIStyle::FromThemeFile, DeepBlue},
  };
  grid->SetBGColor(platform::clRed);
  for (const auto& [style, colours] : cases) {
    grid->SetUIStyle(style);
    EXPECT_EQ(grid->UIStyle(), style);
    EXPECT_EQ(StyleColours(*grid), colours) << static_cast<int>(style);
  }
  EXPECT_EQ(grid->FocusedColor(), platform::clLime) << "not part of any style";
}

TEST_F(StyledGrid, WithDefaultDrawingOffOnlyTheDrawCellEventPaints) {
  int drawn = 0;
  grid->OnDrawCell = [&](framework::TObject*, int, int, platform::TRect,
                         framework::TGridDrawState) { ++drawn; };
  grid->SetDefaultDrawing(false);
  grid->SetFocus();
  const platform::Bitmap shot = Snapshot();
  EXPECT_TRUE(drawn > 0 && drawn % 16 == 0) << drawn << " cells handed to the event";
  EXPECT_NE(CellColour(shot, 1, 1), platform::clLime);
  EXPECT_EQ(shot.Pixel(0, 0), platform::clBlack) << "the frame is drawn all the same";
}

TEST_F(StyledGrid, AnswersTheEraseByPaintingNotByErasing) {
  Snapshot();
  platform::WindowCanvas canvas = platform::GetClientCanvas(grid->Handle());
  canvas->SetBrush({platform::clRed, platform::BrushStyle::Solid});
  canvas->FillRect({0, 0, 263, 239});
  EXPECT_EQ(
      grid->Perform(platform::WM_ERASEBKGND, reinterpret_cast<platform::WPARAM>(&canvas.Get())), 1);
  const platform::Bitmap shot = platform::WindowSnapshot(grid->Handle());
  EXPECT_EQ(CellColour(shot, 3, 3), 0xE8E8E8u);
  EXPECT_EQ(CellColour(shot, 0, 3), 0xA04A44u);
}

TEST_F(StyledGrid, OwnColoursShowAtTheNextPaint) {
  Snapshot();
  grid->SetBorderColor(platform::clRed);
  EXPECT_EQ(Snapshot().Pixel(0, 0), platform::clRed);
  grid->SetSelectedColor(platform::clAqua);
  grid->SetSelection({1, 1, 3, 1});
  grid->SetFocus();
  EXPECT_EQ(CellColour(Snapshot(), 3, 1), platform::clAqua);
}

constexpr const char* Stored = R"(object Form1: TForm
  object SGInput: TsuiStringGrid
    Left = 8
    Top = 216
    Width = 265
    Height = 241
    ColCount = 4
    Ctl3D = True
    RowCount = 4
    UIStyle = DeepBlue
    BGColor = 15263976
    BorderColor = clMenuHighlight
    FocusedColor = clAqua
    SelectedColor = clYellow
    FixedFontColor = clBlack
    FixedBGColor = clSkyBlue
    FontColor = clBlack
  end
end
)";

class StyledGridStreaming : public ::testing::Test, public framework::testing::FormFixture {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses(classes);
    suiClasses::RegisterStyledClasses(classes);
    owner.SetName("Form1");
    framework::ReadDescription(Stored, owner, classes);
  }
  framework::TClassRegistry classes;
  framework::TForm owner{nullptr};
};

TEST_F(StyledGridStreaming, ColoursStoredAfterTheStyleOverrideIt) {
  auto* grid = dynamic_cast<suiGrid::TsuiStringGrid*>(owner.FindComponent("SGInput"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(StyleColours(*grid),
            (suiTesting::TStyleColours{platform::clMenuHighlight, platform::clSkyBlue, 15263976,
                                       platform::clBlack, platform::clBlack}));
  EXPECT_EQ(grid->FocusedColor(), platform::clAqua);
  EXPECT_EQ(grid->SelectedColor(), platform::clYellow);
  EXPECT_FALSE(grid->Ctl3D()) << "a stored Ctl3D leaves the grid flat";
}

TEST_F(StyledGridStreaming, WritesTheStyleAndEveryColourInOrder) {
  const std::string text = framework::WriteDescription(owner);
  std::size_t at = 0;
  for (const char* line :
       {"UIStyle = DeepBlue", "BGColor = 15263976", "BorderColor = clMenuHighlight",
        "FocusedColor = clAqua", "SelectedColor = clYellow", "FixedFontColor = clBlack",
        "FixedBGColor = clSkyBlue", "FontColor = clBlack"}) {
    const std::size_t found = text.find(line, at);
    ASSERT_NE(found, std::string::npos) << line << " in\n" << text;
    at = found;
  }
  EXPECT_EQ(text.find("Ctl3D"), std::string::npos);
}

}  // namespace
