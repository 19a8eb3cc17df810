#include "tools/themeart/ArtPainter.h"

#include <algorithm>
#include <cstdlib>

namespace themeart {

namespace {

int Channel(TColor c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}

}  // namespace

TColor Mix(TColor a, TColor b, int weight) {
  TColor result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int x = Channel(a, shift);
    const int value = x + (Channel(b, shift) - x) * weight / 255;
    result |= static_cast<TColor>(value) << shift;
  }
  return result;
}

TColor Lighter(TColor c, int weight) {
  return Mix(c, platform::clWhite, weight);
}

TColor Darker(TColor c, int weight) {
  return Mix(c, platform::clBlack, weight);
}

void VerticalGradient(Bitmap& b, const TRect& r, TColor top, TColor bottom) {
  const int span = std::max(r.Height() - 1, 1);
  for (int y = r.Top; y < r.Bottom; ++y)
    b.FillRect({r.Left, y, r.Right, y + 1}, Mix(top, bottom, (y - r.Top) * 255 / span));
}

void Frame(Bitmap& b, const TRect& r, TColor color) {
  b.FillRect({r.Left, r.Top, r.Right, r.Top + 1}, color);
  b.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
  b.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
  b.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, color);
}

void Panel(Bitmap& b, const TRect& r, TColor border, TColor top, TColor bottom, TColor background) {
  VerticalGradient(b, r, top, bottom);
  Frame(b, r, border);
  if (r.Width() < 4 || r.Height() < 4) return;
  for (const int x : {r.Left, r.Right - 1})
    for (const int y : {r.Top, r.Bottom - 1}) b.SetPixel(x, y, background);
}

void Disc(Bitmap& b, const TRect& r, double radius, TColor color) {
  const double cx = (r.Left + r.Right - 1) / 2.0;
  const double cy = (r.Top + r.Bottom - 1) / 2.0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) b.SetPixel(x, y, color);
}

void CheckMark(Bitmap& b, const TRect& r, TColor color) {
  const int size = std::min(r.Width(), r.Height()) / 2;
  const int left = r.Left + (r.Width() - size) / 2;
  const int bottom = r.Top + (r.Height() + size) / 2;
  // A short stroke down to the foot, then a long one up to the right, two pixels thick.
  const int foot = size / 3;
  for (int i = 0; i <= foot; ++i)
    b.FillRect({left + i, bottom - foot + i - 2, left + i + 1, bottom - foot + i}, color);
  for (int i = 0; i < size - foot; ++i)
    b.FillRect({left + foot + i, bottom - i - 2, left + foot + i + 1, bottom - i}, color);
}

void Cross(Bitmap& b, const TRect& r, int size, TColor color) {
  const int left = r.Left + (r.Width() - size) / 2;
  const int top = r.Top + (r.Height() - size) / 2;
  for (int i = 0; i < size; ++i) {
    b.FillRect({left + i, top + i, left + i + 2, top + i + 1}, color);
    b.FillRect({left + size - 1 - i, top + i, left + size + 1 - i, top + i + 1}, color);
  }
}

void Arrow(Bitmap& b, const TRect& r, int direction, int size, TColor color) {
  const int cx = r.Left + r.Width() / 2;
  const int cy = r.Top + r.Height() / 2;
  // A triangle of size rows, each one pixel wider on both sides than the one before.
  for (int i = 0; i < size; ++i) {
    const int along = i - size / 2;
    switch (direction) {
      case 0:
        b.FillRect({cx - i, cy + along, cx + i + 1, cy + along + 1}, color);
        break;
      case 2:
        b.FillRect({cx - i, cy - along, cx + i + 1, cy - along + 1}, color);
        break;
      case 1:
        b.FillRect({cx - along, cy - i, cx - along + 1, cy + i + 1}, color);
        break;
      default:
        b.FillRect({cx + along, cy - i, cx + along + 1, cy + i + 1}, color);
        break;
    }
  }
}

}  // namespace themeart
