// The file theme component: loading, fallbacks, and the styled controls that use it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Files.h"
#include "resources/Embedded.h"
#include "styled/suiFileTheme.h"
#include "tests/styled/StyledTestSupport.h"

namespace {

using namespace suiThemeFileWriter;
using suiFileTheme::TsuiFileTheme;
using suiThemes::TsuiUIStyle;
using Bytes = std::vector<std::uint8_t>;

class FileTheme : public ::testing::Test, public suiTesting::GridFixture {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = folder.File(name);
    suiTesting::WriteFile(path, bytes);
    return path;
  }

  suiTesting::TempFolder folder;
  TsuiFileTheme* theme = new TsuiFileTheme(form);
};

TEST_F(FileTheme, AnswersZeroAndFalseBeforeAnyFileIsRead) {
  EXPECT_FALSE(theme->ThemeLoaded());
  EXPECT_EQ(theme->GetColor(25), 0u);
  EXPECT_EQ(theme->GetInt(13), 0);
  EXPECT_FALSE(theme->GetBool(2));
  framework::TBitmap target;
  target.SetSize(2, 2);
  theme->GetBitmap(1, target);
  EXPECT_EQ(target.Width(), 2);
}

TEST_F(FileTheme, ReadsEntriesUnderTheirKeysWithFallbacksForMissingOnes) {
  platform::Bitmap strip(30, 5);
  strip.FillRect({10, 0, 20, 5}, platform::clRed);
  theme->SetThemeFile(
      Write("t.theme", WriteThemeFile({IntegerEntry("formminwidthint", 99),
                                       IntegerEntry("ControlBorderColor", 0x123456),
                                       BooleanEntry("ButtonTransparentBool", true),
                                       BinaryEntry("ButtonImage", platform::WriteBmp(strip))})));
  ASSERT_TRUE(theme->ThemeLoaded());
  EXPECT_EQ(theme->GetInt(13), 99);
  EXPECT_EQ(theme->GetColor(25), 0x123456u);
  EXPECT_TRUE(theme->GetBool(2));
  EXPECT_EQ(theme->GetColor(26), 0xFFFFFFFFu) << "missing: -1";
  EXPECT_EQ(theme->GetInt(14), -1);
  EXPECT_FALSE(theme->GetBool(6));
  EXPECT_EQ(theme->GetInt(0), -1) << "no entry 0";

  framework::TBitmap target;
  theme->GetBitmap(1, target);
  EXPECT_EQ(target.Width(), 30);
  theme->GetBitmapPiece(1, target, 2, 3);
  EXPECT_EQ(target.Width(), 10);
  EXPECT_EQ(target.Data().Pixel(5, 2), platform::clRed);

  target.SetSize(4, 4);
  theme->GetBitmap(3, target);
  theme->GetBitmapPiece(5, target, 1, 18);
  EXPECT_EQ(target.Width(), 4) << "a missing bitmap key leaves the target unchanged";
}

TEST_F(FileTheme, AStoredBitmapThatIsNoBitmapIsAClearError) {
  theme->SetThemeFile(Write("t.theme", WriteThemeFile({BinaryEntry("ButtonImage", {1, 2, 3})})));
  framework::TBitmap target;
  EXPECT_THROW(theme->GetBitmap(1, target), framework::Exception);
}

TEST_F(FileTheme, AFileWhoseChainEndsAtOnceGivesMinusOneForEveryColour) {
  theme->SetThemeFile(Write("empty.theme", WriteThemeFile({})));
  EXPECT_TRUE(theme->ThemeLoaded());
  for (int index = 1; index <= 42; ++index) EXPECT_EQ(theme->GetInt(index), -1);
  EXPECT_EQ(theme->GetColor(15), 0xFFFFFFFFu);
}

// The same name again (its file since rewritten), a name with no file and a damaged file all
// leave the theme read before in force.
TEST_F(FileTheme, ThePreviousThemeStaysUnlessANewFileIsRead) {
  const std::string path = Write("t.theme", suiTesting::OneColourTheme(0x111111));
  theme->SetThemeFile(path);
  Write("t.theme", suiTesting::OneColourTheme(0x222222));
  Bytes damaged = suiTesting::OneColourTheme(0x222222);
  suiTesting::PutU32(damaged, 12, 25);
  const std::pair<std::string, bool> cases[] = {
      {path, false},
      {folder.File("missing-bezier-theme.theme"), false},
      {Write("bad.theme", damaged), true},
  };
  for (const auto& [name, damagedFile] : cases) {
    if (damagedFile) {
      EXPECT_THROW(theme->SetThemeFile(name), framework::EReadError);
    } else {
      theme->SetThemeFile(name);
    }
    EXPECT_EQ(theme->ThemeFile(), path) << name;
    EXPECT_TRUE(theme->ThemeLoaded()) << name;
    EXPECT_EQ(theme->GetColor(25), 0x111111u) << name;
  }
}

