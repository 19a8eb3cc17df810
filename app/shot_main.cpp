// bezier-shot OUT.png [POINTFILE] [--skin FOLDER]: the tool's main window as it starts, or
// after drawing a point file through File > Open and "Gambar Kurva", saved whole as a PNG;
// with a skin folder in that skin, after a list of what the skin lacks.
#include <cstdio>
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
    {{"--skin", "FOLDER", "wear the skin in FOLDER; first list what it lacks, one line each"}}};

void Shoot(const Bezier::cli::TArguments& arguments) {
  resources::RegisterEmbeddedResources();
  // The skin engine's own border masks, for controls that choose one rather than a skin's.
  sMaskData::LoadBuiltInMasks();
  const std::optional<std::string> pointFile =
      arguments.Operands.size() == 2 ? std::optional(arguments.Operands[1]) : std::nullopt;
  const auto skin = arguments.Options.find("--skin");
  const Bezier::TWindowShot shot = Bezier::ShootMainWindow(
      pointFile, skin == arguments.Options.end() ? std::nullopt : std::optional(skin->second));
  for (const std::string& missing : shot.SkinMissing) std::printf("%s\n", missing.c_str());
  Bezier::cli::WriteOutputFile(arguments.Operands[0], platform::EncodePng(shot.Picture));
}

}  // namespace

int main(int argc, char** argv) {
  return Bezier::cli::RunCommand(Command, argc, argv, Shoot);
}
