// The control-point table: the count fields, sizing, typing into cells, Reset and Randomize.
#include <cstdint>
#include <string>

#include "app/Bezier.h"
#include "framework/forms/MessageBoxes.h"
#include "framework/runtime/Conversions.h"
#include "platform/kernel/Clock.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "styled/suiGrid.h"

namespace Bezier {

using namespace framework;

namespace {

// The runtime's linear congruential generator, re-seeded from the clock before every value.
class TRandom {
 public:
  void Reseed() {
    const std::int64_t counter = platform::QueryPerformanceCounter();
    seed_ = counter != 0 ? static_cast<std::uint32_t>(counter) : platform::GetTickCount();
  }
  // 1 to range inclusive.
  std::int32_t Next(std::uint32_t range) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{seed_} * range) >> 32) + 1;
  }

 private:
  std::uint32_t seed_ = 0;
};

}  // namespace

void TForm1::CheckCountField(sEdit::TsEdit& field, const char* tooLarge, const char* tooSmall) {
  const std::int32_t value = StrToInt(field.Text());
  if (value > 9 || value < 2) {
    MessageDlg(value > 9 ? tooLarge : tooSmall, mtError);
    field.SetText("");
    field.SetFocus();
  }
  UpdateSizeButton();
}

void TForm1::EdMExit(TObject*) {
  CheckCountField(*EdM, "Nilai Maksimal M < 10", "Nilai Minimum M > 1");
}

void TForm1::EdNExit(TObject*) {
  CheckCountField(*EdN, "Nilai Maksimal N < 10", "Nilai Minimum N > 1");
}

void TForm1::UpdateSizeButton() {
  if (!EdM->Text().empty() && !EdN->Text().empty()) BtMxN->SetEnabled(true);
}

void TForm1::BtMxNClick(TObject*) {
  const std::int32_t m = StrToInt(EdM->Text());
  const std::int32_t n = StrToInt(EdN->Text());
  // Counts typed without leaving their field skip the range check; a table the tool cannot
  // hold is refused here before anything changes.
  PointCount = PointCountOf(EdM->Text(), EdN->Text());
  SizePoints(Points, m, n);
  SetTableRows(PointCount + 1);
  for (std::int32_t r = 1; r <= PointCount; ++r) SGInput->SetCells(0, r, std::to_string(r));
  BtMxN->SetEnabled(false);
  SGInput->SetEnabled(true);
  Gambar->SetEnabled(false);
  BtnRandom->SetEnabled(true);
}

void TForm1::SetTableRows(std::int32_t rows) {
  SGInput->SetRowCount(rows);
  if (SelectedRow < rows) return;
  SelectedCol = SGInput->Col();
  SelectedRow = SGInput->Row();
}

std::string TForm1::CellText(int col, std::int32_t row) const {
  return row < SGInput->RowCount() ? SGInput->Cells(col, row) : std::string();
}

void TForm1::SGInputSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
  SelectedCol = ACol;
  SelectedRow = ARow;
  CanSelect = true;
}

void TForm1::SGInputKeyPress(TObject*, char& Key) {
  const std::string text = SGInput->Cells(SelectedCol, SelectedRow);
  if (Key >= '0' && Key <= '9') {
    SGInput->SetCells(SGInput->Col(), SGInput->Row(), text + Key);
  } else if (Key == '\b') {
    if (!text.empty()) SGInput->SetCells(SelectedCol, SelectedRow, text.substr(0, text.size() - 1));
  } else if (Key != '\r') {
    Key = '\0';
  }
}

void TForm1::SGInputDblClick(TObject*) {
  SGInput->SetCells(SelectedCol, SelectedRow, "");
}

bool TForm1::TableComplete() {
  for (std::int32_t r = 1; r <= PointCount; ++r) {
    for (int c = 1; c <= 3; ++c) {
      if (CellText(c, r).empty()) return false;
    }
  }
  return true;
}

void TForm1::Reset1Click(TObject*) {
  for (int c = 1; c < SGInput->ColCount(); ++c) {
    for (int r = 1; r < SGInput->RowCount(); ++r) SGInput->SetCells(c, r, "");
  }
  BtMxN->SetEnabled(true);
  Bar->SetProgress(0);
  EdN->SetText("");
  EdM->SetText("");
  ClearDrawing();
  BtnRandom->SetEnabled(false);
  Gambar->SetEnabled(false);
}

void TForm1::BtnRandomClick(TObject*) {
  TRandom random;
  for (int c = 1; c < SGInput->ColCount(); ++c) {
    for (int r = 1; r < SGInput->RowCount(); ++r) {
      random.Reseed();
      SGInput->SetCells(c, r, std::to_string(random.Next(299)));
    }
  }
  Gambar->SetEnabled(true);
}

}  // namespace Bezier
