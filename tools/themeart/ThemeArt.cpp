#include "tools/themeart/ThemeArt.h"

#include <array>
#include <set>

#include "styled/suiThemes.h"
#include "tools/themeart/ArtPainter.h"

namespace themeart {

namespace {

using platform::TSize;
using suiThemes::TsuiUIStyle;

enum class Art {
  Button,
  Check,
  Radio,
  TitleButtons,
  TitleLeft,
  TitleClient,
  TitleRight,
  Progress,
  Groove,
  Slider,
  ScrollArrows,
  Thumb,
  SideArrows,
  Tab,
  TabLine,
  Handle,
  ChannelBar,
};

// A bitmap entry of the theme table: what it shows, in how many cells, and its size in
// each style (MacOS, WinXP, DeepBlue, Protein, BlueGlass).
struct Piece {
  int Entry;
  Art Kind;
  int Cells;
  std::array<TSize, suiThemes::BuiltInStyleCount> Sizes;
};

constexpr Piece Pieces[] = {
    {1, Art::Button, 3, {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}},
    {3, Art::Check, 4, {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
    {4, Art::Radio, 4, {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
    {5, Art::TitleButtons, 18, {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}},
    {10, Art::TitleLeft, 1, {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}},
    {11, Art::TitleClient, 1, {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}},
    {12, Art::TitleRight, 1, {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}},
    {24, Art::Progress, 1, {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}},
    {28, Art::Groove, 3, {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}},
    {29, Art::Slider, 1, {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}},
    {30, Art::Slider, 1, {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}}},
    {32, Art::ScrollArrows, 6, {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}}},
    {33, Art::Thumb, 3, {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}},
    {34, Art::Check, 4, {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}},
    {38, Art::SideArrows, 4, {{{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}}},
    {39, Art::Tab, 3, {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}},
    {40, Art::TabLine, 1, {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}},
    {41, Art::Handle, 1, {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}}},
    {42, Art::ChannelBar, 1, {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}},
};

TPalette PaletteOf(TsuiUIStyle style) {
  using namespace suiThemes;
  const TColor accent = GetThemeColor(style, MenuSelectedBorderColorEntry);
  return {GetThemeColor(style, ControlBackgroundColorEntry), accent,
          Mix(GetThemeColor(style, ControlBorderColorEntry), accent, 96),
          GetThemeColor(style, ControlFontColorEntry)};
}

// Normal, hot and pressed looks of a raised part.
void StatePanel(Bitmap& b, const TRect& r, int state, const TPalette& p) {
  switch (state) {
    case 0:
      Panel(b, r, p.Border, Lighter(p.Face, 200), p.Face, p.Face);
      break;
    case 1:
      Panel(b, r, p.Border, Lighter(p.Accent, 190), Lighter(p.Accent, 110), p.Face);
      break;
    default:
      Panel(b, r, p.Border, Lighter(p.Accent, 60), Darker(p.Accent, 30), p.Face);
      break;
  }
}

// The square of a check box in a cell: unchecked, checked, then both disabled.
void CheckCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  b.FillRect(cell, p.Face);
  const int size = std::min(cell.Width(), cell.Height()) - 2;
  const int left = cell.Left + (cell.Width() - size) / 2;
  const int top = cell.Top + (cell.Height() - size) / 2;
  const TRect box{left, top, left + size, top + size};
  const bool disabled = k >= 2;
  const TColor border = disabled ? Lighter(p.Border, 140) : p.Border;
  Panel(b, box, border, disabled ? p.Face : platform::clWhite, Lighter(p.Face, 80), p.Face);
  if (k % 2 == 1) CheckMark(b, box, disabled ? Lighter(p.Border, 120) : p.Accent);
}

void RadioCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  b.FillRect(cell, p.Face);
  const double radius = (std::min(cell.Width(), cell.Height()) - 2) / 2.0;
  const bool disabled = k >= 2;
  Disc(b, cell, radius, disabled ? Lighter(p.Border, 140) : p.Border);
  Disc(b, cell, radius - 1, disabled ? p.Face : platform::clWhite);
  if (k % 2 == 1) Disc(b, cell, radius / 2.5, disabled ? Lighter(p.Border, 120) : p.Accent);
}

// Six title-bar buttons (close, maximise, restore, minimise, help, roll up), three looks each.
void TitleButtonCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  const int state = k % 3;
  const TColor top = state == 2 ? Darker(p.Accent, 40) : Lighter(p.Accent, state == 1 ? 150 : 90);
  const TColor bottom = state == 2 ? p.Accent : Lighter(p.Accent, state == 1 ? 60 : 10);
  Panel(b, cell, Darker(p.Accent, 90), top, bottom, p.Accent);
  const TRect inner = cell.Inflate(-4, -4);
  const TColor glyph = platform::clWhite;
  switch (k / 3) {
    case 0:
      Cross(b, inner, std::min(inner.Width(), inner.Height()) - 1, glyph);
      break;
    case 1:
      Frame(b, inner, glyph);
      b.FillRect({inner.Left, inner.Top + 1, inner.Right, inner.Top + 2}, glyph);
      break;
    case 2:
      Frame(b, {inner.Left + 2, inner.Top, inner.Right, inner.Bottom - 2}, glyph);
      b.FillRect(TRect{inner.Left, inner.Top + 2, inner.Right - 2, inner.Bottom}, top);
      Frame(b, {inner.Left, inner.Top + 2, inner.Right - 2, inner.Bottom}, glyph);
      break;
    case 3:
      b.FillRect({inner.Left, inner.Bottom - 2, inner.Right, inner.Bottom}, glyph);
      break;
    case 4:
      Frame(b, {inner.Left + 1, inner.Top, inner.Right - 1, inner.Top + inner.Height() / 2}, glyph);
      b.FillRect({inner.Left + inner.Width() / 2, inner.Bottom - 2,
                  inner.Left + inner.Width() / 2 + 1, inner.Bottom},
                 glyph);
      break;
    default:
      Arrow(b, inner, 0, inner.Height() / 2, glyph);
      break;
  }
}

void TitleCell(Bitmap& b, const TRect& cell, Art kind, const TPalette& p) {
  VerticalGradient(b, cell, Lighter(p.Accent, 110), p.Accent);
  const TColor edge = Darker(p.Accent, 90);
  b.FillRect({cell.Left, cell.Top, cell.Right, cell.Top + 1}, edge);
  if (kind == Art::TitleLeft) b.FillRect({cell.Left, cell.Top, cell.Left + 1, cell.Bottom}, edge);
  if (kind == Art::TitleRight)
    b.FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom}, edge);
}

