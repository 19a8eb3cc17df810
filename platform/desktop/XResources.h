#pragma once

#include <optional>
#include <string>

namespace platform {

// A value of the display's X resource database (what xrdb loaded, such as "Xft.dpi"), as
// toolkits read it; nullopt when the display, the database or the value is missing.
std::optional<std::string> XResource(const char* name, const char* className);

}  // namespace platform
