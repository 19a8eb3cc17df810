#include "app/export/Picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "platform/graphics/Canvas.h"

namespace Bezier {

namespace {

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
