#include "framework/forms/HintWindow.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
constexpr int HintMargin = 2;
}

std::string GetShortHint(const std::string& hint) {
  return hint.substr(0, hint.find('|'));
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetParentColor(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<THintWindow, TCustomControl>("THintWindow").Build();
  return info;
}

void THintWindow::CreateParams(platform::CreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.Parent = NullWindow;
}

void THintWindow::ActivateHint(TPoint screen, const std::string& text) {
  SetText(text);
  const TSize extent = platform::TextExtent(Font()->Data(), text);
  const TSize client{extent.cx + 2 * HintMargin + 2, extent.cy + 2 * HintMargin};
  SetBounds(screen.X, screen.Y, client.cx, client.cy);
  HandleNeeded();
  // The frame is what the window system gives a bordered popup; it goes around the text.
  SetBounds(screen.X, screen.Y, 2 * client.cx - ClientWidth(), 2 * client.cy - ClientHeight());
  SetVisible(true);
  SetWindowZOrder(Handle(), ZOrder::Top);
  Invalidate();
}

void THintWindow::ReleaseHint() {
  SetVisible(false);
}

void THintWindow::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(HintMargin + 1, HintMargin, Text());
}

}  // namespace framework
