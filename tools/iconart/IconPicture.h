#pragma once

#include <vector>

#include "platform/graphics/Color.h"

// The program's icon as shapes in a unit square (x right, y down): a blue tile carrying a
// bicubic Bezier patch seen from above at a slant, with its grid lines and, where the icon is
// large enough to show it, its control net. The pixel and the scalable icon both draw this.
namespace iconart {

using platform::TColor;

struct TUnitPoint {
  double X = 0;
  double Y = 0;
};

// The tile: a rounded square with a vertical gradient.
struct TTile {
  double Margin = 0;
  double Radius = 0;
  TColor Top = 0;
  TColor Bottom = 0;
};

struct TFacet {
  TUnitPoint Corners[4];
  TColor Color = 0;
};

struct TStroke {
  std::vector<TUnitPoint> Points;
  double Width = 0;
  TColor Color = 0;
  int Opacity = 255;
};

struct TDot {
  TUnitPoint Centre;
  double Radius = 0;
  TColor Color = 0;
};

struct TIconPicture {
  TTile Tile;
  std::vector<TFacet> Facets;  // back to front
  std::vector<TStroke> Strokes;
  std::vector<TDot> Dots;
};

// The picture for an icon of size pixels: small icons leave out what would blur into mud.
TIconPicture DrawIconPicture(int size);
// The picture the scalable icon shows: everything.
TIconPicture FullIconPicture();

}  // namespace iconart
