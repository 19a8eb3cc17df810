#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace sGradient {

// The gradient text as the published property stores it: a short string, so longer text
// keeps only its first MaxLength characters.
class TsGradientData {
 public:
  static constexpr std::size_t MaxLength = 255;

  TsGradientData() = default;
  // Implicit, as assigning text to the property is.
  TsGradientData(std::string_view text) : text_(text.substr(0, MaxLength)) {}
  TsGradientData(const std::string& text) : TsGradientData(std::string_view(text)) {}
  TsGradientData(const char* text) : TsGradientData(std::string_view(text)) {}

  const std::string& Text() const { return text_; }
  friend bool operator==(const TsGradientData&, const TsGradientData&) = default;

 private:
  std::string text_;
};

// One band of the gradient. Colours are raw 0x00BBGGRR bytes; system colours stay unresolved.
struct GradientStep {
  std::int32_t Color1 = 0;
  std::int32_t Color2 = 0;
  std::uint8_t Percent = 0;  // share of the painted height or width
  std::int32_t Mode = 0;     // 0 top to bottom, 1 left to right (read from the first step)

  friend bool operator==(const GradientStep&, const GradientStep&) = default;
};

using GradientArray = std::vector<GradientStep>;

// Replaces steps by the parse of the text: semicolon-separated integers in groups of five.
// A malformed number raises framework::EConvertError; steps then keeps its new length with
// the steps not yet parsed left zero.
void ParseGradientData(const TsGradientData& data, GradientArray& steps);

// Paints the steps into rect of the bitmap; nothing outside the bitmap or the rectangle is
// touched, whatever the shares add up to.
void PaintGradient(platform::Bitmap& bitmap, const platform::TRect& rect,
                   const GradientArray& steps);

}  // namespace sGradient
