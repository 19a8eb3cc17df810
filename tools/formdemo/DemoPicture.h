#pragma once

#include <optional>
#include <string>

#include "framework/classes/ClassInfo.h"

namespace formdemo {

// The files the description names: "picture.bmp", a picture drawn here so the demo needs
// nothing beside the program.
std::optional<framework::TBytes> DemoResource(const std::string& name);

}  // namespace formdemo
