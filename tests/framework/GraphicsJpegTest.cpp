#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdlib>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"

namespace framework {
namespace {

// A JPEG of the given size: its left half red, its right half blue.
TBytes RedBlueJpeg(int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    const bool red = x < width / 2;
    row[static_cast<std::size_t>(x) * 3] = red ? 255 : 0;
    row[static_cast<std::size_t>(x) * 3 + 2] = red ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  TBytes data(buffer, buffer + size);
  std::free(buffer);
  return data;
}

bool Near(platform::TColor color, int r, int g, int b) {
  return std::abs(static_cast<int>(color & 0xFF) - r) < 24 &&
         std::abs(static_cast<int>((color >> 8) & 0xFF) - g) < 24 &&
         std::abs(static_cast<int>((color >> 16) & 0xFF) - b) < 24;
}

TEST(GraphicsJpeg, DecodesWhenDrawnInColourOrInGreys) {
  TPicture picture;
  picture.SetData(RedBlueJpeg(32, 16));
  auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 32);
  EXPECT_EQ(jpeg->Height(), 16);
  EXPECT_EQ(picture.Data(), RedBlueJpeg(32, 16)) << "stored as loaded";

  TBitmap target;
  target.Assign(jpeg);
  EXPECT_TRUE(Near(target.Canvas()->Pixels(4, 8), 255, 0, 0));
  EXPECT_TRUE(Near(target.Canvas()->Pixels(28, 8), 0, 0, 255));

  jpeg->SetGrayscale(true);
  target.Canvas()->Draw(0, 0, jpeg);
  const platform::TColor grey = target.Canvas()->Pixels(4, 8);
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
}

TEST(GraphicsJpeg, ABrokenFileFailsWhenLoadedOrDrawn) {
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.LoadFromData(TBytes{0xFF, 0xD8, 0xFF, 0xE0}), EInvalidGraphic);
  EXPECT_TRUE(jpeg.Empty());

  TBytes truncated = RedBlueJpeg(64, 64);
  truncated.resize(truncated.size() / 3);
  bool failed = false;
  try {
    jpeg.LoadFromData(truncated);  // the header may be whole: then drawing fails
    TBitmap target;
    target.SetSize(64, 64);
    target.Canvas()->Draw(0, 0, &jpeg);
  } catch (const EInvalidGraphic&) {
    failed = true;
  }
  EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace framework
