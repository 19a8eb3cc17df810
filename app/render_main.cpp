// bezier-render POINTFILE OUT.png: draws a point file as "Gambar Kurva" would on a fresh
// drawing area, and saves the area as a PNG.
#include <string>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "app/cli/CommandFailure.h"
#include "app/cli/CommandLine.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"

namespace {

const Bezier::cli::TCommand Command{
    "bezier-render",
    "POINTFILE OUT.png",
    2,
    2,
    "Draws a point file as the tool's \"Gambar Kurva\" does and saves the drawing area as a PNG.",
    {}};

Bezier::TPointTable ReadTable(const std::string& pointFile) {
  const std::string text = Bezier::cli::ReadInputFile(pointFile);
  try {
    return Bezier::ReadPointTable(framework::SplitTextLines(text));
  } catch (const framework::Exception& e) {
    // The tool's own message, about this file.
    throw Bezier::cli::TFailure(pointFile, e.Message());
  }
}

void Render(const Bezier::cli::TArguments& arguments) {
  const Bezier::TPointTable table = ReadTable(arguments.Operands[0]);
  platform::Bitmap picture(Bezier::AreaWidth, Bezier::AreaHeight);
  picture.Fill(platform::ColorToRGB(platform::clBtnFace));
  platform::Canvas area(picture);
  Bezier::DrawSurface(area, table.M - 1, table.N - 1, table.Points);
  Bezier::cli::WriteOutputFile(arguments.Operands[1], platform::EncodePng(picture));
}

}  // namespace

int main(int argc, char** argv) {
  return Bezier::cli::RunCommand(Command, argc, argv, Render);
}
