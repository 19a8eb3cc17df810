// bezier-shot OUT.png [POINTFILE] [--skin FOLDER]: the tool's main window as it starts, or
// after drawing a point file through File > Open and "Gambar Kurva", saved whole as a PNG;
// with a skin folder in that skin, after a list of what the skin lacks.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/BezierShot.h"
#include "platform/graphics/Png.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"

namespace {

struct TArguments {
  std::string Out;
  std::optional<std::string> PointFile;
  std::optional<std::string> SkinFolder;
};

std::optional<TArguments> Parse(int argc, char** argv) {
  TArguments arguments;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--skin") {
      if (i + 1 == argc || arguments.SkinFolder) return std::nullopt;
      arguments.SkinFolder = argv[++i];
    } else {
      positional.emplace_back(argv[i]);
    }
  }
  if (positional.empty() || positional.size() > 2) return std::nullopt;
  arguments.Out = positional[0];
  if (positional.size() == 2) arguments.PointFile = positional[1];
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TArguments> arguments = Parse(argc, argv);
  if (!arguments) {
    std::fputs("usage: bezier-shot OUT.png [POINTFILE] [--skin FOLDER]\n", stderr);
    return 2;
  }
  resources::RegisterEmbeddedResources();
  try {
    // The skin engine's own border masks, for controls that choose one rather than a skin's.
    sMaskData::LoadBuiltInMasks();
    const Bezier::TWindowShot shot =
        Bezier::ShootMainWindow(arguments->PointFile, arguments->SkinFolder);
    for (const std::string& missing : shot.SkinMissing) std::printf("%s\n", missing.c_str());
    platform::SavePngFile(shot.Picture, arguments->Out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-shot: %s\n", e.what());
    return 1;
  }
  return 0;
}