// The groove of a track bar: its left end, the middle, its right end.
void GrooveCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  b.FillRect(cell, p.Face);
  const int top = cell.Top + (cell.Height() - 2) / 2;
  const int left = k == 0 ? cell.Left + 1 : cell.Left;
  const int right = k == 2 ? cell.Right - 1 : cell.Right;
  b.FillRect({left, top, right, top + 1}, Darker(p.Face, 100));
  b.FillRect({left, top + 1, right, top + 2}, platform::clWhite);
}

// The thumb of a scroll bar: one end, the middle, the other end.
void ThumbCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  VerticalGradient(b, cell, Lighter(p.Accent, 170), Lighter(p.Accent, 80));
  b.FillRect({cell.Left, cell.Top, cell.Right, cell.Top + 1}, p.Border);
  b.FillRect({cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom}, p.Border);
  if (k == 0) b.FillRect({cell.Left, cell.Top, cell.Left + 1, cell.Bottom}, p.Border);
  if (k == 2) b.FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom}, p.Border);
}

void TabCell(Bitmap& b, const TRect& cell, int k, const TPalette& p) {
  VerticalGradient(b, cell, platform::clWhite, p.Face);
  b.FillRect({cell.Left, cell.Top, cell.Right, cell.Top + 1}, p.Border);
  b.FillRect({cell.Left, cell.Top + 1, cell.Right, cell.Top + 2}, p.Accent);
  if (k == 0) b.FillRect({cell.Left, cell.Top, cell.Left + 1, cell.Bottom}, p.Border);
  if (k == 2) b.FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom}, p.Border);
}

void HandleCell(Bitmap& b, const TRect& cell, const TPalette& p) {
  Panel(b, cell, p.Border, Lighter(p.Accent, 160), Lighter(p.Accent, 60), p.Face);
  const int middle = cell.Top + cell.Height() / 2;
  for (int dy = -4; dy <= 4; dy += 4)
    b.FillRect({cell.Left + 2, middle + dy, cell.Right - 2, middle + dy + 1}, Darker(p.Accent, 60));
}

