#pragma once

#include <string>

// The program's icon under resources/icon: one PNG per size the desktop's icon theme asks
// for, each embedded as "bezier-SIZE", and the scalable one, which only the desktop uses.
namespace resources {

inline constexpr int AppIconSizes[] = {16, 32, 48, 64, 128, 256};
inline constexpr const char* AppIconScalable = "bezier.svg";

inline std::string AppIconName(int size) {
  return "bezier-" + std::to_string(size);
}

}  // namespace resources