TEST_F(FileTheme, FallsBackToTheFileOfThatNameInTheProgramsFolder) {
  const std::string name =
      std::string("bezier-styled-test-") + std::to_string(::getpid()) + ".theme";
  const std::string beside = platform::ProgramFolder() + name;
  suiTesting::WriteFile(beside, suiTesting::OneColourTheme(0x333333));
  theme->SetThemeFile(folder.File("nowhere\\" + name));
  std::filesystem::remove(beside);
  EXPECT_EQ(theme->ThemeFile(), beside);
  EXPECT_EQ(theme->GetColor(25), 0x333333u);
}

TEST_F(FileTheme, FromThemeFileTakesTheGridsColoursFromTheFile) {
  theme->SetThemeFile(Write("t.theme", suiTesting::OneColourTheme(0x445566)));
  grid->SetFileTheme(theme);
  EXPECT_EQ(grid->BGColor(), 0xE8E8E8u) << "DeepBlue ignores the file theme";
  grid->SetUIStyle(TsuiUIStyle::FromThemeFile);
  EXPECT_EQ(suiTesting::StyleColours(*grid),
            (suiTesting::TStyleColours{0x445566, 0x445566, 0x445566, 0x445566, 0x445566}));
  EXPECT_EQ(CellColour(Snapshot(), 3, 3), 0x445566u);
}

TEST_F(FileTheme, ABuiltInStyleWrittenToAFileRestylesAGrid) {
  resources::RegisterEmbeddedResources();
  theme->SetThemeFile(Write("xp.theme", WriteThemeFile(BuiltInThemeEntries(TsuiUIStyle::WinXP))));
  grid->SetUIStyle(TsuiUIStyle::FromThemeFile);
  grid->SetFileTheme(theme);
  EXPECT_EQ(suiTesting::StyleColours(*grid),
            (suiTesting::TStyleColours{0x686868, 0xEFD3C6, 0xDEEBEF, 0x000000, 0x000000}));
  framework::TBitmap cell;
  theme->GetBitmapPiece(5, cell, 1, 18);
  EXPECT_EQ(cell.Width(), 21);
}

TEST_F(FileTheme, ANewFileRestylesTheStyledControlsOfTheOwningFormThatReferToIt) {
  auto* other = Add<suiGrid::TsuiStringGrid>(form, 300, 16, 50, 50);
  auto* unrelated = Add<suiGrid::TsuiStringGrid>(form, 300, 80, 50, 50);
  for (auto* g : {grid, other, unrelated}) g->SetUIStyle(TsuiUIStyle::FromThemeFile);
  grid->SetFileTheme(theme);
  other->SetFileTheme(theme);
  theme->SetThemeFile(Write("t.theme", suiTesting::OneColourTheme(0x010203)));
  EXPECT_EQ(grid->BGColor(), 0x010203u);
  EXPECT_EQ(other->BGColor(), 0x010203u);
  EXPECT_EQ(unrelated->BGColor(), 0xE8E8E8u);
}

TEST_F(FileTheme, RemovingTheFileThemeReturnsTheGridToDeepBlue) {
  theme->SetThemeFile(Write("t.theme", suiTesting::OneColourTheme(0x010203)));
  grid->SetUIStyle(TsuiUIStyle::FromThemeFile);
  grid->SetFileTheme(theme);
  delete theme;
  theme = nullptr;
  EXPECT_EQ(grid->FileTheme(), nullptr);
  EXPECT_EQ(grid->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(grid->BGColor(), 0xE8E8E8u);
}

TEST_F(FileTheme, AFileThemeOfAnotherOwnerIsForgottenWhenFreed) {
  auto outside = std::make_unique<TsuiFileTheme>(nullptr);
  grid->SetUIStyle(TsuiUIStyle::WinXP);
  grid->SetFileTheme(outside.get());
  outside.reset();
  EXPECT_EQ(grid->FileTheme(), nullptr);
  EXPECT_EQ(grid->UIStyle(), TsuiUIStyle::DeepBlue);
}

}  // namespace
