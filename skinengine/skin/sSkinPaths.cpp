#include <algorithm>
#include <string>
#include <string_view>

#include "platform/kernel/Files.h"
#include "skinengine/skin/sSkinManager.h"

namespace sSkinManager {

namespace {

// Stored paths may come from either kind of system; ours are built with '/'.
std::string WithSlashes(std::string_view path) {
  std::string result(path);
  std::ranges::replace(result, '\\', '/');
  return result;
}

}  // namespace

std::string ProgramFolder() {
  return IncludeTrailingSlash(platform::ProgramFolder());
}

std::string IncludeTrailingSlash(std::string_view path) {
  std::string result = WithSlashes(path);
  if (result.empty() || result.back() == '/') return result;
  return result + (result.size() == 1 ? ":/" : "/");
}

std::string ResolveSkinDirectory(std::string_view directory) {
  std::string path = WithSlashes(directory);
  if (path.starts_with("./")) {
    path = ProgramFolder() + path.substr(2);
  } else if (!path.starts_with('/') && path.find(':') == std::string::npos) {
    path = ProgramFolder() + path;
  }
  return IncludeTrailingSlash(path);
}

}  // namespace sSkinManager
