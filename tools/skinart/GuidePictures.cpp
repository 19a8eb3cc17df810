#include "tools/skinart/GuidePictures.h"

#include <algorithm>
#include <stdexcept>

#include "platform/graphics/Canvas.h"
#include "skinengine/skin/sMaskData.h"
#include "tools/skinart/DarkSkin.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

using platform::Bitmap;
using platform::TColor;

constexpr TColor Paper = 0xFFFFFF;
constexpr TColor Ink = 0x202020;
constexpr TColor SliceLine = 0x00B0FF;  // amber, between slices or cells
constexpr TColor BlockLine = 0x0000E0;  // red, between state blocks and the two halves
constexpr int Margin = 64;              // room for the row labels
constexpr int Header = 20;              // room for the column labels

const TListedImage& Listed(const std::string& section, const std::string& property) {
  for (const TListedImage& image : StoredSkinImages())
    if (image.Section == section && image.Property == property) return image;
  throw std::logic_error("no image " + section + " " + property);
}

void Label(platform::Canvas& canvas, int x, int y, const std::string& text) {
  platform::Font font;
  font.Name = "DejaVu Sans";
  font.Height = -12;
  font.Color = Ink;
  canvas.SetFont(font);
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
  canvas.TextOut(x, y, text);
}

void Fill(Bitmap& b, int left, int top, int right, int bottom, TColor color) {
  b.FillRect({left, top, right, bottom}, color);
}

// The image zoom times larger. Thin lines every cellWidth x cellHeight pixels, thick ones
// every blockWidth pixels across and between the upper and the lower half; each block named
// above, each half to the left.
Bitmap Sliced(const Bitmap& image, int cellWidth, int cellHeight, int blockWidth, int zoom,
              const std::vector<std::string>& blocks) {
  Bitmap b(Margin + image.Width() * zoom + 2, Header + image.Height() * zoom + 2);
  b.Fill(Paper);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      Fill(b, Margin + x * zoom, Header + y * zoom, Margin + (x + 1) * zoom,
           Header + (y + 1) * zoom, image.Pixel(x, y));
  const int half = image.Height() / 2;
  for (int x = 0; x <= image.Width(); x += cellWidth) {
    const bool block = x % blockWidth == 0;
    const int left = Margin + x * zoom - (block ? 1 : 0);
    Fill(b, left, Header, left + (block ? 3 : 1), b.Height(), block ? BlockLine : SliceLine);
  }
  for (int y = 0; y <= image.Height(); y += cellHeight) {
    const bool edge = y == 0 || y == half || y == image.Height();
    const int top = Header + y * zoom - (edge ? 1 : 0);
    Fill(b, Margin, top, b.Width(), top + (edge ? 3 : 1), edge ? BlockLine : SliceLine);
  }
  platform::Canvas canvas(b);
  for (std::size_t k = 0; k < blocks.size(); ++k)
    Label(canvas, Margin + static_cast<int>(k) * blockWidth * zoom + 4, 3, blocks[k]);
  Label(canvas, 4, Header + half * zoom / 2 - 7, "picture");
  Label(canvas, 4, Header + half * zoom + half * zoom / 2 - 7, "mask");
  return b;
}

const std::vector<std::string> States = {"normal", "hot", "pressed"};

// A border mask's nine slices in each state block.
Bitmap BorderMask(const std::string& section, int zoom) {
  const Bitmap mask = DrawDarkImage(Listed(section, "BordersMask"));
  return Sliced(mask, mask.Width() / 9, mask.Height() / 6, mask.Width() / 3, zoom, States);
}

// A glyph cell image's three cells.
Bitmap GlyphCells(const std::string& section, const std::string& property, int zoom) {
  const Bitmap glyph = DrawDarkImage(Listed(section, property));
  return Sliced(glyph, glyph.Width() / 3, glyph.Height() / 2, glyph.Width() / 3, zoom, States);
}

// The speed button's mask laid over three sizes of button on the dark window background, in
// its three states: corners once, edges and centre repeated, never stretched.
Bitmap MaskLaidOver() {
  const Bitmap mask = DrawDarkImage(Listed("TsSpeedButton", "BordersMask"));
  const TColor background = DarkSurface(14998481);
  const platform::TSize sizes[] = {{40, 22}, {84, 22}, {140, 48}};
  constexpr int Zoom = 2;
  constexpr int Gap = 12;
  int width = Gap;
  for (const platform::TSize size : sizes) width += size.cx * Zoom + Gap;
  Bitmap b(width, Header + 3 * (48 * Zoom + Gap));
  b.Fill(Paper);
  platform::Canvas canvas(b);
  for (int state = 0; state < 3; ++state) {
    int x = Gap;
    const int y = Header + state * (48 * Zoom + Gap);
    for (const platform::TSize size : sizes) {
      Bitmap button(size.cx, size.cy);
      button.Fill(background);
      sMaskData::PaintSectionBorder(button, mask, state, true, button.BoundsRect());
      for (int py = 0; py < size.cy; ++py)
        for (int px = 0; px < size.cx; ++px)
          Fill(b, x + px * Zoom, y + py * Zoom, x + (px + 1) * Zoom, y + (py + 1) * Zoom,
               button.Pixel(px, py));
      x += size.cx * Zoom + Gap;
    }
  }
  Label(canvas, Gap, 3, "normal, hot and pressed, at 40 x 22, 84 x 22 and 140 x 48");
  return b;
}

}  // namespace

std::vector<TGuidePicture> DrawGuidePictures() {
  return {{"skins-border-mask.png", BorderMask("TsSpeedButton", 4)},
          {"skins-mask-laid-over.png", MaskLaidOver()},
          {"skins-glyph-cells.png", GlyphCells("TsCheckBox", "GlyphChecked", 8)},
          {"skins-title-button.png", GlyphCells("Form", "BIconClose", 6)},
          {"skins-menu-bar.png", BorderMask("MenuLine", 6)}};
}

}  // namespace skinart
