#include <string>
#include <utility>

#include "platform/Error.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {
namespace {

constexpr const char* BlockStart = "    InternalSkins = <\n";
constexpr const char* BlockEnd = ">\n    SkinDirectory = ";

// Where the collection's items begin and end in the description; npos when it has none.
std::pair<std::size_t, std::size_t> BlockSpan(const std::string& description) {
  const std::size_t start = description.find(BlockStart);
  if (start == std::string::npos) return {std::string::npos, std::string::npos};
  const std::size_t first = start + std::char_traits<char>::length(BlockStart);
  return {first, description.find(BlockEnd, first)};
}

}  // namespace

std::string StoredSkinBlock(const std::string& description) {
  const auto [first, last] = BlockSpan(description);
  if (first == std::string::npos || last == std::string::npos) return {};
  return description.substr(first, last - first);
}

std::string WithStoredSkin(const std::string& description) {
  const auto [first, last] = BlockSpan(description);
  if (first == std::string::npos || last == std::string::npos) {
    throw platform::Error("the description holds no skin manager with InternalSkins");
  }
  return description.substr(0, first) + StoredSkinItem() + description.substr(last);
}

}  // namespace skinart
