#include "framework/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"

namespace framework {

namespace {
std::vector<TControlCanvas*>& Fetched() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}
}  // namespace

TControlCanvas::TControlCanvas(TControl& control) : control_(control) {}

TControlCanvas::~TControlCanvas() {
  FreeHandle();
}

void TControlCanvas::Attach(platform::Canvas* canvas) {
  FreeHandle();
  SetHandle(canvas);
}

void TControlCanvas::FreeHandle() {
  SetHandle(nullptr);
  if (!window_) return;
  window_.reset();
  auto& fetched = Fetched();
  fetched.erase(std::remove(fetched.begin(), fetched.end(), this), fetched.end());
}

void TControlCanvas::PaintOn(platform::Canvas& canvas, const std::function<void()>& paint) {
  Attach(&canvas);
  Font()->Assign(control_.Font());
  try {
    paint();
  } catch (...) {
    Attach(nullptr);
    throw;
  }
  Attach(nullptr);
}

void TControlCanvas::CreateHandle() {
  auto* window = dynamic_cast<TWinControl*>(&control_);
  TPoint offset{};
  if (!window) {
    window = control_.Parent();
    offset = control_.BoundsRect().TopLeft();
  }
  if (!window || !window->HandleAllocated()) return;
  window_.emplace(platform::GetClientCanvas(window->Handle()));
  platform::Canvas& canvas = window_->Get();
  canvas.SetOrigin(canvas.Origin() + offset);
  canvas.IntersectClipRect(control_.ClientRect());
  SetHandle(&canvas);
  Fetched().push_back(this);
}

void FreeDeviceContexts() {
  while (!Fetched().empty()) Fetched().back()->FreeHandle();
}

}  // namespace framework
