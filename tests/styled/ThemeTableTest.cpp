// The UI style table and its free functions.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/CustomControl.h"
#include "styled/suiMgr.h"
#include "styled/suiThemeBitmaps.h"
#include "styled/suiThemes.h"
#include "tests/styled/StyledTestSupport.h"

namespace {

using namespace suiThemes;
using platform::TColor;

constexpr auto Flagged = [](TsuiUIStyle s) {
  return static_cast<TsuiUIStyle>(static_cast<std::uint8_t>(s) | 0x80);
};

TEST(ThemeTable, AnswersEachKindOnlyForEntriesOfThatKind) {
  EXPECT_EQ(GetThemeColor(TsuiUIStyle::DeepBlue, 19), 0xA04A44u);
  EXPECT_EQ(GetThemeColor(TsuiUIStyle::DeepBlue, 7), 0u) << "entry 7 is an integer";
  EXPECT_EQ(GetThemeInt(TsuiUIStyle::BlueGlass, 13), 270);
  EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, 8), -2);
  EXPECT_EQ(GetThemeInt(TsuiUIStyle::WinXP, 15), -1) << "entry 15 is a colour";
  EXPECT_TRUE(GetThemeBool(TsuiUIStyle::Protein, 6));
  EXPECT_FALSE(GetThemeBool(TsuiUIStyle::DeepBlue, 6));
  EXPECT_FALSE(GetThemeBool(TsuiUIStyle::MacOS, 13)) << "entry 13 is an integer";
  EXPECT_EQ(GetThemeBitmapName(TsuiUIStyle::Protein, 38), "MORE_SCROLLBUTTON");
  EXPECT_EQ(GetThemeBitmapName(TsuiUIStyle::Protein, 37), "");
}

TEST(ThemeTable, StylesThatAreNotBuiltInReadEveryEntryAsMinusOne) {
  for (const auto style :
       {TsuiUIStyle::FromThemeFile, static_cast<TsuiUIStyle>(6), static_cast<TsuiUIStyle>(127)}) {
    EXPECT_EQ(GetThemeInt(style, 13), -1);
    EXPECT_EQ(GetThemeColor(style, 19), 0u);
    EXPECT_FALSE(GetThemeBool(style, 2));
    EXPECT_EQ(GetThemeBitmapName(style, 1), "");
  }
}

TEST(ThemeTable, ReadsTheStyleModulo128AndIndexesOutsideTheTableAsMissing) {
  EXPECT_EQ(GetThemeColor(Flagged(TsuiUIStyle::DeepBlue), 19), 0xA04A44u);
  EXPECT_EQ(GetThemeInt(Flagged(TsuiUIStyle::BlueGlass), 13), 270);
  EXPECT_TRUE(IsFromThemeFile(Flagged(TsuiUIStyle::FromThemeFile)));
  for (const int index : {0, 43, -1}) {
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, index), -1);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::MacOS, index), 0u);
    EXPECT_EQ(FindThemeEntry(index), nullptr);
  }
}

TEST(ThemeTable, HasFortyTwoEntriesUnderDistinctKeys) {
  std::set<std::string> keys;
  for (int i = 1; i <= ThemeEntryCount; ++i) keys.insert(std::string(FindThemeEntry(i)->Key));
  EXPECT_EQ(keys.size(), 42u);
  EXPECT_EQ(FindThemeEntry(1)->Key, "ButtonImage");
  EXPECT_EQ(FindThemeEntry(42)->Key, "SideChannelBarImage");
  EXPECT_EQ(UIStyleType.Names.size(), 6u);
  EXPECT_EQ(UIStyleType.IndexOf("deepblue"), 3);
}

TEST(UseFileTheme, TakesTheFileOnlyForFromThemeFileWithALoadedTheme) {
  TsuiUIStyle builtIn = TsuiUIStyle::MacOS;
  EXPECT_FALSE(suiMgr::UseFileTheme(nullptr, TsuiUIStyle::WinXP, builtIn));
  EXPECT_EQ(builtIn, TsuiUIStyle::WinXP);
  EXPECT_FALSE(suiMgr::UseFileTheme(nullptr, TsuiUIStyle::FromThemeFile, builtIn));
  EXPECT_EQ(builtIn, TsuiUIStyle::DeepBlue);

  suiFileTheme::TsuiFileTheme unloaded(nullptr);
  EXPECT_FALSE(suiMgr::UseFileTheme(&unloaded, TsuiUIStyle::FromThemeFile, builtIn));
  EXPECT_EQ(builtIn, TsuiUIStyle::DeepBlue);

  suiTesting::TempFolder folder;
  suiTesting::WriteFile(folder.File("one.theme"), suiTesting::OneColourTheme(0x123456));
  suiFileTheme::TsuiFileTheme loaded(nullptr);
  loaded.SetThemeFile(folder.File("one.theme"));
  EXPECT_TRUE(suiMgr::UseFileTheme(&loaded, TsuiUIStyle::FromThemeFile, builtIn));
  EXPECT_FALSE(suiMgr::UseFileTheme(&loaded, TsuiUIStyle::Protein, builtIn));
  EXPECT_EQ(builtIn, TsuiUIStyle::Protein);
}

// A strip whose every column has its own colour.
void FillStrip(framework::TBitmap& strip, int width, int height) {
  strip.SetSize(width, height);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) strip.Data().SetPixel(x, y, static_cast<TColor>(x * 0x010203));
}

