#pragma once

#include <optional>
#include <string_view>

#include "platform/graphics/Color.h"

namespace framework {

// The names of the named and system colours ("clWhite", "clBtnFace", "clMenuHighlight"), as
// stored descriptions write them.
std::optional<std::string_view> ColorToIdent(platform::TColor color);
// Without regard to case.
std::optional<platform::TColor> IdentToColor(std::string_view ident);

}  // namespace framework
