#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"

namespace platform {
class HeadlessSession;
}

namespace Bezier {

// A picture of the whole main window, frame included, and where its client area lies in it.
struct TWindowShot {
  platform::Bitmap Picture;
  platform::TPoint ClientOrigin;
  // What the skin folder it was asked to wear lacked: pictures and sections.
  std::vector<std::string> SkinMissing;
};

// A window's picture as a desktop shows it: what lies outside its region is white.
platform::Bitmap WindowAsShown(platform::HeadlessSession& session, platform::HWND window);

// Starts the tool as it starts on the desktop, but on the headless desktop, and takes a
// picture of its main window as shown; with a point file, the file is first opened through
// File > Open and drawn through the "Gambar Kurva" button. A point file that cannot be read,
// and a message the window shows on the way (a file that cannot be drawn), raise cli::TFailure
// naming the file. With a skin folder the window wears that skin first; a skin that cannot be
// worn raises cli::TFailure naming the folder and its first problem.
TWindowShot ShootMainWindow(const std::optional<std::string>& pointFile,
                            const std::optional<std::string>& skinFolder = std::nullopt);

}  // namespace Bezier
