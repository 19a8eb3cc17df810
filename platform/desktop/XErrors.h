#pragma once

namespace platform {

// SDL wakes its event wait with a message to its newest window, on a connection of its own;
// when that window is a menu destroyed at once, the message can reach the server after it and
// find no window. Xlib's default handler ends the program on that error, so it is ignored;
// every other X error keeps the handling it had.
void IgnoreWakeupsToDestroyedWindows();

}  // namespace platform
