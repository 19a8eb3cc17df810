#include "tools/skinart/SkinSheet.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"
#include "tools/skinart/ArtLayer.h"
#include "tools/skinart/Palette.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

using platform::TRect;
using sSkinManager::SkinTransparentColor;

constexpr int Zoom = 2;
constexpr int Gap = 16;
constexpr int SheetWidth = 1500;
constexpr int LabelHeight = 16;
constexpr TColor Neutral = 0xD4D4D4;

enum class Kind { Border, Cells, Texture, Single };

Kind KindOf(const std::string& resource) {
  if (resource.starts_with("BORD")) return Kind::Border;
  for (const TListedImage& image : StoredSkinImages()) {
    if (image.Resource() != resource) continue;
    const std::string& p = image.Property;
    if (p.ends_with("Imagefile")) return Kind::Texture;
    if (p.starts_with("Glyph") || p.starts_with("BIcon") || p == "GripImage" ||
        (p.starts_with("Slider") && p != "SliderChannel"))
      return Kind::Cells;
    return Kind::Border;
  }
  return Kind::Single;
}

Bitmap Filled(int width, int height, TColor color) {
  Bitmap b(width, height);
  b.Fill(color);
  return b;
}

// Pixels the border cut out of the control's region show the sheet behind.
void ShowRegion(Bitmap& b, const platform::Region& region) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (!region.Contains({x, y})) b.SetPixel(x, y, Neutral);
}

// A control of the given size with the border mask laid over it in one state.
Bitmap Bordered(const Bitmap& mask, int width, int height, int state, TColor face) {
  Bitmap b = Filled(width, height, face);
  platform::Region region(b.BoundsRect());
  sMaskData::PaintMaskedBorder(b, mask, state, true, SkinTransparentColor, region);
  ShowRegion(b, region);
  return b;
}

// The three states side by side: borders on a control a little larger than the mask's
// block, so that edges and centre repeat; glyph cells as they are; textures tiled.
Bitmap Painted(const Bitmap& image, Kind kind) {
  const int w = image.Width() / 3;
  const int h = image.Height() / 2;
  switch (kind) {
    case Kind::Border: {
      const int cw = std::max(w * 5 / 3, 24);
      const int ch = std::max(h * 4 / 3, 16);
      Bitmap row = Filled(3 * cw + 8, ch, Neutral);
      platform::Canvas canvas(row);
      for (int k = 0; k < 3; ++k)
        canvas.Draw(k * (cw + 4), 0, Bordered(image, cw, ch, k, PanelFace));
      return row;
    }
    case Kind::Cells: {
      Bitmap row = Filled(3 * (w + 4), h + 4, PanelFace);
      for (int k = 0; k < 3; ++k)
        sMaskData::PaintGlyphCell(row, image, {k * (w + 4) + 2, 2}, sMaskData::GlyphMode::Plain,
                                  SkinTransparentColor, k);
      return row;
    }
    case Kind::Texture: {
      Bitmap tiled(3 * image.Width(), 3 * image.Height());
      platform::Canvas canvas(tiled);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) canvas.Draw(x * image.Width(), y * image.Height(), image);
      return tiled;
    }
    case Kind::Single:
      break;
  }
  return {};
}

void UseFont(platform::Canvas& canvas, TColor color, bool bold = false) {
  platform::Font font;
  font.Bold = bold;
  font.Color = color;
  canvas.SetFont(font);
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
}

void Label(platform::Canvas& canvas, int x, int y, const std::string& text, TColor color,
           bool bold = false) {
  UseFont(canvas, color, bold);
  canvas.TextOut(x, y, text);
}

void Gradient(Bitmap& b, const TRect& r, const char* data) {
  sGradient::GradientArray steps;
  sGradient::ParseGradientData(data, steps);
  sGradient::PaintGradient(b, r, steps);
}

// The window region the frame painter makes: transparent pixels of the title mask's normal
// corner columns cut out at the window's top corners.
void CutTitleCorners(Bitmap& window, const Bitmap& mask) {
  const int s = mask.Width() / 9;
  const int rows = std::min(mask.Height() / 6 * 3, window.Height());
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < s; ++x) {
      if (mask.Pixel(x, y) == SkinTransparentColor) window.SetPixel(x, y, Neutral);
      if (mask.Pixel(2 * s + x, y) == SkinTransparentColor)
        window.SetPixel(window.Width() - s + x, y, Neutral);
    }
}

