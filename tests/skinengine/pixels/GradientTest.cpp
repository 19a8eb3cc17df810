// Gradient text parsing and the gradient fill.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "skinengine/pixels/sGradient.h"

namespace {

using platform::Bitmap;
using platform::TColor;
using sGradient::GradientArray;
using sGradient::GradientStep;
using sGradient::PaintGradient;
using sGradient::ParseGradientData;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kGrey = 0x808080;
const char* const kRedToGreen = "255;65280;50;0;0;65280;65280;0;0;0";
const char* const kRedToGreenAcross = "255;65280;50;1;0;65280;65280;0;1;0";

GradientArray Parse(const std::string& text) {
  GradientArray steps;
  ParseGradientData(text, steps);
  return steps;
}

Bitmap GreyBitmap(int width, int height) {
  Bitmap bitmap(width, height);
  bitmap.Fill(kGrey);
  return bitmap;
}

TColor Blend(TColor from, TColor to, int i, int n) {
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double a = (from >> shift) & 0xFF;
    const double b = (to >> shift) & 0xFF;
    double value = a;
    for (int k = 0; k < i; ++k) value += (b - a) / n;
    result |= static_cast<TColor>(std::nearbyint(value)) << shift;
  }
  return result;
}

// --- Parsing -------------------------------------------------------------------------------

// Semicolons separate the words, runs of them making no empty word; every five words make a
// step whose fifth is not read and whose share keeps its low byte; the rest is ignored.
TEST(GradientParse, ReadsGroupsOfFiveWords) {
  struct Case {
    const char* text;
    GradientArray steps;
  };
  const Case cases[] = {
      {"", {}},
      {" ", {}},
      {"1;2;3;4", {}},
      {";;;", {}},
      {";;1;;2;3;$10;anything;", {{1, 2, 3, 16}}},
      {"1;2;300;0;0", {{1, 2, 44, 0}}},  // 300 - 256
      {"12632256;16777215;49;0;0;16777215;8421504;34;0;0;8421504;16777215;16;0;0;"
       "16777215;16777215;0;0;0;1;2",
       {{12632256, 16777215, 49, 0},
        {16777215, 8421504, 34, 0},
        {8421504, 16777215, 16, 0},
        {16777215, 16777215, 0, 0}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.steps) << "'" << c.text << "'";
}

TEST(GradientParse, BlankInsideANumberRaisesTheConversionErrorAndKeepsTheNewLength) {
  GradientArray steps(7);
  try {
    ParseGradientData("255;65280;50;0;0;6 5;65280;0;0;0", steps);
    FAIL() << "no conversion error";
  } catch (const framework::EConvertError& e) {
    EXPECT_EQ(e.Message(), "'6 5' is not a valid integer value");
  }
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0], (GradientStep{255, 65280, 50, 0}));
  EXPECT_EQ(steps[1], GradientStep{});
}

TEST(GradientParse, TextLongerThanAShortStringIsCut) {
  const std::string longText(300, '7');
  EXPECT_EQ(sGradient::TsGradientData(longText).Text(), std::string(255, '7'));
}

// --- Fill ----------------------------------------------------------------------------------

// Red to green over the first half, green on: row or column i up to 5 is i fifths of the way.
TEST(GradientFill, EachStepRunsOverItsShareDownOrAcross) {
  for (const bool across : {false, true}) {
    Bitmap bitmap(10, 11);
    PaintGradient(bitmap, bitmap.BoundsRect(), Parse(across ? kRedToGreenAcross : kRedToGreen));
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 10; ++x) {
        const int i = across ? x : y;
        EXPECT_EQ(bitmap.Pixel(x, y), i <= 5 ? Blend(kRed, kGreen, i, 5) : kGreen)
            << (across ? "across" : "down") << " at " << x << "," << y;
      }
  }
}

TEST(GradientFill, OnlyTheFirstStepChoosesTheDirection) {
  Bitmap bitmap = GreyBitmap(6, 6);
  PaintGradient(bitmap, bitmap.BoundsRect(), Parse("255;255;50;2;0;255;255;0;0;0"));
  EXPECT_EQ(bitmap, GreyBitmap(6, 6));
}

