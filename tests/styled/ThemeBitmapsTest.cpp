// The theme bitmaps the program carries: what the generator draws, in the listed sizes.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Resources.h"
#include "resources/Embedded.h"
#include "styled/suiThemeBitmaps.h"
#include "tools/themeart/ThemeArt.h"

namespace {

using suiThemes::TsuiUIStyle;

class ThemeBitmaps : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }
};

TEST_F(ThemeBitmaps, CommittedFilesAreWhatTheGeneratorDrawsNow) {
  const auto drawn = themeart::DrawThemeBitmaps();
  EXPECT_EQ(drawn.size(), 97u);
  for (const themeart::TThemeBitmap& b : drawn) {
    const auto stored = platform::FindResource(b.Name);
    ASSERT_TRUE(stored.has_value()) << b.Name << " is not in resources/theme; run themeart";
    const std::vector<std::uint8_t> bytes(stored->begin(), stored->end());
    EXPECT_EQ(bytes, platform::WriteBmp(b.Pixels)) << b.Name << " differs; run themeart";
  }
}

struct Size {
  int Width, Height;
};

// Sizes by entry, for MacOS, WinXP, DeepBlue, Protein and BlueGlass.
struct Listed {
  int Entry;
  std::array<Size, 5> Sizes;
};

constexpr Listed ListedSizes[] = {
    {1, {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}},
    {3, {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
    {4, {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
    {5, {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}},
    {10, {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}},
    {11, {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}},
    {12, {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}},
    {24, {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}},
    {28, {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}},
    {29, {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}},
    {30, {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}}},
    {32, {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}}},
    {33, {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}},
    {34, {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}},
    {38, {{{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}}},
    {39, {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}},
    {40, {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}},
    {41, {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}}},
    {42, {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}},
};

TEST_F(ThemeBitmaps, EveryBitmapEntryOfEveryStyleLoadsInItsListedSize) {
  int bitmapEntries = 0;
  for (int index = 1; index <= suiThemes::ThemeEntryCount; ++index)
    bitmapEntries += suiThemes::FindThemeEntry(index)->Kind == suiThemes::TThemeKind::Bitmap;
  EXPECT_EQ(bitmapEntries, static_cast<int>(std::size(ListedSizes)));
  for (const Listed& listed : ListedSizes) {
    for (int column = 0; column < 5; ++column) {
      const auto style = static_cast<TsuiUIStyle>(column + 1);
      framework::TBitmap b;
      suiThemeBitmaps::LoadThemeBitmap(style, listed.Entry, b);
      const Size want = listed.Sizes[static_cast<std::size_t>(column)];
      EXPECT_EQ(b.Width(), want.Width) << "entry " << listed.Entry << " style " << column + 1;
      EXPECT_EQ(b.Height(), want.Height) << "entry " << listed.Entry << " style " << column + 1;
    }
  }
  for (const char* name :
       {"MACOS_MENU_BAR", "MACOS_MENU_SELECT", "MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND"})
    EXPECT_TRUE(platform::FindResource(name).has_value()) << name;
}

TEST_F(ThemeBitmaps, PiecesAreCellsOfTheStrip) {
  framework::TBitmap whole;
  framework::TBitmap cell;
  suiThemeBitmaps::LoadThemeBitmap(TsuiUIStyle::DeepBlue, 5, whole);
  suiThemeBitmaps::LoadThemeBitmapPiece(TsuiUIStyle::DeepBlue, 5, cell, 18, 18);
  ASSERT_EQ(cell.Width(), 19);
  ASSERT_EQ(cell.Height(), 19);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 19; ++x) ASSERT_EQ(cell.Data().Pixel(x, y), whole.Data().Pixel(323 + x, y));

  suiThemeBitmaps::LoadThemeBitmapPiece(TsuiUIStyle::WinXP, 1, cell, 0, 0);
  EXPECT_EQ(cell.Width(), 54) << "count 0 loads the whole bitmap";
}

TEST_F(ThemeBitmaps, EntriesThatAreNoBitmapLeaveTheTargetUnchanged) {
  framework::TBitmap target;
  target.SetSize(3, 4);
  suiThemeBitmaps::LoadThemeBitmap(TsuiUIStyle::DeepBlue, 19, target);
  suiThemeBitmaps::LoadThemeBitmap(TsuiUIStyle::FromThemeFile, 1, target);
  suiThemeBitmaps::LoadThemeBitmapPiece(TsuiUIStyle::FromThemeFile, 5, target, 1, 18);
  suiThemeBitmaps::LoadThemeBitmap(TsuiUIStyle::DeepBlue, 43, target);
  EXPECT_EQ(target.Width(), 3);
  EXPECT_EQ(target.Height(), 4);
}

}  // namespace
