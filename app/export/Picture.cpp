#include "app/export/Picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/graphics/Canvas.h"

namespace Bezier {

namespace {

// A side's digits, when they are a number from 1 to MaxPictureSide.
std::optional<int> Side(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
      value > MaxPictureSide)
    return std::nullopt;
  return value;
}

MatA Scaled(const TPointTable& table, double scale) {
  MatA points = table.Points;
  for (auto& curve : points)
    for (auto& point : curve)
      for (std::int32_t& value : point) {
        const double scaled = std::nearbyint(value * scale);
        if (scaled < std::numeric_limits<std::int32_t>::min() ||
            scaled > std::numeric_limits<std::int32_t>::max())
          throw std::out_of_range("the size scales the points past the 32-bit range");
        value = static_cast<std::int32_t>(scaled);
      }
  return points;
}

}  // namespace

TPictureSize PictureSizeOf(std::string_view text) {
  const std::size_t x = text.find('x');
  const std::optional<int> width = x == text.npos ? std::nullopt : Side(text.substr(0, x));
  const std::optional<int> height = x == text.npos ? std::nullopt : Side(text.substr(x + 1));
  if (!width || !height)
    throw std::invalid_argument("the size '" + std::string(text) +
                                "' is not WxH with sides from 1 to " +
                                std::to_string(MaxPictureSide));
  return {*width, *height};
}

platform::Bitmap DrawnPicture(const TPointTable& table, TPictureSize size) {
  platform::Bitmap picture(size.Width, size.Height);
  picture.Fill(platform::ColorToRGB(platform::clBtnFace));
  platform::Canvas area(picture);
  const bool stated = size.Width == AreaWidth && size.Height == AreaHeight;
  const double scale = std::min(static_cast<double>(size.Width) / AreaWidth,
                                static_cast<double>(size.Height) / AreaHeight);
  DrawSurface(area, table.M - 1, table.N - 1, stated ? table.Points : Scaled(table, scale));
  return picture;
}

}  // namespace Bezier
