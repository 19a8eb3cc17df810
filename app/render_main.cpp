// bezier-render POINTFILE OUT.png: draws a point file as "Gambar Kurva" would on a fresh
// drawing area, and saves the area as a PNG.
#include <cstdio>
#include <exception>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: bezier-render POINTFILE OUT.png\n", stderr);
    return 2;
  }
  try {
    const Bezier::TPointTable table = Bezier::ReadPointTable(framework::ReadTextFileLines(argv[1]));
    platform::Bitmap picture(Bezier::AreaWidth, Bezier::AreaHeight);
    picture.Fill(platform::ColorToRGB(platform::clBtnFace));
    platform::Canvas area(picture);
    Bezier::DrawSurface(area, table.M - 1, table.N - 1, table.Points);
    platform::SavePngFile(picture, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-render: %s\n", e.what());
    return 1;
  }
  return 0;
}
