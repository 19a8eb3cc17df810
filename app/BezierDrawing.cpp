// The draw command: gauge, reading the table into the point store, drawing, keeping the picture.
#include <cstdint>
#include <string>

#include "app/Bezier.h"
#include "framework/controls/Image.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/forms/MessageBoxes.h"
#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "platform/kernel/Clock.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "styled/suiGrid.h"

namespace Bezier {

using namespace framework;

platform::Canvas& TForm1::DrawingArea() {
  platform::Canvas* canvas = PaintBox->Canvas()->Handle();
  if (!canvas) throw Exception("Canvas does not allow drawing");
  return *canvas;
}

void TForm1::ClearDrawing() {
  TCanvas& canvas = *PaintBox->Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(PaintBox->ClientRect());
}

void TForm1::GambarClick(TObject*) {
  if (CheckBox->Checked()) ClearDrawing();
  if (!TableComplete()) {
    MessageDlg("Cek Seluruh Input yang harus diisi ... !", mtInformation);
  } else {
    Bar->SetProgress(0);
    for (int step = 0; step < 100; ++step) {
      Bar->SetProgress(Bar->Progress() + 1);
      platform::Sleep(5);
    }
    const std::int32_t m = StrToInt(EdM->Text());
    const std::int32_t n = StrToInt(EdN->Text());
    // The store is sized for the counts as they stand, not only after a file was opened: the
    // counts may have changed since the table was sized, and reading must stay inside it.
    PointCountOf(EdM->Text(), EdN->Text());
    SizePoints(Points, m, n);
    TStringList& lines = *ListGrid->Items();
    lines.Clear();
    lines.Add(EdM->Text() + "x" + EdN->Text());
    std::int32_t r = 1;
    for (std::int32_t a = 0; a < m; ++a) {
      for (std::int32_t b = 0; b < n; ++b, ++r) {
        for (int axis = 0; axis < 3; ++axis) {
          Points[a][b][axis] = StrToInt(CellText(axis + 1, r));
        }
        lines.Add(CellText(1, r) + " " + CellText(2, r) + " " + CellText(3, r));
      }
    }
    DrawSurface(DrawingArea(), m - 1, n - 1, Points);
  }
  BtMxN->SetEnabled(true);
  TCanvas& picture = *Image->Canvas();
  picture.CopyRect(picture.ClipRect(), *PaintBox->Canvas(), PaintBox->Canvas()->ClipRect());
  Image->Show();
  PaintBox->Hide();
  Image->Repaint();
}

}  // namespace Bezier
