#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// The file a value of "Options.dat" names. Skins were made where file names ignore case, so
// a name that is not there as written may still match one file of the folder.
std::optional<std::string> FindSkinFile(const std::string& folder, std::string_view value) {
  std::string name(value);
  std::ranges::replace(name, '\\', '/');
  const bool absolute = name.starts_with('/') || name.find(':') != std::string::npos;
  const std::string path = absolute ? name : folder + name;
  if (framework::FileExists(path)) return path;

  const std::filesystem::path wanted(path);
  std::error_code error;
  for (std::filesystem::directory_iterator it(wanted.parent_path(), error), end;
       !error && it != end; it.increment(error)) {
    const std::filesystem::path& candidate = it->path();
    if (framework::SameText(candidate.filename().string(), wanted.filename().string()) &&
        framework::FileExists(candidate.string()))
      return candidate.string();
  }
  return std::nullopt;
}

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
      if (const std::optional<std::string> file = FindSkinFile(folder, value))
        visit(framework::UpperCase(section), framework::UpperCase(key), *file);
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
// pixels. A file that cannot be decoded takes its entry away again and raises its error.
template <class Entry>
void AppendLoaded(std::vector<Entry>& list, Entry entry, const std::string& file) {
  framework::TGraphic& picture = PictureOf(list.emplace_back(std::move(entry)));
  try {
    picture.LoadFromFile(file);
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
