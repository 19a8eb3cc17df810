// The count fields, sizing, typing into the table, completeness, Reset and Randomize.
#include <set>

#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using MessageList = std::vector<std::pair<std::string, std::string>>;

// Leaving n on the way back to m checks it too, so n holds a valid count while m is tried.
TEST_F(MainWindow, CountFieldsAcceptTwoToNine) {
  const struct {
    sEdit::TsEdit* TForm1::*field;
    std::string text, message;
  } cases[] = {
      {&TForm1::EdM, "10", "Nilai Maksimal M < 10"},
      {&TForm1::EdM, "1", "Nilai Minimum M > 1"},
      {&TForm1::EdM, "0", "Nilai Minimum M > 1"},
      {&TForm1::EdM, "-3", "Nilai Minimum M > 1"},
      {&TForm1::EdM, "2", ""},
      {&TForm1::EdM, "9", ""},
      {&TForm1::EdN, "12", "Nilai Maksimal N < 10"},
      {&TForm1::EdN, "1", "Nilai Minimum N > 1"},
  };
  form->EdN->SetText("3");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    sEdit::TsEdit& field = *(form->*c.field);
    const std::size_t before = MessageCount();
    EnterCount(field, c.text);
    if (c.message.empty()) {
      EXPECT_EQ(MessageCount(), before);
      EXPECT_EQ(field.Text(), c.text);
      EXPECT_FALSE(field.Focused());
    } else {
      ASSERT_EQ(MessageCount(), before + 1);
      EXPECT_EQ(Messages().back(), (std::pair<std::string, std::string>{"Error", c.message}));
      EXPECT_EQ(Backend().Dialogs().back().Box.Kind, platform::MessageBoxKind::Error);
      EXPECT_EQ(field.Text(), "") << "cleared";
      EXPECT_TRUE(field.Focused()) << "the focus goes back";
    }
  }
}

TEST_F(MainWindow, ACountThatIsNoIntegerStopsTheExitCheck) {
  form->BtMxN->SetEnabled(false);
  form->EdN->SetText("4");
  EnterCount(*form->EdM, "a");
  EXPECT_EQ(Messages(), (MessageList{{app.Title(), "'a' is not a valid integer value"}}));
  EXPECT_FALSE(form->BtMxN->Enabled()) << "UpdateSizeButton did not run";
}

TEST_F(MainWindow, SizingNumbersTheRowsAndKeepsTheirValues) {
  form->SGInput->SetCells(1, 2, "77");
  SizeTable(3, 4);
  EXPECT_EQ(form->PointCount, 12);
  EXPECT_EQ(form->SGInput->RowCount(), 13);
  for (int r = 1; r <= 12; ++r) EXPECT_EQ(form->SGInput->Cells(0, r), std::to_string(r));
  EXPECT_EQ(form->SGInput->Cells(0, 0), "Titik Kontrol");
  EXPECT_EQ(form->SGInput->Cells(1, 0), "X");
  EXPECT_EQ(form->SGInput->Cells(1, 2), "77");
  ASSERT_EQ(form->Points.size(), 3u);
  EXPECT_EQ(form->Points[2].size(), 4u);
  EXPECT_EQ(form->Points[2][3].size(), 3u);
}

TEST_F(MainWindow, TypingAppendsDigitsOnlyAndBackspaceRemovesOne) {
  SizeTable(2, 2);
  ClickCell(2, 3);
  EXPECT_EQ(form->SelectedCol, 2);
  EXPECT_EQ(form->SelectedRow, 3);
  form->SGInput->SetCells(2, 3, "12");
  session.TypeText("7a-3 .");
  EXPECT_EQ(form->SGInput->Cells(2, 3), "1273");
  session.PressKey(platform::VK_RETURN);
  EXPECT_EQ(form->SGInput->Cells(2, 3), "1273");

  form->SGInput->SetCells(2, 3, "5");
  session.PressKey(platform::VK_BACK);
  EXPECT_EQ(form->SGInput->Cells(2, 3), "");
  session.PressKey(platform::VK_BACK);
  EXPECT_EQ(form->SGInput->Cells(2, 3), "");
}

TEST_F(MainWindow, ADoubleClickEmptiesTheEditedCell) {
  SizeTable(2, 2);
  form->SGInput->SetCells(1, 2, "42");
  ClickCell(1, 2);
  Backend().AdvanceClock(50);
  ClickCell(1, 2);
  EXPECT_EQ(form->SGInput->Cells(1, 2), "");

  form->SGInput->SetCells(1, 2, "42");
  Backend().AdvanceClock(1000);
  ClickCell(1, 0);  // a header cell: the selection and the edited cell stay
  Backend().AdvanceClock(50);
  ClickCell(1, 0);
  EXPECT_EQ(form->SGInput->Cells(1, 2), "");
  EXPECT_EQ(form->SelectedRow, 2);
}

