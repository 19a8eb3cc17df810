// Draws the program's icon into a folder (resources/icon of the checkout): a PNG for each size
// the desktop asks for, and the scalable SVG.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/graphics/Png.h"
#include "platform/kernel/Files.h"
#include "resources/AppIcon.h"
#include "tools/iconart/IconRaster.h"
#include "tools/iconart/IconSvg.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconart ICON-FOLDER\n");
    return 2;
  }
  try {
    const std::string folder = argv[1];
    for (const int size : resources::AppIconSizes) {
      platform::WriteBinaryFile(folder + "/" + resources::AppIconName(size) + ".png",
                                platform::EncodePng(iconart::DrawIcon(size)));
    }
    const std::string svg = iconart::IconSvg();
    platform::WriteTextFile(folder + "/" + resources::AppIconScalable, svg);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "iconart: %s\n", e.what());
    return 1;
  }
  return 0;
}
