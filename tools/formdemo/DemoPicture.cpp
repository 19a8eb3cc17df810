#include "DemoPicture.h"

#include "framework/graphics/Bitmap.h"

namespace formdemo {

using namespace framework;

namespace {

// Four quarters in plain colours with a white diagonal band, easy to tell apart on screen.
TBytes DrawPicture() {
  constexpr int Size = 64;
  TBitmap bitmap;
  bitmap.SetSize(Size, Size);
  for (int y = 0; y < Size; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < Size; ++x) {
      const bool right = x >= Size / 2;
      const bool bottom = y >= Size / 2;
      const bool band = x - y >= -4 && x - y <= 4;
      // Blue, green, red.
      row[3 * x] = band ? 255 : bottom ? 0 : 200;
      row[3 * x + 1] = band ? 255 : right ? 160 : 60;
      row[3 * x + 2] = band ? 255 : right != bottom ? 240 : 20;
    }
  }
  return bitmap.SaveToData();
}

}  // namespace

std::optional<TBytes> DemoResource(const std::string& name) {
  if (name != "picture.bmp") return std::nullopt;
  return DrawPicture();
}

}  // namespace formdemo
