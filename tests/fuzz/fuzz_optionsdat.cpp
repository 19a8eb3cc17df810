// "Options.dat" comes from a skin folder on disk: any text, naming any files. Activating it
// either loads a skin whose lookups all answer within the lists, or raises a framework error.
#include <stdlib.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"
#include "skin/sSkinManager.h"

namespace {

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A skin folder "fz" with a good and a bad bitmap beside the file under test; removed at exit.
const std::filesystem::path& SkinFolder() {
  static const std::filesystem::path root = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "optionsdat_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    const std::filesystem::path folder = std::filesystem::path(pattern) / "fz";
    std::filesystem::create_directory(folder);
    platform::Bitmap picture(9, 6);
    picture.Fill(0xFF00FF);
    const std::vector<std::uint8_t> bmp = platform::WriteBmp(picture);
    WriteFile(folder / "a.bmp",
              std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
    WriteFile(folder / "bad.bmp", "BM\x10\x00");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(root, ignored);
    });
    return std::filesystem::path(pattern);
  }();
  return root;
}

void CheckLookups() {
  using namespace sSkinManager;
  const auto& sections = SkinSections();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const int index = static_cast<int>(i);
    if (FindSectionIndex(sections[i].SectionName) > index) std::abort();
    const int image = FindImageIndex(index, sections[i].SectionName, "BORDERSMASK");
    if (image >= static_cast<int>(SkinImages().size())) std::abort();
    if (image >= 0 && SkinImages()[static_cast<std::size_t>(image)].Bitmap->Empty()) std::abort();
    if (FindPatternIndex(index, sections[i].SectionName, "IMAGEFILE") >=
        static_cast<int>(SkinPatterns().size()))
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Never freed: the skin lists it empties on destruction may be gone by then.
  static auto* manager = new sSkinManager::TsSkinManager(nullptr);
  const std::filesystem::path& root = SkinFolder();
  WriteFile(root / "fz" / "Options.dat",
            std::string_view(reinterpret_cast<const char*>(data), size));
  manager->SetSkinDirectory(root.string());
  try {
    manager->SetSkinName("fz");
  } catch (const framework::Exception&) {
    if (sSkinManager::SkinLoaded()) std::abort();
    return 0;
  }
  if (!sSkinManager::SkinLoaded() || !sSkinManager::SkinData().Ini) std::abort();
  CheckLookups();
  return 0;
}
