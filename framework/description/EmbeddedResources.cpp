#include "framework/description/EmbeddedResources.h"

#include "platform/kernel/Resources.h"

namespace framework {

std::optional<TBytes> EmbeddedResource(const std::string& name) {
  const auto data = platform::FindResource(name);
  if (!data) return std::nullopt;
  return TBytes(data->begin(), data->end());
}

}  // namespace framework
