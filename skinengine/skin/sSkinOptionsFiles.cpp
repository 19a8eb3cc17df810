#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"
#include "skinengine/skin/sSkinFolderRules.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// Every value of every key that names an existing file of one of the extensions, with the
// section and key it stands under, in file order.
template <class Visit>
void ForEachSkinFile(const framework::TMemIniFile& ini, const std::string& folder,
                     std::initializer_list<std::string_view> extensions, Visit visit) {
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      const std::string value = ini.ReadString(section, key, "-");
      const std::string upper = framework::UpperCase(value);
      if (std::ranges::none_of(
              extensions, [&](std::string_view e) { return upper.find(e) != std::string::npos; }))
        continue;
      if (const std::optional<std::string> file = SkinFilePath(folder, value))
        visit(framework::UpperCase(section), framework::UpperCase(key), *file);
      else
        ReportMissing("gambar \"" + value + "\" dari [" + section + "] " + key + " tidak ada");
    }
  }
}

framework::TGraphic& PictureOf(SkinImageEntry& entry) {
  return *entry.Bitmap;
}
framework::TGraphic& PictureOf(SkinPatternEntry& entry) {
  return *entry.Image;
}

// Appends an entry named as given, loads its picture, and keeps it only when the picture has
// pixels. A file that cannot be decoded, or is too large to decode, takes its entry away again
// and raises its error.
template <class Entry>
void AppendLoaded(std::vector<Entry>& list, Entry entry, const std::string& file) {
  framework::TGraphic& picture = PictureOf(list.emplace_back(std::move(entry)));
  try {
    int error = 0;
    const std::optional<std::string> data = framework::ReadWholeFile(file, error);
    if (!data) throw framework::EFOpenError(file, framework::SysErrorMessage(error));
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(data->data()), data->size());
    CheckPictureSize(bytes, file);
    picture.LoadFromData(bytes);
  } catch (...) {
    list.pop_back();
    throw;
  }
  if (picture.Width() < 1 || picture.Height() < 1) list.pop_back();
}

}  // namespace

void LoadOptionsImages(const framework::TMemIniFile& ini, const std::string& folder) {
  ClearSkinImages();
  ForEachSkinFile(ini, folder, {".BMP"},
                  [](std::string section, std::string key, const std::string& file) {
                    AppendLoaded(SkinImages(),
                                 SkinImageEntry{std::make_unique<framework::TBitmap>(),
                                                std::move(section), std::move(key)},
                                 file);
                  });
}

void LoadOptionsPatterns(const framework::TMemIniFile& ini, const std::string& folder) {
  SkinPatterns().clear();
  ForEachSkinFile(ini, folder, {".JPG", ".JPEG"},
                  [](std::string section, std::string key, const std::string& file) {
                    AppendLoaded(SkinPatterns(),
                                 SkinPatternEntry{std::make_unique<framework::TJPEGImage>(),
                                                  std::move(section), std::move(key)},
                                 file);
                  });
}

}  // namespace sSkinManager
