// File > Open and File > Save: point-table text files.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Bezier.h"
#include "framework/controls/ListBox.h"
#include "framework/forms/FileDialogs.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/TextFile.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"

namespace Bezier {

using namespace framework;

void TForm1::Save1Click(TObject*) {
  if (!SaveDialog->Execute()) return;
  SavePointFile(SaveDialog->FileName(), ListGrid->Items()->Lines());
}

void TForm1::OpenClick(TObject*) {
  LoadedFromFile = true;
  if (OpenDialog->Execute() && FileExists(OpenDialog->FileName())) {
    const std::vector<std::string> lines = ReadTextFileLines(OpenDialog->FileName());
    if (!lines.empty()) {
      const THeaderTexts header = SplitHeader(lines.front());
      EdM->SetText(header.M);
      EdN->SetText(header.N);
      const std::int32_t count = PointCountOf(EdM->Text(), EdN->Text());
      // Point lines past m x n have no row to go to; they are left out.
      FileLines.assign(lines.begin() + 1,
                       lines.begin() + 1 + std::min<std::ptrdiff_t>(count, lines.size() - 1));
      FileLines.resize(static_cast<std::size_t>(count));
      SetTableRows(count + 1);
      const auto read = static_cast<std::int32_t>(std::min<std::size_t>(count, lines.size() - 1));
      for (std::int32_t k = 0; k < read; ++k) {
        const TPointTexts point = SplitPointLine(FileLines[static_cast<std::size_t>(k)]);
        SGInput->SetCells(0, k + 1, std::to_string(k + 1));
        SGInput->SetCells(1, k + 1, point.X);
        SGInput->SetCells(2, k + 1, point.Y);
        SGInput->SetCells(3, k + 1, point.Z);
      }
    }
  }
  Gambar->SetEnabled(true);
}

}  // namespace Bezier
