#pragma once

#include <string_view>
#include <vector>

#include "platform/graphics/Font.h"

namespace platform {

struct PlacedGlyph {
  const GlyphImage* Image = nullptr;
  int X = 0;  // pen position from the line's left edge
};

// A horizontal stretch of a line, from its left edge.
struct TextSpan {
  int X = 0;
  int Width = 0;
  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

struct TextLine {
  std::vector<PlacedGlyph> Glyphs;
  std::vector<TextSpan> Underlines;  // the characters an "&" marks
  int Width = 0;
};

// Splits UTF-8 text into lines and places their glyphs the way the formatted text call does
// for its DT_* flags: line breaks unless DT_SINGLELINE, word breaks past maxWidth with
// DT_WORDBREAK, tab stops with DT_EXPANDTABS, "&" prefixes unless DT_NOPREFIX. Alignment and
// the other flags are the caller's. Empty text has no lines; a final line break adds none.
std::vector<TextLine> LayoutText(ScaledFont& font, std::string_view text, unsigned flags,
                                 int maxWidth);

}  // namespace platform