void DrawCell(Bitmap& b, const TRect& cell, Art kind, int k, const TPalette& p) {
  switch (kind) {
    case Art::Button:
      StatePanel(b, cell, k, p);
      break;
    case Art::Check:
      CheckCell(b, cell, k, p);
      break;
    case Art::Radio:
      RadioCell(b, cell, k, p);
      break;
    case Art::TitleButtons:
      TitleButtonCell(b, cell, k, p);
      break;
    case Art::TitleLeft:
    case Art::TitleClient:
    case Art::TitleRight:
      TitleCell(b, cell, kind, p);
      break;
    case Art::Progress:
      VerticalGradient(b, cell, Lighter(p.Accent, 140), p.Accent);
      break;
    case Art::Groove:
      GrooveCell(b, cell, k, p);
      break;
    case Art::Slider:
      StatePanel(b, cell, 1, p);
      break;
    case Art::ScrollArrows:
      StatePanel(b, cell, k % 3, p);
      Arrow(b, cell, k < 3 ? 0 : 2, cell.Width() / 4, p.Glyph);
      break;
    case Art::Thumb:
      ThumbCell(b, cell, k, p);
      break;
    case Art::SideArrows:
      StatePanel(b, cell, k % 2, p);
      Arrow(b, cell, k < 2 ? 3 : 1, cell.Height() / 4, p.Glyph);
      break;
    case Art::Tab:
      TabCell(b, cell, k, p);
      break;
    case Art::TabLine:
      b.FillRect(cell, p.Face);
      b.FillRect({cell.Left, cell.Top, cell.Right, cell.Top + 1}, p.Accent);
      break;
    case Art::Handle:
      HandleCell(b, cell, p);
      break;
    case Art::ChannelBar:
      VerticalGradient(b, cell, Lighter(p.Accent, 150), Lighter(p.Accent, 40));
      break;
  }
}

Bitmap DrawPiece(const Piece& piece, TSize size, const TPalette& p) {
  Bitmap b(size.cx, size.cy);
  const int width = size.cx / piece.Cells;
  for (int k = 0; k < piece.Cells; ++k)
    DrawCell(b, {k * width, 0, (k + 1) * width, size.cy}, piece.Kind, k, p);
  return b;
}

// The bitmaps the styled form and menus load by name.
void AddNamedExtras(std::vector<TThemeBitmap>& out) {
  const TPalette mac = PaletteOf(TsuiUIStyle::MacOS);
  Bitmap bar(1, 22);
  VerticalGradient(bar, bar.BoundsRect(), 0xF6F6F6, 0xD4D4D4);
  Bitmap select(1, 21);
  VerticalGradient(select, select.BoundsRect(), Lighter(mac.Accent, 90), mac.Accent);
  // Pinstripes.
  Bitmap macForm(8, 8);
  for (int y = 0; y < 8; ++y)
    macForm.FillRect({0, y, 8, y + 1}, y % 2 ? Lighter(mac.Face, 120) : mac.Face);
  // A faint dot grid.
  const TPalette protein = PaletteOf(TsuiUIStyle::Protein);
  Bitmap proteinForm(8, 8);
  proteinForm.Fill(protein.Face);
  proteinForm.SetPixel(0, 0, Darker(protein.Face, 16));
  proteinForm.SetPixel(4, 4, Darker(protein.Face, 16));
  out.push_back({"MACOS_MENU_BAR", std::move(bar)});
  out.push_back({"MACOS_MENU_SELECT", std::move(select)});
  out.push_back({"MACOS_FORM_BACKGROUND", std::move(macForm)});
  out.push_back({"PROTEIN_FORM_BACKGROUND", std::move(proteinForm)});
}

}  // namespace

std::vector<TThemeBitmap> DrawThemeBitmaps() {
  std::vector<TThemeBitmap> out;
  std::set<std::string> drawn;
  for (int column = 0; column < suiThemes::BuiltInStyleCount; ++column) {
    const auto style = static_cast<TsuiUIStyle>(column + 1);
    const TPalette palette = PaletteOf(style);
    for (const Piece& piece : Pieces) {
      std::string name(suiThemes::GetThemeBitmapName(style, piece.Entry));
      // Styles that share a bitmap get the first one drawn.
      if (!drawn.insert(name).second) continue;
      out.push_back({std::move(name),
                     DrawPiece(piece, piece.Sizes[static_cast<std::size_t>(column)], palette)});
    }
  }
  AddNamedExtras(out);
  return out;
}

}  // namespace themeart
