#include "platform/graphics/TextLayout.h"

#include <algorithm>
#include <span>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Raster.h"

namespace platform {

namespace {

// Pen positions stop growing at the coordinate limit, so absurdly long lines can't overflow.
constexpr int kFarRight = raster::CoordinateLimit;
constexpr int kTabStopChars = 8;

struct Cell {
  char32_t Code = 0;
  bool Underlined = false;
};

bool IsBlank(const Cell& cell) {
  return cell.Code == U' ' || cell.Code == U'\t';
}

std::vector<std::u32string_view> SplitLines(std::u32string_view text, bool singleLine) {
  if (text.empty()) return {};
  if (singleLine) return {text};
  std::vector<std::u32string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'\r' && text[i] != U'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// "&x" draws x underlined, "&&" draws "&", and a final lone "&" draws nothing.
std::vector<Cell> ToCells(std::u32string_view line, bool prefixes) {
  std::vector<Cell> cells;
  cells.reserve(line.size());
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (!prefixes || line[i] != U'&') {
      cells.push_back({line[i], false});
    } else if (++i < line.size()) {
      cells.push_back({line[i], line[i] != U'&'});
    }
  }
  return cells;
}

class LineMaker {
 public:
  LineMaker(ScaledFont& font, bool expandTabs)
      : font_(font), tabWidth_(expandTabs ? kTabStopChars * font.Metrics().AveCharWidth : 0) {}

  // The pen position after drawing cells from pen position x.
  int Advance(std::span<const Cell> cells, int x) const {
    for (const Cell& cell : cells)
      x = IsTab(cell) ? NextTabStop(x) : Step(x, font_.Glyph(cell.Code).Advance);
    return x;
  }

  TextLine Place(std::span<const Cell> cells) const {
    TextLine line;
    line.Glyphs.reserve(cells.size());
    int x = 0;
    for (const Cell& cell : cells) {
      if (IsTab(cell)) {
        x = NextTabStop(x);
        continue;
      }
      const GlyphImage& glyph = font_.Glyph(cell.Code);
      line.Glyphs.push_back({&glyph, x});
      if (cell.Underlined) line.Underlines.push_back({x, glyph.Advance});
      x = Step(x, glyph.Advance);
    }
    line.Width = x;
    return line;
  }

 private:
  bool IsTab(const Cell& cell) const { return tabWidth_ > 0 && cell.Code == U'\t'; }
  int NextTabStop(int x) const { return std::min(kFarRight, (x / tabWidth_ + 1) * tabWidth_); }
  static int Step(int x, int advance) { return std::min(kFarRight, x + advance); }

  ScaledFont& font_;
  int tabWidth_;
};

std::size_t SkipBlanks(std::span<const Cell> cells, std::size_t i) {
  while (i < cells.size() && IsBlank(cells[i])) ++i;
  return i;
}

std::size_t SkipWord(std::span<const Cell> cells, std::size_t i) {
  while (i < cells.size() && !IsBlank(cells[i])) ++i;
  return i;
}

// Greedy word wrapping: a line takes words while they end within maxWidth, its first word
// whatever its width; the blanks where a line breaks are dropped.
void WrapWords(std::span<const Cell> cells, const LineMaker& maker, int maxWidth,
               std::vector<TextLine>& out) {
  std::size_t start = 0;
  while (true) {
    std::size_t end = SkipWord(cells, SkipBlanks(cells, start));
    int width = maker.Advance(cells.subspan(start, end - start), 0);
    while (end < cells.size()) {
      const std::size_t wordStart = SkipBlanks(cells, end);
      const std::size_t wordEnd = SkipWord(cells, wordStart);
      const int wider = maker.Advance(cells.subspan(end, wordEnd - end), width);
      if (wordStart < cells.size() && wider > maxWidth) break;
      end = wordEnd;
      width = wider;
    }
    out.push_back(maker.Place(cells.subspan(start, end - start)));
    if (end >= cells.size()) return;
    start = SkipBlanks(cells, end);
  }
}

}  // namespace

std::vector<TextLine> LayoutText(ScaledFont& font, std::string_view text, unsigned flags,
                                 int maxWidth) {
  const std::u32string codes = DecodeUtf8(text);
  const LineMaker maker(font, (flags & DT_EXPANDTABS) != 0);
  const bool wrap = (flags & DT_WORDBREAK) != 0 && (flags & DT_SINGLELINE) == 0;
  std::vector<TextLine> lines;
  for (const std::u32string_view source : SplitLines(codes, (flags & DT_SINGLELINE) != 0)) {
    const std::vector<Cell> cells = ToCells(source, (flags & DT_NOPREFIX) == 0);
    if (wrap)
      WrapWords(cells, maker, maxWidth, lines);
    else
      lines.push_back(maker.Place(cells));
  }
  return lines;
}

}  // namespace platform
