#include "styled/suiMgr.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "framework/classes/ClassInfo.h"
#include "framework/forms/Form.h"
#include "platform/window/Paint.h"
#include "styled/suiFileTheme.h"

namespace suiMgr {

namespace {

constexpr std::string_view StyledFormClass = "TsuiForm";

bool IsStyledForm(const framework::TControl& control) {
  for (const framework::TClassInfo* c = &control.ClassInfo(); c; c = c->Parent())
    if (c->Name() == StyledFormClass) return true;
  return false;
}

// The UIStyle a styled form panel publishes, if it does.
std::optional<TsuiUIStyle> PublishedStyle(const framework::TControl& control) {
  const framework::TPropInfo* p = control.ClassInfo().FindProperty("UIStyle");
  if (!p || p->Kind != framework::TPropKind::Enumeration || !p->Get) return std::nullopt;
  const auto value = std::get<std::int64_t>(p->Get(control));
  return static_cast<TsuiUIStyle>(static_cast<std::uint8_t>(value));
}

void Frame(platform::Canvas& canvas, const platform::TRect& r, platform::TColor color) {
  canvas.SetBrush({platform::ColorToRGB(color), platform::BrushStyle::Solid});
  canvas.FrameRect(r);
}

}  // namespace

TsuiUIStyle GetDefaultUIStyle(const framework::TComponent* owner) {
  if (const auto* form = dynamic_cast<const framework::TCustomForm*>(owner)) {
    for (int i = 0; i < form->ControlCount(); ++i) {
      const framework::TControl& child = *form->Controls(i);
      if (IsStyledForm(child)) return PublishedStyle(child).value_or(suiThemes::DefaultUIStyle);
    }
  }
  return suiThemes::DefaultUIStyle;
}

bool UseFileTheme(const suiFileTheme::TsuiFileTheme* theme, TsuiUIStyle style,
                  TsuiUIStyle& builtIn) {
  builtIn = style;
  if (!suiThemes::IsFromThemeFile(style)) return false;
  if (theme && theme->ThemeLoaded()) return true;
  builtIn = suiThemes::DefaultUIStyle;
  return false;
}

void DrawControlBorder(framework::TWinControl& control, platform::TColor outer,
                       platform::TColor inner, bool drawInner) {
  if (!control.HandleAllocated()) return;
  platform::WindowCanvas window = platform::GetWindowCanvas(control.Handle());
  const platform::TRect all{0, 0, control.Width(), control.Height()};
  Frame(window.Get(), all, outer);
  if (drawInner) Frame(window.Get(), all.Inflate(-1, -1), inner);
}

}  // namespace suiMgr
