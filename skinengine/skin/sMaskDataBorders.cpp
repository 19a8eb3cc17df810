#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skinengine/pixels/sRowKernel.h"
#include "skinengine/skin/sMaskData.h"

namespace sMaskData {

using platform::Bitmap;
using platform::TColor;
using platform::TRect;

namespace {

// A piece of the picture half copied to (X, Y) of the target.
struct Tile {
  int X, Y;              // in the target
  int SourceX, SourceY;  // in the picture half of the mask
  int Width, Height;
  bool Centre;
};

// Where the nine slices of one state block go on a W x H target.
struct SliceLayout {
  int S, T;                      // slice size
  int W, H;                      // target size
  int Left, Right, Top, Bottom;  // corner sizes, halved on targets below two slices
  int BlockX;                    // first column of the state block
};

SliceLayout MakeLayout(platform::TSize slice, int w, int h, int state) {
  SliceLayout l{
      slice.cx, slice.cy, w, h, slice.cx, slice.cx, slice.cy, slice.cy, 3 * slice.cx * state};
  if (w < 2 * l.S) {
    l.Left = w / 2;
    l.Right = w / 2 + w % 2;
  }
  if (h < 2 * l.T) {
    l.Top = h / 2;
    l.Bottom = h / 2 + h % 2;
  }
  return l;
}

// Whole steps while a step starts before fullLimit, then one partial step up to end.
template <class Put>
void Repeat(int start, int step, int fullLimit, int end, Put put) {
  int p = start;
  for (; p < fullLimit; p += step) put(p, step);
  if (p < end) put(p, end - p);
}

// Every tile of the block in painting order: corners and edges round the target, then the
// centre band by band. Right and bottom corners come from the outer end of their slices, so a
// corner cut short on a small target keeps its outer edge.
template <class Put>
void ForEachTile(const SliceLayout& l, bool fillCentre, Put put) {
  const int rightX = l.W - l.Right;
  const int rightSource = l.BlockX + 3 * l.S - l.Right;
  const int bottomY = l.H - l.Bottom;
  const int bottomSource = 3 * l.T - l.Bottom;
  const auto down = [&](auto each) { Repeat(l.T, l.T, l.H - 2 * l.Bottom, l.H - l.T, each); };
  const auto across = [&](auto each) { Repeat(l.S, l.S, l.W - 2 * l.Left, l.W - l.Left, each); };

  put(Tile{0, 0, l.BlockX, 0, l.Left, l.Top, false});
  down([&](int y, int h) { put(Tile{0, y, l.BlockX, l.T, l.Left, h, false}); });
  across([&](int x, int w) { put(Tile{x, 0, l.BlockX + l.S, 0, w, l.Top, false}); });
  put(Tile{0, bottomY, l.BlockX, bottomSource, l.Left, l.Bottom, false});
  across([&](int x, int w) {
    put(Tile{x, bottomY, l.BlockX + l.S, bottomSource, w, l.Bottom, false});
  });
  put(Tile{rightX, bottomY, rightSource, bottomSource, l.Right, l.Bottom, false});
  put(Tile{rightX, 0, rightSource, 0, l.Right, l.Top, false});
  down([&](int y, int h) { put(Tile{rightX, y, rightSource, l.T, l.Right, h, false}); });
  if (!fillCentre) return;
  down([&](int y, int h) {
    across([&](int x, int w) { put(Tile{x, y, l.BlockX + l.S, l.T, w, h, true}); });
  });
}

struct Key {
  bool Used;
  std::uint8_t B, G, R;
};

Key MakeKey(TColor color) {
  const TColor rgb = platform::ColorToRGB(color);
  return {true, platform::GetBValue(rgb), platform::GetGValue(rgb), platform::GetRValue(rgb)};
}

constexpr Key NoKey{false, 0, 0, 0};

// Blends a tile placed at origin + (tile.X, tile.Y), clipped to the destination and to the
// picture half; runs of keyed pixels go to cuts when it is given.
void BlendTile(Bitmap& dest, const Bitmap& mask, platform::TPoint origin, const Tile& tile,
               const Key& key, std::vector<TRect>* cuts) {
  const int pictureHeight = (mask.Height() / 6) * 3;
  const int dx = origin.X + tile.X;
  const int dy = origin.Y + tile.Y;
  const int c0 = std::max({0, -dx, -tile.SourceX});
  const int c1 = std::min({tile.Width, dest.Width() - dx, mask.Width() - tile.SourceX});
  const int r0 = std::max({0, -dy, -tile.SourceY});
  const int r1 = std::min({tile.Height, dest.Height() - dy, pictureHeight - tile.SourceY});
  for (int r = r0; r < r1; ++r) {
    std::uint8_t* d = dest.ScanLine(dy + r) + 3 * (dx + c0);
    const std::uint8_t* p = mask.ScanLine(tile.SourceY + r) + 3 * (tile.SourceX + c0);
    const std::uint8_t* m =
        mask.ScanLine(tile.SourceY + r + pictureHeight) + 3 * (tile.SourceX + c0);
    if (!key.Used) {
      // Byte by byte, so the compiler can blend whole vectors of a row at once.
      for (int i = 0; i < 3 * (c1 - c0); ++i) d[i] = MaskedImageBlend(d[i], p[i], m[i]);
      continue;
    }
    int runStart = -1;
    for (int c = c0; c < c1; ++c, d += 3, p += 3, m += 3) {
      if (p[0] == key.B && p[1] == key.G && p[2] == key.R) {
        if (runStart < 0) runStart = dx + c;
        continue;
      }
      if (runStart >= 0 && cuts) cuts->push_back({runStart, dy + r, dx + c, dy + r + 1});
      runStart = -1;
      for (int i = 0; i < 3; ++i) d[i] = MaskedImageBlend(d[i], p[i], m[i]);
    }
    if (runStart >= 0 && cuts) cuts->push_back({runStart, dy + r, dx + c1, dy + r + 1});
  }
}

// MaskedImageBlend over n bytes of a row.
BEZIER_ROW_KERNEL void BlendRow(std::uint8_t* d, const std::uint8_t* picture,
                                const std::uint8_t* alpha, std::size_t n) {
  // The products stay below 2^16, so the blend runs in 16-bit lanes.
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = static_cast<std::uint16_t>(alpha[i]);
    const auto p = static_cast<std::uint16_t>(picture[i]);
    d[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(d[i] * m) >> 8) + p -
           static_cast<std::uint8_t>(static_cast<std::uint16_t>(p * m) >> 8);
  }
}

// The centre as ForEachTile tiles it, over [S, W - Left) x [T, H - T) of the target, but blended
// a whole target row at a time: each slice row is laid out once across the inner width, so the
// blend runs over long rows instead of one slice width at a time. Needs the target's origin
// inside dest and the state block inside the mask, which leaves no tile to skip or cut.
void BlendCentre(Bitmap& dest, const Bitmap& mask, platform::TPoint origin, const SliceLayout& l) {
  const int x0 = origin.X + l.S;
  const int x1 = std::min(origin.X + l.W - l.Left, dest.Width());
  const int y0 = origin.Y + l.T;
  const int y1 = std::min(origin.Y + l.H - l.T, dest.Height());
  if (x0 >= x1 || y0 >= y1) return;
  const auto n = static_cast<std::size_t>(3 * (x1 - x0));
  const auto period = static_cast<std::size_t>(3 * l.S);
  // Never more rows than the target has, so the buffers stay within the target's size.
  const int rows = std::min(l.T, y1 - y0);
  const int pictureHeight = (mask.Height() / 6) * 3;
  std::vector<std::uint8_t> picture(n * static_cast<std::size_t>(rows));
  std::vector<std::uint8_t> alpha(picture.size());
  for (int r = 0; r < rows; ++r) {
    const std::uint8_t* p = mask.ScanLine(l.T + r) + 3 * (l.BlockX + l.S);
    const std::uint8_t* m = mask.ScanLine(l.T + r + pictureHeight) + 3 * (l.BlockX + l.S);
    const std::size_t at = n * static_cast<std::size_t>(r);
    for (std::size_t i = 0; i < n; i += period) {
      std::memcpy(&picture[at + i], p, std::min(period, n - i));
      std::memcpy(&alpha[at + i], m, std::min(period, n - i));
    }
  }
  for (int y = y0; y < y1; ++y) {
    const std::size_t at = n * static_cast<std::size_t>((y - y0) % l.T);
    std::uint8_t* d = dest.ScanLine(y) + 3 * x0;
    BlendRow(d, &picture[at], &alpha[at], n);
  }
}

// Every tile through put, but the centre row by row when BlendCentre can take it.
template <class Put>
void PaintTiles(Bitmap& dest, const Bitmap& mask, platform::TPoint origin, const SliceLayout& l,
                bool fillCentre, Put put) {
  const bool rowWise = fillCentre && origin.X >= 0 && origin.Y >= 0 && origin.X < dest.Width() &&
                       origin.Y < dest.Height() && l.BlockX + l.S >= 0 &&
                       l.BlockX + 2 * l.S <= mask.Width();
  ForEachTile(l, fillCentre && !rowWise, put);
  if (rowWise) BlendCentre(dest, mask, origin, l);
}

}  // namespace

