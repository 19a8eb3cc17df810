// Text with the disabled look, its placement, and the text height.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace {

using namespace sGraphUtils;
using platform::Bitmap;
using platform::Canvas;
using platform::TRect;

Bitmap Blue() {
  Bitmap bitmap(120, 40);
  bitmap.Fill(platform::clBlue);
  return bitmap;
}

TEST(WriteText, LeftAlignedRectangleFitsTheTextAndComesBackGrown) {
  Bitmap bitmap = Blue();
  Canvas canvas(bitmap);
  const platform::TSize extent = canvas.TextExtent("Gauge");
  TRect rect{10, 5, 100, 35};
  WriteText(canvas, "Gauge", true, platform::DT_LEFT, rect);
  const int dy = (extent.cy - 30) / 2;
  EXPECT_EQ(rect, (TRect{9, 4 - dy, 11 + extent.cx, 36 + dy}));
  EXPECT_EQ(canvas.GetBrush().Style, platform::BrushStyle::Clear);
  EXPECT_NE(bitmap, Blue());
}

TEST(WriteText, DisabledTextIsDrawnTwiceTheHighlightOnePixelRightAndDown) {
  Bitmap written = Blue();
  Canvas canvas(written);
  TRect rect{4, 4, 110, 30};
  WriteText(canvas, "Hello", false, platform::DT_CENTER, rect);

  Bitmap expected = Blue();
  Canvas manual(expected);
  manual.GetBrush().Style = platform::BrushStyle::Clear;
  TRect place = rect.Inflate(-1, -1);
  TRect shifted = place.Offset(1, 1);
  manual.GetFont().Color = platform::clBtnHighlight;
  manual.DrawText("Hello", shifted, platform::DT_CENTER);
  manual.GetFont().Color = platform::clBtnShadow;
  manual.DrawText("Hello", place, platform::DT_CENTER);
  EXPECT_EQ(written, expected);
  EXPECT_EQ(canvas.GetFont().Color, platform::Font{}.Color);
}

TEST(WriteText, EmptyTextDrawsNothing) {
  Bitmap bitmap = Blue();
  Canvas canvas(bitmap);
  TRect rect{0, 0, 50, 20};
  WriteText(canvas, "", true, 0, rect);
  EXPECT_EQ(bitmap, Blue());
}

TEST(TextHeight, IsTheMetricHeightPlusSix) {
  const platform::Font font;
  EXPECT_EQ(TextHeight(font), platform::GetTextMetrics(font).Height + 6);
}

}  // namespace
