#include "framework/controls/ClientEdge.h"

#include <algorithm>

#include "framework/controls/Frame3D.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

int ClientEdgeWidth(TBorderStyle style, bool ctl3D) {
  if (style == bsNone) return 0;
  return ctl3D ? 2 : 1;
}

void ShrinkClientRect(TMessage& m, int width) {
  TRect* client = RectOf(m);
  if (!client || width <= 0) return;
  const int w = std::min(width, std::max(client->Width(), 0) / 2);
  const int h = std::min(width, std::max(client->Height(), 0) / 2);
  *client = client->Inflate(-w, -h);
}

void PaintClientEdge(TWinControl& control, bool ctl3D) {
  if (!control.HandleAllocated()) return;
  WindowCanvas window = GetWindowCanvas(control.Handle());
  TCanvas canvas;
  canvas.SetHandle(&window.Get());
  const TRect all{0, 0, control.Width(), control.Height()};
  if (ctl3D) {
    Frame3D(canvas, Frame3D(canvas, all, clBtnShadow, clBtnHighlight, 1), cl3DDkShadow, cl3DLight,
            1);
  } else {
    Frame3D(canvas, all, clWindowFrame, clWindowFrame, 1);
  }
  canvas.SetHandle(nullptr);
}

void HandleClientEdge(TWinControl& control, TMessage& m, TBorderStyle style, bool ctl3D) {
  const int width = ClientEdgeWidth(style, ctl3D);
  if (m.Msg == WM_NCCALCSIZE) ShrinkClientRect(m, width);
  if (m.Msg == WM_NCPAINT && width > 0) PaintClientEdge(control, ctl3D);
}

void ClientEdgeChanged(TWinControl& control) {
  if (!control.HandleAllocated()) return;
  // Setting the style again makes the platform measure the frame anew.
  SetWindowStyle(control.Handle(), GetWindowStyle(control.Handle()));
  RedrawWindow(control.Handle(), nullptr, RDW_FRAME | RDW_INVALIDATE);
}

}  // namespace framework
