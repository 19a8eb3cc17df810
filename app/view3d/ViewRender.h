#pragma once

#include <array>
#include <optional>

#include "app/view3d/Camera.h"
#include "app/view3d/ViewFrame.h"
#include "app/view3d/ViewScene.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"

namespace Bezier {

// The colours of the view, 0x00BBGGRR.
struct TViewColors {
  platform::TColor Background = 0xF0ECE8;
  platform::TColor Front = 0x3C8CE6;  // orange
  platform::TColor Back = 0xC8966E;   // steel blue
  platform::TColor Net = 0x202020;
  platform::TColor IsoLine = 0x10107A;
  platform::TColor Grid = 0xC8C4C0;
  std::array<platform::TColor, 3> Axes{0x2020D0, 0x20A020, 0xD02020};  // X red, Y green, Z blue
  platform::TColor Marker = 0xA03010;
  platform::TColor MarkerBorder = 0xFFFFFF;
  platform::TColor Selected = 0x00E0FF;  // yellow
  platform::TColor SelectedBorder = 0x0000C0;
};
inline constexpr TViewColors ViewColors{};

// Half the side of a point's marker, and how far from it a click still takes it, in pixels.
inline constexpr int MarkerHalf = 3;
inline constexpr int PickReach = MarkerHalf + 3;

// Light: a share everywhere, the rest by the angle to a light that moves with the camera, up
// and to the left of the eye.
inline constexpr double AmbientLight = 0.3;
inline constexpr double DiffuseLight = 0.7;

// Where the axes end on the screen, for their names; none for an axis not shown.
using TAxisEnds = std::array<std::optional<platform::TPoint>, 3>;

// One frame of the view, width x height: the ground grid and axes, the shaded surface, the
// iso-parameter lines, the net and its markers, as the options say; the selected point (-1:
// none) lit up.
TAxisEnds RenderView(TViewFrame& frame, int width, int height, const TCamera& camera,
                     const TViewScene& scene, const TViewOptions& options, int selected);

// The axes' names "X", "Y" and "Z" beside their ends, in their colours.
void DrawAxisNames(platform::Canvas& canvas, const TAxisEnds& ends);

// Where a point's marker is drawn; none when it is behind the eye.
std::optional<platform::TPoint> MarkerPixel(const TCamera& camera, const TVec3& point);
// The point whose marker a click at (x, y) takes: of those within reach, the nearest to the
// viewer; -1 for none.
int PickPoint(const TCamera& camera, const TViewNet& net, platform::TPoint click);

}  // namespace Bezier
