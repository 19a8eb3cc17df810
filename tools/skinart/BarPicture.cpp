#include "tools/skinart/BarPicture.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "tools/skinart/ArtLayer.h"

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
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = PictureWidth;
  info.image_height = PictureHeight;
  info.input_components = 3;
  // The bitmap's rows are blue, green, red.
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, Quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row =
        const_cast<std::uint8_t*>(picture.ScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

}  // namespace skinart
