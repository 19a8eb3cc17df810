#include "skinengine/pixels/sGradient.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/runtime/Conversions.h"

namespace sGradient {

namespace {

// Words are maximal runs of characters other than ';': repeated separators give no empty word.
std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t begin = text.find_first_not_of(';', pos);
    if (begin == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(';', begin), text.size());
    words.push_back(text.substr(begin, end - begin));
    pos = end;
  }
  return words;
}

// A colour running from one step colour to the other, advanced by a fixed delta per pixel
// in double precision; the stored bytes are rounded half to even.
class ColorRamp {
 public:
  ColorRamp(std::int32_t from, std::int32_t to, int length) {
    for (int c = 0; c < 3; ++c) {
      // Channel order of the pixel bytes: blue, green, red.
      const int shift = 16 - 8 * c;
      value_[c] = (from >> shift) & 0xFF;
      delta_[c] = (((to >> shift) & 0xFF) - value_[c]) / length;
    }
  }

  void Store(std::uint8_t* pixel) const {
    for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(std::nearbyint(value_[c]));
  }
  void Advance() {
    for (int c = 0; c < 3; ++c) value_[c] += delta_[c];
  }

 private:
  double value_[3] = {};
  double delta_[3] = {};
};

void FillRow(std::uint8_t* row, int left, int right, const std::uint8_t* pixel) {
  for (int x = left; x < right; ++x) std::memcpy(row + 3 * x, pixel, 3);
}

// Bands of rows stacked downwards; each step starts on the last row of the one before.
void PaintVertical(platform::Bitmap& bitmap, const platform::TRect& r, const GradientArray& steps) {
  const int lastRow = r.Bottom - 1;
  int y = r.Top;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const int start = y;
    const bool last = i + 1 == steps.size();
    y = last ? bitmap.Height() - 1 : start + steps[i].Percent * r.Height() / 100;
    if (y - start <= 0) continue;
    // Shares adding up to more than 100 stop at the rectangle instead of running past it.
    y = std::min(y, lastRow);
    if (y <= start) break;
    ColorRamp ramp(steps[i].Color1, steps[i].Color2, y - start);
    for (int row = start; row <= y; ++row) {
      std::uint8_t pixel[3];
      ramp.Store(pixel);
      FillRow(bitmap.ScanLine(row), r.Left, r.Right, pixel);
      ramp.Advance();
    }
  }
}

// Bands of columns side by side. Every row gets the same colours, so the first row is
// computed and copied to the others. A band keeps its stated end column and slope even where
// it runs past the rectangle; only the columns outside are left unpainted.
void PaintHorizontal(platform::Bitmap& bitmap, const platform::TRect& r,
                     const GradientArray& steps) {
  const int lastColumn = r.Right - 1;
  std::uint8_t* first = bitmap.ScanLine(r.Top);
  int painted = r.Left;
  int x = r.Left;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const int start = x;
    const bool last = i + 1 == steps.size();
    x = last ? bitmap.Width() - 1 : start + steps[i].Percent * r.Width() / 100;
    if (x - start <= 0) continue;
    ColorRamp ramp(steps[i].Color1, steps[i].Color2, x - start);
    const int end = std::min(x, lastColumn);
    for (int column = start; column <= end; ++column) {
      ramp.Store(first + 3 * column);
      ramp.Advance();
    }
    painted = std::max(painted, end + 1);
  }
  const std::size_t bytes = static_cast<std::size_t>(painted - r.Left) * 3;
  for (int row = r.Top + 1; row < r.Bottom && bytes > 0; ++row)
    std::memcpy(bitmap.ScanLine(row) + 3 * r.Left, first + 3 * r.Left, bytes);
}

}  // namespace

void ParseGradientData(const TsGradientData& data, GradientArray& steps) {
  steps.clear();
  const std::vector<std::string_view> words = SplitWords(data.Text());
  steps.resize(words.size() / 5);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    GradientStep& step = steps[k];
    step.Color1 = framework::StrToInt(words[5 * k]);
    step.Color2 = framework::StrToInt(words[5 * k + 1]);
    step.Percent = static_cast<std::uint8_t>(framework::StrToInt(words[5 * k + 2]));
    step.Mode = framework::StrToInt(words[5 * k + 3]);
  }
}

void PaintGradient(platform::Bitmap& bitmap, const platform::TRect& rect,
                   const GradientArray& steps) {
  const platform::TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0),
                          std::min(rect.Right, bitmap.Width()),
                          std::min(rect.Bottom, bitmap.Height())};
  if (steps.empty() || r.IsEmpty()) return;
  switch (steps.front().Mode) {
    case 0:
      PaintVertical(bitmap, r, steps);
      break;
    case 1:
      PaintHorizontal(bitmap, r, steps);
      break;
    default:
      break;
  }
}

}  // namespace sGradient
