#pragma once

namespace platform {

// Throws platform::Error "cannot open display NAME" unless the X display can be opened. The
// desktop back end draws on X alone; without one SDL would pick a driver that shows nothing.
void RequireDisplay();

}  // namespace platform
