// Draws the skin engine's bitmaps into a folder (resources/skin of the checkout) as 24-bit BMP
// files named after their resources, and puts the stored skin's InternalSkins item into the
// main window's description (resources/Bezier.dfm) in place of the one it holds.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Files.h"
#include "tools/skinart/SkinArt.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinart BITMAP-FOLDER MAIN-WINDOW-DESCRIPTION\n");
    return 2;
  }
  try {
    const std::string folder = std::string(argv[1]) + "/";
    for (const skinart::TNamedBitmap& b : skinart::DrawSkinBitmaps())
      platform::WriteBinaryFile(folder + b.Name + ".bmp", platform::WriteBmp(b.Pixels));
    const auto old = platform::ReadBinaryFile(argv[2]);
    const std::string text = skinart::WithStoredSkin(std::string(old.begin(), old.end()));
    platform::WriteBinaryFile(argv[2], {text.begin(), text.end()});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinart: %s\n", e.what());
    return 1;
  }
  return 0;
}
