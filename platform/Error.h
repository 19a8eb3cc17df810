#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Every failure of the platform layer (a bad file, a failed library call) is one of these;
// the framework turns it into the exception class the tool shows.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace platform
