// bezier-shot OUT.png [POINTFILE]: the tool's main window as it starts, or after drawing a
// point file through File > Open and "Gambar Kurva", saved whole as a PNG.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "app/BezierShot.h"
#include "platform/graphics/Png.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: bezier-shot OUT.png [POINTFILE]\n", stderr);
    return 2;
  }
  resources::RegisterEmbeddedResources();
  try {
    // The skin engine's own border masks, for controls that choose one rather than a skin's.
    sMaskData::LoadBuiltInMasks();
    const std::optional<std::string> pointFile =
        argc == 3 ? std::optional<std::string>(argv[2]) : std::nullopt;
    platform::SavePngFile(Bezier::ShootMainWindow(pointFile).Picture, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-shot: %s\n", e.what());
    return 1;
  }
  return 0;
}
