// Saves that survive a failing disk, and reads that notice a file changing under them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/kernel/FileSystem.h"
#include "platform/kernel/Files.h"
#include "tests/support/FailingDisk.h"

namespace platform {
namespace {

using testsupport::FailingDisk;
using Call = FailingDisk::Call;
using ::testing::Property;
using ::testing::StrEq;

// Matches a callable that throws a FileError with this code and message.
auto FailsWith(int code, const std::string& message) {
  return ::testing::Throws<FileError>(
      AllOf(Property(&FileError::Code, code), Property(&FileError::what, StrEq(message))));
}

class FailingDiskTest : public ::testing::Test {
 protected:
  FailingDiskTest() { std::filesystem::create_directories(dir); }
  ~FailingDiskTest() override { std::filesystem::remove_all(dir); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
  }

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("failing_disk_" + std::to_string(::getpid()));
};

TEST_F(FailingDiskTest, EveryFailedStepOfASaveKeepsThePreviousFileAndLeavesNothingBeside) {
  // Every step of a save, failing in each way a disk fails: full, read-only, broken.
  const Call steps[] = {Call::Create, Call::Write, Call::SetMode,
                        Call::Flush,  Call::Close, Call::Rename};
  const int errors[] = {ENOSPC, EACCES, EIO};
  const std::string path = Path("points.txt");
  for (const Call step : steps) {
    for (const int error : errors) {
      for (const bool previous : {true, false}) {
        // A new file has no mode to keep.
        if (step == Call::SetMode && !previous) continue;
        SCOPED_TRACE(std::string(std::strerror(error)) + " at step " +
                     std::to_string(static_cast<int>(step)) + (previous ? ", replacing" : ""));
        std::filesystem::remove(path);
        if (previous) WriteTextFile(path, "3x3\r\n");
        FailingDisk disk(step, error);
        const ScopedFileSystem failing(disk);
        EXPECT_THAT(
            [&] { WriteTextFile(path, "2x2\r\n1 2 3\r\n"); },
            FailsWith(error, "Cannot create file \"" + path + "\": " + std::strerror(error)));
        EXPECT_EQ(EntryCount(), previous ? 1u : 0u);
        EXPECT_EQ(previous ? ReadTextFile(path) : "", previous ? "3x3\r\n" : "");
      }
    }
  }
}

TEST_F(FailingDiskTest, ShortWritesAreCarriedOn) {
  testsupport::TrickleDisk disk;
  const ScopedFileSystem trickling(disk);
  WriteTextFile(Path("a.txt"), "2x2\r\n1 2 3\r\n");
  EXPECT_EQ(ReadTextFile(Path("a.txt")), "2x2\r\n1 2 3\r\n");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FailingDiskTest, ALinkKeepsPointingAtTheFileThatIsReplaced) {
  WriteTextFile(Path("real.txt"), "old");
  std::filesystem::create_symlink(Path("real.txt"), Path("link.txt"));
  WriteTextFile(Path("link.txt"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.txt")));
  EXPECT_EQ(ReadTextFile(Path("real.txt")), "new");
  EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FailingDiskTest, AFolderInTheWayIsNotTouched) {
  std::filesystem::create_directory(Path("folder.txt"));
  EXPECT_THROW(WriteTextFile(Path("folder.txt"), "x"), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(Path("folder.txt")));
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FailingDiskTest, APipeNeverKeepsTheProgramWaiting) {
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadTextFile(Path("pipe")), "");
  EXPECT_THROW(WriteTextFile(Path("pipe"), "2x2\r\n"), FileError) << "nobody reads it";
  EXPECT_EQ(EntryCount(), 1u);
}

struct ReadFailure {
  const char* Case;
  std::function<std::unique_ptr<FileSystem>()> Disk;
  std::string Message;  // after the file's name
};

TEST_F(FailingDiskTest, AFileThatGoesOrChangesWhileItIsReadIsAnError) {
  const ReadFailure failures[] = {
      {"gone", [] { return std::make_unique<FailingDisk>(Call::Open, ENOENT); },
       "Cannot open file \"%\": No such file or directory"},
      {"broken", [] { return std::make_unique<FailingDisk>(Call::Read, EIO); },
       "Cannot read file \"%\": Input/output error"},
      {"shrunk", [] { return std::make_unique<testsupport::ChangingFile>(5); },
       "Cannot read file \"%\": The file changed while it was read"},
      {"grown", [] { return std::make_unique<testsupport::ChangingFile>(-5); },
       "Cannot read file \"%\": The file changed while it was read"},
  };
  const std::string path = Path("points.txt");
  WriteTextFile(path, "2x2\r\n1 2 3\r\n");
  for (const ReadFailure& f : failures) {
    SCOPED_TRACE(f.Case);
    const std::unique_ptr<FileSystem> disk = f.Disk();
    const ScopedFileSystem failing(*disk);
    std::string message = f.Message;
    message.replace(message.find('%'), 1, path);
    EXPECT_THAT([&] { ReadBinaryFile(path); }, ::testing::ThrowsMessage<FileError>(StrEq(message)));
  }
}

}  // namespace
}  // namespace platform
