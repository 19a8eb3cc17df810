#pragma once

#include "framework/classes/Component.h"
#include "framework/controls/WinControl.h"
#include "platform/graphics/Color.h"
#include "styled/suiThemes.h"

namespace suiFileTheme {
class TsuiFileTheme;
}

namespace suiMgr {

using suiThemes::TsuiUIStyle;

// The style a new styled control starts in: that of the first styled form panel ("TsuiForm")
// among the direct children of an owning form, else DeepBlue.
TsuiUIStyle GetDefaultUIStyle(const framework::TComponent* owner);

// Whether a control in style takes its entries from the file theme. When it does not,
// builtIn is the built-in style to read instead: the style itself, or DeepBlue for
// FromThemeFile without a loaded theme file.
bool UseFileTheme(const suiFileTheme::TsuiFileTheme* theme, TsuiUIStyle style,
                  TsuiUIStyle& builtIn);

// Frames the control's whole window, non-client band included, one pixel wide in outer and,
// when drawInner, one pixel further in with inner.
void DrawControlBorder(framework::TWinControl& control, platform::TColor outer,
                       platform::TColor inner, bool drawInner);

}  // namespace suiMgr
