#include "framework/controls/Frame3D.h"

namespace framework {

TRect Frame3D(TCanvas& canvas, TRect r, platform::TColor topLeft, platform::TColor bottomRight,
              int width) {
  for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
    canvas.Brush()->SetColor(topLeft);
    canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    canvas.Brush()->SetColor(bottomRight);
    canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    r = r.Inflate(-1, -1);
  }
  return r;
}

}  // namespace framework
