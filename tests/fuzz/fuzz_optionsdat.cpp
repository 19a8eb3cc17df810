// "Options.dat" comes from a skin folder on disk: any text, naming any files. Activating it
// either loads a skin whose lookups all answer within the lists, or raises a framework error.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/fuzz/SkinFuzzing.h"

namespace {

// A skin folder "fz" with a good and a bad bitmap beside the file under test.
const std::filesystem::path& SkinFolder() {
  static const std::filesystem::path root = [] {
    const std::filesystem::path made = skinfuzz::ScratchFolder("optionsdat");
    const std::filesystem::path folder = made / "fz";
    std::filesystem::create_directory(folder);
    platform::Bitmap picture(9, 6);
    picture.Fill(0xFF00FF);
    const std::vector<std::uint8_t> bmp = platform::WriteBmp(picture);
    skinfuzz::WriteFile(folder / "a.bmp",
                        std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
    skinfuzz::WriteFile(folder / "bad.bmp", "BM\x10\x00");
    return made;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& root = SkinFolder();
  skinfuzz::WriteFile(root / "fz" / "Options.dat",
                      std::string_view(reinterpret_cast<const char*>(data), size));
  skinfuzz::LoadSkinFolder(root);
  skinfuzz::UnloadSkin();
  return 0;
}
