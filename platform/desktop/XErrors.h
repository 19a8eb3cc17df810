#pragma once

namespace platform {

// SDL wakes its event wait with a message to its newest window, on a connection of its own;
// when that window has just been destroyed (a menu closed at once, say), the message can reach
// the server after it and find no window. Xlib's default handler ends the program on that error, so
// it is ignored; every other X error keeps the handling it had. Call it before SDL starts: SDL
// keeps the handler it finds and puts it back as it quits, before it closes that connection, where
// the error may still be read.
void IgnoreWakeupsToDestroyedWindows();

}  // namespace platform
