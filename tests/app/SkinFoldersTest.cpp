// Where skin folders are looked for, and which are found.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/skins/SkinFolders.h"
#include "platform/kernel/Files.h"
#include "tests/app/SkinSupport.h"
#include "tests/app/TempFolder.h"

namespace {

using namespace Bezier::skins;
using Bezier::testing::MakeSkinFolder;
using Bezier::testing::ScopedEnv;

TEST(SkinFolders, RootsFollowTheXdgDataFolders) {
  // Beside the test program's folder (build/tests/) lies build/share/bezier/skins.
  const std::string beside =
      (std::filesystem::path(platform::ProgramFolder()).parent_path().parent_path() /
       "share/bezier/skins")
          .string();
  struct Case {
    std::optional<std::string> DataHome, DataDirs, Home;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {std::nullopt,
       std::nullopt,
       "/h",
       {"/h/.local/share/bezier/skins", "/usr/local/share/bezier/skins",
        "/usr/share/bezier/skins"}},
      {"/d", "/x:relative:/y/", "/h", {"/d/bezier/skins", "/x/bezier/skins", "/y/bezier/skins"}},
      {"",
       "",
       "/h",
       {"/h/.local/share/bezier/skins", "/usr/local/share/bezier/skins",
        "/usr/share/bezier/skins"}},
      {"rel",
       "only/relative",
       std::nullopt,
       {"/usr/local/share/bezier/skins", "/usr/share/bezier/skins"}},
  };
  for (const Case& c : cases) {
    ScopedEnv dataHome("XDG_DATA_HOME", c.DataHome);
    ScopedEnv dataDirs("XDG_DATA_DIRS", c.DataDirs);
    ScopedEnv home("HOME", c.Home);
    std::vector<std::string> expected = c.Expected;
    expected.push_back(beside);
    EXPECT_EQ(SkinRoots(), expected);
  }
}

TEST(SkinFolders, FoldersWithOptionsAreFoundAndTheFirstRootWinsANameTwice) {
  Bezier::tempfiles::TempFolder temp;
  const std::string user = temp.Path("user");
  const std::string system = temp.Path("system");
  MakeSkinFolder(user + "/Gelap", "");
  MakeSkinFolder(user + "/with space", "");
  MakeSkinFolder(user + "/Ünïcödé", "");
  std::filesystem::create_directories(user + "/no options");
  Bezier::tempfiles::WriteBytes(user + "/Options.dat", "");  // a file among the folders
  MakeSkinFolder(system + "/Gelap", "");
  MakeSkinFolder(system + "/Another", "");
  std::filesystem::create_directories(system + "/link target");
  std::filesystem::create_directory_symlink(user + "/Gelap", system + "/Linked");
  std::filesystem::create_symlink(system + "/gone", system + "/Broken");
  Bezier::tempfiles::WriteBytes(temp.Path("a file"), "");

  const std::vector<TSkinFolder> found = FindSkinFolders(
      {temp.Path("missing"), temp.Path("a file"), temp.Path("a file/below"), user, system});
  // Sorted by their bytes: upper case, then lower case, then the UTF-8 of "Ü".
  const std::vector<TSkinFolder> expected = {{"Gelap", user + "/Gelap"},
                                             {"with space", user + "/with space"},
                                             {"Ünïcödé", user + "/Ünïcödé"},
                                             {"Another", system + "/Another"},
                                             {"Linked", system + "/Linked"}};
  EXPECT_EQ(found, expected);
}

}  // namespace
