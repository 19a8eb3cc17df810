#include "styled/suiThemeBitmaps.h"

#include <cstddef>
#include <cstring>
#include <string_view>

#include "platform/kernel/Resources.h"

namespace suiThemeBitmaps {

void LoadThemeBitmap(TsuiUIStyle style, int index, framework::TBitmap& target) {
  const std::string_view name = suiThemes::GetThemeBitmapName(style, index);
  if (name.empty()) return;
  if (const auto data = platform::FindResource(name)) target.LoadFromData(*data);
}

void LoadThemeBitmapPiece(TsuiUIStyle style, int index, framework::TBitmap& target, int piece,
                          int count) {
  if (count == 0) {
    LoadThemeBitmap(style, index, target);
    return;
  }
  framework::TBitmap strip;
  LoadThemeBitmap(style, index, strip);
  if (!strip.Empty()) CutBitmapPiece(strip, target, count, piece);
}

void CutBitmapPiece(const framework::TBitmap& source, framework::TBitmap& target, int count,
                    int piece) {
  if (count < 1 || piece < 1 || piece > count) return;
  // A bitmap cut into itself reads from a copy; any other source is read where it is.
  const bool itself = &source == &target;
  const platform::Bitmap copy = itself ? source.Data() : platform::Bitmap();
  const platform::Bitmap& strip = itself ? copy : source.Data();
  const int width = strip.Width() / count;
  const auto rowBytes = static_cast<std::size_t>(width) * 3;
  const auto offset = static_cast<std::size_t>(piece - 1) * rowBytes;
  target.SetSize(width, strip.Height());
  for (int y = 0; y < strip.Height() && rowBytes > 0; ++y)
    std::memcpy(target.ScanLine(y), strip.ScanLine(y) + offset, rowBytes);
}

}  // namespace suiThemeBitmaps
