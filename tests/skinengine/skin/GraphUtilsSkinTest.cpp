// Text in a skin section's colours, and pictures loaded from files.
#include <gtest/gtest.h>

#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sGraphUtilsSkin.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/support/JpegEncoder.h"

namespace {

using namespace sGraphUtils;
using platform::Bitmap;
using platform::Canvas;
using platform::TRect;

class SkinnedText : public ::testing::Test {
 protected:
  void SetUp() override {
    sSkinManager::SkinSectionData section;
    section.FontColor = {0x0000FF, 0x00FF00, -1, -1, 0xFF0000};
    section.HotFontColor = {0x00FFFF, -1, -1, -1, -1};
    sSkinManager::SkinSections().push_back(section);
  }

  // The text drawn by hand at the placed rectangle: each (colour, dx, dy) pass in turn.
  static Bitmap Expected(std::initializer_list<std::tuple<platform::TColor, int, int>> passes) {
    Bitmap bitmap = skintests::Picture(120, 40, platform::clWhite);
    Canvas canvas(bitmap);
    canvas.GetBrush().Style = platform::BrushStyle::Clear;
    const platform::TSize extent = canvas.TextExtent("Skin");
    const TRect place{4, 4 - (extent.cy - 26) / 2, 4 + extent.cx, 30 + (extent.cy - 26) / 2};
    for (const auto& [color, dx, dy] : passes) {
      canvas.GetFont().Color = color;
      TRect r = place.Offset(dx, dy);
      canvas.DrawText("Skin", r, platform::DT_LEFT);
    }
    return bitmap;
  }

  static Bitmap Written(bool enabled, bool hot, int section, TRect* out = nullptr) {
    Bitmap bitmap = skintests::Picture(120, 40, platform::clWhite);
    Canvas canvas(bitmap);
    canvas.GetFont().Color = platform::clGray;
    TRect rect{4, 4, 110, 30};
    WriteSkinnedText(canvas, "Skin", enabled, hot, section, platform::DT_LEFT, rect);
    EXPECT_EQ(canvas.GetFont().Color, platform::clGray) << "the font colour is given back";
    if (out) *out = rect;
    return bitmap;
  }

  skintests::SkinStateReset reset;
};

TEST_F(SkinnedText, OutlinesComeFirstThenTheTextColour) {
  TRect rect;
  EXPECT_EQ(Written(true, false, 0, &rect),
            Expected({{0x00FF00, -1, 0}, {0xFF0000, 0, 1}, {0x0000FF, 0, 0}}));
  TRect plain{4, 4, 110, 30};
  Bitmap scratch(120, 40);
  Canvas canvas(scratch);
  WriteText(canvas, "Skin", true, platform::DT_LEFT, plain);
  EXPECT_EQ(rect, plain) << "placed as WriteText places it";
}

TEST_F(SkinnedText, HotTextUsesTheHotSet) {
  EXPECT_EQ(Written(true, true, 0), Expected({{0x00FFFF, 0, 0}}));
}

TEST_F(SkinnedText, WithoutASectionTheCanvasColourIsUsedOnce) {
  EXPECT_EQ(Written(true, false, -1), Expected({{platform::clGray, 0, 0}}));
  EXPECT_EQ(Written(true, false, 5), Expected({{platform::clGray, 0, 0}})) << "outside the list";
}

TEST_F(SkinnedText, DisabledTextIsEmbossedAsWriteTextDrawsIt) {
  EXPECT_EQ(Written(false, true, 0),
            Expected({{platform::clBtnHighlight, 1, 1}, {platform::clBtnShadow, 0, 0}}));
}

class LoadPictureFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    Bezier::tempfiles::WriteBytes(folder.Path(name), bytes);
    return folder.Path(name);
  }

  Bezier::tempfiles::TempFolder folder;
  framework::TPicture picture;
};

TEST_F(LoadPictureFile, BitmapsLoadAndTurnGreyOnRequest) {
  const std::string file =
      Write("Pic.BMP", skintests::BmpBytes(skintests::Picture(4, 3, 0x0000FF)));
  LoadPicture(picture, file, false);
  EXPECT_EQ(picture.Bitmap()->Data(), skintests::Picture(4, 3, 0x0000FF));
  LoadPicture(picture, file, true);
  EXPECT_EQ(picture.Bitmap()->Data(), skintests::Picture(4, 3, 0x555555)) << "255 div 3 = 85";
}

TEST_F(LoadPictureFile, JpegsLoadInGreyOnRequest) {
  testsupport::Picture red{8, 8, 3, {}};
  for (int i = 0; i < 64; ++i) red.samples.insert(red.samples.end(), {255, 0, 0});
  const testsupport::Bytes jpeg = testsupport::EncodeJpeg(red);
  const std::string file = Write("pic.jpeg", std::string(jpeg.begin(), jpeg.end()));
  LoadPicture(picture, file, true);
  const auto* image = dynamic_cast<const framework::TJPEGImage*>(picture.Graphic());
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->Grayscale());
  EXPECT_EQ(image->Width(), 8);
}

TEST_F(LoadPictureFile, MissingFilesClearAndBadOrOtherFilesChangeNothing) {
  const std::string file = Write("a.bmp", skintests::BmpBytes(skintests::Picture(2, 2, 0)));
  LoadPicture(picture, file, false);
  LoadPicture(picture, Write("bad.jpg", "not a jpeg"), false);
  EXPECT_EQ(picture.Width(), 2) << "the error is swallowed";
  LoadPicture(picture, Write("b.png", "whatever"), false);
  EXPECT_EQ(picture.Width(), 2);
  LoadPicture(picture, folder.Path("gone.bmp"), false);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

}  // namespace