platform::TSize SliceSize(const Bitmap& mask) {
  return {mask.Width() / 9, mask.Height() / 6};
}

void PaintMaskedBorder(Bitmap& dest, const Bitmap& mask, int state, bool fillCentre,
                       TColor transparent, platform::Region& region) {
  const platform::TSize slice = SliceSize(mask);
  // An image below one pixel per slice would tile in steps of nothing.
  if (dest.Width() < 3 || dest.Height() < 3 || slice.cx < 1 || slice.cy < 1) return;
  const Key key = MakeKey(transparent);
  std::vector<TRect> cuts;
  PaintTiles(dest, mask, {0, 0}, MakeLayout(slice, dest.Width(), dest.Height(), state), fillCentre,
             [&](const Tile& tile) {
               if (tile.Centre)
                 BlendTile(dest, mask, {0, 0}, tile, NoKey, nullptr);
               else
                 BlendTile(dest, mask, {0, 0}, tile, key, &cuts);
             });
  if (!cuts.empty()) region = region.Difference(platform::Region::FromRects(cuts));
}

void PaintSectionBorder(Bitmap& dest, const Bitmap& mask, int state, bool fillCentre,
                        const TRect& rect) {
  const platform::TSize slice = SliceSize(mask);
  if (rect.Width() < 2 || rect.Height() < 2 || slice.cx < 1 || slice.cy < 1) return;
  const platform::TPoint origin = rect.TopLeft();
  PaintTiles(dest, mask, origin, MakeLayout(slice, rect.Width(), rect.Height(), state), fillCentre,
             [&](const Tile& tile) {
               if (origin.X + tile.X < 0 || origin.Y + tile.Y < 0) return;
               BlendTile(dest, mask, origin, tile, NoKey, nullptr);
             });
}

}  // namespace sMaskData
