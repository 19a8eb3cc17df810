#pragma once

#include <optional>
#include <string>

#include "framework/classes/ClassInfo.h"

namespace framework {

// The bytes of a resource embedded in the program, for descriptions that name their binary
// data "{file 'name'}"; pass it to ReadDescription as the resolver.
std::optional<TBytes> EmbeddedResource(const std::string& name);

}  // namespace framework
