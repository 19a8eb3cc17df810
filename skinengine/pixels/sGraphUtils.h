#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/pixels/sBevels.h"

namespace framework {
class TPicture;
}

// Pixel routines of the skin engine on 24-bit bitmaps. None keeps state; every routine stops
// at bitmap edges instead of reading or writing outside them.
namespace sGraphUtils {

// A grey weight k (0..255) as a colour whose three bytes are all k.
constexpr platform::TColor GreyWeight(int k) {
  return static_cast<platform::TColor>(k) * 0x010101u;
}

// --- Blending (sGraphUtilsBlend.cpp) ---------------------------------------------------------

// Per channel d := C + floor(m * (d - C) / 256), m the mask's byte: mask 0 gives the colour.
// Only the part covered by both bitmaps is blended.
void BlendColorMask(platform::Bitmap& bitmap, const platform::Bitmap& mask, platform::TColor color);

// Per channel a := floor(k * a / 256) + b - floor(k * b / 256), k the weight's byte of that
// channel: weight 0 gives b. Only the part covered by both bitmaps is blended.
void BlendBitmaps(platform::Bitmap& a, const platform::Bitmap& b, platform::TColor weight);

// Fills rect with a solid colour; the context's brush is left as it was.
void FillColor(platform::Canvas& dc, const platform::TRect& rect, platform::TColor color);

// The shape of BlendColor's overlay.
enum class BlendShape { RoundRect, Ellipse };

// Lays the colour over rect of source and puts the result onto dest at `at`: share percent
// of the old picture shows through, fading out over a soft edge blur pixels wide.
void BlendColor(const platform::Canvas& source, const platform::TRect& rect, platform::Canvas& dest,
                int radius, BlendShape shape, int blur, platform::TColor color, int share,
                platform::TPoint at);

// BlendColor over the whole bitmap with radius 0 and blur 0, in place: share percent of the
// old picture shows through the colour.
void OverlayColor(platform::Bitmap& bitmap, platform::TColor color, int share);

// Per channel Round(a - (a - b) * f) within 0..255; system colours are resolved first.
platform::TColor MixColors(platform::TColor a, platform::TColor b, double f);

// Every pixel becomes the mean of its three channels.
void MakeGrey(platform::Bitmap& bitmap);

// --- Copies (sGraphUtilsCopy.cpp) ------------------------------------------------------------

enum class PictureKind { Bitmap, Jpeg };

// Repeats the picture from rect's top-left. A bitmap's tiles are cut at rect's right and
// bottom; a JPEG is drawn as whole pictures that may reach past them.
void TilePicture(platform::Canvas& canvas, const platform::TRect& rect,
                 const platform::Bitmap& picture, PictureKind kind = PictureKind::Bitmap);

// Copies every source pixel that differs from the transparent colour to (x, y) onwards.
void DrawTransparent(platform::Bitmap& dest, const platform::Bitmap& source, int x, int y,
                     platform::TColor transparent);

// As DrawTransparent for the part of source in sourceRect, whose right and bottom are
// inclusive; the rectangle is clamped to the source.
void DrawTransparentRect(platform::Bitmap& dest, const platform::Bitmap& source, int x, int y,
                         const platform::TRect& sourceRect, platform::TColor transparent);

// As DrawTransparentRect, each copied channel mixed as Round(s - (s - d) * f): f 0 copies,
// f 1 leaves dest unchanged.
void BlendTransparent(platform::Bitmap& dest, int x, int y, platform::TColor transparent, double f,
                      const platform::TRect& sourceRect, const platform::Bitmap& source);

// --- Frames (sGraphUtilsFrames.cpp) ----------------------------------------------------------

// Four shaded edge strips of width `width` blended into the bitmap.
void PaintBevel(platform::Bitmap& bitmap, const platform::TRect& rect, int width, bool soft,
                sBevels::TsControlBevel kind);

// Four sides of `width` mitred one-pixel lines; with soft set, lines fade towards blend.
void PaintLineFrame(platform::Canvas& dc, platform::TColor topLeft, platform::TColor bottomRight,
                    bool soft, sBevels::TsEditorBevel kind, int width, const platform::TRect& rect,
                    platform::TColor blend);

// count nested one-pixel frames, top-left and bottom-right in their own colours; count is 0
// afterwards.
void PaintFrame3D(platform::Canvas& dc, const platform::TRect& rect, platform::TColor topLeft,
                  int& count, platform::TColor bottomRight);

// The dotted focus frame: black dots every third pixel with a white dot up and left.
void PaintFocusDots(platform::Canvas& canvas, const platform::TRect& rect);

// A filled tick inside rect; disabled ones are drawn embossed.
void PaintCheckMark(platform::Canvas& canvas, const platform::TRect& rect, bool enabled,
                    platform::TColor color);

// --- Text (sGraphUtilsText.cpp) --------------------------------------------------------------

// Text colour and the four outline colours drawn one pixel to each side; -1 skips a side.
struct TsFontColor {
  std::int32_t Color = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  friend bool operator==(const TsFontColor&, const TsFontColor&) = default;
};

// Draws text placed in rect with DT_* flags; disabled text is drawn embossed. rect comes
// back as the rectangle the text took, grown by one pixel on every side.
void WriteText(platform::Canvas& canvas, std::string_view text, bool enabled, unsigned flags,
               platform::TRect& rect);

// As WriteText; enabled text with colours is drawn in them: first the outline colours one
// pixel to each side, then the text colour. Without colours it is drawn once in the canvas's
// font colour.
void WriteOutlinedText(platform::Canvas& canvas, std::string_view text, bool enabled,
                       const TsFontColor* colors, unsigned flags, platform::TRect& rect);

// The font's text-metric height plus 6.
int TextHeight(const platform::Font& font);

// --- Pictures (sGraphUtilsPicture.cpp) -------------------------------------------------------

// Loads a .bmp (as 24 bits) or a .jpg/.jpeg file into the picture, in grey when grey is set;
// a missing file empties the picture, other extensions and files that fail to load change
// nothing.
void LoadPicture(framework::TPicture& picture, const std::string& fileName, bool grey);

}  // namespace sGraphUtils