TEST(GradientFill, StaysInsideAPartialRectangle) {
  Bitmap bitmap = GreyBitmap(12, 12);
  PaintGradient(bitmap, {2, 3, 8, 9}, Parse(kRedToGreen));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 8 && y >= 3 && y < 9;
      EXPECT_EQ(bitmap.Pixel(x, y) == kGrey, !inside) << x << "," << y;
    }
  EXPECT_EQ(bitmap.Pixel(2, 3), kRed);
  EXPECT_EQ(bitmap.Pixel(7, 8), kGreen);
}

// A left-to-right band that runs past the rectangle keeps its stated end column x and its
// slope (c2 - c1) / d with d = x - start; only the columns outside are skipped.
TEST(GradientFill, LeftToRightBandsPastTheRectangleKeepTheirSlope) {
  const char* const kTwoHalfBands =
      "14696596;10226201;50;1;0;7422690;13408072;50;1;0;8331740;2828206;0;1;0;809241;12190720;0;"
      "1;0";
  struct Case {
    const char* text;
    int width, height;
    platform::TRect rect;
    int x, y;
    TColor expected;  // 0x00BBGGRR
  };
  const Case cases[] = {
      // One 100 % band over a 21-wide bitmap: x = 21, d = 21; column 2: 147 + 2 x -146 / 21,
      // 5 + 2 x 189 / 21, 153 + 2 x -149 / 21 = (133.1, 23, 138.8).
      {"10028435;311809;100;1;0;7155830;2741696;0;1;0", 21, 24, {0, 0, 21, 24}, 2, 0, 0x8B1785},
      // Two 50 % bands over 26 columns: the second runs 13..26, d = 13; column 14:
      // 226 - 154 / 13, 66 + 85 / 13, 113 + 91 / 13 = (214.2, 72.5, 120).
      {kTwoHalfBands, 26, 3, {0, 0, 26, 3}, 14, 0, 0x7849D6},
      // The single last step runs to the bitmap's last column 21 from 3, d = 18:
      // columns 3, 4, 5 = (44, 103, 156), (42.9, 97.7, 149.7), (41.9, 92.4, 143.4).
      {"10250028;2820121;74;1;0", 22, 6, {3, 2, 6, 3}, 3, 2, 0x9C672C},
      {"10250028;2820121;74;1;0", 22, 6, {3, 2, 6, 3}, 4, 2, 0x96622B},
      {"10250028;2820121;74;1;0", 22, 6, {3, 2, 6, 3}, 5, 2, 0x8F5C2A},
      // A rectangle from column 5, 7 wide: the 100 % band ends at 12, d = 7; column 11 is
      // red 255 - 6 x 255 / 7 = 36.4 and blue 6 x 255 / 7 = 218.6.
      {"255;16711680;100;1;0;0;0;0;1;0", 16, 5, {5, 1, 12, 4}, 11, 3, 0xDB0024},
  };
  for (const Case& c : cases) {
    Bitmap bitmap = GreyBitmap(c.width, c.height);
    PaintGradient(bitmap, c.rect, Parse(c.text));
    EXPECT_EQ(bitmap.Pixel(c.x, c.y), c.expected) << c.text << " at " << c.x;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        if (c.rect.Contains({x, y})) continue;
        ASSERT_EQ(bitmap.Pixel(x, y), kGrey) << x << "," << y;
      }
  }
}

// Shares adding up to far more than 100 and rectangles reaching past every edge must stop
// at the bitmap (the sanitizer build catches any stray write) and at the rectangle.
TEST(GradientFill, OversizedSharesAndRectanglesStayInsideTheBitmap) {
  for (const char* text : {"255;65280;255;0;0;65280;255;255;0;0;1;1;200;0;0",
                           "255;65280;255;1;0;65280;255;255;1;0;1;1;200;1;0"}) {
    const GradientArray steps = Parse(text);
    for (const platform::TRect rect :
         {platform::TRect{-5, -7, 40, 50}, platform::TRect{0, 0, 7, 5}, platform::TRect{9, 9, 3, 2},
          platform::TRect{20, 20, 30, 30}}) {
      Bitmap bitmap = GreyBitmap(9, 8);
      PaintGradient(bitmap, rect, steps);
      const platform::TRect inside = rect.Intersect(bitmap.BoundsRect());
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x)
          if (!inside.Contains({x, y})) {
            EXPECT_EQ(bitmap.Pixel(x, y), kGrey) << text;
          }
    }
  }
}

}  // namespace
