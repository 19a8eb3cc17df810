// File > Save and File > Open on a disk that fails: the user is told why, and neither the
// previous file nor the table suffers.
#include <cstring>
#include <functional>
#include <memory>

#include "platform/kernel/FileSystem.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/app/MenuPlaces.h"
#include "tests/support/FailingDisk.h"

namespace Bezier::testing {
namespace {

using testsupport::FailingDisk;
using Call = FailingDisk::Call;

class FailingDiskWindow : public MainWindow {
 protected:
  // The command through the menu, as the user gives it, on the disk given.
  void ChooseOn(platform::FileSystem& disk, const std::string& fileName, menus::TPlace command) {
    Backend().AnswerFileDialog(fileName);
    const platform::ScopedFileSystem failing(disk);
    ChooseMenuItem(command.Bar, command.Item);
  }
};

TEST_F(FailingDiskWindow, ASaveThatFailsSaysWhyAndKeepsThePreviousFile) {
  const std::pair<Call, int> failures[] = {
      {Call::Create, EACCES}, {Call::Write, ENOSPC}, {Call::Write, EIO},
      {Call::Flush, EIO},     {Call::Close, EIO},    {Call::Rename, EACCES},
  };
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  Click(*form->Gambar);
  const std::string path = folder.Path("points.txt");
  for (const auto& [step, error] : failures) {
    SCOPED_TRACE(std::strerror(error));
    tempfiles::WriteBytes(path, "3x3\r\n");
    FailingDisk disk(step, error);
    const std::size_t before = MessageCount();
    ChooseOn(disk, path, menus::Save);
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(Messages().back(),
              std::make_pair(app.Title(), "Cannot create file \"" + path + "\". " +
                                              std::string(std::strerror(error))));
    EXPECT_EQ(tempfiles::ReadBytes(path), "3x3\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
  }
}

struct OpenFailure {
  const char* Case;
  std::function<std::unique_ptr<platform::FileSystem>()> Disk;
  std::string Message;
};

TEST_F(FailingDiskWindow, AnOpenThatFailsWhileReadingSaysWhyAndLeavesTheTableAsItWas) {
  const OpenFailure failures[] = {
      {"gone after it was chosen", [] { return std::make_unique<FailingDisk>(Call::Open, ENOENT); },
       "File not found"},
      {"unreadable", [] { return std::make_unique<FailingDisk>(Call::Read, EIO); },
       "Input/output error"},
      {"shrunk", [] { return std::make_unique<testsupport::ChangingFile>(7); },
       "The file changed while it was read"},
      {"grown", [] { return std::make_unique<testsupport::ChangingFile>(-7); },
       "The file changed while it was read"},
  };
  SizeTable(2, 2);
  FillTable({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"10", "11", "12"}});
  const std::string path = folder.Path("points.txt");
  tempfiles::WriteBytes(path, "3x1\r\n5 5 5\r\n6 6 6\r\n7 7 7\r\n");
  for (const OpenFailure& f : failures) {
    SCOPED_TRACE(f.Case);
    const std::unique_ptr<platform::FileSystem> disk = f.Disk();
    const std::size_t before = MessageCount();
    ChooseOn(*disk, path, menus::Open);
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(Messages().back(), std::make_pair(app.Title(), f.Message));
    EXPECT_EQ(form->EdM->Text(), "2");
    EXPECT_EQ(form->EdN->Text(), "2");
    EXPECT_EQ(form->SGInput->RowCount(), 5);
    EXPECT_EQ(form->SGInput->Cells(3, 4), "12");
    EXPECT_FALSE(form->Gambar->Enabled());
  }
}

}  // namespace
}  // namespace Bezier::testing
