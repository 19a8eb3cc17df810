#pragma once

#include <string>

namespace platform {

// The desktop's clipboard, as UTF-8 text; empty when it holds no text.
void SetClipboardText(const std::string& text);
std::string GetClipboardText();

}  // namespace platform
