#include "tools/iconart/IconSvg.h"

#include <cstdio>
#include <string>

#include "tools/iconart/IconPicture.h"

namespace iconart {

namespace {

// Units of the document's view box per side of the unit square.
constexpr double Scale = 256;

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v * Scale);
  return text;
}

std::string Colour(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

std::string Points(const TUnitPoint* first, std::size_t count) {
  // Appended piece by piece: g++ -O3 reads "literal" + std::string as a possible overlap.
  std::string text;
  for (std::size_t k = 0; k < count; ++k) {
    if (k != 0) text += ' ';
    text += Number(first[k].X);
    text += ',';
    text += Number(first[k].Y);
  }
  return text;
}

}  // namespace

std::string IconSvg() {
  const TIconPicture p = FullIconPicture();
  const TTile& t = p.Tile;
  const std::string side = Number(1 - 2 * t.Margin);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n"
      "  <defs>\n"
      "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
      "      <stop offset=\"0\" stop-color=\"" +
      Colour(t.Top) +
      "\"/>\n"
      "      <stop offset=\"1\" stop-color=\"" +
      Colour(t.Bottom) +
      "\"/>\n"
      "    </linearGradient>\n"
      "  </defs>\n"
      "  <rect x=\"" +
      Number(t.Margin) + "\" y=\"" + Number(t.Margin) + "\" width=\"" + side + "\" height=\"" +
      side + "\" rx=\"" + Number(t.Radius) + "\" fill=\"url(#tile)\"/>\n";
  // Each facet's own outline closes the hairline seams between neighbours.
  for (const TFacet& f : p.Facets) {
    svg += "  <polygon points=\"" + Points(f.Corners, 4) + "\" fill=\"" + Colour(f.Color) +
           "\" stroke=\"" + Colour(f.Color) +
           "\" stroke-width=\"0.5\" stroke-linejoin=\"round\"/>\n";
  }
  for (const TStroke& s : p.Strokes) {
    char opacity[16];
    std::snprintf(opacity, sizeof opacity, "%.3f", s.Opacity / 255.0);
    svg += "  <polyline points=\"" + Points(s.Points.data(), s.Points.size()) +
           "\" fill=\"none\" stroke=\"" + Colour(s.Color) + "\" stroke-width=\"" + Number(s.Width) +
           "\" stroke-opacity=\"" + opacity +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
  }
  for (const TDot& d : p.Dots) {
    svg += "  <circle cx=\"" + Number(d.Centre.X) + "\" cy=\"" + Number(d.Centre.Y) + "\" r=\"" +
           Number(d.Radius) + "\" fill=\"" + Colour(d.Color) + "\"/>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace iconart
