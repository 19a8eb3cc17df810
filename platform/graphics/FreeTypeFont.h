#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/graphics/Font.h"
#include "platform/graphics/FontMatch.h"

namespace platform {

struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<FT_FaceRec_, FaceDeleter>;

// Opens a face file for drawing; null when FreeType can't read it or it has no outlines.
FacePtr OpenScalableFace(FT_Library library, const FaceChoice& choice);

// One face at one pixel size, hinted lightly and antialiased in grey levels. Glyphs are
// rasterised on first use and kept; it is safe to share between threads.
class FreeTypeFont final : public ScaledFont {
 public:
  // height as in Font, non-zero and within MaxFontHeight; throws platform::Error when the
  // face can't be scaled to it.
  FreeTypeFont(FacePtr face, int height, bool synthesiseBold, bool synthesiseItalic);

  const TextMetrics& Metrics() const override { return metrics_; }
  const GlyphImage& Glyph(char32_t codepoint) override;
  int UnderlinePosition() const override { return underlinePosition_; }
  int StrikeOutPosition() const override { return strikeOutPosition_; }
  int LineThickness() const override { return lineThickness_; }

 private:
  void SetPixelSize(int ppem);
  int CellHeight() const;
  void ChoosePixelSize(int height);
  void ComputeMetrics(int ppem);
  GlyphImage Rasterise(FT_UInt index);

  FacePtr face_;
  FT_Pos emboldenStrength_ = 0;  // 26.6 pixels; 0 = the face's own weight
  bool oblique_ = false;
  TextMetrics metrics_;
  int underlinePosition_ = 0;
  int strikeOutPosition_ = 0;
  int lineThickness_ = 1;

  std::mutex mutex_;
  // Plain text is nearly all ASCII, which skips the hash lookup.
  std::array<const GlyphImage*, 128> ascii_{};
  std::unordered_map<FT_UInt, GlyphImage> glyphs_;
};

}  // namespace platform
