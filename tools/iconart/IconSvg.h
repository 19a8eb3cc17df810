#pragma once

#include <string>

namespace iconart {

// The scalable icon: the full picture as an SVG document.
std::string IconSvg();

}  // namespace iconart
