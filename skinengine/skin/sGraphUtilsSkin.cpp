#include "skinengine/skin/sGraphUtilsSkin.h"

#include <cstddef>

#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sSkinLists.h"

namespace sGraphUtils {

void WriteSkinnedText(platform::Canvas& canvas, std::string_view text, bool enabled, bool hot,
                      int sectionIndex, unsigned flags, platform::TRect& rect) {
  const auto& sections = sSkinManager::SkinSections();
  const TsFontColor* colors = nullptr;
  if (sectionIndex >= 0 && static_cast<std::size_t>(sectionIndex) < sections.size()) {
    const sSkinManager::SkinSectionData& section = sections[static_cast<std::size_t>(sectionIndex)];
    colors = hot ? &section.HotFontColor : &section.FontColor;
  }
  WriteOutlinedText(canvas, text, enabled, colors, flags, rect);
}

}  // namespace sGraphUtils
