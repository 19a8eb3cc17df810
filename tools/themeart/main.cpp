// Draws the theme bitmaps of the UI styles into a folder (resources/theme of the checkout)
// as 24-bit BMP files named after their resources.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Files.h"
#include "tools/themeart/ThemeArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: themeart FOLDER\n");
    return 2;
  }
  try {
    const std::string folder = std::string(argv[1]) + "/";
    for (const themeart::TThemeBitmap& b : themeart::DrawThemeBitmaps())
      platform::WriteBinaryFile(folder + b.Name + ".bmp", platform::WriteBmp(b.Pixels));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "themeart: %s\n", e.what());
    return 1;
  }
  return 0;
}
