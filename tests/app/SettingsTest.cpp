// The settings file: what it says, what a damaged one gives, where it lies, and writing it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/settings/Settings.h"
#include "platform/kernel/Files.h"
#include "tests/app/SkinSupport.h"
#include "tests/app/TempFolder.h"

namespace {

using namespace Bezier::settings;
using Bezier::testing::ScopedEnv;
using suiThemes::TsuiUIStyle;

TSettings With(TSkinChoice skin, TTableChoice table = {}) {
  return {std::move(skin), std::move(table), {}};
}

TEST(Settings, TextGivesTheChoicesAndAnythingUnreadKeepsItsDefault) {
  TSettings placed;
  // Width 300 and height 200 from left 10, top -20: right 310, bottom 180.
  placed.SetPlacement(View3DWindow, {{10, -20, 310, 180}, platform::WindowState::Maximized});
  struct Case {
    const char* Text;
    TSettings Expected;
  };
  const Case cases[] = {
      {"", {}},
      {"[Skin]\nKind=folder\nFolder=\" /a b/Gelap é \"\n",
       With({TSkinKind::Folder, " /a b/Gelap é "})},
      {"[skin]\nkind=none\nFolder=/x\n", With({TSkinKind::None, {}})},
      {"[Skin]\nKind=folder\n", {}},
      {"[Skin]\nKind=purple\nFolder=/x\n", {}},
      {"[Table]\nKind=style\nStyle=protein\n",
       With({}, {TTableKind::Style, TsuiUIStyle::Protein, {}})},
      {"[Table]\nKind=style\nStyle=FromThemeFile\n", {}},
      {"[Table]\nKind=theme\nTheme=\"/t/a.theme\"\nStyle=MacOS\n",
       With({}, {TTableKind::Theme, suiThemes::DefaultUIStyle, "/t/a.theme"})},
      {"[Table]\nKind=theme\n", {}},
      {"[Window Tampilan3D]\nLeft=10\nTop=-20\nWidth=0x12C\nHeight=200\nState=maximized\n", placed},
      {"[Window A]\nLeft=1\nTop=1\nWidth=0\nHeight=5\n[Window B]\nWidth=-3\nHeight=5\n"
       "[Window C]\nLeft=2147483647\nWidth=5\nHeight=5\n[Window ]\nWidth=5\nHeight=5\n"
       "[Window D] x]\nWidth=5\nHeight=5\n",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const TSettings parsed = ParseSettings(c.Text);
    EXPECT_EQ(parsed, c.Expected);
    EXPECT_EQ(ParseSettings(SettingsText(parsed)), parsed) << SettingsText(parsed);
  }
}

TEST(Settings, AValueThatCannotStandOnOneLineIsNotWritten) {
  const std::string text = SettingsText(With({TSkinKind::Folder, "/a\nb"}));
  EXPECT_EQ(text.find("/a"), std::string::npos) << text;
}

TEST(Settings, PathFollowsXdgConfigHomeThenHome) {
  struct Case {
    std::optional<std::string> Config, Home;
    std::string Expected;
  };
  const Case cases[] = {
      {"/cfg", "/home/u", "/cfg/bezier/settings.ini"},
      {std::nullopt, "/home/u", "/home/u/.config/bezier/settings.ini"},
      {"", "/home/u", "/home/u/.config/bezier/settings.ini"},
      {"relative/cfg", "/home/u", "/home/u/.config/bezier/settings.ini"},
      {std::nullopt, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    ScopedEnv config("XDG_CONFIG_HOME", c.Config);
    ScopedEnv home("HOME", c.Home);
    EXPECT_EQ(SettingsPath(), c.Expected);
  }
}

TEST(Settings, WritingMakesTheFolderAndKeepsWhatReadingGives) {
  Bezier::tempfiles::TempFolder folder;
  const std::string path = folder.Path("deep/er/settings.ini");
  EXPECT_EQ(ReadSettings(path), TSettings{}) << "no file yet";
  const TSettings settings =
      With({TSkinKind::Folder, "/s/Velora Gelap"}, {TTableKind::Style, TsuiUIStyle::WinXP, {}});
  WriteSettings(path, settings);
  EXPECT_EQ(ReadSettings(path), settings);
  EXPECT_EQ(std::filesystem::directory_iterator(folder.Path("deep/er"))->path().filename(),
            "settings.ini")
      << "nothing is left beside it";
  Bezier::tempfiles::WriteBytes(folder.Path("file"), "");
  EXPECT_THROW(WriteSettings(folder.Path("file/settings.ini"), settings), platform::FileError);

  ScopedEnv config("XDG_CONFIG_HOME", folder.Path("cfg"));
  EXPECT_EQ(RememberedPlacement(View3DWindow), std::nullopt) << "no file yet";
  WriteSettings(SettingsPath(), settings);
  EXPECT_EQ(RememberedPlacement(View3DWindow), std::nullopt);
  const TWindowPlacement placement{{5, 6, 105, 206}, platform::WindowState::Normal};
  RememberPlacement(View3DWindow, placement);
  EXPECT_EQ(RememberedPlacement(View3DWindow), placement);
  EXPECT_EQ(ReadSettings(SettingsPath()).Skin, settings.Skin) << "the other settings stay";

  ScopedEnv noConfig("XDG_CONFIG_HOME", std::nullopt), noHome("HOME", std::nullopt);
  EXPECT_NO_THROW(RememberPlacement(View3DWindow, placement)) << "nowhere to keep it";
  EXPECT_EQ(RememberedPlacement(View3DWindow), std::nullopt);
}

}  // namespace