// 18 cells of 342 / 18 = 19 pixels: the first from 0, the last from 17 x 19 = 323.
TEST(CutBitmapPiece, CutsTheNthOfCountEquallyWideCells) {
  framework::TBitmap strip;
  FillStrip(strip, 342, 19);
  for (const int piece : {1, 18}) {
    framework::TBitmap cell;
    suiThemeBitmaps::CutBitmapPiece(strip, cell, 18, piece);
    ASSERT_EQ(cell.Width(), 19);
    ASSERT_EQ(cell.Height(), 19);
    for (int y = 0; y < 19; ++y)
      for (int x = 0; x < 19; ++x)
        ASSERT_EQ(cell.Data().Pixel(x, y), strip.Data().Pixel(19 * (piece - 1) + x, y)) << piece;
  }
}

TEST(CutBitmapPiece, RoundsTheCellWidthDownAndCanCutABitmapIntoItself) {
  framework::TBitmap strip;
  framework::TBitmap copy;
  FillStrip(strip, 10, 2);
  FillStrip(copy, 10, 2);
  suiThemeBitmaps::CutBitmapPiece(strip, strip, 3, 3);
  EXPECT_EQ(strip.Width(), 3);
  EXPECT_EQ(strip.Data().Pixel(0, 1), copy.Data().Pixel(6, 1));
}

TEST(CutBitmapPiece, LeavesTheTargetAloneForANonsenseCountOrPiece) {
  framework::TBitmap strip;
  framework::TBitmap cell;
  FillStrip(strip, 40, 4);
  FillStrip(cell, 7, 7);
  for (const auto& [count, piece] : {std::pair{0, 1}, {-2, 1}, {4, 0}, {4, 5}}) {
    suiThemeBitmaps::CutBitmapPiece(strip, cell, count, piece);
    EXPECT_EQ(cell.Width(), 7) << count << " " << piece;
  }
}

// A styled form panel as the kit would have it: only its class name and style matter.
class TsuiForm : public framework::TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  static const framework::TClassInfo& StaticClassInfo() {
    static const framework::TClassInfo info =
        framework::TClassBuilder<TsuiForm, framework::TCustomControl>("TsuiForm")
            .Enum("UIStyle", UIStyleType, &TsuiForm::UIStyle, &TsuiForm::SetUIStyle,
                  framework::NoDefault)
            .Build();
    return info;
  }
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TsuiUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TsuiUIStyle style) { style_ = style; }

 private:
  TsuiUIStyle style_ = TsuiUIStyle::WinXP;
};

class DefaultStyle : public ::testing::Test, public framework::testing::FormFixture {};

// DeepBlue without a form, without a styled form panel, and for an owner that is no form.
TEST_F(DefaultStyle, IsTheStyleOfTheFirstStyledFormPanelOfTheOwningForm) {
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(nullptr), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(form), TsuiUIStyle::DeepBlue);
  Add<framework::testing::TProbePanel>(form, 0, 0);
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(form), TsuiUIStyle::DeepBlue);
  auto* first = Add<TsuiForm>(form, 0, 30);
  Add<TsuiForm>(form, 0, 60)->SetUIStyle(TsuiUIStyle::MacOS);
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(form), TsuiUIStyle::WinXP);
  first->SetUIStyle(TsuiUIStyle::Protein);
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(form), TsuiUIStyle::Protein);
  EXPECT_EQ(suiMgr::GetDefaultUIStyle(first), TsuiUIStyle::DeepBlue);
}

TEST_F(DefaultStyle, NewGridsStartInTheStyleOfTheFormsStyledPanel) {
  Add<TsuiForm>(form, 0, 0)->SetUIStyle(TsuiUIStyle::WinXP);
  auto* grid = Add<suiGrid::TsuiStringGrid>(form, 0, 40, 100, 100);
  EXPECT_EQ(grid->UIStyle(), TsuiUIStyle::WinXP);
  EXPECT_EQ(grid->BGColor(), 0xDEEBEFu);
}

TEST_F(DefaultStyle, DrawControlBorderFramesTheWholeWindowAndOptionallyTheRingInside) {
  auto* panel = Add<framework::testing::TProbePanel>(form, 10, 10, 50, 40);
  panel->SetColor(platform::clWhite);
  platform::UpdateWindow(form->Handle());
  suiMgr::DrawControlBorder(*panel, platform::clRed, platform::clBlue, false);
  platform::Bitmap shot = platform::WindowSnapshot(panel->Handle());
  EXPECT_EQ(shot.Pixel(0, 0), platform::clRed);
  EXPECT_EQ(shot.Pixel(49, 39), platform::clRed);
  EXPECT_EQ(shot.Pixel(1, 1), platform::clWhite);

  suiMgr::DrawControlBorder(*panel, platform::clMenuHighlight, platform::clBlue, true);
  shot = platform::WindowSnapshot(panel->Handle());
  EXPECT_EQ(shot.Pixel(25, 0), platform::ColorToRGB(platform::clMenuHighlight));
  EXPECT_EQ(shot.Pixel(1, 1), platform::clBlue);
  EXPECT_EQ(shot.Pixel(48, 20), platform::clBlue);
  EXPECT_EQ(shot.Pixel(2, 2), platform::clWhite);
}

}  // namespace
