#include <array>
#include <exception>
#include <string>

#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Resources.h"
#include "skinengine/controls/sCheckedControl.h"

namespace sCheckedControl {

namespace {

// "C" or "R" for check box or radio button, then checked "C" or unchecked "U", then the
// normal "C" or the active "H" look: "CCC" .. "RUH".
std::string GlyphName(bool checkBox, bool checked, bool active) {
  return {checkBox ? 'C' : 'R', checked ? 'C' : 'U', active ? 'H' : 'C'};
}

}  // namespace

const platform::Bitmap& DefaultGlyph(bool checkBox, bool checked, bool active) {
  static std::array<platform::Bitmap, 8> glyphs;
  platform::Bitmap& glyph = glyphs[(checkBox ? 4 : 0) + (checked ? 2 : 0) + (active ? 1 : 0)];
  if (!glyph.Empty()) return glyph;
  // Looked for again on the next paint: the resources may be registered later.
  const auto data = platform::FindResource(GlyphName(checkBox, checked, active));
  if (!data) return glyph;
  try {
    glyph = platform::ReadBmp(*data);
  } catch (const std::exception&) {
    // An unreadable glyph is no glyph: the check area stays empty.
  }
  return glyph;
}

}  // namespace sCheckedControl
