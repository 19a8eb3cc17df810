// File > Save and File > Open through the window and the scripted dialogs.
#include <filesystem>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Png.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using tempfiles::ReadBytes;
using tempfiles::WriteBytes;

const std::string TwoByTwo = "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12\r\n";

class PointFiles : public MainWindow {
 protected:
  void Open(const std::string& path) {
    Backend().AnswerFileDialog(path);
    form->Open->Click();
  }
  void Save(const std::string& path) {
    Backend().AnswerFileDialog(path);
    form->Save1->Click();
  }
};

// Before any drawing the file is emptied; a name without extension gets ".txt".
TEST_F(PointFiles, SaveWritesTheLastDrawnTable) {
  const struct {
    const char* name;
    const char* written;
    bool drawFirst;
    std::string bytes;
  } cases[] = {
      {"empty.txt", "empty.txt", false, ""},
      {"abc", "abc.txt", false, ""},
      {"saved.txt", "saved.txt", true, TwoByTwo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(folder.Path(c.written), "old");
    if (c.drawFirst) {
      SizeTable(2, 2);
      Click(*form->BtnRandom);
      FillTable({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"10", "11", "12"}});
      Click(*form->Gambar);
    }
    Save(folder.Path(c.name));
    EXPECT_EQ(ReadBytes(folder.Path(c.written)), c.bytes);
    const auto& asked = Backend().Dialogs().back().File;
    EXPECT_EQ(asked.Kind, platform::FileDialogKind::Save);
    EXPECT_EQ(asked.DefaultExt, "txt");
  }
}

TEST_F(PointFiles, ACancelledSaveWritesNothing) {
  Backend().AnswerFileDialog(std::nullopt);
  form->Save1->Click();
  EXPECT_EQ(Backend().Dialogs().size(), 1u);
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST_F(PointFiles, ASaveThatCannotCreateItsFileNamesIt) {
  const std::string path = folder.Path("missing-folder/x.txt");
  try {
    Save(path);
    FAIL() << "no error";
  } catch (const framework::Exception& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u)
        << e.what();
  }
}

TEST_F(PointFiles, OpenRightAfterStartFillsTheDisabledTableAndDraws) {
  const std::string path = folder.Path("open.txt");
  WriteBytes(path, TwoByTwo);
  Open(path);
  EXPECT_TRUE(form->LoadedFromFile);
  EXPECT_EQ(form->EdM->Text(), "2");
  EXPECT_EQ(form->EdN->Text(), "2");
  EXPECT_EQ(form->SGInput->RowCount(), 5);
  EXPECT_FALSE(form->SGInput->Enabled());
  EXPECT_TRUE(form->Gambar->Enabled());
  EXPECT_EQ(form->PointCount, 0);
  EXPECT_EQ(form->FileLines, (MatD{"1 2 3", "4 5 6", "7 8 9", "10 11 12"}));
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(form->SGInput->Cells(0, r), std::to_string(r));
  EXPECT_EQ(form->SGInput->Cells(3, 4), "12");
  EXPECT_EQ(Backend().Dialogs().back().File.Filters.size(), 2u);

  Click(*form->Gambar);
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(form->Points[1][1], (std::vector<std::int32_t>{10, 11, 12}));
  EXPECT_EQ(form->ListGrid->Items()->Count(), 5);

  Backend().AnswerFileDialog(std::nullopt);
  form->Save1->Click();
  EXPECT_EQ(Backend().Dialogs().back().File.InitialDir,
            std::filesystem::path(path).parent_path().string())
      << "saving offers the folder of the file opened last";
}

TEST_F(PointFiles, TheRendererDrawsWhatTheToolDraws) {
  const std::string path = folder.Path("render.txt");
  WriteBytes(path,
             "3x2\r\n3 5 0\r\n101 17 40\r\n7 151 60\r\n203 190 0\r\n50 250 99\r\n250 299 9\r\n");
  Open(path);
  Click(*form->Gambar);
  ASSERT_EQ(MessageCount(), 0u);
  const std::string png = folder.Path("render.png");
  ASSERT_EQ(tempfiles::RunProgram(BEZIER_RENDER, path + " " + png, folder.Path("errors")), 0);
  const std::vector<std::uint8_t> drawn = platform::EncodePng(Picture());
  EXPECT_EQ(ReadBytes(png), std::string(drawn.begin(), drawn.end())) << "pixel for pixel";
}

TEST_F(PointFiles, AHeaderOnlyFileSizesTheTableAndChangesNoCell) {
  form->SGInput->SetCells(1, 1, "keep");
  WriteBytes(folder.Path("header.txt"), "3x3\r\n");
  Open(folder.Path("header.txt"));
  EXPECT_EQ(form->EdM->Text(), "3");
  EXPECT_EQ(form->SGInput->RowCount(), 10);
  EXPECT_EQ(form->SGInput->Cells(1, 1), "keep");
  EXPECT_EQ(form->SGInput->Cells(0, 1), "");
}

TEST_F(PointFiles, AnEmptyFileOrACancelOnlyEnablesDrawing) {
  WriteBytes(folder.Path("nothing.txt"), "");
  Open(folder.Path("nothing.txt"));
  EXPECT_TRUE(form->LoadedFromFile);
  EXPECT_TRUE(form->Gambar->Enabled());
  EXPECT_EQ(form->SGInput->RowCount(), 4);

  form->Gambar->SetEnabled(false);
  Backend().AnswerFileDialog(std::nullopt);
  form->Open->Click();
  EXPECT_TRUE(form->Gambar->Enabled());
}

TEST_F(PointFiles, LinesAreSplitAtBlanksAndExtraLinesIgnored) {
  WriteBytes(folder.Path("split.txt"), "2x2\n12 34\r\n1 2 3 4\n\n5  6\nextra 1 1\n");
  Open(folder.Path("split.txt"));
  const auto* grid = form->SGInput;
  EXPECT_EQ(grid->Rows(1), (std::vector<std::string>{"1", "12", "", "34"}));
  EXPECT_EQ(grid->Rows(2), (std::vector<std::string>{"2", "1", "2", "3 4"}));
  EXPECT_EQ(grid->Rows(3), (std::vector<std::string>{"3", "", "", ""}));
  EXPECT_EQ(grid->Rows(4), (std::vector<std::string>{"4", "5", "", "6"}));
  EXPECT_EQ(form->FileLines.size(), 4u);
  EXPECT_EQ(grid->RowCount(), 5);
}

TEST_F(PointFiles, ABadHeaderKeepsTheTextsAndLeavesDrawingDisabled) {
  const std::string path = folder.Path("bad.txt");
  WriteBytes(path, "3x4x5\r\n1 2 3\r\n");
  EXPECT_THROW(Open(path), framework::EConvertError);
  EXPECT_EQ(form->EdM->Text(), "3");
  EXPECT_EQ(form->EdN->Text(), "4x5");
  EXPECT_FALSE(form->Gambar->Enabled());

  WriteBytes(path, "100000x100000\r\n");
  EXPECT_THROW(Open(path), framework::EConvertError);
  EXPECT_EQ(form->SGInput->RowCount(), 4) << "the table stays as it was";
}

}  // namespace
}  // namespace Bezier::testing
