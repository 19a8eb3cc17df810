// The surface drawing: both passes worked out side by side, then the net and the surface pixels.
#include <exception>
#include <thread>

#include "app/BezierSurface.h"
#include "app/BezierSurfaceSum.h"

namespace Bezier {

namespace {

// The pixels of one pass, in drawing order.
std::vector<platform::TPoint> PassPixels(std::int32_t q, std::int32_t p, const MatA& points,
                                         TFixed fixed, bool includeOne) {
  const std::vector<double> outer = OuterParameters();
  const std::vector<double> inner = InnerParameters(includeOne);
  const std::vector<TSurfacePoint> surface = SurfaceLines(q, p, points, fixed, outer, inner);
  std::vector<platform::TPoint> pixels;
  pixels.reserve(surface.size());
  for (const TSurfacePoint& s : surface) pixels.push_back(SurfacePixel(s));
  return pixels;
}

// PutPixel for every pixel of both passes, with the clip worked out once. Every surface pixel
// has the same colour and comes after the net, so a pixel that many points land on is set once.
void PlotPixels(platform::Canvas& area, const std::vector<platform::TPoint>& passA,
                const std::vector<platform::TPoint>& passB) {
  const platform::TRect clip = area.ClipRect();
  const std::int64_t width = clip.Right - clip.Left;
  std::vector<std::uint8_t> set(static_cast<std::size_t>(width * (clip.Bottom - clip.Top)));
  for (const auto* pass : {&passA, &passB}) {
    for (const platform::TPoint& pixel : *pass) {
      const std::int64_t x = std::int64_t{pixel.X} + DrawOffset;
      const std::int64_t y = std::int64_t{pixel.Y} + DrawOffset;
      if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) continue;
      const auto index = static_cast<std::size_t>((y - clip.Top) * width + (x - clip.Left));
      if (set[index] != 0) continue;
      set[index] = 1;
      area.SetPixel(static_cast<int>(x), static_cast<int>(y), platform::clRed);
    }
  }
}

}  // namespace

void DrawSurface(platform::Canvas& area, std::int32_t q, std::int32_t p, const MatA& points) {
  CheckNet(q, p, points);
  // Pass B on a worker while this thread works out pass A; neither touches the canvas, and
  // both are joined before the first pixel is set, so the picture is the same every time.
  std::vector<platform::TPoint> passB;
  std::exception_ptr failure;
  std::jthread worker([&] {
    try {
      passB = PassPixels(q, p, points, TFixed::V, true);
    } catch (...) {
      failure = std::current_exception();
    }
  });
  const std::vector<platform::TPoint> passA = PassPixels(q, p, points, TFixed::U, false);
  worker.join();
  if (failure) std::rethrow_exception(failure);
  DrawNet(area, q, p, points);
  PlotPixels(area, passA, passB);
}

}  // namespace Bezier
