// The main window as stored, start-up, enabling rules, About and Close.
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using MessageList = std::vector<std::pair<std::string, std::string>>;

TEST_F(MainWindow, IsBuiltAsStored) {
  EXPECT_EQ(form->Caption(), "Bezier");
  EXPECT_EQ(form->ClientWidth(), 789);
  EXPECT_EQ(form->ClientHeight(), 495);
  EXPECT_EQ(form->Left(), 272);
  EXPECT_EQ(form->Top(), 108);
  EXPECT_EQ(form->BorderStyle(), framework::bsSingle);
  EXPECT_TRUE(form->BorderIcons().Empty());
  EXPECT_EQ(form->Font()->Height(), -11);
  EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");

  EXPECT_EQ(form->EdM->BoundsRect(), (platform::TRect{120, 24, 241, 45}));
  EXPECT_EQ(form->EdN->BoundsRect(), (platform::TRect{120, 16, 241, 37}));
  EXPECT_EQ(form->SGInput->BoundsRect(), (platform::TRect{8, 216, 273, 457}));
  EXPECT_EQ(form->PaintBox->BoundsRect(), (platform::TRect{1, 1, 504, 456}));
  EXPECT_EQ(form->Image->BoundsRect(), (platform::TRect{1, 1, 504, 456}));
  EXPECT_EQ(form->Bar->BoundsRect(), (platform::TRect{280, 472, 785, 489}));
  EXPECT_EQ(form->Gambar->BoundsRect(), (platform::TRect{184, 464, 268, 486}));
  EXPECT_EQ(form->SGInput->ColCount(), 4);
  EXPECT_EQ(form->SGInput->RowCount(), 4);
  EXPECT_FALSE(form->ListGrid->Visible());
  EXPECT_TRUE(form->CheckBox->Checked());
  EXPECT_EQ(form->CheckBox->Caption(), "ClearCanvas");
  EXPECT_EQ(form->Bar->Progress(), 0);
  EXPECT_EQ(form->OpenDialog->Filter(), "*.txt|*.txt|*.bak|*.BAK");
  EXPECT_EQ(form->SaveDialog->DefaultExt(), "txt");
  EXPECT_EQ(form->Menu(), form->MainMenu);
  EXPECT_EQ(form->MainMenu->Items()->Count(), 4);  // File, Tabel, Tampilan, About
  EXPECT_EQ(form->Image2->Caption(), "Tabel");
}

TEST_F(MainWindow, StartsWithOnlyTheSizeButtonEnabled) {
  EXPECT_TRUE(form->BtMxN->Enabled());
  EXPECT_FALSE(form->SGInput->Enabled());
  EXPECT_FALSE(form->Gambar->Enabled());
  EXPECT_FALSE(form->BtnRandom->Enabled());
  EXPECT_FALSE(form->LoadedFromFile);
  EXPECT_EQ(form->SGInput->Cells(0, 0), "Titik Kontrol");
  EXPECT_EQ(form->SGInput->Cells(3, 0), "Z");
  EXPECT_EQ(form->EdM->Hint(), "Masukan Nilai M = 1<m<10");
  EXPECT_TRUE(form->EdN->ShowHint());
  EXPECT_EQ(form->SelectedCol, 1);
  EXPECT_EQ(form->SelectedRow, 1);
  EXPECT_TRUE(form->EdM->Focused()) << "the first field takes the typing at once";
}

TEST_F(MainWindow, AboutShowsItsTextInACustomBox) {
  form->About2->Click();
  ASSERT_EQ(Backend().Dialogs().size(), 1u);
  const auto& box = Backend().Dialogs()[0].Box;
  EXPECT_EQ(box.Kind, platform::MessageBoxKind::Custom);
  EXPECT_EQ(box.Caption, app.Title());
  EXPECT_EQ(box.Text.size(), 100u);
  EXPECT_EQ(box.Text,
            "Bezier Surface curve !\r\rDibuat Untuk Menyelesaikan Tugas Akhir Teknik "
            "Informatika\rBandung,Indonesia.");
}

TEST_F(MainWindow, CloseEndsTheApplication) {
  form->Tutup1->Click();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(MainWindow, ASpeedButtonClickLeavesTheFocusAndSkipsTheExitCheck) {
  Click(*form->EdM);
  session.TypeText("12");
  Click(*form->BtMxN);
  EXPECT_TRUE(form->EdM->Focused());
  // No range message, since the field was not left; n is empty, so sizing stops at its
  // conversion error, shown by the application.
  EXPECT_EQ(Messages(), (MessageList{{app.Title(), "'' is not a valid integer value"}}));
}

TEST_F(MainWindow, AHandFilledTableDrawsOnlyAfterRandomizeOrOpen) {
  SizeTable(2, 2);
  EXPECT_FALSE(form->Gambar->Enabled());
  EXPECT_TRUE(form->SGInput->Enabled());
  EXPECT_TRUE(form->BtnRandom->Enabled());
  EXPECT_FALSE(form->BtMxN->Enabled());
  FillTable({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"1", "1", "1"}});
  Click(*form->Gambar);
  EXPECT_TRUE(form->ListGrid->Items()->Lines().empty()) << "disabled: nothing drawn";
  Click(*form->BtnRandom);
  EXPECT_TRUE(form->Gambar->Enabled());
}

TEST_F(MainWindow, ASecondSizingNeedsDrawingResetOrBothFieldsLeft) {
  SizeTable(2, 2);
  EXPECT_FALSE(form->BtMxN->Enabled());
  EnterCount(*form->EdM, "3");
  EXPECT_TRUE(form->BtMxN->Enabled()) << "both fields non-empty when m was left";

  Click(*form->BtMxN);
  EXPECT_FALSE(form->BtMxN->Enabled());
  form->Reset1->Click();
  EXPECT_TRUE(form->BtMxN->Enabled());

  form->BtMxN->SetEnabled(false);
  Click(*form->Gambar);  // disabled by Reset: no effect
  EXPECT_FALSE(form->BtMxN->Enabled());
  form->Gambar->SetEnabled(true);
  Click(*form->Gambar);
  EXPECT_TRUE(form->BtMxN->Enabled()) << "after the incomplete-table message";
}

}  // namespace
}  // namespace Bezier::testing
