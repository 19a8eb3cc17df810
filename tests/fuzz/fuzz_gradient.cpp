// Gradient strings come from skin files and stored descriptions: any text, painted into any
// rectangle. Nothing outside the bitmap and the rectangle may change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace {

// A coordinate around the bitmap, now and then far beyond it.
int Coordinate(std::uint8_t byte) {
  const int small = static_cast<std::int8_t>(byte) / 4;
  return (byte & 0x80) && (byte & 1) ? small * 50000000 : small;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 7) return 0;
  const int width = data[0] % 24 + 1;
  const int height = data[1] % 24 + 1;
  const platform::TRect rect{Coordinate(data[2]), Coordinate(data[3]), Coordinate(data[4]),
                             Coordinate(data[5])};
  const std::string_view text(reinterpret_cast<const char*>(data) + 7, size - 7);

  sGradient::GradientArray steps;
  try {
    sGradient::ParseGradientData(text, steps);
  } catch (const framework::EConvertError&) {
    // The steps parsed before the bad word are still painted, as the skin loaders leave them.
  }

  platform::Bitmap bitmap(width, height);
  bitmap.Fill(0x5A5A5A);
  const platform::Bitmap before = bitmap;
  sGradient::PaintGradient(bitmap, rect, steps);
  const platform::TRect inside = rect.Intersect(bitmap.BoundsRect());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!inside.Contains({x, y}) && bitmap.Pixel(x, y) != before.Pixel(x, y)) std::abort();

  sGraphUtils::PaintBevel(bitmap, rect, data[6] % 8, data[6] & 8,
                          static_cast<sBevels::TsControlBevel>((data[6] >> 4) % 5));
  return 0;
}
