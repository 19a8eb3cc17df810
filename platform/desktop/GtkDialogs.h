#pragma once

#include <functional>
#include <optional>

#include "platform/graphics/Geometry.h"
#include "platform/window/Dialogs.h"

namespace platform {

// How a GTK dialog runs: keepAlive is called between GTK iterations, so the caller's windows
// keep repainting; the dialog opens centred over owner, the owner window's rectangle on the
// screen in device pixels, when there is one.
struct GtkModal {
  std::function<void()> KeepAlive;
  std::optional<TRect> Owner;
};

// The desktop's own dialogs through GTK 3, run modally in a loop of their own. Throws
// platform::Error when GTK cannot open the display.
int RunGtkMessageBox(const MessageBoxParams& params, const GtkModal& modal);
std::optional<FileDialogResult> RunGtkFileDialog(const FileDialogParams& params,
                                                 const GtkModal& modal);

}  // namespace platform
