#pragma once

#include <optional>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace Bezier {

// A picture of the whole main window, frame included, and where its client area lies in it.
struct TWindowShot {
  platform::Bitmap Picture;
  platform::TPoint ClientOrigin;
};

// Starts the tool as it starts on the desktop, but on the headless desktop, and takes a
// picture of its main window; with a point file, the file is first opened through File > Open
// and drawn through the "Gambar Kurva" button. What lies outside the window's region is
// white. A point file that cannot be read, and a message the window shows on the way (a file
// that cannot be drawn), raise cli::TFailure naming the file.
TWindowShot ShootMainWindow(const std::optional<std::string>& pointFile);

}  // namespace Bezier
