#pragma once

#include <functional>
#include <string>

#include "framework/classes/ClassInfo.h"

namespace framework {

// Keeps binary data found at path ("Bar.sStyle.Background.Image.Image.Data") as a resource
// and gives the name the description refers to it by.
using TResourceStore = std::function<std::string(const std::string& path, const TBytes& data)>;

// Writes root and the components it owns in the format ReadDescription reads: every
// published property in stream order, except values equal to their declared default, empty
// strings, lists, binary data and collections, unassigned events and references. Colours
// are written by name where they have one. Binary data goes to the store when one is given,
// else inline as hexadecimal digits. Writing what was read gives the same text again.
std::string WriteDescription(const TComponent& root, const TResourceStore& store = {});

}  // namespace framework
