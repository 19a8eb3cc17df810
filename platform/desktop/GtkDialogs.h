#pragma once

#include <functional>
#include <optional>

#include "platform/window/Dialogs.h"

namespace platform {

// The desktop's own dialogs through GTK 3. They run modally in a loop of their own that
// calls keepAlive between GTK iterations, so the caller's windows keep repainting. Throws
// platform::Error when GTK cannot open the display.
int RunGtkMessageBox(const MessageBoxParams& params, const std::function<void()>& keepAlive);
std::optional<FileDialogResult> RunGtkFileDialog(const FileDialogParams& params,
                                                 const std::function<void()>& keepAlive);

}  // namespace platform
