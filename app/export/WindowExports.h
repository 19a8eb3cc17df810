#pragma once

#include <cstdint>

#include "framework/classes/Events.h"
#include "platform/graphics/Bitmap.h"

namespace framework {
class TSaveDialog;
}

namespace Bezier {

class TForm1;

// The name of File > "Simpan Gambar..." in the window's description.
inline constexpr const char* SavePictureItem = "SimpanGambar1";

// What the main window gives out and takes in beyond its stated commands: File > "Simpan
// Gambar..." and Ctrl+C and Ctrl+V in the table. Made once the window is read, it hooks itself
// to the menu item and the table.
class TWindowExports {
 public:
  explicit TWindowExports(TForm1& form);
  TWindowExports(const TWindowExports&) = delete;
  TWindowExports& operator=(const TWindowExports&) = delete;

  void SavePictureClick(framework::TObject* Sender);
  void TableKeyDown(framework::TObject* Sender, std::uint16_t& Key, framework::TShiftState Shift);

 private:
  void PasteTable();

  TForm1& form_;
  framework::TSaveDialog* pictureDialog_;  // owned by the window
};

// The drawing area as the window shows it: what "Simpan Gambar..." saves.
platform::Bitmap ShownDrawing(TForm1& form);

}  // namespace Bezier
