#include "platform/window/Clipboard.h"

#include "platform/window/Windows.h"

namespace platform {

void SetClipboardText(const std::string& text) {
  CurrentBackend().SetClipboardText(text);
}
std::string GetClipboardText() {
  return CurrentBackend().GetClipboardText();
}

}  // namespace platform
