#pragma once

#include <string>

#include "platform/window/Dialogs.h"

namespace framework {

// A modal message box with one OK button over the active window, captioned with the
// application's title.
void ShowMessage(const std::string& text,
                 platform::MessageBoxKind kind = platform::MessageBoxKind::Information);

}  // namespace framework
