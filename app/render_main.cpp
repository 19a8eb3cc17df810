// bezier-render POINTFILE OUT.png: draws a point file as "Gambar Kurva" would on a fresh
// drawing area, and saves the area as a PNG.
#include <cstdio>
#include <exception>
#include <string>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"

namespace {

platform::Bitmap DrawPointFile(const std::string& pointFile) {
  const Bezier::TPointTable table = Bezier::ReadPointTable(framework::ReadTextFileLines(pointFile));
  platform::Bitmap picture(Bezier::AreaWidth, Bezier::AreaHeight);
  picture.Fill(platform::ColorToRGB(platform::clBtnFace));
  platform::Canvas area(picture);
  Bezier::DrawSurface(area, table.M - 1, table.N - 1, table.Points);
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: bezier-render POINTFILE OUT.png\n", stderr);
    return 2;
  }
  // A message names the program and the file it is about, as command-line tools do; those
  // of the picture name their file themselves.
  platform::Bitmap picture;
  try {
    picture = DrawPointFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-render: %s: %s\n", argv[1], e.what());
    return 1;
  }
  try {
    platform::SavePngFile(picture, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-render: %s\n", e.what());
    return 1;
  }
  return 0;
}
