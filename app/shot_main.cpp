// bezier-shot OUT.png [POINTFILE]: the tool's main window as it starts, or after drawing a
// point file through File > Open and "Gambar Kurva", saved whole as a PNG.
#include <optional>
#include <string>

#include "app/BezierShot.h"
#include "app/cli/CommandFailure.h"
#include "app/cli/CommandLine.h"
#include "platform/graphics/Png.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"

namespace {

const Bezier::cli::TCommand Command{
    "bezier-shot",
    "OUT.png [POINTFILE]",
    1,
    2,
    "Starts the tool on the headless desktop and saves its whole main window as a PNG; with a\n"
    "point file, the file is first opened through File > Open and drawn with \"Gambar Kurva\".",
    {}};

void Shoot(const Bezier::cli::TArguments& arguments) {
  resources::RegisterEmbeddedResources();
  // The skin engine's own border masks, for controls that choose one rather than a skin's.
  sMaskData::LoadBuiltInMasks();
  const std::optional<std::string> pointFile =
      arguments.Operands.size() == 2 ? std::optional(arguments.Operands[1]) : std::nullopt;
  const Bezier::TWindowShot shot = Bezier::ShootMainWindow(pointFile);
  Bezier::cli::WriteOutputFile(arguments.Operands[0], platform::EncodePng(shot.Picture));
}

}  // namespace

int main(int argc, char** argv) {
  return Bezier::cli::RunCommand(Command, argc, argv, Shoot);
}
