#include "platform/graphics/FreeTypeFont.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/Error.h"

namespace platform {

namespace {

std::atomic<std::size_t> rasterised{0};

// FreeType measures in 26.6 fixed point.
int CeilPixels(FT_Pos value) {
  return static_cast<int>((value + 63) >> 6);
}
int RoundPixels(FT_Pos value) {
  return static_cast<int>((value + 32) >> 6);
}

// The slant of a synthesised italic, about twelve degrees.
constexpr FT_Matrix kOblique{0x10000, 0x0366A, 0, 0x10000};

const std::uint8_t* TopRow(const FT_Bitmap& bitmap) {
  // An upward-flowing bitmap keeps its top row last in memory.
  if (bitmap.pitch >= 0) return bitmap.buffer;
  return bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.rows - 1) * -bitmap.pitch;
}

}  // namespace

std::size_t GlyphRasterCount() {
  return rasterised.load();
}

FacePtr OpenScalableFace(FT_Library library, const FaceChoice& choice) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, choice.Path.c_str(), choice.Index, &face) != 0) return nullptr;
  FacePtr owned(face);
  if (!FT_IS_SCALABLE(face)) return nullptr;
  return owned;
}

FreeTypeFont::FreeTypeFont(FacePtr face, int height, bool synthesiseBold, bool synthesiseItalic)
    : face_(std::move(face)), oblique_(synthesiseItalic) {
  ChoosePixelSize(height);
  const int ppem = face_->size->metrics.y_ppem;
  // Synthetic bold smears each stem by a whole pixel or more, as desktop font engines do.
  if (synthesiseBold) emboldenStrength_ = std::max(1, RoundPixels(ppem * 64 / 24)) * 64;
  ComputeMetrics(ppem);
}

void FreeTypeFont::SetPixelSize(int ppem) {
  if (FT_Set_Pixel_Sizes(face_.get(), 0, static_cast<FT_UInt>(ppem)) != 0)
    throw Error("cannot scale the font face to " + std::to_string(ppem) + " pixels");
}

int FreeTypeFont::CellHeight() const {
  const FT_Size_Metrics& m = face_->size->metrics;
  return CeilPixels(m.ascender) + CeilPixels(-m.descender);
}

void FreeTypeFont::ChoosePixelSize(int height) {
  if (height < 0) {
    SetPixelSize(-height);
    return;
  }
  // A positive height is the cell: take the largest em whose cell still fits.
  const long long units = face_->ascender - face_->descender;
  int ppem = height;
  if (units > 0)
    ppem = static_cast<int>(std::clamp((height * face_->units_per_EM + units - 1) / units, 1LL,
                                       static_cast<long long>(height)));
  SetPixelSize(ppem);
  while (ppem > 1 && CellHeight() > height) SetPixelSize(--ppem);
}

void FreeTypeFont::ComputeMetrics(int ppem) {
  const FT_Size_Metrics& m = face_->size->metrics;
  const int extra = static_cast<int>(emboldenStrength_ >> 6);
  metrics_.Ascent = CeilPixels(m.ascender);
  metrics_.Descent = CeilPixels(-m.descender);
  metrics_.Height = metrics_.Ascent + metrics_.Descent;
  metrics_.InternalLeading = std::max(0, metrics_.Height - ppem);
  metrics_.MaxCharWidth = CeilPixels(m.max_advance) + extra;

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_.get(), FT_SFNT_OS2));
  const int average = os2 && os2->xAvgCharWidth > 0
                          ? RoundPixels(FT_MulFix(os2->xAvgCharWidth, m.x_scale)) + extra
                          : Glyph(U'x').Advance;
  metrics_.AveCharWidth = std::max(1, average);

  lineThickness_ = std::max(1, RoundPixels(FT_MulFix(face_->underline_thickness, m.y_scale)));
  // Keep the underline inside the descent, a pixel clear of the baseline where there is room.
  const int lowest = std::max(0, metrics_.Descent - lineThickness_);
  const int centre = RoundPixels(-FT_MulFix(face_->underline_position, m.y_scale));
  underlinePosition_ = std::clamp(centre - lineThickness_ / 2, std::min(1, lowest), lowest);
  strikeOutPosition_ = os2 && os2->yStrikeoutSize > 0
                           ? RoundPixels(FT_MulFix(os2->yStrikeoutPosition, m.y_scale))
                           : metrics_.Ascent / 3;
}

const GlyphImage& FreeTypeFont::Glyph(char32_t codepoint) {
  const std::lock_guard lock(mutex_);
  if (codepoint < ascii_.size() && ascii_[codepoint]) return *ascii_[codepoint];
  // Keyed by glyph index: every code point the face lacks shares its missing-glyph box, so
  // hostile text can't grow the cache beyond the face's glyph count.
  const FT_UInt index = FT_Get_Char_Index(face_.get(), codepoint);
  auto it = glyphs_.find(index);
  if (it == glyphs_.end()) it = glyphs_.emplace(index, Rasterise(index)).first;
  if (codepoint < ascii_.size()) ascii_[codepoint] = &it->second;
  return it->second;
}

GlyphImage FreeTypeFont::Rasterise(FT_UInt index) {
  ++rasterised;
  GlyphImage image;
  if (FT_Load_Glyph(face_.get(), index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0)
    return image;
  const FT_GlyphSlot slot = face_->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (oblique_) FT_Outline_Transform(&slot->outline, &kOblique);
    if (emboldenStrength_ != 0) FT_Outline_EmboldenXY(&slot->outline, emboldenStrength_, 0);
  }
  image.Advance = RoundPixels(slot->advance.x + emboldenStrength_);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 ||
      slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
    return image;

  const FT_Bitmap& bitmap = slot->bitmap;
  image.Left = slot->bitmap_left;
  image.Top = slot->bitmap_top;
  image.Width = static_cast<int>(bitmap.width);
  image.Height = static_cast<int>(bitmap.rows);
  image.Coverage.resize(static_cast<std::size_t>(bitmap.width) * bitmap.rows);
  const std::uint8_t* row = TopRow(bitmap);
  for (int y = 0; y < image.Height; ++y, row += bitmap.pitch)
    std::copy_n(row, image.Width, image.Coverage.begin() + std::ptrdiff_t{y} * image.Width);
  return image;
}

}  // namespace platform
