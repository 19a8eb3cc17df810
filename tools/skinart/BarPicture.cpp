#include "tools/skinart/BarPicture.h"

#include <cstdint>

#include "tools/skinart/ArtLayer.h"
#include "tools/skinart/JpegWrite.h"

namespace skinart {

namespace {

// A period that divides both sides, so that the tiles meet seamlessly.
constexpr int Period = 16;
constexpr int PictureWidth = 64;
constexpr int PictureHeight = 32;
constexpr TColor Light = 0xF6F0EA;
constexpr TColor Thread = 0xC8B4A0;
constexpr int Quality = 90;

}  // namespace

platform::Bitmap DrawBarPicture() {
  platform::Bitmap picture(PictureWidth, PictureHeight);
  for (int y = 0; y < PictureHeight; ++y)
    for (int x = 0; x < PictureWidth; ++x) {
      // A triangle wave across the diagonal: the thread's centre is darkest.
      const int across = (x + y) % Period;
      const int distance = across < Period / 2 ? across : Period - across;
      const int weight = 255 - distance * 255 / (Period / 2);
      picture.SetPixel(x, y, Mix(Light, Thread, weight * weight / 255));
    }
  return picture;
}

std::vector<std::uint8_t> BarPictureJpeg() {
  const platform::Bitmap picture = DrawBarPicture();
  // The bitmap's rows are blue, green, red.
  return jpegwrite::Encode(PictureWidth, PictureHeight, 3,
                           [&picture](int y) { return picture.ScanLine(y); },
                           {.input = JCS_EXT_BGR, .quality = Quality});
}

}  // namespace skinart
