#include "framework/controls/ClientScrollBar.h"

#include <algorithm>

#include "platform/graphics/Color.h"

namespace framework {

using namespace platform;

namespace {
constexpr int MinThumb = 8;
}

TClientScrollBar::TClientScrollBar(bool vertical, TRect bounds, int min, int max, int position,
                                   int page)
    : vertical_(vertical),
      bounds_(bounds),
      min_(min),
      max_(std::max(min, max)),
      position_(std::clamp(position, min, std::max(min, max))),
      page_(std::max(page, 1)) {}

int TClientScrollBar::Button() const {
  const int length = vertical_ ? bounds_.Height() : bounds_.Width();
  const int thickness = vertical_ ? bounds_.Width() : bounds_.Height();
  return std::min(thickness, length / 2);
}

int TClientScrollBar::TrackStart() const {
  return Button();
}

int TClientScrollBar::TrackLength() const {
  const int length = vertical_ ? bounds_.Height() : bounds_.Width();
  return std::max(length - 2 * Button(), 0);
}

int TClientScrollBar::ThumbLength() const {
  const long long range = static_cast<long long>(max_ - min_) + page_;
  const long long length = TrackLength() * static_cast<long long>(page_) / range;
  if (TrackLength() < MinThumb) return 0;
  return static_cast<int>(std::clamp<long long>(length, MinThumb, TrackLength()));
}

TRect TClientScrollBar::Slice(int from, int to) const {
  if (vertical_) return {bounds_.Left, bounds_.Top + from, bounds_.Right, bounds_.Top + to};
  return {bounds_.Left + from, bounds_.Top, bounds_.Left + to, bounds_.Bottom};
}

TRect TClientScrollBar::ThumbRect() const {
  const int thumb = ThumbLength();
  if (thumb == 0) return {};
  const int free = TrackLength() - thumb;
  const int span = max_ - min_;
  const int offset =
      span == 0 ? 0 : static_cast<int>(static_cast<long long>(free) * (position_ - min_) / span);
  return Slice(TrackStart() + offset, TrackStart() + offset + thumb);
}

TClientScrollBar::Part TClientScrollBar::HitTest(TPoint p) const {
  if (!bounds_.Contains(p)) return Part::None;
  const int at = Along(p) - (vertical_ ? bounds_.Top : bounds_.Left);
  if (at < TrackStart()) return Part::LineBack;
  if (at >= TrackStart() + TrackLength()) return Part::LineForward;
  const TRect thumb = ThumbRect();
  if (thumb.IsEmpty()) return Part::None;
  const int thumbStart = vertical_ ? thumb.Top - bounds_.Top : thumb.Left - bounds_.Left;
  if (at < thumbStart) return Part::PageBack;
  if (at >= thumbStart + ThumbLength()) return Part::PageForward;
  return Part::Thumb;
}

int TClientScrollBar::PositionAt(int thumbStart) const {
  const int free = TrackLength() - ThumbLength();
  if (free <= 0) return min_;
  const int start = (vertical_ ? bounds_.Top : bounds_.Left) + TrackStart();
  const long long offset = std::clamp(thumbStart - start, 0, free);
  // Rounded to the nearest position so that dragging back to an end reaches it.
  const long long span = max_ - min_;
  return min_ + static_cast<int>((offset * span + free / 2) / free);
}

void TClientScrollBar::PaintButton(TCanvas& canvas, const TRect& r, bool pressed) const {
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(r);
  if (r.Width() < 2 || r.Height() < 2) return;
  auto edge = [&canvas](const TRect& line, TColor color) {
    canvas.Brush()->SetColor(color);
    canvas.FillRect(line);
  };
  if (pressed) {
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(r);
    return;
  }
  edge({r.Left, r.Top, r.Right - 1, r.Top + 1}, clBtnHighlight);
  edge({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, clBtnHighlight);
  edge({r.Left, r.Bottom - 1, r.Right, r.Bottom}, cl3DDkShadow);
  edge({r.Right - 1, r.Top, r.Right, r.Bottom}, cl3DDkShadow);
  edge({r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, clBtnShadow);
  edge({r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1}, clBtnShadow);
}

void TClientScrollBar::PaintArrow(TCanvas& canvas, const TRect& r, bool back) const {
  const int size = std::min(r.Width(), r.Height()) / 4;
  if (size < 1) return;
  const TPoint c{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  canvas.Brush()->SetColor(clBtnText);
  // A solid triangle, one line of pixels per step, pointing back or forward.
  for (int i = 0; i < size; ++i) {
    const int tip = back ? -size / 2 + i : size / 2 - i;
    if (vertical_) {
      canvas.FillRect({c.X - i, c.Y + tip, c.X + i + 1, c.Y + tip + 1});
    } else {
      canvas.FillRect({c.X + tip, c.Y - i, c.X + tip + 1, c.Y + i + 1});
    }
  }
}

// The classic track: every other pixel light, so the raised thumb stands out from it.
void TClientScrollBar::PaintTrack(TCanvas& canvas, const TRect& r) const {
  canvas.Brush()->SetColor(clScrollBar);
  canvas.FillRect(r);
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left + ((r.Left + y) & 1); x < r.Right; x += 2)
      canvas.SetPixels(x, y, clBtnHighlight);
}

void TClientScrollBar::Paint(TCanvas& canvas, Part pressed) const {
  const TRect back = Slice(0, TrackStart());
  const TRect forward =
      Slice(TrackStart() + TrackLength(), TrackStart() + TrackLength() + Button());
  PaintTrack(canvas, Slice(TrackStart(), TrackStart() + TrackLength()));
  PaintButton(canvas, back, pressed == Part::LineBack);
  PaintArrow(canvas, back, true);
  PaintButton(canvas, forward, pressed == Part::LineForward);
  PaintArrow(canvas, forward, false);
  if (const TRect thumb = ThumbRect(); !thumb.IsEmpty()) PaintButton(canvas, thumb, false);
}

}  // namespace framework
