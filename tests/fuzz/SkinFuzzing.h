#pragma once

// What the fuzz targets of skins share: a scratch folder for skin folders, and the checks once
// a skin has loaded: every lookup answers inside the lists, and every image and pattern paints
// the ways the painters use them.

#include <stdlib.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinManager.h"

namespace skinfuzz {

// A folder of its own (one per run), removed when the run ends; in memory where the system
// offers that, since every input writes its files anew.
inline std::filesystem::path ScratchFolder(const std::string& name) {
  std::error_code error;
  const std::filesystem::path shared("/dev/shm");
  const std::filesystem::path base = std::filesystem::is_directory(shared, error)
                                         ? shared
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / (name + "_XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) std::abort();
  static std::filesystem::path made;
  made = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(made, ignored);
  });
  return made;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The property names the painters ask for.
constexpr std::string_view PropertyNames[] = {"BORDERSMASK", "IMAGEFILE",    "HOTIMAGEFILE",
                                              "BICONCLOSE",  "GLYPHCHECKED", "GAUGEPROGRESSMASK"};

inline void CheckLookups() {
  using namespace sSkinManager;
  const auto& sections = SkinSections();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const int index = static_cast<int>(i);
    if (FindSectionIndex(sections[i].SectionName) > index) std::abort();
    for (const std::string_view property : PropertyNames) {
      const int image = FindImageIndex(index, sections[i].SectionName, property);
      if (image >= static_cast<int>(SkinImages().size())) std::abort();
      if (image >= 0 && SkinImages()[static_cast<std::size_t>(image)].Bitmap->Empty()) std::abort();
      if (FindPatternIndex(index, sections[i].SectionName, property) >=
          static_cast<int>(SkinPatterns().size()))
        std::abort();
    }
  }
}

// Each image as a border mask and as a glyph strip; each pattern of a size that a skin uses
// drawn, or refused with a framework error when its data is damaged past its header.
inline void PaintEverything() {
  using namespace sSkinManager;
  platform::Bitmap dest(23, 17);
  for (std::size_t i = 0; i < SkinImages().size(); ++i) {
    const int index = static_cast<int>(i);
    for (int state = 0; state < 3; ++state) {
      platform::Region region(dest.BoundsRect());
      sMaskData::PaintSkinMaskedBorder(dest, index, state, state != 2, region);
      sMaskData::PaintSkinGlyphCell(dest, index, {2, 1}, sMaskData::GlyphMode::Lightened, state);
    }
  }
  constexpr int LargestPattern = 1024;
  platform::Canvas canvas(dest);
  for (const SkinPatternEntry& pattern : SkinPatterns()) {
    if (pattern.Image->Width() > LargestPattern || pattern.Image->Height() > LargestPattern)
      continue;
    try {
      pattern.Image->Draw(canvas, {-3, 2, 30, 12});
    } catch (const framework::Exception&) {
    }
  }
}

// The manager of the targets that load skin folders. It is inactive between inputs, so that
// each input's skin is loaded and freed within it: a skin left loaded made every larger skin
// after it look like a leak to libFuzzer, which then ran that input again and searched the heap.
inline sSkinManager::TsSkinManager& Manager() {
  // Never freed: the skin lists it empties on destruction may be gone by then.
  static sSkinManager::TsSkinManager* const manager = [] {
    auto* made = new sSkinManager::TsSkinManager(nullptr);
    made->SetActive(false);
    return made;
  }();
  return *manager;
}

// Loads the skin folder "fz" under root: false when the loader refused it, which must leave no
// skin loaded; a loaded skin must have its options and answer every lookup inside its lists.
inline bool LoadSkinFolder(const std::filesystem::path& root) {
  sSkinManager::TsSkinManager& manager = Manager();
  manager.SetSkinDirectory(root.string());
  manager.SetSkinName("fz");
  try {
    manager.SetActive(true);
  } catch (const framework::Exception&) {
    if (sSkinManager::SkinLoaded()) std::abort();
    return false;
  }
  if (!sSkinManager::SkinLoaded() || !sSkinManager::SkinData().Ini) std::abort();
  CheckLookups();
  return true;
}

// Ends an input of LoadSkinFolder: the manager lets the skin go and its lists are freed.
inline void UnloadSkin() {
  using namespace sSkinManager;
  Manager().SetActive(false);
  SkinSections().clear();
  SkinPatterns().clear();
  SkinData().Ini.reset();
}

}  // namespace skinfuzz
