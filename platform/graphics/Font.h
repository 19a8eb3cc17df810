#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace platform {

// A logical font as the stored descriptions give it. A negative height is the character
// (em) height in pixels, a positive one the cell height (ascent + descent), 0 the default.
struct Font {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  TColor Color = clWindowText;

  friend bool operator==(const Font&, const Font&) = default;
};

struct TextMetrics {
  int Height = 0;  // Ascent + Descent
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;  // Height minus the em height
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

// One rasterised glyph: an 8-bit coverage mask placed relative to the pen position on the
// baseline (Left to the right, Top upwards), and the advance to the next pen position.
struct GlyphImage {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Advance = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height, row by row from the top
};

// A font resolved to a face file and scaled to pixels; glyphs are rasterised once and kept.
class ScaledFont {
 public:
  virtual ~ScaledFont() = default;
  virtual const TextMetrics& Metrics() const = 0;
  virtual const GlyphImage& Glyph(char32_t codepoint) = 0;
  // Position (below the baseline, positive downwards) and thickness of the decoration lines.
  virtual int UnderlinePosition() const = 0;
  virtual int StrikeOutPosition() const = 0;  // above the baseline, positive upwards
  virtual int LineThickness() const = 0;
};

// The process-wide font cache; "MS Sans Serif" is served by "Liberation Sans", a missing
// face by fontconfig's sans-serif. Throws platform::Error when not even that can be had, or
// when the height is beyond MaxFontHeight pixels either way: giant glyphs kept for the whole
// process would let a description exhaust memory.
inline constexpr int MaxFontHeight = 256;
ScaledFont& GetScaledFont(const Font& font);

// How many glyphs have been rasterised in this process; a warm cache leaves it unchanged.
std::size_t GlyphRasterCount();

// Decodes UTF-8; invalid bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// Width of a single line (no tab or prefix processing) and the font's cell height.
TSize TextExtent(const Font& font, std::string_view text);
TextMetrics GetTextMetrics(const Font& font);

}  // namespace platform
