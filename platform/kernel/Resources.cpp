#include "platform/kernel/Resources.h"

#include <cctype>
#include <map>
#include <string>

#include "platform/Error.h"

namespace platform {
namespace {

std::string Key(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

// A function-local table, so registrations from static initialisers in other files work
// whatever the order of initialisation.
std::map<std::string, std::span<const std::uint8_t>>& Table() {
  static std::map<std::string, std::span<const std::uint8_t>> table;
  return table;
}

}  // namespace

void RegisterResource(std::string_view name, std::span<const std::uint8_t> data) {
  Table()[Key(name)] = data;
}

std::optional<std::span<const std::uint8_t>> FindResource(std::string_view name) {
  const auto it = Table().find(Key(name));
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

std::span<const std::uint8_t> LoadResource(std::string_view name) {
  if (auto found = FindResource(name)) return *found;
  throw Error("Resource \"" + std::string(name) + "\" not found");
}

}  // namespace platform
