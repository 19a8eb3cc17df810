#include "skinengine/skin/sSkinLists.h"

#include <cstddef>

#include "framework/runtime/Text.h"
#include "skinengine/skin/sSkinFolderRules.h"

namespace sSkinManager {

namespace {

bool skinLoaded = false;

// The entry of the property for the section, else its parent's, and so on. A chain that
// comes back to a section already seen ends the search.
template <class Entry>
int FindInherited(const std::vector<Entry>& entries, int skinIndex, std::string_view sectionName,
                  std::string_view propertyName) {
  if (!skinLoaded || sectionName.empty() || skinIndex < 0) return -1;
  const std::vector<SkinSectionData>& sections = SkinSections();
  std::vector<bool> visited(sections.size());
  std::string name = framework::UpperCase(sectionName);
  for (;;) {
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].PropertyName == propertyName && entries[i].SectionName == name)
        return static_cast<int>(i);
    if (static_cast<std::size_t>(skinIndex) >= sections.size()) return -1;
    visited[static_cast<std::size_t>(skinIndex)] = true;
    std::string parent =
        framework::UpperCase(sections[static_cast<std::size_t>(skinIndex)].ParentClassName);
    if (parent.empty() || parent == name) return -1;
    skinIndex = FindSectionIndex(parent);
    if (skinIndex < 0 || visited[static_cast<std::size_t>(skinIndex)]) return -1;
    name = std::move(parent);
  }
}

}  // namespace

std::vector<SkinSectionData>& SkinSections() {
  static std::vector<SkinSectionData> sections;
  return sections;
}

std::vector<SkinImageEntry>& SkinImages() {
  static std::vector<SkinImageEntry> images;
  return images;
}

std::vector<SkinPatternEntry>& SkinPatterns() {
  static std::vector<SkinPatternEntry> patterns;
  return patterns;
}

bool SkinLoaded() {
  return skinLoaded;
}

void SetSkinLoaded(bool loaded) {
  skinLoaded = loaded;
}

int FindSectionIndex(std::string_view sectionName) {
  if (!skinLoaded) return -1;
  const std::vector<SkinSectionData>& sections = SkinSections();
  for (std::size_t i = 0; i < sections.size(); ++i)
    if (framework::SameText(sections[i].SectionName, sectionName)) return static_cast<int>(i);
  if (ReportOpen() && !sectionName.empty())
    ReportMissing("bagian [" + std::string(sectionName) + "] tidak ada");
  return -1;
}

int FindImageIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) {
  return FindInherited(SkinImages(), skinIndex, sectionName, propertyName);
}

int FindPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) {
  return FindInherited(SkinPatterns(), skinIndex, sectionName, propertyName);
}

void ClearSkinImages() {
  std::vector<SkinImageEntry>& images = SkinImages();
  while (!images.empty()) images.pop_back();
}

}  // namespace sSkinManager
