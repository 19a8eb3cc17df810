#pragma once

#include <exception>

namespace framework {

// The application's handling of an exception that escaped an event handler: its message in
// a modal box, then the program goes on.
void HandleException(const std::exception& error);

}  // namespace framework
