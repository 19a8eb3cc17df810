// The program's icon: the committed files are what iconart draws now, every size the program
// embeds decodes to its size with a transparent surround, and the scalable one matches too.
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/Png.h"
#include "platform/kernel/Files.h"
#include "platform/kernel/Resources.h"
#include "resources/AppIcon.h"
#include "resources/Embedded.h"
#include "tools/iconart/IconRaster.h"
#include "tools/iconart/IconSvg.h"

namespace {

class IconArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }
};

std::uint8_t Alpha(const platform::RgbaImage& image, int x, int y) {
  return image.Pixels[static_cast<std::size_t>(y * image.Width + x) * 4 + 3];
}

TEST_F(IconArt, EmbeddedIconsAreWhatTheGeneratorDrawsAtTheirSizes) {
  for (const int size : resources::AppIconSizes) {
    const auto stored = platform::FindResource(resources::AppIconName(size));
    ASSERT_TRUE(stored.has_value()) << size << " is not in resources/icon; run iconart";
    const platform::RgbaImage icon = platform::DecodePngRgba(*stored);
    EXPECT_EQ(icon.Width, size);
    EXPECT_EQ(icon.Height, size);
    EXPECT_EQ(icon, iconart::DrawIcon(size)) << size << " differs; run iconart";
    // The tile leaves a margin of size / 16 and rounds its corners; its middle is opaque.
    EXPECT_EQ(Alpha(icon, 0, 0), 0) << size;
    EXPECT_EQ(Alpha(icon, size - 1, size - 1), 0) << size;
    EXPECT_EQ(Alpha(icon, size / 2, size / 2), 255) << size;
  }
}

TEST_F(IconArt, ScalableIconIsWhatTheGeneratorWritesNow) {
  const auto bytes =
      platform::ReadBinaryFile(std::string(BEZIER_ICON_FOLDER) + "/" + resources::AppIconScalable);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), iconart::IconSvg()) << "run iconart";
}

TEST(IconPng, ReadsBackWhatItWritesAndRefusesWhatIsNoPng) {
  // 2 x 1: opaque red, then half-transparent blue.
  const platform::RgbaImage image{2, 1, {255, 0, 0, 255, 0, 0, 255, 128}};
  EXPECT_EQ(platform::DecodePngRgba(platform::EncodePng(image)), image);
  const std::uint8_t junk[] = {'B', 'M', 1, 2, 3};
  EXPECT_THROW(platform::DecodePngRgba(junk), std::exception);
  EXPECT_THROW(platform::EncodePng(platform::RgbaImage{2, 2, {1, 2, 3}}), std::exception);
}

}  // namespace
