#include "skinengine/frame/sSkinProviderParts.h"

#include "framework/forms/Application.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Metrics.h"

namespace sSkinProvider {

using platform::Bitmap;
using platform::GetSystemMetrics;
using platform::TRect;

int TitleHeight() {
  return GetSystemMetrics(platform::SM_CYCAPTION) + GetSystemMetrics(platform::SM_CYFRAME);
}

int MenuLineHeight() {
  return GetSystemMetrics(platform::SM_CYMENU) - 1;
}

platform::HWND MinimizeTarget(platform::HWND form) {
  const framework::TApplication* application = framework::Application();
  framework::TCustomForm* main = application ? application->MainForm() : nullptr;
  return main ? main->Handle() : form;
}

void CopyPixels(Bitmap& to, platform::TPoint at, Bitmap& from, const TRect& fromRect) {
  platform::Canvas target(to);
  const platform::Canvas source(from);
  target.CopyRect(TRect::FromBounds(at.X, at.Y, fromRect.Width(), fromRect.Height()), source,
                  fromRect);
}

}  // namespace sSkinProvider
