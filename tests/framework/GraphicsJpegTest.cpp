#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "support/JpegEncoder.h"

namespace framework {
namespace {

// A JPEG of the given size: its left half red, its right half blue.
TBytes RedBlueJpeg(int width, int height) {
  testsupport::Picture picture{width, height, 3, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool red = x < width / 2;
      picture.samples.insert(picture.samples.end(),
                             {std::uint8_t(red ? 255 : 0), 0, std::uint8_t(red ? 0 : 255)});
    }
  return testsupport::EncodeJpeg(picture);
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