// A window of the stored skin, laid out as the frame painter and the controls lay it out.
Bitmap Window(const std::map<std::string, Bitmap>& art) {
  const auto image = [&](const std::string& section, const std::string& property) -> auto& {
    return art.at(TListedImage{section, property, 0, 0}.Resource());
  };
  constexpr int W = 520, H = 240, TitleH = 23, MenuH = 19;
  Bitmap window(W, H);
  platform::Canvas canvas(window);
  const Bitmap& texture = image("Form", "Imagefile");
  for (int y = 0; y < H; y += texture.Height())
    for (int x = 0; x < W; x += texture.Width()) canvas.Draw(x, y, texture);
  sMaskData::PaintSectionBorder(window, image("Form", "BordersMask"), 0, false,
                                window.BoundsRect());

  const TRect title{0, 0, W, TitleH};
  Gradient(window, title,
           "15190957;13864756;30;0;0;13864756;10969900;61;0;0;10969900;12550976;8;0;0;"
           "12550976;12550976;0;0;0");
  sMaskData::PaintSectionBorder(window, image("FormTitle", "BordersMask"), 1, true, title);
  Label(canvas, 24, 5, "Bezier", 0xFFFFFF, true);
  const char* icons[] = {"BIconClose", "BIconMax", "BIconMin"};
  for (int n = 1; n <= 3; ++n)
    sMaskData::PaintGlyphCell(window, image("Form", icons[n - 1]), {W - 4 - n * 18, 3},
                              sMaskData::GlyphMode::Plain, SkinTransparentColor, n == 1 ? 1 : 0);

  const TRect menu{4, TitleH, W - 4, TitleH + MenuH};
  Gradient(window, menu,
           "9330475;12224334;17;0;0;12224334;12550976;82;0;0;12550976;12550976;0;0;0");
  sMaskData::PaintSectionBorder(window, image("MenuLine", "BordersMask"), 0, true, menu);
  Label(canvas, 14, TitleH + 3, "File      Edit      Help", 16777181);

  const int top = TitleH + MenuH + 12;
  const TRect panel{16, top, 216, top + 120};
  Gradient(window, panel,
           "16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;"
           "14737632;14737632;0;0;0");
  Bitmap panelBits(panel.Width(), panel.Height());
  platform::Canvas(panelBits).CopyRect(panelBits.BoundsRect(), canvas, panel);
  platform::Region panelRegion(panelBits.BoundsRect());
  sMaskData::PaintMaskedBorder(panelBits, image("TsPanel", "BordersMask"), 0, true,
                               SkinTransparentColor, panelRegion);
  canvas.Draw(panel.Left, panel.Top, panelBits);

  for (int k = 0; k < 3; ++k)
    canvas.Draw(232 + k * 92, top,
                Bordered(image("TsSpeedButton", "BordersMask"), 84, 26, k, GreyFace));
  for (int k = 0; k < 2; ++k) {
    Bitmap gauge = Bordered(image("TsGauge", "BordersMask"), 268, 20, 0, PanelFace);
    Bitmap bar(80 + 100 * k, 20);
    platform::Canvas(bar).CopyRect(bar.BoundsRect(), platform::Canvas(gauge), bar.BoundsRect());
    platform::Region barRegion(bar.BoundsRect());
    sMaskData::PaintMaskedBorder(bar, image("TsGauge", "GaugeProgressMask"), 0, true,
                                 SkinTransparentColor, barRegion);
    platform::Canvas(gauge).Draw(0, 0, bar);
    canvas.Draw(232, top + 40 + 28 * k, gauge);
  }
  const char* glyphs[] = {"GlyphUnChecked", "GlyphChecked"};
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < 3; ++k) {
      const int x = 232 + (3 * c + k) * 44;
      sMaskData::PaintGlyphCell(window, image("TsCheckBox", glyphs[c]), {x, top + 100},
                                sMaskData::GlyphMode::Plain, SkinTransparentColor, k);
      sMaskData::PaintGlyphCell(window, image("TsRadioButton", glyphs[c]), {x, top + 122},
                                sMaskData::GlyphMode::Plain, SkinTransparentColor, k);
    }
  CutTitleCorners(window, image("FormTitle", "BordersMask"));
  return window;
}

// One image under its name: as stored, then as painted.
struct Entry {
  std::string Name;
  int NameWidth;
  const Bitmap* Stored;
  Bitmap Shown;
  int Width() const { return std::max({Stored->Width() * Zoom, Shown.Width() * Zoom, NameWidth}); }
  int Height() const {
    return LabelHeight + (Stored->Height() + Shown.Height()) * Zoom + (Shown.Empty() ? 0 : 4);
  }
};

}  // namespace

Bitmap DrawSheet() {
  const std::vector<TNamedBitmap> bitmaps = DrawSkinBitmaps();
  std::map<std::string, Bitmap> art;
  for (const TNamedBitmap& b : bitmaps) art[b.Name] = b.Pixels;
  const Bitmap window = Window(art);

  Bitmap scratch(1, 1);
  platform::Canvas measure(scratch);
  UseFont(measure, 0);
  std::vector<Entry> entries;
  for (const TNamedBitmap& b : bitmaps)
    entries.push_back(
        {b.Name, measure.TextWidth(b.Name), &b.Pixels, Painted(b.Pixels, KindOf(b.Name))});

  // Rows left to right; the sheet grows downwards.
  std::vector<platform::TPoint> places;
  int x = Gap, y = window.Height() * Zoom + 2 * Gap, rowHeight = 0;
  for (const Entry& e : entries) {
    if (x + e.Width() > SheetWidth - Gap && x > Gap) {
      x = Gap;
      y += rowHeight + Gap;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += e.Width() + Gap;
    rowHeight = std::max(rowHeight, e.Height());
  }

  Bitmap sheet = Filled(SheetWidth, y + rowHeight + Gap, Neutral);
  platform::Canvas canvas(sheet);
  const auto zoomed = [&](int at, int top, const Bitmap& b) {
    canvas.StretchDraw({at, top, at + b.Width() * Zoom, top + b.Height() * Zoom}, b);
  };
  zoomed(Gap, Gap, window);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const auto [ex, ey] = places[i];
    Label(canvas, ex, ey, e.Name, 0x303030);
    zoomed(ex, ey + LabelHeight, *e.Stored);
    if (!e.Shown.Empty()) zoomed(ex, ey + LabelHeight + e.Stored->Height() * Zoom + 4, e.Shown);
  }
  return sheet;
}

}  // namespace skinart
