#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// Resources embedded in the program, found by name (case-insensitive, as resource names are
// on the desktop the engine comes from). Generated code registers them at start-up; the
// bytes must outlive the program, which static arrays do.
void RegisterResource(std::string_view name, std::span<const std::uint8_t> data);
std::optional<std::span<const std::uint8_t>> FindResource(std::string_view name);
// Like FindResource, but a missing resource throws platform::Error.
std::span<const std::uint8_t> LoadResource(std::string_view name);

}  // namespace platform