TEST_F(MainWindow, CompletenessCoversRowsUpToThePointCountOnly) {
  SizeTable(2, 2);
  FillTable({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"1", "2", ""}});
  EXPECT_FALSE(form->TableComplete());
  form->SGInput->SetCells(3, 4, "3");
  EXPECT_TRUE(form->TableComplete());
  form->SGInput->SetRowCount(6);
  EXPECT_TRUE(form->TableComplete()) << "row 5 lies beyond PointCount";
}

// Keys pressed while a message is up belong to the message; once it is closed, typing goes on
// in the field that has the focus by then: m again after a range message, n (where Tab went)
// after a conversion error, which ends the exit check before it moves the focus.
TEST_F(MainWindow, AMessageHasTheKeyboardAndTypingGoesOnInTheFieldAfterwards) {
  struct Case {
    std::string typed;
    std::string message;
    sEdit::TsEdit* TForm1::*focused;
  };
  const Case cases[] = {
      {"10", "Nilai Maksimal M < 10", &TForm1::EdM},
      {"x", "'x' is not a valid integer value", &TForm1::EdN},
  };
  for (const Case& c : cases) {
    form->EdN->SetText("");
    Click(*form->EdM);
    form->EdM->SetText("");
    session.TypeText(c.typed);
    Backend().WhileNextDialogOpen([&] {
      session.TypeText("7");
      session.PressKey(platform::VK_RETURN);
    });
    session.PressKey(platform::VK_TAB);
    EXPECT_EQ(Messages().back().second, c.message);
    EXPECT_EQ(form->EdN->Text(), "") << c.typed;
    sEdit::TsEdit& field = *(form->*c.focused);
    EXPECT_TRUE(field.Focused()) << c.typed;
    session.TypeText("5");
    EXPECT_EQ(field.Text(), "5") << c.typed;
  }
}

// The virtual clock stands still during the click, as a coarse clock does between two quick
// reads. Seeds one tick apart give values about 134775813 x 299 / 2^32 = 9.4 apart (mod 299),
// so nine cells in a row are all different.
TEST_F(MainWindow, RandomizeFillsEveryDataCellWithOneTo299FromItsOwnSeed) {
  SizeTable(3, 3);
  Click(*form->BtnRandom);
  for (int c = 1; c <= 3; ++c) {
    std::set<std::string> values;
    for (int r = 1; r <= 9; ++r) {
      const int v = std::stoi(form->SGInput->Cells(c, r));
      EXPECT_TRUE(v >= 1 && v <= 299) << v;
      values.insert(form->SGInput->Cells(c, r));
    }
    EXPECT_EQ(values.size(), 9u) << "column " << c;
  }
  EXPECT_TRUE(form->Gambar->Enabled());
}

TEST_F(MainWindow, ResetEmptiesCellsAndFieldsButKeepsTheRows) {
  SizeTable(2, 3);
  Click(*form->BtnRandom);
  form->Bar->SetProgress(60);
  form->Reset1->Click();
  EXPECT_EQ(form->SGInput->RowCount(), 7);
  for (int r = 1; r <= 6; ++r) {
    EXPECT_EQ(form->SGInput->Cells(0, r), std::to_string(r));
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(form->SGInput->Cells(c, r), "");
  }
  EXPECT_EQ(form->EdM->Text(), "");
  EXPECT_EQ(form->EdN->Text(), "");
  EXPECT_EQ(form->Bar->Progress(), 0);
  EXPECT_TRUE(form->BtMxN->Enabled());
  EXPECT_FALSE(form->BtnRandom->Enabled());
  EXPECT_FALSE(form->Gambar->Enabled());
  EXPECT_TRUE(form->SGInput->Enabled()) << "never disabled again";
  EXPECT_EQ(form->PointCount, 6);
  EXPECT_EQ(MessageCount(), 0u) << "emptying the fields runs no check";
}

TEST_F(MainWindow, ATableTooLargeToHoldIsRefusedAndTheWindowStaysUsable) {
  SizeTable(2, 2);
  form->BtMxN->SetEnabled(true);
  Click(*form->EdM);
  form->EdM->SetText("99999");  // typed, the field not left: no range check
  Click(*form->BtMxN);
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_NE(Messages()[0].second.find("99999"), std::string::npos) << Messages()[0].second;
  EXPECT_EQ(form->PointCount, 4);
  EXPECT_EQ(form->SGInput->RowCount(), 5);
  EXPECT_EQ(form->Points.size(), 2u);

  form->EdM->SetText("20");
  form->EdN->SetText("20");
  Click(*form->BtMxN);
  EXPECT_EQ(form->SGInput->RowCount(), 401);
  EXPECT_EQ(form->SGInput->Cells(0, 400), "400");
}

}  // namespace
}  // namespace Bezier::testing
