// Draws the skin engine's bitmaps into a folder (resources/skin of the checkout) as 24-bit BMP
// files named after their resources, and puts the stored skin's InternalSkins item into the
// main window's description (resources/Bezier.dfm) in place of the one it holds; the JPEG
// picture the description names for its gauge goes beside it. With --sheet it draws all of
// the artwork on one PNG instead, to look it over; with --dark it writes the dark skin's folder,
// and with --guide the pictures of docs/skins.md.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/graphics/Png.h"
#include "platform/kernel/Files.h"
#include "tools/skinart/BarPicture.h"
#include "tools/skinart/DarkSkin.h"
#include "tools/skinart/GuidePictures.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinSheet.h"

namespace {

void WriteResources(const std::string& folder, const std::string& description) {
  for (const skinart::TNamedBitmap& b : skinart::DrawSkinBitmaps())
    platform::WriteBinaryFile(folder + "/" + b.Name + ".bmp", platform::WriteBmp(b.Pixels));
  platform::WriteTextFile(description,
                          skinart::WithStoredSkin(platform::ReadTextFile(description)));
  const std::filesystem::path beside = std::filesystem::path(description).parent_path();
  platform::WriteBinaryFile((beside / skinart::BarPictureName).string() + ".jpg",
                            skinart::BarPictureJpeg());
}

void WriteDarkSkin(const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (const skinart::TSkinFile& file : skinart::DrawDarkSkin())
    platform::WriteBinaryFile(folder + "/" + file.Name, file.Bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: skinart BITMAP-FOLDER MAIN-WINDOW-DESCRIPTION\n"
                 "       skinart --sheet OUT.png\n"
                 "       skinart --dark SKIN-FOLDER\n"
                 "       skinart --guide DOCS-FOLDER\n");
    return 2;
  }
  try {
    const std::string first = argv[1];
    if (first == "--sheet")
      platform::SavePngFile(skinart::DrawSheet(), argv[2]);
    else if (first == "--dark")
      WriteDarkSkin(argv[2]);
    else if (first == "--guide")
      for (const skinart::TGuidePicture& picture : skinart::DrawGuidePictures())
        platform::SavePngFile(picture.Pixels, std::string(argv[2]) + "/" + picture.Name);
    else
      WriteResources(first, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinart: %s\n", e.what());
    return 1;
  }
  return 0;
}
