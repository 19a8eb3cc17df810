#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Error.h"
#include "platform/kernel/Files.h"
#include "platform/kernel/Resources.h"
#include "platform/window/Dialogs.h"

namespace platform {
namespace {

class KernelFilesTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() /
             ("kernel_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(d);
    return d;
  }();
};

TEST_F(KernelFilesTest, TextAndBinaryRoundTrip) {
  WriteTextFile(Path("a.txt"), "line 1\r\nline 2\n");
  EXPECT_EQ(ReadTextFile(Path("a.txt")), "line 1\r\nline 2\n");
  const std::vector<std::uint8_t> bytes{0, 1, 255, 0, 7};
  WriteBinaryFile(Path("b.bin"), bytes);
  EXPECT_EQ(ReadBinaryFile(Path("b.bin")), bytes);
  EXPECT_TRUE(FileExists(Path("b.bin")));
  WriteTextFile(Path("empty"), "");
  EXPECT_EQ(ReadTextFile(Path("empty")), "");
}

TEST_F(KernelFilesTest, FailuresNameTheFileAndTheReason) {
  using ::testing::HasSubstr;
  EXPECT_THAT(
      [&] { ReadTextFile(Path("missing.txt")); },
      ::testing::ThrowsMessage<Error>(AllOf(HasSubstr("missing.txt"), HasSubstr("No such file"))));
  EXPECT_THROW(ReadBinaryFile(dir.string()), Error);
  EXPECT_FALSE(FileExists(dir.string()));
  EXPECT_THROW(WriteTextFile(Path("no/such/folder/x.txt"), "x"), Error);
}

TEST(KernelProgramTest, TheProgramFolderHoldsTheRunningProgram) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(KernelResourcesTest, ResourcesAreFoundByNameInAnyCase) {
  static const std::uint8_t data[] = {1, 2, 3};
  RegisterResource("Bord1", data);
  ASSERT_TRUE(FindResource("BORD1").has_value());
  EXPECT_EQ(FindResource("bord1")->size(), 3u);
  EXPECT_FALSE(FindResource("BORD9").has_value());
  EXPECT_THROW(LoadResource("BORD9"), Error);
}

TEST(DialogNamesTest, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
  EXPECT_EQ(ApplyDefaultExt("/tmp/points", "txt"), "/tmp/points.txt");
  EXPECT_EQ(ApplyDefaultExt("/tmp/points.bak", "txt"), "/tmp/points.bak");
  EXPECT_EQ(ApplyDefaultExt("/tmp/a.dir/points", "txt"), "/tmp/a.dir/points.txt");
  EXPECT_EQ(ApplyDefaultExt("/tmp/points", ""), "/tmp/points");
  EXPECT_EQ(ApplyDefaultExt("", "txt"), "");
}

}  // namespace
}  // namespace platform
