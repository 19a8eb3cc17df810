#include "platform/graphics/Font.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/TextLayout.h"

namespace platform {

namespace {

constexpr char32_t kReplacement = U'\uFFFD';

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += lead;
      ++i;
      continue;
    }
    // The allowed range of the second byte rules out overlong forms, surrogates and code
    // points past U+10FFFF.
    std::size_t length = 0;
    char32_t code = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0Fu;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      out += kReplacement;
      ++i;
      continue;
    }
    // A broken sequence yields one replacement for its valid start, and decoding resumes at
    // the byte that broke it.
    std::size_t taken = 1;
    for (; taken < length && i + taken < text.size(); ++taken) {
      const auto next = static_cast<unsigned char>(text[i + taken]);
      if (next < low || next > high) break;
      code = (code << 6) | (next & 0x3Fu);
      low = 0x80;
      high = 0xBF;
    }
    out += taken == length ? code : kReplacement;
    i += taken;
  }
  return out;
}

TSize TextExtent(const Font& font, std::string_view text) {
  ScaledFont& scaled = GetScaledFont(font);
  const std::vector<TextLine> lines = LayoutText(scaled, text, DT_SINGLELINE | DT_NOPREFIX, 0);
  return {lines.empty() ? 0 : lines.front().Width, scaled.Metrics().Height};
}

TextMetrics GetTextMetrics(const Font& font) {
  return GetScaledFont(font).Metrics();
}

}  // namespace platform
