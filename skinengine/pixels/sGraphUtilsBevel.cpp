#include <algorithm>
#include <cstdint>

#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/pixels/sGraphUtilsPixels.h"

namespace sGraphUtils {

using platform::Bitmap;
using platform::TRect;
using namespace sBevels;

namespace {

enum class Edge { Left, Top, Right, Bottom };

// One edge strip of a bevel, blended through a mask computed on the fly. The strip's ends
// are cut at 45 degrees; the left and right strips own the diagonal pixels, so neighbouring
// strips meet there without blending a pixel twice. Pixels outside the cut stay untouched.
void PaintStrip(Bitmap& bitmap, const TRect& strip, Edge edge, int width, bool soft,
                TsControlBevel kind, std::uint8_t grey) {
  const bool vertical = edge == Edge::Left || edge == Edge::Right;
  const int length = vertical ? strip.Height() : strip.Width();
  const int fall = 255 / width;
  const bool rising = kind == cbRaisedSoft || kind == cbLoweredSoft;
  for (int y = strip.Top; y < strip.Bottom; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = strip.Left; x < strip.Right; ++x) {
      int depth = 0;  // distance from the strip's outer edge
      switch (edge) {
        case Edge::Left:
          depth = x - strip.Left;
          break;
        case Edge::Top:
          depth = y - strip.Top;
          break;
        case Edge::Right:
          depth = strip.Right - 1 - x;
          break;
        case Edge::Bottom:
          depth = strip.Bottom - 1 - y;
          break;
      }
      const int along = vertical ? y - strip.Top : x - strip.Left;
      const bool inside = vertical ? depth <= along && along <= length - 1 - depth
                                   : depth < along && along < length - 1 - depth;
      if (!inside) continue;
      const int mask = !soft ? 127 : rising ? depth * fall : 255 - depth * fall;
      std::uint8_t* p = row + 3 * x;
      for (int c = 0; c < 3; ++c) p[c] = pixels::ColorMaskBlend(p[c], grey, mask);
    }
  }
}

}  // namespace

void PaintBevel(Bitmap& bitmap, const TRect& rect, int width, bool soft, TsControlBevel kind) {
  if (kind == cbNone || width < 1) return;
  const bool raised = kind == cbRaisedSoft || kind == cbRaisedHard;
  if (width == 1) {
    platform::Canvas canvas(bitmap);
    PaintLineFrame(canvas, platform::clWhite, platform::clBlack, false,
                   raised ? ebRaised : ebLowered, 1, rect, platform::clWhite);
    return;
  }
  const TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0),
                std::min(rect.Right, bitmap.Width() - 1),
                std::min(rect.Bottom, bitmap.Height() - 1)};
  if (r.IsEmpty()) return;
  int a = width;
  if (r.Height() < 2 * a) a = r.Height() / 2 - 1;
  if (r.Width() < 2 * a) a = r.Width() / 2 - 1;
  if (a < 2) return;
  const std::uint8_t light = raised ? 255 : 0;
  const std::uint8_t dark = raised ? 0 : 255;
  const std::uint8_t leftGrey = raised ? 240 : 25;
  const std::uint8_t rightGrey = raised ? 25 : 240;
  PaintStrip(bitmap, {r.Left, r.Top, r.Left + a, r.Bottom}, Edge::Left, a, soft, kind, leftGrey);
  PaintStrip(bitmap, {r.Left, r.Top, r.Right, r.Top + a}, Edge::Top, a, soft, kind, light);
  PaintStrip(bitmap, {r.Right - a - 1, r.Top, r.Right, r.Bottom}, Edge::Right, a, soft, kind,
             rightGrey);
  PaintStrip(bitmap, {r.Left, r.Bottom - a - 1, r.Right, r.Bottom}, Edge::Bottom, a, soft, kind,
             dark);
}

}  // namespace sGraphUtils
