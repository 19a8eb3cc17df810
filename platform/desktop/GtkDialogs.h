#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/Geometry.h"
#include "platform/window/Dialogs.h"

namespace platform {

// The window a dialog belongs to, in device pixels: the dialog stays above it and opens
// centred over it, inside the work area.
struct DialogOwner {
  unsigned long XWindow = 0;  // 0 when there is none
  TRect Bounds;               // on the screen
  TRect WorkArea;             // where the dialog must fit
};

// How a GTK dialog runs: over its owner, calling KeepAlive between GTK iterations so the
// caller's windows keep repainting.
struct GtkModal {
  std::function<void()> KeepAlive;
  DialogOwner Owner;
};

// Text as GTK can show it: valid UTF-8, with U+FFFD for every byte that is not, a NUL among
// them (GTK takes C strings, so a NUL would end the text early).
std::string GtkDisplayText(std::string_view text);

// The desktop's own dialogs through GTK 3, run modally in a loop of their own. Throws
// platform::Error when GTK cannot open the display.
int RunGtkMessageBox(const MessageBoxParams& params, const GtkModal& modal);
std::optional<FileDialogResult> RunGtkFileDialog(const FileDialogParams& params,
                                                 const GtkModal& modal);

}  // namespace platform
