#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "platform/graphics/BmpFile.h"

namespace framework {
namespace {

using platform::clBlue;
using platform::clRed;
using platform::clWhite;
using platform::TRect;

TEST(GraphicsFont, SizeAndHeightConvertAtNinetySixDotsAndChangesAreTold) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
  font.SetHeight(16);  // a cell height counts as a negative size
  EXPECT_EQ(font.Size(), -12);
  font.SetHeight(16);
  font.SetStyle({fsBold, fsStrikeOut});
  EXPECT_TRUE(font.Data().Bold && font.Data().StrikeOut && !font.Data().Italic);
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsStrikeOut}));
  EXPECT_EQ(changes, 3) << "setting an equal value tells nobody";

  EXPECT_THROW(font.SetHeight(100000), EConvertError);
  EXPECT_THROW(font.SetSize(-5000), EConvertError);
  EXPECT_EQ(font.Height(), 16);
}

TEST(GraphicsFont, PublishesWhatDescriptionsStore) {
  for (const char* name : {"Color", "Height", "Name", "Style"})
    EXPECT_NE(TFont::StaticClassInfo().FindProperty(name), nullptr) << name;
}

class GraphicsBitmap : public ::testing::Test {
 protected:
  GraphicsBitmap() {
    bitmap.SetSize(8, 6);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect({0, 0, 8, 6});
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({2, 1, 4, 3});
  }
  TBitmap bitmap;
};

TEST_F(GraphicsBitmap, TheCanvasDrawsIntoTheScanLines) {
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clRed);
  const std::uint8_t* row = bitmap.ScanLine(1);
  EXPECT_EQ(row[2 * 3 + 2], 0xFF);  // red, in blue-green-red order
  EXPECT_EQ(row[2 * 3 + 0], 0x00);
  EXPECT_THROW(bitmap.ScanLine(6), EInvalidGraphic);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST_F(GraphicsBitmap, AFocusFrameInvertsEveryOtherEdgePixelAndTwiceTakesItAway) {
  TCanvas& canvas = *bitmap.Canvas();
  canvas.DrawFocusRect({0, 0, 8, 6});
  EXPECT_EQ(canvas.Pixels(0, 0), platform::clBlack);
  EXPECT_EQ(canvas.Pixels(1, 0), clWhite);
  EXPECT_EQ(canvas.Pixels(7, 5), platform::clBlack) << "the far corner";
  EXPECT_EQ(canvas.Pixels(0, 2), platform::clBlack);
  EXPECT_EQ(canvas.Pixels(5, 2), clWhite) << "inside untouched";
  canvas.DrawFocusRect({0, 0, 8, 6});
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(canvas.Pixels(x, y), x >= 2 && x < 4 && y >= 1 && y < 3 ? clRed : clWhite);
  canvas.DrawFocusRect({3, 3, 4, 3});  // empty: nothing
  canvas.DrawFocusRect({5, 2, 6, 3});  // one pixel, inverted once
  EXPECT_EQ(canvas.Pixels(5, 2), clWhite) << "odd place of the pattern";
  canvas.DrawFocusRect({4, 2, 5, 3});
  EXPECT_EQ(canvas.Pixels(4, 2), platform::clBlack);
}

TEST_F(GraphicsBitmap, GrowingKeepsThePictureAndTheCanvasReachesTheNewPart) {
  bitmap.SetSize(20, 10);
  EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clRed);
  bitmap.Canvas()->SetPixels(19, 9, clBlue);
  EXPECT_EQ(bitmap.Data().Pixel(19, 9), clBlue);
  EXPECT_EQ(bitmap.Canvas()->ClipRect(), (TRect{0, 0, 20, 10}));
  EXPECT_THROW(bitmap.SetSize(-1, 5), EInvalidGraphic);
  EXPECT_THROW(bitmap.SetSize(100000, 100000), EInvalidGraphic);
}

TEST_F(GraphicsBitmap, OnlyTwentyFourBitPixelsAreKept) {
  bitmap.SetPixelFormat(pf24bit);
  EXPECT_THROW(bitmap.SetPixelFormat(pf8bit), EInvalidGraphic);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
}

