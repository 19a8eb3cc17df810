// Captions and hints come from stored descriptions: any bytes, any flags, any rectangle.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace platform;
  if (size < 3) return 0;
  constexpr unsigned kFlagBits[] = {DT_CENTER,    DT_RIGHT,      DT_VCENTER,    DT_BOTTOM,
                                    DT_WORDBREAK, DT_SINGLELINE, DT_EXPANDTABS, DT_NOPREFIX};
  unsigned flags = 0;
  for (unsigned bit = 0; bit < 8; ++bit)
    if (data[0] & (1u << bit)) flags |= kFlagBits[bit];
  if (data[1] & 1) flags |= DT_NOCLIP;
  const int left = static_cast<std::int8_t>(data[1]) / 2;
  const int width = static_cast<std::int8_t>(data[2]);
  const std::string_view text(reinterpret_cast<const char*>(data) + 3, size - 3);

  static Bitmap bitmap(64, 32);
  Canvas canvas(bitmap);
  canvas.GetBrush().Style = (data[1] & 2) ? BrushStyle::Solid : BrushStyle::Clear;
  canvas.GetFont().Underline = (data[1] & 4) != 0;

  TRect measured{left, 4, left + width, 28};
  const int height = canvas.DrawText(text, measured, flags | DT_CALCRECT);
  if (measured.Bottom != measured.Top + height || measured.Right < measured.Left) std::abort();
  TRect rect{left, 4, left + width, 28};
  if (canvas.DrawText(text, rect, flags) != height) std::abort();
  canvas.TextOut(left, 0, text);
  return 0;
}
