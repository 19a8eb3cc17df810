// Painting the skin image list's masks and glyphs by index.
#include <gtest/gtest.h>

#include <memory>

#include "skinengine/skin/sMaskData.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace {

using platform::Bitmap;
using platform::TColor;

constexpr TColor Grey = 0x404040;

Bitmap Target(int width, int height) {
  Bitmap b(width, height);
  b.Fill(Grey);
  return b;
}

// Adds a picture of one colour over mask 0, its first pixel transparent, to the image list.
int AddImage(int width, int height, TColor color) {
  auto bitmap = std::make_unique<framework::TBitmap>();
  bitmap->SetSize(width, height);
  bitmap->Data().Fill(color);
  bitmap->Data().FillRect({0, height / 2, width, height}, 0);
  bitmap->Data().SetPixel(0, 0, sSkinManager::SkinTransparentColor);
  auto& images = sSkinManager::SkinImages();
  images.push_back({std::move(bitmap), "TSBUTTON", "BORDERSMASK"});
  return static_cast<int>(images.size()) - 1;
}

class MaskSkinImages : public ::testing::Test {
 protected:
  skintests::SkinStateReset reset;
};

TEST_F(MaskSkinImages, AMaskOfTheListIsPaintedWithItsTransparentColour) {
  const int index = AddImage(90, 60, platform::clRed);
  Bitmap dest = Target(30, 30);
  platform::Region region(dest.BoundsRect());
  sMaskData::PaintSkinMaskedBorder(dest, index, 0, true, region);
  EXPECT_EQ(dest.Pixel(0, 0), Grey);
  EXPECT_EQ(dest.Pixel(1, 0), platform::clRed);
  EXPECT_FALSE(region.Contains({0, 0}));
  EXPECT_TRUE(region.Contains({1, 0}));
}

TEST_F(MaskSkinImages, AGlyphOfTheListIsPaintedWithItsTransparentColour) {
  const int index = AddImage(48, 36, platform::clBlue);
  Bitmap dest = Target(40, 40);
  sMaskData::PaintSkinGlyphCell(dest, index, {2, 3}, sMaskData::GlyphMode::Plain, 0);
  EXPECT_EQ(dest.Pixel(2, 3), Grey);
  EXPECT_EQ(dest.Pixel(3, 3), platform::clBlue);
}

TEST_F(MaskSkinImages, MissingImagesPaintNothing) {
  AddImage(90, 60, platform::clRed);
  Bitmap dest = Target(30, 30);
  platform::Region region(dest.BoundsRect());
  for (int index : {-1, 1, 1000}) {
    sMaskData::PaintSkinMaskedBorder(dest, index, 0, true, region);
    sMaskData::PaintSkinGlyphCell(dest, index, {0, 0}, sMaskData::GlyphMode::Plain, 0);
  }
  EXPECT_EQ(dest, Target(30, 30));
  EXPECT_EQ(region, platform::Region(dest.BoundsRect()));
}

}  // namespace