TEST_F(GraphicsBitmap, AssignCopiesAndFileAndStreamFormsRoundTrip) {
  TBitmap copy;
  copy.Assign(&bitmap);
  bitmap.Canvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clWhite) << "a copy, not a share";
  EXPECT_EQ(copy.Canvas()->Pixels(3, 2), clRed);

  TBitmap fromFile;
  fromFile.LoadFromData(bitmap.SaveToData());
  EXPECT_EQ(fromFile.Data(), bitmap.Data());

  const TBytes stream = bitmap.SaveToStream();
  TBytes followed = stream;
  followed.push_back(0x42);
  std::size_t consumed = 0;
  TBitmap fromStream;
  fromStream.LoadFromStream(followed, consumed);
  EXPECT_EQ(consumed, stream.size());
  EXPECT_EQ(fromStream.Data(), bitmap.Data());

  EXPECT_THROW(fromStream.LoadFromData(TBytes{'B', 'M', 1, 2}), EInvalidGraphic);
  EXPECT_EQ(fromStream.Data(), bitmap.Data()) << "a failed load keeps the picture";
  EXPECT_TRUE(TBitmap().SaveToData().empty());
}

TEST_F(GraphicsBitmap, TransparentDrawingLeavesTheTransparentColourOut) {
  TBitmap target;
  target.SetSize(8, 6);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect({0, 0, 8, 6});
  bitmap.SetTransparent(true);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite) << "the bottom-left pixel";
  target.Canvas()->Draw(0, 0, &bitmap);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(2, 1), clRed);

  bitmap.SetTransparentColor(clRed);
  target.Canvas()->StretchDraw({0, 0, 16, 12}, &bitmap);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(target.Canvas()->Pixels(5, 3), clBlue) << "red left out, stretched";
}

TEST_F(GraphicsBitmap, TextWithAClearBrushKeepsTheBackground) {
  TCanvas& canvas = *bitmap.Canvas();
  bitmap.SetSize(60, 20);
  canvas.Brush()->SetColor(clBlue);
  canvas.FillRect({0, 0, 60, 20});
  canvas.Brush()->SetColor(clWhite);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->SetColor(clRed);
  canvas.TextOut(0, 0, "H");
  int inked = 0;
  int cell = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      inked += canvas.Pixels(x, y) != clBlue;
      cell += canvas.Pixels(x, y) == clWhite;
    }
  EXPECT_GT(inked, 5);
  EXPECT_EQ(cell, 0) << "no cell background";
  EXPECT_GT(canvas.TextWidth("HH"), canvas.TextWidth("H"));

  canvas.Brush()->SetStyle(bsSolid);
  canvas.TextRect({40, 0, 50, 20}, 40, 0, "WWWW");
  EXPECT_EQ(canvas.Pixels(41, 19), clWhite) << "the rectangle is filled";
  int outside = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 50; x < 60; ++x) outside += canvas.Pixels(x, y) != clBlue;
  EXPECT_EQ(outside, 0) << "the text is clipped to the rectangle";
}

TEST(GraphicsPicture, TheFormatFollowsTheDataOrTheFileExtension) {
  TBitmap source;
  source.SetSize(3, 2);
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.SetData(source.SaveToData());
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  picture.Bitmap()->Canvas()->SetPixels(0, 0, clRed);
  EXPECT_GE(changes, 2) << "drawing into the picture is a change too";

  EXPECT_THROW(picture.SetData(TBytes{0x00, 0x01, 0x02}), EInvalidGraphic);
  EXPECT_THROW(picture.SetData(TBytes{0xFF, 0xD8, 0xFF}), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile("picture.gif"), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile("/nonexistent/picture.bmp"), EFOpenError);
  EXPECT_EQ(picture.Width(), 3) << "failures keep the picture";

  const std::string path = ::testing::TempDir() + "picture.BMP";
  picture.SaveToFile(path);
  TPicture loaded;
  loaded.LoadFromFile(path);
  std::remove(path.c_str());
  ASSERT_NE(loaded.Bitmap(), nullptr);
  EXPECT_EQ(loaded.Bitmap()->Canvas()->Pixels(0, 0), clRed);

  TPicture copy;
  copy.Assign(&loaded);
  EXPECT_NE(copy.Graphic(), loaded.Graphic());
  EXPECT_EQ(copy.Bitmap()->Data(), loaded.Bitmap()->Data());
  copy.Assign(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(GraphicsPicture, AJpegPictureGivesWayToABitmapWhenDrawnInto) {
  TPicture picture;
  auto* jpeg = new TJPEGImage;
  std::unique_ptr<TGraphic> owner(jpeg);
  picture.SetGraphic(jpeg);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_TRUE(picture.Bitmap()->Empty());
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
}

}  // namespace
}  // namespace framework
