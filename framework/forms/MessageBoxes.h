#pragma once

#include <string>

#include "platform/window/Dialogs.h"

namespace framework {

// A modal message box with one OK button over the active window, captioned with the
// application's title.
void ShowMessage(const std::string& text,
                 platform::MessageBoxKind kind = platform::MessageBoxKind::Information);

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtCustom };

// A modal message box with one OK button, captioned by its kind ("Warning", "Error",
// "Information"); the custom kind has no icon and the application's title as caption.
void MessageDlg(const std::string& text, TMsgDlgType type);

}  // namespace framework
