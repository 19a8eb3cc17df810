#include "platform/window/Icons.h"

#include "platform/window/Metrics.h"

namespace platform {

// A small generic application icon: a window with a title bar.
void DrawApplicationIcon(Canvas& c, TPoint at) {
  const int size = GetSystemMetrics(SM_CXSMICON);
  const int x = at.X, y = at.Y;
  const Brush saved = c.GetBrush();
  c.GetBrush().Color = clWhite;
  c.FillRect({x + 1, y + 2, x + size - 1, y + size - 2});
  c.GetBrush().Color = clNavy;
  c.FillRect({x + 1, y + 2, x + size - 1, y + 5});
  c.GetBrush().Color = clBlack;
  c.FrameRect({x + 1, y + 2, x + size - 1, y + size - 2});
  c.SetBrush(saved);
}

}  // namespace platform
