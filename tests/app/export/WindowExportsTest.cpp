// File > "Simpan Gambar..." and the table's Ctrl+C and Ctrl+V in the real main window.
#include <cstring>
#include <optional>

#include "app/export/TableText.h"
#include "platform/kernel/FileSystem.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/app/MenuPlaces.h"
#include "tests/support/FailingDisk.h"

namespace Bezier::testing {
namespace {

using testsupport::FailingDisk;
using Call = FailingDisk::Call;

class WindowExports : public MainWindow {
 protected:
  // A 2 x 2 table of known points, drawn.
  void DrawKnownTable() {
    SizeTable(2, 2);
    Click(*form->BtnRandom);
    FillTable({{"3", "5", "0"}, {"101", "17", "40"}, {"7", "151", "60"}, {"203", "190", "0"}});
    Click(*form->Gambar);
  }
  void SavePicture(const std::optional<std::string>& fileName) {
    Backend().AnswerFileDialog(fileName);
    ChooseMenuItem(menus::SavePicture.Bar, menus::SavePicture.Item);
  }
  void PressCtrl(char letter) {
    platform::InputKey(platform::VK_CONTROL, true);
    session.PressKey(static_cast<std::uint32_t>(letter));
    platform::InputKey(platform::VK_CONTROL, false);
  }
  std::vector<TCellTexts> Rows() {
    std::vector<TCellTexts> rows;
    for (int r = 1; r < form->SGInput->RowCount(); ++r)
      rows.push_back(
          {form->SGInput->Cells(1, r), form->SGInput->Cells(2, r), form->SGInput->Cells(3, r)});
    return rows;
  }
};

TEST_F(WindowExports, SavesTheDrawingAreaAsTheRendererDoes) {
  DrawKnownTable();
  const std::string points = folder.Path("points.txt");
  Backend().AnswerFileDialog(points);
  ChooseMenuItem(menus::Save.Bar, menus::Save.Item);
  const std::string rendered = folder.Path("rendered.png");
  ASSERT_EQ(tempfiles::RunProgram(BEZIER_RENDER, points + " " + rendered, folder.Path("errors")),
            0);

  SavePicture(folder.Path("shown"));  // the extension comes from the dialog
  const DialogRecord& dialog = Backend().Dialogs().back();
  EXPECT_EQ(dialog.File.Title, "Simpan Gambar");
  EXPECT_EQ(dialog.File.DefaultExt, "png");
  EXPECT_EQ(tempfiles::ReadBytes(folder.Path("shown.png")), tempfiles::ReadBytes(rendered));
}

TEST_F(WindowExports, AnExistingPictureIsReplacedOnlyAfterYes) {
  DrawKnownTable();
  const std::string path = folder.Path("old.png");
  tempfiles::WriteBytes(path, "old");
  // "No" shows the dialog again at the same name; cancelling it then writes nothing.
  Backend().AnswerQuestion(false);
  SavePicture(folder.Path("old"));
  const auto& dialogs = Backend().Dialogs();
  ASSERT_EQ(dialogs.size(), 3u);
  EXPECT_TRUE(dialogs[1].IsMessageBox);
  EXPECT_EQ(dialogs[1].Box.Buttons, platform::MessageBoxButtons::YesNo);
  EXPECT_EQ(dialogs[1].Box.Text, "Berkas \"" + path + "\" sudah ada.\nGanti berkas itu?");
  EXPECT_FALSE(dialogs[2].IsMessageBox);
  EXPECT_EQ(dialogs[2].File.FileName, "old.png");
  EXPECT_EQ(tempfiles::ReadBytes(path), "old");

  Backend().AnswerQuestion(true);
  SavePicture(path);
  EXPECT_EQ(tempfiles::ReadBytes(path).substr(1, 3), "PNG");
}

TEST_F(WindowExports, APictureSaveThatFailsSaysWhyAndKeepsThePreviousFile) {
  const std::pair<Call, int> failures[] = {
      {Call::Create, EACCES}, {Call::Write, ENOSPC},  {Call::Flush, EIO},
      {Call::Close, EIO},     {Call::Rename, EACCES},
  };
  DrawKnownTable();
  const std::string path = folder.Path("picture.png");
  for (const auto& [step, error] : failures) {
    SCOPED_TRACE(std::strerror(error));
    tempfiles::WriteBytes(path, "previous");
    Backend().AnswerQuestion(true);
    FailingDisk disk(step, error);
    const platform::ScopedFileSystem failing(disk);
    SavePicture(path);
    EXPECT_EQ(Messages().back(),
              std::make_pair(app.Title(), "Cannot create file \"" + path + "\". " +
                                              std::string(std::strerror(error))));
    EXPECT_EQ(tempfiles::ReadBytes(path), "previous");
    EXPECT_EQ(folder.EntryCount(), 1u);
  }
}

TEST_F(WindowExports, CopiedRowsPasteIntoAnEmptyTableAsTheyWere) {
  SizeTable(3, 2);
  FillTable({{"1", "2", "3"},
             {"-4", "5", "6"},
             {"7", "8", "9"},
             {"10", "11", "12"},
             {"13", "14", "15"},
             {"16", "17", "2147483647"}});
  const std::vector<TCellTexts> filled = Rows();
  ClickCell(2, 3);
  PressCtrl('C');  // a single cell: the whole table
  EXPECT_EQ(Backend().GetClipboardText(), TableText(filled));

  form->SGInput->SetSelection({1, 2, 2, 3});
  PressCtrl('C');  // two rows selected
  EXPECT_EQ(Backend().GetClipboardText(), "-4\t5\t6\n7\t8\t9\n");

  ChooseMenuItem(menus::Reset.Bar, menus::Reset.Item);  // empties the cells
  Backend().SetClipboardText(TableText(filled));
  ClickCell(1, 1);
  const std::vector<TCellTexts> reset = Rows();
  const std::size_t steps = form->TableEdits->History().UndoCount();
  PressCtrl('V');
  EXPECT_EQ(Rows(), filled);
  EXPECT_TRUE(form->Gambar->Enabled());
  // The whole paste is one step: one Ctrl+Z takes it back, one Ctrl+Y brings it again.
  EXPECT_EQ(form->TableEdits->History().UndoCount(), steps + 1);
  PressCtrl('Z');
  EXPECT_EQ(Rows(), reset);
  PressCtrl('Y');
  EXPECT_EQ(Rows(), filled);
}

TEST_F(WindowExports, SpreadsheetTextPastesFromTheSelectedRowOn) {
  SizeTable(2, 2);
  FillTable({{"1", "1", "1"}, {"2", "2", "2"}, {"3", "3", "3"}, {"4", "4", "4"}});
  Backend().SetClipboardText("X\tY\tZ\r\n10\t20\t30\t\r\n40\t50\t60\t\r\n");
  ClickCell(3, 2);
  PressCtrl('V');
  EXPECT_EQ(Rows(), (std::vector<TCellTexts>{
                        {"1", "1", "1"}, {"10", "20", "30"}, {"40", "50", "60"}, {"4", "4", "4"}}));
}

TEST_F(WindowExports, RefusedPastesSayWhyAndChangeNothing) {
  const std::pair<std::string, std::string> refused[] = {
      // From row 3 of 4 there is room for 2 points.
      {"1 2 3\n4 5 6\n7 8 9\n",
       "Papan klip berisi 3 titik, tetapi tabel hanya punya 2 baris dari baris 3"},
      {"1 2 3\n4 5 six\n", "Baris 2 papan klip: \"six\" bukan bilangan bulat"},
      {"", "Papan klip tidak berisi titik untuk ditempel"},
  };
  SizeTable(2, 2);
  FillTable({{"1", "1", "1"}, {"2", "2", "2"}, {"3", "3", "3"}, {"4", "4", "4"}});
  const std::vector<TCellTexts> filled = Rows();
  ClickCell(1, 3);
  const std::size_t steps = form->TableEdits->History().UndoCount();
  for (const auto& [text, message] : refused) {
    SCOPED_TRACE(message);
    Backend().SetClipboardText(text);
    const std::size_t before = MessageCount();
    PressCtrl('V');
    ASSERT_EQ(MessageCount(), before + 1);
    EXPECT_EQ(Messages().back(), std::make_pair(app.Title(), message));
    EXPECT_EQ(Rows(), filled);
    EXPECT_FALSE(form->Gambar->Enabled());
    EXPECT_EQ(form->TableEdits->History().UndoCount(), steps);
  }
}

}  // namespace
}  // namespace Bezier::testing
