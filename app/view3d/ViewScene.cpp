#include "app/view3d/ViewScene.h"

#include <utility>

namespace Bezier {

std::vector<double> TViewScene::IsoParameters(int count) {
  std::vector<double> values(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k)
    values[static_cast<std::size_t>(k)] = static_cast<double>(k) / (count - 1);
  return values;
}

std::vector<TVec3> ValidPoints(const TViewNet& net) {
  std::vector<TVec3> points;
  for (std::size_t k = 0; k < net.Points.size(); ++k)
    if (net.Valid[k]) points.push_back(net.Points[k]);
  return points;
}

TViewScene BuildScene(TViewNet net, const TViewOptions& options) {
  TViewScene scene;
  scene.Net = std::move(net);
  const std::vector<TVec3> points = ValidPoints(scene.Net);
  scene.Bounds = BoundsOf(points);
  if (!scene.Net.Complete()) return scene;
  const TPatch patch(scene.Net.M, scene.Net.N, scene.Net.Points);
  scene.Surface = Tessellate(patch, options.Steps, options.Steps);
  const std::vector<double> samples = TViewScene::IsoParameters(options.IsoSamples);
  for (const double t : TViewScene::IsoParameters(options.IsoCount)) {
    for (const std::vector<TVec3>& control : {patch.CurveAtU(t), patch.CurveAtV(t)}) {
      std::vector<TVec3>& line = scene.IsoLines.emplace_back();
      line.reserve(samples.size());
      for (const double s : samples) line.push_back(CurvePoint(control, s));
    }
  }
  return scene;
}

}  // namespace Bezier
