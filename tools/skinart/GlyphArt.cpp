#include "tools/skinart/GlyphArt.h"

#include <algorithm>
#include <utility>

#include "tools/skinart/Palette.h"

namespace skinart {

namespace {

// Eighths of a pixel, from tenths, for coordinates written as decimals.
constexpr int At(int tenths) {
  return tenths * Sub / 10;
}

// A shape outlined in the state's border colour round a face ramp of the state.
void FramedFace(Layer& cell, const Shape& outer, const Shape& inner, int state) {
  const int h = cell.Height();
  cell.Fill(inner, [&](int, int y) { return Ramp(FaceTop[state], FaceBottom[state], y, h); });
  cell.Fill(Minus(outer, inner), BorderByState[state]);
}

}  // namespace

Bitmap DrawGlyphCells(int width, int height, const CellArt& art) {
  const int w = width / 3;
  const int h = height / 2;
  Bitmap image(width, height);
  for (int k = 0; k < 3; ++k) {
    Layer cell(w, h);
    art(cell, k);
    cell.PutMasked(image, k * w, 0, h);
  }
  return image;
}

CellArt CheckBoxArt(bool checked) {
  return [checked](Layer& cell, int state) {
    const int l = (cell.Width() - 13) / 2;
    const int t = (cell.Height() - 13) / 2;
    FramedFace(cell, RoundRect(l, t, l + 13, t + 13, 2), RoundRect(l + 1, t + 1, l + 12, t + 12, 1),
               state);
    if (!checked) return;
    const int x = l * Sub;
    const int y = t * Sub;
    const Shape tick = Either(Segment(x + At(35), y + At(68), x + At(55), y + At(90), At(10)),
                              Segment(x + At(55), y + At(90), x + At(98), y + At(38), At(10)));
    cell.Fill(tick, MarkColor);
  };
}

CellArt RadioArt(bool checked) {
  return [checked](Layer& cell, int state) {
    const int cx = cell.Width() * Sub / 2;
    const int cy = cell.Height() * Sub / 2;
    FramedFace(cell, Disc(cx, cy, At(65)), Disc(cx, cy, At(55)), state);
    if (!checked) return;
    cell.Fill(Disc(cx, cy, At(28)), MarkColor);
    cell.Fill(Disc(cx - At(6), cy - At(6), At(10)), Mix(MarkColor, 0xFFFFFF, 140));
  };
}

CellArt ArrowArt(Direction direction) {
  return [direction](Layer& cell, int state) {
    const int cx = cell.Width() * Sub / 2;
    const int cy = cell.Height() * Sub / 2;
    const int a = std::max(std::min(cell.Width(), cell.Height()) * Sub * 3 / 10, 2 * Sub);
    const int b = a / 2;
    Shape head;
    switch (direction) {
      case Direction::Up:
        head = Triangle(cx - a, cy + b, cx + a, cy + b, cx, cy - b);
        break;
      case Direction::Down:
        head = Triangle(cx - a, cy - b, cx + a, cy - b, cx, cy + b);
        break;
      case Direction::Left:
        head = Triangle(cx + b, cy - a, cx + b, cy + a, cx - b, cy);
        break;
      case Direction::Right:
        head = Triangle(cx - b, cy - a, cx - b, cy + a, cx + b, cy);
        break;
    }
    cell.Fill(head, GlyphByState[state]);
  };
}

CellArt ThumbGripArt(bool verticalThumb) {
  return [verticalThumb](Layer& cell, int state) {
    // Centred on a pixel, so each one-pixel ridge stays sharp.
    const int cx = cell.Width() / 2 * Sub + Sub / 2;
    const int cy = cell.Height() / 2 * Sub + Sub / 2;
    for (int i = -1; i <= 1; ++i) {
      const int o = i * 2 * Sub;
      const Shape ridge = verticalThumb ? Segment(cx - 2 * Sub, cy + o, cx + 2 * Sub, cy + o, 4)
                                        : Segment(cx + o, cy - 2 * Sub, cx + o, cy + 2 * Sub, 4);
      cell.Fill(ridge, GlyphByState[state]);
    }
  };
}

CellArt SizeGripArt() {
  return [](Layer& cell, int state) {
    // Square dots on whole pixels, each with a white one behind it down and to the right.
    for (int row = 0; row < 3; ++row)
      for (int col = 2 - row; col < 3; ++col) {
        const int x = 2 + 4 * col;
        const int y = 2 + 4 * row;
        cell.Fill(RoundRect(x + 1, y + 1, x + 3, y + 3, 0), 0xFFFFFF);
        cell.Fill(RoundRect(x, y, x + 2, y + 2, 0), GlyphByState[state]);
      }
  };
}

CellArt SliderArt(bool sideways) {
  return [sideways](Layer& cell, int state) {
    // Drawn pointing down in a w x h cell, with x and y exchanged when sideways.
    const int w = sideways ? cell.Height() : cell.Width();
    const int h = sideways ? cell.Width() : cell.Height();
    const int body = h * 2 / 3;
    const auto shape = [&](int inset) {
      const int i = inset * Sub;
      Shape s = Either(RoundRect(inset, inset, w - inset, body, 2 - inset),
                       Triangle(i, body * Sub - Sub, w * Sub - i, body * Sub - Sub, w * Sub / 2,
                                h * Sub - 2 * i));
      if (!sideways) return s;
      return Shape([s](int x, int y) { return s(y, x); });
    };
    FramedFace(cell, shape(0), shape(1), state);
  };
}

CellArt TitleButtonArt(TitleIcon icon) {
  return [icon](Layer& cell, int state) {
    const Shape face = RoundRect(1, 1, cell.Width() - 1, cell.Height() - 1, 3);
    const int h = cell.Height();
    const bool close = icon == TitleIcon::Close;
    const TColor top = close && state > 0 ? CloseTop : TitleFaceTop[state];
    const TColor bottom = close && state > 0 ? CloseBottom : TitleFaceBottom[state];
    cell.Fill(
        face, [&](int, int y) { return Ramp(top, bottom, y, h); }, TitleFaceOpacity[state]);
    cell.Fill(Minus(face, RoundRect(2, 2, cell.Width() - 2, cell.Height() - 2, 2)), 0xFFFFFF,
              TitleEdgeOpacity[state]);
    const auto p = [](int tenths) { return At(tenths); };
    const int hw = At(10);
    Shape symbol;
    switch (icon) {
      case TitleIcon::Close:
        symbol = Either(Segment(p(55), p(45), p(115), p(105), hw),
                        Segment(p(115), p(45), p(55), p(105), hw));
        break;
      case TitleIcon::Max:
        symbol = Minus(RoundRect(5, 4, 12, 11, 0), RoundRect(6, 6, 11, 10, 0));
        break;
      case TitleIcon::Min:
        symbol = RoundRect(5, 9, 12, 11, 0);
        break;
      case TitleIcon::Norm:
        symbol = Either(Minus(Minus(RoundRect(7, 3, 13, 9, 0), RoundRect(8, 5, 12, 8, 0)),
                              RoundRect(4, 6, 10, 12, 0)),
                        Minus(RoundRect(4, 6, 10, 12, 0), RoundRect(5, 8, 9, 11, 0)));
        break;
      case TitleIcon::Help:
        symbol = Either(
            Either(Segment(p(60), p(55), p(75), p(40), hw),
                   Either(Segment(p(75), p(40), p(100), p(40), hw),
                          Segment(p(100), p(40), p(110), p(55), hw))),
            Either(Either(Segment(p(110), p(55), p(110), p(65), hw),
                          Segment(p(110), p(65), p(85), p(85), hw)),
                   Either(Segment(p(85), p(85), p(85), p(95), hw), Disc(p(85), p(123), p(11)))));
        break;
    }
    cell.Fill(symbol, 0xFFFFFF);
  };
}

}  // namespace skinart
